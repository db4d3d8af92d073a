/*
 * axis2_stub_ProxyAgentService.c
 */
#include "axis2_stub_ProxyAgentService.h"
#include "adb_runtime.h"

#define PROXYAGENTSERVICE_DEFAULT_ENDPOINT "http://localhost/Ostrel2"
#define PROXYAGENTSERVICE_SOAP_ACTION_BASE ADB_SERVICE_NAMESPACE "/OstrelProxyAgent/"

AXIS2_EXTERN axis2_stub_t *AXIS2_CALL
axis2_stub_create_ProxyAgentService(const axutil_env_t *env, const axis2_char_t *client_home,
    const axis2_char_t *endpoint_uri)
{
    axis2_stub_t *stub = NULL;
    axis2_endpoint_ref_t *endpoint_ref = NULL;

    AXIS2_PARAM_CHECK(env->error, client_home, NULL);

    if (NULL == endpoint_uri)
    {
        endpoint_uri = axis2_stub_get_endpoint_uri_of_ProxyAgentService(env);
    }
    endpoint_ref = axis2_endpoint_ref_create(env, endpoint_uri);

    stub = axis2_stub_create_with_endpoint_ref_and_client_home(env, endpoint_ref, client_home);
    if (NULL == stub)
    {
        if (NULL != endpoint_ref)
        {
            axis2_endpoint_ref_free(endpoint_ref, env);
        }
        return NULL;
    }

    axis2_stub_populate_services_for_ProxyAgentService(stub, env);
    return stub;
}

static void
axis2_stub_add_op_ProxyAgentService(axis2_svc_t *svc, const axutil_env_t *env, const axis2_char_t *name,
    axis2_msg_t **msgs, const axis2_char_t **labels)
{
    axutil_qname_t *op_qname = axutil_qname_create(env, name, ADB_SERVICE_NAMESPACE, NULL);
    axis2_op_t *op = axis2_op_create_with_qname(env, op_qname);
    int i;

    axutil_qname_free(op_qname, env);
    if (NULL == op)
    {
        return;
    }
    axis2_op_set_msg_exchange_pattern(op, env, AXIS2_MEP_URI_OUT_IN);
    for (i = 0; i < 4; i++)
    {
        if (msgs[i])
        {
            axis2_msg_increment_ref(msgs[i], env);
            axis2_op_add_msg(op, env, labels[i], msgs[i]);
        }
    }
    axis2_svc_add_op(svc, env, op);
}

AXIS2_EXTERN void AXIS2_CALL
axis2_stub_populate_services_for_ProxyAgentService(axis2_stub_t *stub, const axutil_env_t *env)
{
    static const axis2_char_t *labels[4] = { AXIS2_MSG_OUT, AXIS2_MSG_IN, AXIS2_MSG_OUT_FAULT, AXIS2_MSG_IN_FAULT };
    axis2_svc_client_t *svc_client = axis2_stub_get_svc_client(stub, env);
    axis2_svc_t *svc = axis2_svc_client_get_svc(svc_client, env);
    axutil_qname_t *svc_qname;
    axis2_op_t *anon_op;
    axis2_msg_t *msgs[4] = { NULL, NULL, NULL, NULL };
    int i;

    anon_op = axis2_svc_get_op_with_name(svc, env, AXIS2_ANON_OUT_IN_OP);
    for (i = 0; anon_op && i < 4; i++)
    {
        msgs[i] = axis2_op_get_msg(anon_op, env, labels[i]);
    }

    svc_qname = axutil_qname_create(env, "ProxyAgentService", NULL, NULL);
    axis2_svc_set_qname(svc, env, svc_qname);
    axutil_qname_free(svc_qname, env);

    axis2_stub_add_op_ProxyAgentService(svc, env, "GetWorkItem", msgs, labels);
    axis2_stub_add_op_ProxyAgentService(svc, env, "WorkItemComplete", msgs, labels);
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axis2_stub_get_endpoint_uri_of_ProxyAgentService(const axutil_env_t *env)
{
    (void) env;
    return (axis2_char_t *) PROXYAGENTSERVICE_DEFAULT_ENDPOINT;
}

/* Performs one out-in exchange with the operation's SOAP action set only for its duration. */
static axiom_node_t *
axis2_stub_exchange_ProxyAgentService(axis2_stub_t *stub, const axutil_env_t *env, axiom_node_t *payload,
    const axis2_char_t *soap_action)
{
    axis2_svc_client_t *svc_client = axis2_stub_get_svc_client(stub, env);
    axis2_options_t *options = (axis2_options_t *) axis2_svc_client_get_options(svc_client, env);
    axiom_node_t *ret_node = NULL;
    axutil_string_t *soap_act = NULL;
    axis2_bool_t is_soap_act_set = AXIS2_TRUE;

    if (NULL == options)
    {
        AXIS2_ERROR_SET(env->error, AXIS2_ERROR_INVALID_NULL_PARAM, AXIS2_FAILURE);
        AXIS2_LOG_ERROR(env->log, AXIS2_LOG_SI, "options is null in stub");
        axiom_node_free_tree(payload, env);
        return NULL;
    }

    soap_act = axis2_options_get_soap_action(options, env);
    if (NULL == soap_act)
    {
        is_soap_act_set = AXIS2_FALSE;
        soap_act = axutil_string_create(env, soap_action);
        axis2_options_set_soap_action(options, env, soap_act);
    }
    axis2_options_set_soap_version(options, env, AXIOM_SOAP11);

    ret_node = axis2_svc_client_send_receive_with_op_qname(svc_client, env, NULL, payload);

    if (!is_soap_act_set)
    {
        axis2_options_set_soap_action(options, env, NULL);
        axis2_options_set_action(options, env, NULL);
        axutil_string_free(soap_act, env);
    }
    return ret_node;
}

/* Fills `ret_val`, a new response record of binding `type`, from the reply node; on failure
 * frees it, leaves NULL and logs that the reply did not deserialize. */
#define PROXYAGENTSERVICE_DESERIALIZE_RESPONSE(type, env, ret_node, ret_val) \
    do \
    { \
        (ret_val) = adb_##type##_create(env); \
        if (adb_##type##_deserialize((ret_val), (env), &(ret_node), NULL, AXIS2_FALSE) == AXIS2_FAILURE) \
        { \
            if ((ret_val) != NULL) \
            { \
                adb_##type##_free((ret_val), (env)); \
                (ret_val) = NULL; \
            } \
            AXIS2_LOG_ERROR((env)->log, AXIS2_LOG_SI, \
                "NULL returnted from the adb_" #type "_deserialize: This should be due to an invalid XML"); \
        } \
    } while (0)

AXIS2_EXTERN adb_GetWorkItemResponse_t *AXIS2_CALL
axis2_stub_op_ProxyAgentService_GetWorkItem(axis2_stub_t *stub, const axutil_env_t *env,
    adb_GetWorkItem_t *_getWorkItem)
{
    axiom_node_t *payload = adb_GetWorkItem_serialize(_getWorkItem, env, NULL, NULL, AXIS2_TRUE, NULL, NULL);
    axiom_node_t *ret_node = NULL;
    adb_GetWorkItemResponse_t *ret_val = NULL;

    ret_node = axis2_stub_exchange_ProxyAgentService(stub, env, payload,
        PROXYAGENTSERVICE_SOAP_ACTION_BASE "GetWorkItem");
    if (NULL == ret_node)
    {
        return NULL;
    }

    PROXYAGENTSERVICE_DESERIALIZE_RESPONSE(GetWorkItemResponse, env, ret_node, ret_val);
    return ret_val;
}

AXIS2_EXTERN adb_WorkItemCompleteResponse_t *AXIS2_CALL
axis2_stub_op_ProxyAgentService_WorkItemComplete(axis2_stub_t *stub, const axutil_env_t *env,
    adb_WorkItemComplete_t *_workItemComplete)
{
    axiom_node_t *payload = adb_WorkItemComplete_serialize(_workItemComplete, env, NULL, NULL, AXIS2_TRUE, NULL, NULL);
    axiom_node_t *ret_node = NULL;
    adb_WorkItemCompleteResponse_t *ret_val = NULL;

    ret_node = axis2_stub_exchange_ProxyAgentService(stub, env, payload,
        PROXYAGENTSERVICE_SOAP_ACTION_BASE "WorkItemComplete");
    if (NULL == ret_node)
    {
        return NULL;
    }

    PROXYAGENTSERVICE_DESERIALIZE_RESPONSE(WorkItemCompleteResponse, env, ret_node, ret_val);
    return ret_val;
}
