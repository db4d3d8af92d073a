/*
 * math_client: a math-style stub. Each operation's request is written with
 * the XML writer and read back into a tree with the memory reader, as
 * clients that keep payloads as text do; the reply is printed through an
 * AXIOM output.
 *
 *   math_client <endpoint> <add|div> <param1> <param2>
 *
 * Prints "<operation> <param1> <param2> = <result>"; exit status 0 on success.
 */
#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#define MATH_NS "http://example.org/samples"

static axiom_node_t *
math_build_request(const axutil_env_t *env, axis2_char_t *operation, axis2_char_t *param1,
                   axis2_char_t *param2)
{
    axiom_xml_writer_t *writer = NULL;
    axiom_xml_reader_t *reader = NULL;
    axiom_stax_builder_t *builder = NULL;
    axiom_node_t *request = NULL;
    axis2_char_t *xml = NULL;

    writer = axiom_xml_writer_create_for_memory(env, NULL, AXIS2_FALSE, AXIS2_FALSE,
                                                AXIS2_XML_PARSER_TYPE_BUFFER);
    axiom_xml_writer_write_start_element_with_namespace_prefix(writer, env, operation, MATH_NS,
                                                               "ns1");
    axiom_xml_writer_write_start_element_with_namespace_prefix(writer, env, "param1", MATH_NS,
                                                               "ns1");
    axiom_xml_writer_write_characters(writer, env, param1);
    axiom_xml_writer_write_end_element(writer, env);
    axiom_xml_writer_write_start_element_with_namespace_prefix(writer, env, "param2", MATH_NS,
                                                               "ns1");
    axiom_xml_writer_write_characters(writer, env, param2);
    axiom_xml_writer_write_end_document(writer, env);
    xml = (axis2_char_t *)axiom_xml_writer_get_xml(writer, env);

    reader = axiom_xml_reader_create_for_memory(env, xml, axutil_strlen(xml), "UTF-8",
                                                AXIS2_XML_PARSER_TYPE_BUFFER);
    builder = axiom_stax_builder_create(env, reader);
    request = axiom_document_build_all(axiom_stax_builder_get_document(builder, env), env);
    axiom_stax_builder_free_self(builder, env);
    axiom_xml_writer_free(writer, env);
    return request;
}

static void
math_print_node(const axutil_env_t *env, axiom_node_t *node)
{
    axiom_xml_writer_t *writer =
        axiom_xml_writer_create_for_memory(env, NULL, AXIS2_TRUE, 0, AXIS2_XML_PARSER_TYPE_BUFFER);
    axiom_output_t *om_output = axiom_output_create(env, writer);
    axiom_node_serialize(node, env, om_output);
    printf("reply: %s\n", (axis2_char_t *)axiom_xml_writer_get_xml(writer, env));
    axiom_output_free(om_output, env);
}

/* The operation's result as text, or NULL (error in env). */
static axis2_char_t *
math_invoke(axis2_svc_client_t *svc_client, const axutil_env_t *env, axis2_char_t *operation,
            axis2_char_t *param1, axis2_char_t *param2)
{
    axis2_options_t *options = (axis2_options_t *)axis2_svc_client_get_options(svc_client, env);
    axutil_string_t *soap_action = NULL;
    axis2_char_t *action = axutil_stracat(env, MATH_NS "/", operation);
    axiom_node_t *request = math_build_request(env, operation, param1, param2);
    axiom_node_t *ret_node = NULL;
    axiom_node_t *result_node = NULL;
    axiom_element_t *result = NULL;

    if (!request)
    {
        AXIS2_FREE(env->allocator, action);
        return NULL;
    }
    soap_action = axutil_string_create(env, action);
    axis2_options_set_soap_action(options, env, soap_action);
    axis2_options_set_soap_version(options, env, AXIOM_SOAP11);
    ret_node = axis2_svc_client_send_receive(svc_client, env, request);
    axis2_options_set_soap_action(options, env, NULL);
    axutil_string_free(soap_action, env);
    AXIS2_FREE(env->allocator, action);
    if (!ret_node || axis2_svc_client_get_last_response_has_fault(svc_client, env))
        return NULL;
    math_print_node(env, ret_node);
    result = axiom_element_get_first_element(
        (axiom_element_t *)axiom_node_get_data_element(ret_node, env), env, ret_node, &result_node);
    return result ? axiom_element_get_text(result, env, result_node) : NULL;
}

int
main(int argc, char **argv)
{
    const axutil_env_t *env = NULL;
    axis2_svc_client_t *svc_client = NULL;
    axis2_options_t *options = NULL;
    axis2_char_t *result = NULL;
    int status = 1;

    if (argc != 5)
    {
        fprintf(stderr, "usage: %s <endpoint> <add|div> <param1> <param2>\n", argv[0]);
        return 2;
    }
    env = axutil_env_create_all("math_client.log", AXIS2_LOG_LEVEL_TRACE);
    svc_client = axis2_svc_client_create(env, AXIS2_GETENV("AXIS2C_HOME"));
    if (!svc_client)
    {
        printf("Error creating service client: %s\n", AXIS2_ERROR_GET_MESSAGE(env->error));
        axutil_env_free((axutil_env_t *)env);
        return 1;
    }
    options = (axis2_options_t *)axis2_svc_client_get_options(svc_client, env);
    axis2_options_set_to(options, env, axis2_endpoint_ref_create(env, argv[1]));

    result = math_invoke(svc_client, env, argv[2], argv[3], argv[4]);
    if (result)
    {
        printf("%s %s %s = %s\n", argv[2], argv[3], argv[4], result);
        status = 0;
    }
    else
    {
        printf("math client invoke FAILED: %s\n", AXIS2_ERROR_GET_MESSAGE(env->error));
    }
    axis2_svc_client_free(svc_client, env);
    axutil_env_free((axutil_env_t *)env);
    return status;
}
