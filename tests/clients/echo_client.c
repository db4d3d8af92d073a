/*
 * echo_client: a plain blocking Axis2/C client. Sends echoString to the echo
 * service in the SOAP version asked for, prints the text echoed back, then
 * pings the service once robustly and once fire-and-forget.
 *
 *   echo_client <endpoint> <11|12> <text>
 *
 * Exit status 0 when every exchange succeeded.
 */
#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#define ECHO_NS "http://example.org/samples"

static axiom_node_t *
build_payload(const axutil_env_t *env, const axis2_char_t *operation, const axis2_char_t *child,
              const axis2_char_t *text)
{
    axiom_node_t *op_node = NULL;
    axiom_node_t *text_node = NULL;
    axiom_namespace_t *ns = axiom_namespace_create(env, ECHO_NS, "ns1");
    axiom_element_t *text_ele = NULL;

    axiom_element_create(env, NULL, operation, ns, &op_node);
    text_ele = axiom_element_create(env, op_node, child, ns, &text_node);
    axiom_element_set_text(text_ele, env, text, text_node);
    return op_node;
}

static axis2_char_t *
echoed_text(const axutil_env_t *env, axiom_node_t *ret_node)
{
    axiom_element_t *ret_ele = (axiom_element_t *)axiom_node_get_data_element(ret_node, env);
    axiom_node_t *text_node = NULL;
    axiom_element_t *text_ele = axiom_element_get_first_element(ret_ele, env, ret_node, &text_node);
    return text_ele ? axiom_element_get_text(text_ele, env, text_node) : NULL;
}

int
main(int argc, char **argv)
{
    const axutil_env_t *env = NULL;
    const axis2_char_t *client_home = NULL;
    axis2_endpoint_ref_t *endpoint_ref = NULL;
    axis2_options_t *options = NULL;
    axis2_svc_client_t *svc_client = NULL;
    axiom_node_t *ret_node = NULL;
    axis2_char_t *text = NULL;
    int status = 0;

    if (argc != 4)
    {
        fprintf(stderr, "usage: %s <endpoint> <11|12> <text>\n", argv[0]);
        return 2;
    }
    env = axutil_env_create_all("echo_client.log", AXIS2_LOG_LEVEL_TRACE);

    options = axis2_options_create(env);
    endpoint_ref = axis2_endpoint_ref_create(env, argv[1]);
    axis2_options_set_to(options, env, endpoint_ref);
    axis2_options_set_action(options, env, ECHO_NS "/echoString");
    axis2_options_set_soap_version(options, env,
                                   strcmp(argv[2], "11") == 0 ? AXIOM_SOAP11 : AXIOM_SOAP12);
    axis2_options_set_timeout_in_milli_seconds(options, env, 20000);

    client_home = AXIS2_GETENV("AXIS2C_HOME");
    if (!client_home || !strcmp(client_home, ""))
        client_home = "../..";

    svc_client = axis2_svc_client_create(env, client_home);
    if (!svc_client)
    {
        printf("Error creating service client\n");
        AXIS2_LOG_ERROR(env->log, AXIS2_LOG_SI,
                        "Stub invoke FAILED: Error code:"
                        " %d :: %s",
                        env->error->error_number, AXIS2_ERROR_GET_MESSAGE(env->error));
        axis2_options_free(options, env);
        axutil_env_free((axutil_env_t *)env);
        return 1;
    }
    axis2_svc_client_set_options(svc_client, env, options);
    /* Axis2/C samples engage addressing; this engine has none and says so. */
    if (axis2_svc_client_engage_module(svc_client, env, AXIS2_MODULE_ADDRESSING) != AXIS2_SUCCESS)
        printf("addressing not engaged: %s\n", AXIS2_ERROR_GET_MESSAGE(env->error));

    ret_node = axis2_svc_client_send_receive(svc_client, env,
                                             build_payload(env, "echoString", "text", argv[3]));
    text = ret_node ? echoed_text(env, ret_node) : NULL;
    if (text)
    {
        axis2_char_t *om_str = axiom_node_to_string(ret_node, env);
        printf("echoed: %s\n", text);
        printf("received: %s\n", om_str);
        AXIS2_FREE(env->allocator, om_str);
    }
    else
    {
        printf("echo client invoke FAILED: %s\n", AXIS2_ERROR_GET_MESSAGE(env->error));
        status = 1;
    }

    axis2_options_set_action(options, env, ECHO_NS "/ping");
    if (axis2_svc_client_send_robust(
            svc_client, env, build_payload(env, "ping", "message", "robust")) == AXIS2_SUCCESS)
    {
        printf("robust ping delivered\n");
    }
    else
    {
        printf("robust ping FAILED: %s\n", AXIS2_ERROR_GET_MESSAGE(env->error));
        status = 1;
    }
    AXIS2_ERROR_SET(env->error, AXIS2_ERROR_NONE, AXIS2_SUCCESS);
    axis2_svc_client_fire_and_forget(svc_client, env,
                                     build_payload(env, "ping", "message", "forget"));
    printf("fire-and-forget ping sent (error %d)\n", env->error->error_number);

    axis2_svc_client_free(svc_client, env);
    axutil_env_free((axutil_env_t *)env);
    return status;
}
