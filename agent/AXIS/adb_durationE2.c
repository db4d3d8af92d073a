/*
 * adb_durationE2.c
 */
#include "adb_durationE2.h"
#include "adb_runtime.h"

static adb_record_t *
adb_durationE2_create_duration(const axutil_env_t *env)
{
    return (adb_record_t *) adb_duration_create(env);
}

static const adb_property_t adb_durationE2_properties[] = {
    { "duration", ADB_TYPE_BINDING, adb_durationE2_create_duration, AXIS2_TRUE },
};

static const adb_type_t adb_durationE2_type = {
    "durationE2", "duration", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_durationE2_properties, __FILE__
};

struct adb_durationE2
{
    adb_record_t record;
};

AXIS2_EXTERN adb_durationE2_t *AXIS2_CALL
adb_durationE2_create(const axutil_env_t *env)
{
    return (adb_durationE2_t *) adb_record_create(env, &adb_durationE2_type);
}

AXIS2_EXTERN adb_durationE2_t *AXIS2_CALL
adb_durationE2_create_with_values(const axutil_env_t *env,
    adb_duration_t *_duration)
{
    adb_durationE2_t *adb_obj = adb_durationE2_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_durationE2_set_duration(adb_obj, env, _duration) != AXIS2_SUCCESS)
    {
        adb_durationE2_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_durationE2_free(adb_durationE2_t *_durationE2, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _durationE2, env);
}

AXIS2_EXTERN adb_duration_t *AXIS2_CALL
adb_durationE2_free_popping_value(adb_durationE2_t *_durationE2, const axutil_env_t *env)
{
    return (adb_duration_t *) adb_record_free_popping_value((adb_record_t *) _durationE2, env).object;
}

/* duration */
AXIS2_EXTERN adb_duration_t *AXIS2_CALL
adb_durationE2_get_duration(adb_durationE2_t *_durationE2, const axutil_env_t *env)
{
    return (adb_duration_t *) adb_record_get((adb_record_t *) _durationE2, env, 0).object;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_durationE2_set_duration(adb_durationE2_t *_durationE2, const axutil_env_t *env,
    adb_duration_t *arg_duration)
{
    return adb_record_set_object((adb_record_t *) _durationE2, env, 0, arg_duration);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_durationE2_reset_duration(adb_durationE2_t *_durationE2, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _durationE2, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_durationE2_is_duration_nil(adb_durationE2_t *_durationE2, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _durationE2, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_durationE2_set_duration_nil(adb_durationE2_t *_durationE2, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _durationE2, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_durationE2_deserialize(adb_durationE2_t *_durationE2, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _durationE2, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_durationE2_declare_parent_namespaces(adb_durationE2_t *_durationE2, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _durationE2, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_durationE2_serialize(adb_durationE2_t *_durationE2, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _durationE2, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_durationE2_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN adb_duration_t *AXIS2_CALL
adb_durationE2_get_property1(adb_durationE2_t *_durationE2, const axutil_env_t *env)
{
    return adb_durationE2_get_duration(_durationE2, env);
}
