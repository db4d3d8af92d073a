/*
 * adb_GetWorkItemResponse.c
 */
#include "adb_GetWorkItemResponse.h"
#include "adb_runtime.h"

static const adb_property_t adb_GetWorkItemResponse_properties[] = {
    { "GetWorkItemResult", ADB_TYPE_STRING, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_GetWorkItemResponse_type = {
    "GetWorkItemResponse", "GetWorkItemResponse", ADB_SERVICE_NAMESPACE, ADB_KIND_MESSAGE,
    1, adb_GetWorkItemResponse_properties, __FILE__
};

struct adb_GetWorkItemResponse
{
    adb_record_t record;
};

AXIS2_EXTERN adb_GetWorkItemResponse_t *AXIS2_CALL
adb_GetWorkItemResponse_create(const axutil_env_t *env)
{
    return (adb_GetWorkItemResponse_t *) adb_record_create(env, &adb_GetWorkItemResponse_type);
}

AXIS2_EXTERN adb_GetWorkItemResponse_t *AXIS2_CALL
adb_GetWorkItemResponse_create_with_values(const axutil_env_t *env,
    axis2_char_t *_GetWorkItemResult)
{
    adb_GetWorkItemResponse_t *adb_obj = adb_GetWorkItemResponse_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_GetWorkItemResponse_set_GetWorkItemResult(adb_obj, env, _GetWorkItemResult) != AXIS2_SUCCESS)
    {
        adb_GetWorkItemResponse_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_free(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _GetWorkItemResponse, env);
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetWorkItemResponse_free_popping_value(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env)
{
    return adb_record_free_popping_value((adb_record_t *) _GetWorkItemResponse, env).text;
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetWorkItemResponse_get_GetWorkItemResult(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env)
{
    return adb_record_get((adb_record_t *) _GetWorkItemResponse, env, 0).text;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_set_GetWorkItemResult(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env,
    const axis2_char_t *arg_GetWorkItemResult)
{
    adb_value_t value;
    value.text = (axis2_char_t *) arg_GetWorkItemResult;
    return adb_record_set((adb_record_t *) _GetWorkItemResponse, env, 0, value);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_reset_GetWorkItemResult(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _GetWorkItemResponse, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetWorkItemResponse_is_GetWorkItemResult_nil(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _GetWorkItemResponse, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_set_GetWorkItemResult_nil(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _GetWorkItemResponse, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_deserialize(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _GetWorkItemResponse, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_GetWorkItemResponse_declare_parent_namespaces(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    (void) _GetWorkItemResponse;
    (void) env;
    (void) parent_element;
    (void) namespaces;
    (void) next_ns_index;
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_GetWorkItemResponse_serialize(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _GetWorkItemResponse, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetWorkItemResponse_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetWorkItemResponse_get_property1(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env)
{
    return adb_GetWorkItemResponse_get_GetWorkItemResult(_GetWorkItemResponse, env);
}
