/*
 * adb_GetHostStatusResponse.c
 */
#include "adb_GetHostStatusResponse.h"
#include "adb_runtime.h"

static const adb_property_t adb_GetHostStatusResponse_properties[] = {
    { "GetHostStatusResult", ADB_TYPE_STRING, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_GetHostStatusResponse_type = {
    "GetHostStatusResponse", "GetHostStatusResponse", ADB_SERVICE_NAMESPACE, ADB_KIND_MESSAGE,
    1, adb_GetHostStatusResponse_properties, __FILE__
};

struct adb_GetHostStatusResponse
{
    adb_record_t record;
};

AXIS2_EXTERN adb_GetHostStatusResponse_t *AXIS2_CALL
adb_GetHostStatusResponse_create(const axutil_env_t *env)
{
    return (adb_GetHostStatusResponse_t *) adb_record_create(env, &adb_GetHostStatusResponse_type);
}

AXIS2_EXTERN adb_GetHostStatusResponse_t *AXIS2_CALL
adb_GetHostStatusResponse_create_with_values(const axutil_env_t *env,
    axis2_char_t *_GetHostStatusResult)
{
    adb_GetHostStatusResponse_t *adb_obj = adb_GetHostStatusResponse_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_GetHostStatusResponse_set_GetHostStatusResult(adb_obj, env, _GetHostStatusResult) != AXIS2_SUCCESS)
    {
        adb_GetHostStatusResponse_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_free(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _GetHostStatusResponse, env);
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostStatusResponse_free_popping_value(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env)
{
    return adb_record_free_popping_value((adb_record_t *) _GetHostStatusResponse, env).text;
}

/* GetHostStatusResult */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostStatusResponse_get_GetHostStatusResult(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env)
{
    return adb_record_get((adb_record_t *) _GetHostStatusResponse, env, 0).text;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_set_GetHostStatusResult(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env,
    const axis2_char_t *arg_GetHostStatusResult)
{
    return adb_record_set_text((adb_record_t *) _GetHostStatusResponse, env, 0, arg_GetHostStatusResult);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_reset_GetHostStatusResult(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _GetHostStatusResponse, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetHostStatusResponse_is_GetHostStatusResult_nil(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _GetHostStatusResponse, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_set_GetHostStatusResult_nil(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _GetHostStatusResponse, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_deserialize(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _GetHostStatusResponse, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_GetHostStatusResponse_declare_parent_namespaces(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _GetHostStatusResponse, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_GetHostStatusResponse_serialize(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _GetHostStatusResponse, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetHostStatusResponse_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostStatusResponse_get_property1(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env)
{
    return adb_GetHostStatusResponse_get_GetHostStatusResult(_GetHostStatusResponse, env);
}
