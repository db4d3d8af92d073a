/*
 * adb_GetHostStatus.c
 */
#include "adb_GetHostStatus.h"
#include "adb_runtime.h"

static const adb_property_t adb_GetHostStatus_properties[] = {
    { "hostName", ADB_TYPE_STRING, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_GetHostStatus_type = {
    "GetHostStatus", "GetHostStatus", ADB_SERVICE_NAMESPACE, ADB_KIND_MESSAGE,
    1, adb_GetHostStatus_properties, __FILE__
};

struct adb_GetHostStatus
{
    adb_record_t record;
};

AXIS2_EXTERN adb_GetHostStatus_t *AXIS2_CALL
adb_GetHostStatus_create(const axutil_env_t *env)
{
    return (adb_GetHostStatus_t *) adb_record_create(env, &adb_GetHostStatus_type);
}

AXIS2_EXTERN adb_GetHostStatus_t *AXIS2_CALL
adb_GetHostStatus_create_with_values(const axutil_env_t *env,
    axis2_char_t *_hostName)
{
    adb_GetHostStatus_t *adb_obj = adb_GetHostStatus_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_GetHostStatus_set_hostName(adb_obj, env, _hostName) != AXIS2_SUCCESS)
    {
        adb_GetHostStatus_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatus_free(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _GetHostStatus, env);
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostStatus_free_popping_value(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env)
{
    return adb_record_free_popping_value((adb_record_t *) _GetHostStatus, env).text;
}

/* hostName */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostStatus_get_hostName(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env)
{
    return adb_record_get((adb_record_t *) _GetHostStatus, env, 0).text;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatus_set_hostName(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env,
    const axis2_char_t *arg_hostName)
{
    return adb_record_set_text((adb_record_t *) _GetHostStatus, env, 0, arg_hostName);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatus_reset_hostName(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _GetHostStatus, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetHostStatus_is_hostName_nil(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _GetHostStatus, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatus_set_hostName_nil(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _GetHostStatus, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatus_deserialize(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _GetHostStatus, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_GetHostStatus_declare_parent_namespaces(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _GetHostStatus, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_GetHostStatus_serialize(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _GetHostStatus, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetHostStatus_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostStatus_get_property1(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env)
{
    return adb_GetHostStatus_get_hostName(_GetHostStatus, env);
}
