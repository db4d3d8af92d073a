/*
 * adb_long.c
 */
#include "adb_long.h"
#include "adb_runtime.h"

static const adb_property_t adb_long_properties[] = {
    { "long", ADB_TYPE_INT64, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_long_type = {
    "long", "long", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_long_properties, __FILE__
};

struct adb_long
{
    adb_record_t record;
};

AXIS2_EXTERN adb_long_t *AXIS2_CALL
adb_long_create(const axutil_env_t *env)
{
    return (adb_long_t *) adb_record_create(env, &adb_long_type);
}

AXIS2_EXTERN adb_long_t *AXIS2_CALL
adb_long_create_with_values(const axutil_env_t *env,
    int64_t _long)
{
    adb_long_t *adb_obj = adb_long_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_long_set_long(adb_obj, env, _long) != AXIS2_SUCCESS)
    {
        adb_long_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_long_free(adb_long_t *_long, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _long, env);
}

AXIS2_EXTERN int64_t AXIS2_CALL
adb_long_free_popping_value(adb_long_t *_long, const axutil_env_t *env)
{
    return (int64_t) adb_record_free_popping_value((adb_record_t *) _long, env).integer;
}

/* long */
AXIS2_EXTERN int64_t AXIS2_CALL
adb_long_get_long(adb_long_t *_long, const axutil_env_t *env)
{
    return (int64_t) adb_record_get((adb_record_t *) _long, env, 0).integer;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_long_set_long(adb_long_t *_long, const axutil_env_t *env,
    const int64_t arg_long)
{
    return adb_record_set_integer((adb_record_t *) _long, env, 0, arg_long);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_long_reset_long(adb_long_t *_long, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _long, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_long_is_long_nil(adb_long_t *_long, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _long, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_long_set_long_nil(adb_long_t *_long, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _long, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_long_deserialize(adb_long_t *_long, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _long, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_long_declare_parent_namespaces(adb_long_t *_long, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _long, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_long_serialize(adb_long_t *_long, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _long, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_long_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN int64_t AXIS2_CALL
adb_long_get_property1(adb_long_t *_long, const axutil_env_t *env)
{
    return adb_long_get_long(_long, env);
}
