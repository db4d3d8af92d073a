/*
 * adb_duration.c
 */
#include "adb_duration.h"
#include "adb_runtime.h"

static const adb_property_t adb_duration_properties[] = {
    { "duration", ADB_TYPE_DURATION, NULL, AXIS2_FALSE },
};

static const adb_type_t adb_duration_type = {
    "duration", "duration", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_SIMPLE_TYPE,
    1, adb_duration_properties, __FILE__
};

struct adb_duration
{
    adb_record_t record;
};

AXIS2_EXTERN adb_duration_t *AXIS2_CALL
adb_duration_create(const axutil_env_t *env)
{
    return (adb_duration_t *) adb_record_create(env, &adb_duration_type);
}

AXIS2_EXTERN adb_duration_t *AXIS2_CALL
adb_duration_create_with_values(const axutil_env_t *env,
    axutil_duration_t *_duration)
{
    adb_duration_t *adb_obj = adb_duration_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_duration_set_duration(adb_obj, env, _duration) != AXIS2_SUCCESS)
    {
        adb_duration_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_duration_free(adb_duration_t *_duration, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _duration, env);
}

AXIS2_EXTERN axutil_duration_t *AXIS2_CALL
adb_duration_free_popping_value(adb_duration_t *_duration, const axutil_env_t *env)
{
    return (axutil_duration_t *) adb_record_free_popping_value((adb_record_t *) _duration, env).object;
}

/* duration */
AXIS2_EXTERN axutil_duration_t *AXIS2_CALL
adb_duration_get_duration(adb_duration_t *_duration, const axutil_env_t *env)
{
    return (axutil_duration_t *) adb_record_get((adb_record_t *) _duration, env, 0).object;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_duration_set_duration(adb_duration_t *_duration, const axutil_env_t *env,
    axutil_duration_t *arg_duration)
{
    return adb_record_set_object((adb_record_t *) _duration, env, 0, arg_duration);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_duration_reset_duration(adb_duration_t *_duration, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _duration, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_duration_is_duration_nil(adb_duration_t *_duration, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _duration, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_duration_set_duration_nil(adb_duration_t *_duration, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _duration, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_duration_deserialize(adb_duration_t *_duration, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _duration, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_duration_declare_parent_namespaces(adb_duration_t *_duration, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _duration, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_duration_serialize(adb_duration_t *_duration, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _duration, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_duration_serialize_to_string(adb_duration_t *_duration, const axutil_env_t *env, axutil_hash_t *namespaces)
{
    return adb_record_serialize_to_string((adb_record_t *) _duration, env, namespaces);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_duration_deserialize_from_string(adb_duration_t *_duration, const axutil_env_t *env,
    const axis2_char_t *node_value, axiom_node_t *parent)
{
    return adb_record_deserialize_from_string((adb_record_t *) _duration, env, node_value, parent);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_duration_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axutil_duration_t *AXIS2_CALL
adb_duration_get_property1(adb_duration_t *_duration, const axutil_env_t *env)
{
    return adb_duration_get_duration(_duration, env);
}
