/*
 * adb_GetWorkItemResponse.c
 *
 * The ADB binding of {http://orvex.example/Ostrel}GetWorkItemResponse (see adb_GetWorkItemResponse.h).
 */
#include "adb_GetWorkItemResponse.h"

struct adb_GetWorkItemResponse
{
    axutil_qname_t *qname;
    axis2_char_t *property_GetWorkItemResult;
    axis2_bool_t is_valid_GetWorkItemResult;
};

adb_GetWorkItemResponse_t *AXIS2_CALL
adb_GetWorkItemResponse_create(const axutil_env_t *env)
{
    adb_GetWorkItemResponse_t *_GetWorkItemResponse = NULL;
    axutil_qname_t *qname = NULL;

    AXIS2_ENV_CHECK(env, NULL);

    _GetWorkItemResponse = (adb_GetWorkItemResponse_t *)AXIS2_MALLOC(
        env->allocator, sizeof(adb_GetWorkItemResponse_t));
    if (NULL == _GetWorkItemResponse)
    {
        AXIS2_ERROR_SET(env->error, AXIS2_ERROR_NO_MEMORY, AXIS2_FAILURE);
        return NULL;
    }
    memset(_GetWorkItemResponse, 0, sizeof(adb_GetWorkItemResponse_t));

    _GetWorkItemResponse->property_GetWorkItemResult = NULL;
    _GetWorkItemResponse->is_valid_GetWorkItemResult = AXIS2_FALSE;

    qname = axutil_qname_create(env, "GetWorkItemResponse", "http://orvex.example/Ostrel", NULL);
    _GetWorkItemResponse->qname = qname;

    return _GetWorkItemResponse;
}

axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_free(adb_GetWorkItemResponse_t *_GetWorkItemResponse,
                             const axutil_env_t *env)
{
    AXIS2_ENV_CHECK(env, AXIS2_FAILURE);
    AXIS2_PARAM_CHECK(env->error, _GetWorkItemResponse, AXIS2_FAILURE);

    adb_GetWorkItemResponse_reset_GetWorkItemResult(_GetWorkItemResponse, env);

    if (_GetWorkItemResponse->qname)
    {
        axutil_qname_free(_GetWorkItemResponse->qname, env);
        _GetWorkItemResponse->qname = NULL;
    }

    if (_GetWorkItemResponse)
    {
        AXIS2_FREE(env->allocator, _GetWorkItemResponse);
        _GetWorkItemResponse = NULL;
    }
    return AXIS2_SUCCESS;
}

axutil_qname_t *AXIS2_CALL
adb_GetWorkItemResponse_get_qname(adb_GetWorkItemResponse_t *_GetWorkItemResponse,
                                  const axutil_env_t *env)
{
    AXIS2_ENV_CHECK(env, NULL);
    AXIS2_PARAM_CHECK(env->error, _GetWorkItemResponse, NULL);

    return _GetWorkItemResponse->qname;
}

axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_deserialize(adb_GetWorkItemResponse_t *_GetWorkItemResponse,
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
    AXIS2_PARAM_CHECK(env->error, _GetWorkItemResponse, AXIS2_FAILURE);

    while (parent && axiom_node_get_node_type(parent, env) != AXIOM_ELEMENT)
    {
        parent = axiom_node_get_next_sibling(parent, env);
    }
    if (NULL == parent)
    {
        AXIS2_LOG_ERROR(
            env->log, AXIS2_LOG_SI,
            "Failed in building adb object for GetWorkItemResponse : NULL element can not be passed to deserialize");
        return AXIS2_FAILURE;
    }

    current_element = (axiom_element_t *)axiom_node_get_data_element(parent, env);
    qname = axiom_element_get_qname(current_element, env, parent);
    if (axutil_qname_equals(qname, env, _GetWorkItemResponse->qname))
    {
        first_node = axiom_node_get_first_child(parent, env);
    }
    else
    {
        AXIS2_LOG_ERROR(
            env->log, AXIS2_LOG_SI,
            "Failed in building adb object for GetWorkItemResponse : Expected %s but returned %s",
            axutil_qname_to_string(_GetWorkItemResponse->qname, env),
            axutil_qname_to_string(qname, env));
        return AXIS2_FAILURE;
    }

    /*
     * building GetWorkItemResult element
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
        axutil_qname_create(env, "GetWorkItemResult", "http://orvex.example/Ostrel", NULL);

    if (current_node && current_element && axutil_qname_equals(element_qname, env, qname))
    {
        text_value = axiom_element_get_text(current_element, env, current_node);
        if (text_value != NULL)
        {
            status = adb_GetWorkItemResponse_set_GetWorkItemResult(_GetWorkItemResponse, env,
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
                status = adb_GetWorkItemResponse_reset_GetWorkItemResult(_GetWorkItemResponse, env);
            }
            else
            {
                status =
                    adb_GetWorkItemResponse_set_GetWorkItemResult(_GetWorkItemResponse, env, "");
            }
        }

        if (AXIS2_FAILURE == status)
        {
            AXIS2_LOG_ERROR(env->log, AXIS2_LOG_SI,
                            "failed in setting the value for GetWorkItemResult ");
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
adb_GetWorkItemResponse_serialize(adb_GetWorkItemResponse_t *_GetWorkItemResponse,
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
    AXIS2_PARAM_CHECK(env->error, _GetWorkItemResponse, NULL);

    namespaces = axutil_hash_make(env);
    next_ns_index = &next_ns_index_value;

    ns1 = axiom_namespace_create(env, "http://orvex.example/Ostrel", "n");
    axutil_hash_set(namespaces, "http://orvex.example/Ostrel", AXIS2_HASH_KEY_STRING,
                    axutil_strdup(env, "n"));

    parent_element = axiom_element_create(env, NULL, "GetWorkItemResponse", ns1, &parent);
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

    if (!_GetWorkItemResponse->is_valid_GetWorkItemResult)
    {
        /* minOccurs is 0: the child is left out */
    }
    else
    {
        start_input_str = (axis2_char_t *)AXIS2_MALLOC(
            env->allocator, sizeof(axis2_char_t) *
                                (4 + axutil_strlen(p_prefix) + axutil_strlen("GetWorkItemResult")));
        /* axutil_strlen("<:>") + 1 = 4 */
        end_input_str = (axis2_char_t *)AXIS2_MALLOC(
            env->allocator, sizeof(axis2_char_t) *
                                (5 + axutil_strlen(p_prefix) + axutil_strlen("GetWorkItemResult")));
        /* axutil_strlen("</:>") + 1 = 5 */

        sprintf(start_input_str, "<%s%sGetWorkItemResult>", p_prefix ? p_prefix : "",
                (p_prefix && axutil_strcmp(p_prefix, "")) ? ":" : "");
        start_input_str_len = axutil_strlen(start_input_str);
        sprintf(end_input_str, "</%s%sGetWorkItemResult>", p_prefix ? p_prefix : "",
                (p_prefix && axutil_strcmp(p_prefix, "")) ? ":" : "");
        end_input_str_len = axutil_strlen(end_input_str);

        text_value_1 = _GetWorkItemResponse->property_GetWorkItemResult;

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
 * getter for GetWorkItemResult.
 */
axis2_char_t *AXIS2_CALL
adb_GetWorkItemResponse_get_GetWorkItemResult(adb_GetWorkItemResponse_t *_GetWorkItemResponse,
                                              const axutil_env_t *env)
{
    AXIS2_ENV_CHECK(env, NULL);
    AXIS2_PARAM_CHECK(env->error, _GetWorkItemResponse, NULL);

    return _GetWorkItemResponse->property_GetWorkItemResult;
}

/*
 * setter for GetWorkItemResult
 */
axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_set_GetWorkItemResult(adb_GetWorkItemResponse_t *_GetWorkItemResponse,
                                              const axutil_env_t *env,
                                              const axis2_char_t *arg_GetWorkItemResult)
{
    AXIS2_ENV_CHECK(env, AXIS2_FAILURE);
    AXIS2_PARAM_CHECK(env->error, _GetWorkItemResponse, AXIS2_FAILURE);

    if (_GetWorkItemResponse->is_valid_GetWorkItemResult &&
        _GetWorkItemResponse->property_GetWorkItemResult == arg_GetWorkItemResult)
    {
        return AXIS2_SUCCESS;
    }

    adb_GetWorkItemResponse_reset_GetWorkItemResult(_GetWorkItemResponse, env);

    if (NULL == arg_GetWorkItemResult)
    {
        /* the child is left out */
        return AXIS2_SUCCESS;
    }
    _GetWorkItemResponse->property_GetWorkItemResult =
        (axis2_char_t *)axutil_strdup(env, arg_GetWorkItemResult);
    if (NULL == _GetWorkItemResponse->property_GetWorkItemResult)
    {
        AXIS2_LOG_ERROR(env->log, AXIS2_LOG_SI, "Error allocating memory for GetWorkItemResult");
        return AXIS2_FAILURE;
    }
    _GetWorkItemResponse->is_valid_GetWorkItemResult = AXIS2_TRUE;

    return AXIS2_SUCCESS;
}

/*
 * resetter for GetWorkItemResult
 */
axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_reset_GetWorkItemResult(adb_GetWorkItemResponse_t *_GetWorkItemResponse,
                                                const axutil_env_t *env)
{
    AXIS2_ENV_CHECK(env, AXIS2_FAILURE);
    AXIS2_PARAM_CHECK(env->error, _GetWorkItemResponse, AXIS2_FAILURE);

    if (_GetWorkItemResponse->property_GetWorkItemResult != NULL)
    {
        AXIS2_FREE(env->allocator, _GetWorkItemResponse->property_GetWorkItemResult);
        _GetWorkItemResponse->property_GetWorkItemResult = NULL;
    }

    _GetWorkItemResponse->is_valid_GetWorkItemResult = AXIS2_FALSE;
    return AXIS2_SUCCESS;
}

/*
 * Check whether GetWorkItemResult is nil
 */
axis2_bool_t AXIS2_CALL
adb_GetWorkItemResponse_is_GetWorkItemResult_nil(adb_GetWorkItemResponse_t *_GetWorkItemResponse,
                                                 const axutil_env_t *env)
{
    AXIS2_ENV_CHECK(env, AXIS2_TRUE);
    AXIS2_PARAM_CHECK(env->error, _GetWorkItemResponse, AXIS2_TRUE);

    return !_GetWorkItemResponse->is_valid_GetWorkItemResult;
}
