/*
 * adb_guidE1.c
 */
#include "adb_guidE1.h"
#include "adb_runtime.h"

static adb_record_t *
adb_guidE1_create_guid(const axutil_env_t *env)
{
    return (adb_record_t *) adb_guid_create(env);
}

static const adb_property_t adb_guidE1_properties[] = {
    { "guid", ADB_TYPE_BINDING, adb_guidE1_create_guid, AXIS2_TRUE },
};

static const adb_type_t adb_guidE1_type = {
    "guidE1", "guid", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_guidE1_properties, __FILE__
};

struct adb_guidE1
{
    adb_record_t record;
};

AXIS2_EXTERN adb_guidE1_t *AXIS2_CALL
adb_guidE1_create(const axutil_env_t *env)
{
    return (adb_guidE1_t *) adb_record_create(env, &adb_guidE1_type);
}

AXIS2_EXTERN adb_guidE1_t *AXIS2_CALL
adb_guidE1_create_with_values(const axutil_env_t *env,
    adb_guid_t *_guid)
{
    adb_guidE1_t *adb_obj = adb_guidE1_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_guidE1_set_guid(adb_obj, env, _guid) != AXIS2_SUCCESS)
    {
        adb_guidE1_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guidE1_free(adb_guidE1_t *_guidE1, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _guidE1, env);
}

AXIS2_EXTERN adb_guid_t *AXIS2_CALL
adb_guidE1_free_popping_value(adb_guidE1_t *_guidE1, const axutil_env_t *env)
{
    return (adb_guid_t *) adb_record_free_popping_value((adb_record_t *) _guidE1, env).object;
}

/* guid */
AXIS2_EXTERN adb_guid_t *AXIS2_CALL
adb_guidE1_get_guid(adb_guidE1_t *_guidE1, const axutil_env_t *env)
{
    return (adb_guid_t *) adb_record_get((adb_record_t *) _guidE1, env, 0).object;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guidE1_set_guid(adb_guidE1_t *_guidE1, const axutil_env_t *env,
    adb_guid_t *arg_guid)
{
    return adb_record_set_object((adb_record_t *) _guidE1, env, 0, arg_guid);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guidE1_reset_guid(adb_guidE1_t *_guidE1, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _guidE1, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_guidE1_is_guid_nil(adb_guidE1_t *_guidE1, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _guidE1, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guidE1_set_guid_nil(adb_guidE1_t *_guidE1, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _guidE1, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guidE1_deserialize(adb_guidE1_t *_guidE1, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _guidE1, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_guidE1_declare_parent_namespaces(adb_guidE1_t *_guidE1, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _guidE1, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_guidE1_serialize(adb_guidE1_t *_guidE1, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _guidE1, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_guidE1_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN adb_guid_t *AXIS2_CALL
adb_guidE1_get_property1(adb_guidE1_t *_guidE1, const axutil_env_t *env)
{
    return adb_guidE1_get_guid(_guidE1, env);
}
