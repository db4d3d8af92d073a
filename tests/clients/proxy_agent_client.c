/*
 * proxy_agent_client: a client of the stub generated for ProxyAgentService
 * (axis2_stub_ProxyAgentService.c and the adb_ bindings of this folder),
 * written the way the generator's users write one: it includes the stub's
 * header and nothing else.
 *
 *   proxy_agent_client <endpoint> GetHostStatus <hostName>
 *   proxy_agent_client <endpoint> GetWorkItem <agentID>
 *
 * Prints "<operation>(<argument>) = <result>", or "(none)" when the reply
 * has no result; exit status 0 on success, 1 when the call fails (with the
 * engine's error), 2 on a usage error. The client home is AXIS2C_HOME; the
 * stub refuses to be created without one.
 */
#include "axis2_stub_ProxyAgentService.h"

/* The result text (owned by the caller), "(none)", or NULL when the call failed. */
static axis2_char_t *
get_host_status(axis2_stub_t *stub, const axutil_env_t *env, axis2_char_t *host_name)
{
    adb_GetHostStatus_t *request = adb_GetHostStatus_create(env);
    adb_GetHostStatusResponse_t *response = NULL;
    axis2_char_t *result = NULL;

    adb_GetHostStatus_set_hostName(request, env, host_name);
    response = axis2_stub_op_ProxyAgentService_GetHostStatus(stub, env, request);
    adb_GetHostStatus_free(request, env);
    if (!response)
        return NULL;
    if (adb_GetHostStatusResponse_is_GetHostStatusResult_nil(response, env))
        result = axutil_strdup(env, "(none)");
    else
        result =
            axutil_strdup(env, adb_GetHostStatusResponse_get_GetHostStatusResult(response, env));
    adb_GetHostStatusResponse_free(response, env);
    return result;
}

static axis2_char_t *
get_work_item(axis2_stub_t *stub, const axutil_env_t *env, axis2_char_t *agent_id)
{
    adb_GetWorkItem_t *request = adb_GetWorkItem_create(env);
    adb_GetWorkItemResponse_t *response = NULL;
    axis2_char_t *result = NULL;

    adb_GetWorkItem_set_agentID(request, env, agent_id);
    response = axis2_stub_op_ProxyAgentService_GetWorkItem(stub, env, request);
    adb_GetWorkItem_free(request, env);
    if (!response)
        return NULL;
    if (adb_GetWorkItemResponse_is_GetWorkItemResult_nil(response, env))
        result = axutil_strdup(env, "(none)");
    else
        result = axutil_strdup(env, adb_GetWorkItemResponse_get_GetWorkItemResult(response, env));
    adb_GetWorkItemResponse_free(response, env);
    return result;
}

int
main(int argc, char **argv)
{
    const axutil_env_t *env = NULL;
    axis2_stub_t *stub = NULL;
    axis2_char_t *result = NULL;
    int status = 1;

    if (argc != 4 ||
        (axutil_strcmp(argv[2], "GetHostStatus") && axutil_strcmp(argv[2], "GetWorkItem")))
    {
        fprintf(stderr, "usage: %s <endpoint> <GetHostStatus|GetWorkItem> <argument>\n", argv[0]);
        return 2;
    }
    env = axutil_env_create_all("proxy_agent_client.log", AXIS2_LOG_LEVEL_TRACE);
    stub = axis2_stub_create_ProxyAgentService(env, AXIS2_GETENV("AXIS2C_HOME"), argv[1]);
    if (!stub)
    {
        printf("stub not created (error %d): %s\n", env->error->error_number,
               AXIS2_ERROR_GET_MESSAGE(env->error));
        axutil_env_free((axutil_env_t *)env);
        return 1;
    }

    if (!axutil_strcmp(argv[2], "GetHostStatus"))
        result = get_host_status(stub, env, argv[3]);
    else
        result = get_work_item(stub, env, argv[3]);
    if (result)
    {
        printf("%s(%s) = %s\n", argv[2], argv[3], result);
        AXIS2_FREE(env->allocator, result);
        status = 0;
    }
    else
    {
        printf("%s invoke FAILED (error %d): %s\n", argv[2], env->error->error_number,
               AXIS2_ERROR_GET_MESSAGE(env->error));
    }
    axis2_stub_free(stub, env);
    axutil_env_free((axutil_env_t *)env);
    return status;
}
