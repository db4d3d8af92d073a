/* Compiled as C99: the umbrella headers must be valid C and usable the way
 * generated stubs and bindings use them. */
#include <axiom.h>
#include <axiom_soap.h>
#include <axis2_client.h>
#include <axis2_stub.h>
#include <axis2_util.h>
#include <stdio.h>

int engine_c_api_check(const axutil_env_t* env, char* out, size_t out_size);

static axiom_node_t* build_payload(const axutil_env_t* env)
{
    axiom_node_t* parent = NULL;
    axiom_node_t* current_node = NULL;
    axiom_namespace_t* ns1 = NULL;
    axiom_element_t* parent_element = NULL;
    axiom_data_source_t* data_source = NULL;
    axutil_stream_t* stream = NULL;
    axutil_hash_t* namespaces = axutil_hash_make(env);
    axutil_hash_index_t* hi = NULL;
    axis2_char_t* quoted = NULL;
    const axis2_char_t* value = "a<b";
    void* val = NULL;

    ns1 = axiom_namespace_create(env, "http://example.com/Ostrel", "n");
    axutil_hash_set(namespaces, "http://example.com/Ostrel", AXIS2_HASH_KEY_STRING, axutil_strdup(env, "n"));
    parent_element = axiom_element_create(env, NULL, "GetWorkItem", ns1, &parent);
    axiom_element_set_namespace(parent_element, env, ns1, parent);
    data_source = axiom_data_source_create(env, parent, &current_node);
    stream = axiom_data_source_get_stream(data_source, env);
    axutil_stream_write(stream, env, "<n:agentID>", axutil_strlen("<n:agentID>"));
    quoted = axutil_xml_quote_string(env, value, AXIS2_TRUE);
    if (quoted)
    {
        axutil_stream_write(stream, env, quoted, axutil_strlen(quoted));
        AXIS2_FREE(env->allocator, quoted);
    }
    else
    {
        axutil_stream_write(stream, env, value, axutil_strlen(value));
    }
    axutil_stream_write(stream, env, "</n:agentID>", axutil_strlen("</n:agentID>"));
    for (hi = axutil_hash_first(namespaces, env); hi; hi = axutil_hash_next(env, hi))
    {
        axutil_hash_this(hi, NULL, NULL, &val);
        AXIS2_FREE(env->allocator, val);
    }
    axutil_hash_free(namespaces, env);
    return parent;
}

int engine_c_api_check(const axutil_env_t* env, char* out, size_t out_size)
{
    axiom_node_t* payload = NULL;
    axis2_char_t* text = NULL;
    axutil_qname_t* qname = NULL;
    axis2_bool_t same = AXIS2_FALSE;

    AXIS2_PARAM_CHECK(env->error, out, AXIS2_FAILURE);
    AXIS2_ENV_CHECK(env, AXIS2_FAILURE);
    payload = build_payload(env);
    text = axiom_node_to_string(payload, env);
    qname = axutil_qname_create(env, "GetWorkItem", "http://example.com/Ostrel", NULL);
    same = axutil_qname_equals(
        qname, env, axiom_element_get_qname((axiom_element_t*)axiom_node_get_data_element(payload, env), env, payload));
    AXIS2_LOG_DEBUG(env->log, AXIS2_LOG_SI, "payload of %d bytes", (int)axutil_strlen(text));
    AXIS2_LOG_INFO(env->log, "checked %s", axutil_qname_to_string(qname, env));
    snprintf(out, out_size, "%s", text ? text : "");
    AXIS2_FREE(env->allocator, text);
    axutil_qname_free(qname, env);
    axiom_node_free_tree(payload, env);
    if (!same)
    {
        AXIS2_ERROR_SET(env->error, AXIS2_ERROR_INDEX_OUT_OF_BOUNDS, AXIS2_FAILURE);
        return AXIS2_FAILURE;
    }
    return AXIS2_SUCCESS;
}
