/*
 * adb_guid.c
 */
#include "adb_guid.h"
#include "adb_runtime.h"

static const adb_property_t adb_guid_properties[] = {
    { "guid", ADB_TYPE_STRING, NULL, AXIS2_FALSE },
};

static const adb_type_t adb_guid_type = {
    "guid", "guid", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_SIMPLE_TYPE,
    1, adb_guid_properties, __FILE__
};

struct adb_guid
{
    adb_record_t record;
};

AXIS2_EXTERN adb_guid_t *AXIS2_CALL
adb_guid_create(const axutil_env_t *env)
{
    return (adb_guid_t *) adb_record_create(env, &adb_guid_type);
}

AXIS2_EXTERN adb_guid_t *AXIS2_CALL
adb_guid_create_with_values(const axutil_env_t *env,
    axis2_char_t *_guid)
{
    adb_guid_t *adb_obj = adb_guid_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_guid_set_guid(adb_obj, env, _guid) != AXIS2_SUCCESS)
    {
        adb_guid_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guid_free(adb_guid_t *_guid, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _guid, env);
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_guid_free_popping_value(adb_guid_t *_guid, const axutil_env_t *env)
{
    return adb_record_free_popping_value((adb_record_t *) _guid, env).text;
}

/* guid */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_guid_get_guid(adb_guid_t *_guid, const axutil_env_t *env)
{
    return adb_record_get((adb_record_t *) _guid, env, 0).text;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guid_set_guid(adb_guid_t *_guid, const axutil_env_t *env,
    const axis2_char_t *arg_guid)
{
    return adb_record_set_text((adb_record_t *) _guid, env, 0, arg_guid);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guid_reset_guid(adb_guid_t *_guid, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _guid, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_guid_is_guid_nil(adb_guid_t *_guid, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _guid, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guid_set_guid_nil(adb_guid_t *_guid, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _guid, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guid_deserialize(adb_guid_t *_guid, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _guid, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_guid_declare_parent_namespaces(adb_guid_t *_guid, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _guid, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_guid_serialize(adb_guid_t *_guid, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _guid, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_guid_serialize_to_string(adb_guid_t *_guid, const axutil_env_t *env, axutil_hash_t *namespaces)
{
    return adb_record_serialize_to_string((adb_record_t *) _guid, env, namespaces);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guid_deserialize_from_string(adb_guid_t *_guid, const axutil_env_t *env,
    const axis2_char_t *node_value, axiom_node_t *parent)
{
    return adb_record_deserialize_from_string((adb_record_t *) _guid, env, node_value, parent);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_guid_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_guid_get_property1(adb_guid_t *_guid, const axutil_env_t *env)
{
    return adb_guid_get_guid(_guid, env);
}
