/*
 * fault_client: asks a service for something it refuses and reads the SOAP
 * fault through the envelope, body and fault accessors.
 *
 *   fault_client <endpoint> <11|12> <action> <operation> <child>=<value>...
 *
 * Prints the fault's code, subcode, reason and detail; exit status 0 when the
 * reply was a fault.
 */
#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#define SAMPLES_NS "http://example.org/samples"

static axiom_node_t *
build_payload(const axutil_env_t *env, const axis2_char_t *operation, int count, char **pairs)
{
    axiom_node_t *op_node = NULL;
    axiom_namespace_t *ns = axiom_namespace_create(env, SAMPLES_NS, "ns1");
    int i;

    axiom_element_create(env, NULL, operation, ns, &op_node);
    for (i = 0; i < count; i++)
    {
        axiom_node_t *child_node = NULL;
        axiom_element_t *child = NULL;
        char *value = strchr(pairs[i], '=');
        if (!value)
            continue;
        *value++ = '\0';
        child = axiom_element_create(env, op_node, pairs[i], ns, &child_node);
        axiom_element_set_text(child, env, value, child_node);
    }
    return op_node;
}

static void
print_fault(const axutil_env_t *env, axiom_soap_fault_t *fault)
{
    axiom_soap_fault_code_t *code = axiom_soap_fault_get_code(fault, env);
    axiom_soap_fault_reason_t *reason = axiom_soap_fault_get_reason(fault, env);
    axiom_soap_fault_detail_t *detail = axiom_soap_fault_get_detail(fault, env);

    if (code)
    {
        axiom_soap_fault_value_t *value = axiom_soap_fault_code_get_value(code, env);
        axiom_soap_fault_sub_code_t *sub_code = axiom_soap_fault_code_get_sub_code(code, env);
        printf("code: %s\n", value ? axiom_soap_fault_value_get_text(value, env) : "(none)");
        if (sub_code)
            printf("subcode: %s\n", axiom_soap_fault_value_get_text(
                                        axiom_soap_fault_sub_code_get_value(sub_code, env), env));
    }
    if (reason)
    {
        axiom_soap_fault_text_t *text =
            axiom_soap_fault_reason_get_first_soap_fault_text(reason, env);
        printf("reason: %s\n", text ? axiom_soap_fault_text_get_text(text, env) : "(none)");
    }
    if (detail)
    {
        axiom_node_t *detail_node = axiom_soap_fault_detail_get_base_node(detail, env);
        axiom_element_t *detail_ele =
            (axiom_element_t *)axiom_node_get_data_element(detail_node, env);
        printf("detail: %s\n", axiom_element_get_text(detail_ele, env, detail_node));
    }
}

int
main(int argc, char **argv)
{
    const axutil_env_t *env = NULL;
    axis2_options_t *options = NULL;
    axis2_svc_client_t *svc_client = NULL;
    axiom_node_t *ret_node = NULL;
    axiom_soap_envelope_t *envelope = NULL;
    axiom_soap_body_t *body = NULL;
    int status = 1;

    if (argc < 5)
    {
        fprintf(stderr, "usage: %s <endpoint> <11|12> <action> <operation> <child>=<value>...\n",
                argv[0]);
        return 2;
    }
    env = axutil_env_create_all("fault_client.log", AXIS2_LOG_LEVEL_TRACE);
    options = axis2_options_create(env);
    axis2_options_set_to(options, env, axis2_endpoint_ref_create(env, argv[1]));
    axis2_options_set_soap_version(options, env,
                                   strcmp(argv[2], "11") == 0 ? AXIOM_SOAP11 : AXIOM_SOAP12);
    axis2_options_set_action(options, env, argv[3]);

    svc_client = axis2_svc_client_create(env, AXIS2_GETENV("AXIS2C_HOME"));
    if (!svc_client)
    {
        printf("Error creating service client: %s\n", AXIS2_ERROR_GET_MESSAGE(env->error));
        axis2_options_free(options, env);
        axutil_env_free((axutil_env_t *)env);
        return 1;
    }
    axis2_svc_client_set_options(svc_client, env, options);

    ret_node = axis2_svc_client_send_receive(svc_client, env,
                                             build_payload(env, argv[4], argc - 5, argv + 5));
    if (axis2_svc_client_get_last_response_has_fault(svc_client, env))
    {
        envelope = axis2_svc_client_get_last_response_soap_envelope(svc_client, env);
        body = axiom_soap_envelope_get_body(envelope, env);
        printf("fault received (SOAP %s, node %s)\n",
               axiom_soap_envelope_get_soap_version(envelope, env) == AXIOM_SOAP12 ? "1.2" : "1.1",
               ret_node == axiom_soap_fault_get_base_node(axiom_soap_body_get_fault(body, env), env)
                   ? "is the Fault"
                   : "is not the Fault");
        print_fault(env, axiom_soap_body_get_fault(body, env));
        printf("error %d: %s\n", env->error->error_number, AXIS2_ERROR_GET_MESSAGE(env->error));
        status = 0;
    }
    else
    {
        printf("no fault: %s\n", AXIS2_ERROR_GET_MESSAGE(env->error));
    }
    axis2_svc_client_free(svc_client, env);
    axutil_env_free((axutil_env_t *)env);
    return status;
}
