/*
 * adb_GetHostStatusResponse.c
 *
 * The ADB binding of {http://orvex.example/Ostrel}GetHostStatusResponse (see adb_GetHostStatusResponse.h).
 */
#include "adb_GetHostStatusResponse.h"

struct adb_GetHostStatusResponse
{
    axutil_qname_t *qname;
    axis2_char_t *property_GetHostStatusResult;
    axis2_bool_t is_valid_GetHostStatusResult;
};

adb_GetHostStatusResponse_t *AXIS2_CALL
adb_GetHostStatusResponse_create(const axutil_env_t *env)
{
    adb_GetHostStatusResponse_t *_GetHostStatusResponse = NULL;
    axutil_qname_t *qname = NULL;

    AXIS2_ENV_CHECK(env, NULL);

    _GetHostStatusResponse = (adb_GetHostStatusResponse_t *)AXIS2_MALLOC(
        env->allocator, sizeof(adb_GetHostStatusResponse_t));
    if (NULL == _GetHostStatusResponse)
    {
        AXIS2_ERROR_SET(env->error, AXIS2_ERROR_NO_MEMORY, AXIS2_FAILURE);
        return NULL;
    }
    memset(_GetHostStatusResponse, 0, sizeof(adb_GetHostStatusResponse_t));

    _GetHostStatusResponse->property_GetHostStatusResult = NULL;
    _GetHostStatusResponse->is_valid_GetHostStatusResult = AXIS2_FALSE;

    qname = axutil_qname_create(env, "GetHostStatusResponse", "http://orvex.example/Ostrel", NULL);
    _GetHostStatusResponse->qname = qname;

    return _GetHostStatusResponse;
}

axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_free(adb_GetHostStatusResponse_t *_GetHostStatusResponse,
                               const axutil_env_t *env)
{
    AXIS2_ENV_CHECK(env, AXIS2_FAILURE);
    AXIS2_PARAM_CHECK(env->error, _GetHostStatusResponse, AXIS2_FAILURE);

    adb_GetHostStatusResponse_reset_GetHostStatusResult(_GetHostStatusResponse, env);

    if (_GetHostStatusResponse->qname)
    {
        axutil_qname_free(_GetHostStatusResponse->qname, env);
        _GetHostStatusResponse->qname = NULL;
    }

    if (_GetHostStatusResponse)
    {
        AXIS2_FREE(env->allocator, _GetHostStatusResponse);
        _GetHostStatusResponse = NULL;
    }
    return AXIS2_SUCCESS;
}

axutil_qname_t *AXIS2_CALL
adb_GetHostStatusResponse_get_qname(adb_GetHostStatusResponse_t *_GetHostStatusResponse,
                                    const axutil_env_t *env)
{
    AXIS2_ENV_CHECK(env, NULL);
    AXIS2_PARAM_CHECK(env->error, _GetHostStatusResponse, NULL);

    return _GetHostStatusResponse->qname;
}

axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_deserialize(adb_GetHostStatusResponse_t *_GetHostStatusResponse,
                                      const axutil_env_t *env, axiom_node_t **dp_parent,
                                      axis2_bool_t *dp_is_early_node_valid,
                                      axis2_bool_t dont_care_minoccurs)
{
    axiom_node_t *parent = *dp_parent;
    axis2_status_t status = AXIS2_SUCCESS;
    axis2_char_t *text_value = NULL;
    axutil_qname_t *qname = NULL;
    axutil_qname_t *element_qname = NULL;
    axiom_node_t *first_node = NULL;
    axiom_node_t *current_node = NULL;
    axiom_element_t *current_element = NULL;

    (void)dp_is_early_node_valid;
    (void)dont_care_minoccurs;
    AXIS2_ENV_CHECK(env, AXIS2_FAILURE);
    AXIS2_PARAM_CHECK(env->error, _GetHostStatusResponse, AXIS2_FAILURE);

    while (parent && axiom_node_get_node_type(parent, env) != AXIOM_ELEMENT)
    {
        parent = axiom_node_get_next_sibling(parent, env);
    }
    if (NULL == parent)
    {
        AXIS2_LOG_ERROR(
            env->log, AXIS2_LOG_SI,
            "Failed in building adb object for GetHostStatusResponse : NULL element can not be passed to deserialize");
        return AXIS2_FAILURE;
    }

    current_element = (axiom_element_t *)axiom_node_get_data_element(parent, env);
    qname = axiom_element_get_qname(current_element, env, parent);
    if (axutil_qname_equals(qname, env, _GetHostStatusResponse->qname))
    {
        first_node = axiom_node_get_first_child(parent, env);
    }
    else
    {
        AXIS2_LOG_ERROR(
            env->log, AXIS2_LOG_SI,
            "Failed in building adb object for GetHostStatusResponse : Expected %s but returned %s",
            axutil_qname_to_string(_GetHostStatusResponse->qname, env),
            axutil_qname_to_string(qname, env));
        return AXIS2_FAILURE;
    }

    /*
     * building GetHostStatusResult element
     */
    current_node = first_node;
    while (current_node && axiom_node_get_node_type(current_node, env) != AXIOM_ELEMENT)
    {
        current_node = axiom_node_get_next_sibling(current_node, env);
    }
    if (current_node != NULL)
    {
        current_element = (axiom_element_t *)axiom_node_get_data_element(current_node, env);
        qname = axiom_element_get_qname(current_element, env, current_node);
    }

    element_qname =
        axutil_qname_create(env, "GetHostStatusResult", "http://orvex.example/Ostrel", NULL);

    if (current_node && current_element && axutil_qname_equals(element_qname, env, qname))
    {
        text_value = axiom_element_get_text(current_element, env, current_node);
        if (text_value != NULL)
        {
            status = adb_GetHostStatusResponse_set_GetHostStatusResult(_GetHostStatusResponse, env,
                                                                       text_value);
        }
        else
        {
            /* no text: nil (xsi:nil="true") or empty */
            axis2_char_t *attrib_text =
                axiom_element_get_attribute_value_by_name(current_element, env, "nil");

            if (attrib_text &&
                (0 == axutil_strcmp(attrib_text, "true") || 0 == axutil_strcmp(attrib_text, "1")))
            {
                status = adb_GetHostStatusResponse_reset_GetHostStatusResult(_GetHostStatusResponse,
                                                                             env);
            }
            else
            {
                status = adb_GetHostStatusResponse_set_GetHostStatusResult(_GetHostStatusResponse,
                                                                           env, "");
            }
        }

        if (AXIS2_FAILURE == status)
        {
            AXIS2_LOG_ERROR(env->log, AXIS2_LOG_SI,
                            "failed in setting the value for GetHostStatusResult ");
            if (element_qname)
            {
                axutil_qname_free(element_qname, env);
            }
            return AXIS2_FAILURE;
        }
    }

    if (element_qname)
    {
        axutil_qname_free(element_qname, env);
        element_qname = NULL;
    }

    return status;
}

axiom_node_t *AXIS2_CALL
adb_GetHostStatusResponse_serialize(adb_GetHostStatusResponse_t *_GetHostStatusResponse,
                                    const axutil_env_t *env, axiom_node_t *parent,
                                    axiom_element_t *parent_element, int parent_tag_closed,
                                    axutil_hash_t *namespaces, int *next_ns_index)
{
    axiom_node_t *current_node = NULL;
    axiom_namespace_t *ns1 = NULL;
    axis2_char_t *text_value_1;
    axis2_char_t *text_value_1_temp;
    axis2_char_t *start_input_str = NULL;
    axis2_char_t *end_input_str = NULL;
    unsigned int start_input_str_len = 0;
    unsigned int end_input_str_len = 0;
    axis2_char_t *p_prefix = NULL;
    axiom_data_source_t *data_source = NULL;
    axutil_stream_t *stream = NULL;
    int next_ns_index_value = 0;

    (void)parent_tag_closed;
    AXIS2_ENV_CHECK(env, NULL);
    AXIS2_PARAM_CHECK(env->error, _GetHostStatusResponse, NULL);

    namespaces = axutil_hash_make(env);
    next_ns_index = &next_ns_index_value;

    ns1 = axiom_namespace_create(env, "http://orvex.example/Ostrel", "n");
    axutil_hash_set(namespaces, "http://orvex.example/Ostrel", AXIS2_HASH_KEY_STRING,
                    axutil_strdup(env, "n"));

    parent_element = axiom_element_create(env, NULL, "GetHostStatusResponse", ns1, &parent);
    axiom_element_set_namespace(parent_element, env, ns1, parent);

    data_source = axiom_data_source_create(env, parent, &current_node);
    stream = axiom_data_source_get_stream(data_source, env);

    if (!(p_prefix = (axis2_char_t *)axutil_hash_get(namespaces, "http://orvex.example/Ostrel",
                                                     AXIS2_HASH_KEY_STRING)))
    {
        p_prefix = (axis2_char_t *)AXIS2_MALLOC(env->allocator, sizeof(axis2_char_t) * 64);
        sprintf(p_prefix, "n%d", (*next_ns_index)++);
        axutil_hash_set(namespaces, "http://orvex.example/Ostrel", AXIS2_HASH_KEY_STRING, p_prefix);
        axiom_element_declare_namespace_assume_param_ownership(
            parent_element, env,
            axiom_namespace_create(env, "http://orvex.example/Ostrel", p_prefix));
    }

    if (!_GetHostStatusResponse->is_valid_GetHostStatusResult)
    {
        /* minOccurs is 0: the child is left out */
    }
    else
    {
        start_input_str = (axis2_char_t *)AXIS2_MALLOC(
            env->allocator, sizeof(axis2_char_t) * (4 + axutil_strlen(p_prefix) +
                                                    axutil_strlen("GetHostStatusResult")));
        /* axutil_strlen("<:>") + 1 = 4 */
        end_input_str = (axis2_char_t *)AXIS2_MALLOC(
            env->allocator, sizeof(axis2_char_t) * (5 + axutil_strlen(p_prefix) +
                                                    axutil_strlen("GetHostStatusResult")));
        /* axutil_strlen("</:>") + 1 = 5 */

        sprintf(start_input_str, "<%s%sGetHostStatusResult>", p_prefix ? p_prefix : "",
                (p_prefix && axutil_strcmp(p_prefix, "")) ? ":" : "");
        start_input_str_len = axutil_strlen(start_input_str);
        sprintf(end_input_str, "</%s%sGetHostStatusResult>", p_prefix ? p_prefix : "",
                (p_prefix && axutil_strcmp(p_prefix, "")) ? ":" : "");
        end_input_str_len = axutil_strlen(end_input_str);

        text_value_1 = _GetHostStatusResponse->property_GetHostStatusResult;

        axutil_stream_write(stream, env, start_input_str, start_input_str_len);

        text_value_1_temp = axutil_xml_quote_string(env, text_value_1, AXIS2_TRUE);
        if (text_value_1_temp)
        {
            axutil_stream_write(stream, env, text_value_1_temp, axutil_strlen(text_value_1_temp));
            AXIS2_FREE(env->allocator, text_value_1_temp);
        }
        else
        {
            axutil_stream_write(stream, env, text_value_1, axutil_strlen(text_value_1));
        }

        axutil_stream_write(stream, env, end_input_str, end_input_str_len);

        AXIS2_FREE(env->allocator, start_input_str);
        AXIS2_FREE(env->allocator, end_input_str);
    }

    if (namespaces)
    {
        axutil_hash_index_t *hi;
        void *val;
        for (hi = axutil_hash_first(namespaces, env); hi; hi = axutil_hash_next(env, hi))
        {
            axutil_hash_this(hi, NULL, NULL, &val);
            AXIS2_FREE(env->allocator, val);
        }
        axutil_hash_free(namespaces, env);
    }

    return parent;
}

/*
 * getter for GetHostStatusResult.
 */
axis2_char_t *AXIS2_CALL
adb_GetHostStatusResponse_get_GetHostStatusResult(
    adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env)
{
    AXIS2_ENV_CHECK(env, NULL);
    AXIS2_PARAM_CHECK(env->error, _GetHostStatusResponse, NULL);

    return _GetHostStatusResponse->property_GetHostStatusResult;
}

/*
 * setter for GetHostStatusResult
 */
axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_set_GetHostStatusResult(
    adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env,
    const axis2_char_t *arg_GetHostStatusResult)
{
    AXIS2_ENV_CHECK(env, AXIS2_FAILURE);
    AXIS2_PARAM_CHECK(env->error, _GetHostStatusResponse, AXIS2_FAILURE);

    if (_GetHostStatusResponse->is_valid_GetHostStatusResult &&
        _GetHostStatusResponse->property_GetHostStatusResult == arg_GetHostStatusResult)
    {
        return AXIS2_SUCCESS;
    }

    adb_GetHostStatusResponse_reset_GetHostStatusResult(_GetHostStatusResponse, env);

    if (NULL == arg_GetHostStatusResult)
    {
        /* the child is left out */
        return AXIS2_SUCCESS;
    }
    _GetHostStatusResponse->property_GetHostStatusResult =
        (axis2_char_t *)axutil_strdup(env, arg_GetHostStatusResult);
    if (NULL == _GetHostStatusResponse->property_GetHostStatusResult)
    {
        AXIS2_LOG_ERROR(env->log, AXIS2_LOG_SI, "Error allocating memory for GetHostStatusResult");
        return AXIS2_FAILURE;
    }
    _GetHostStatusResponse->is_valid_GetHostStatusResult = AXIS2_TRUE;

    return AXIS2_SUCCESS;
}

/*
 * resetter for GetHostStatusResult
 */
axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_reset_GetHostStatusResult(
    adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env)
{
    AXIS2_ENV_CHECK(env, AXIS2_FAILURE);
    AXIS2_PARAM_CHECK(env->error, _GetHostStatusResponse, AXIS2_FAILURE);

    if (_GetHostStatusResponse->property_GetHostStatusResult != NULL)
    {
        AXIS2_FREE(env->allocator, _GetHostStatusResponse->property_GetHostStatusResult);
        _GetHostStatusResponse->property_GetHostStatusResult = NULL;
    }

    _GetHostStatusResponse->is_valid_GetHostStatusResult = AXIS2_FALSE;
    return AXIS2_SUCCESS;
}

/*
 * Check whether GetHostStatusResult is nil
 */
axis2_bool_t AXIS2_CALL
adb_GetHostStatusResponse_is_GetHostStatusResult_nil(
    adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env)
{
    AXIS2_ENV_CHECK(env, AXIS2_TRUE);
    AXIS2_PARAM_CHECK(env->error, _GetHostStatusResponse, AXIS2_TRUE);

    return !_GetHostStatusResponse->is_valid_GetHostStatusResult;
}
