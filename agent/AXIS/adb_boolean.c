/*
 * adb_boolean.c
 */
#include "adb_boolean.h"
#include "adb_runtime.h"

static const adb_property_t adb_boolean_properties[] = {
    { "boolean", ADB_TYPE_BOOLEAN, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_boolean_type = {
    "boolean", "boolean", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_boolean_properties, __FILE__
};

struct adb_boolean
{
    adb_record_t record;
};

AXIS2_EXTERN adb_boolean_t *AXIS2_CALL
adb_boolean_create(const axutil_env_t *env)
{
    return (adb_boolean_t *) adb_record_create(env, &adb_boolean_type);
}

AXIS2_EXTERN adb_boolean_t *AXIS2_CALL
adb_boolean_create_with_values(const axutil_env_t *env,
    axis2_bool_t _boolean)
{
    adb_boolean_t *adb_obj = adb_boolean_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_boolean_set_boolean(adb_obj, env, _boolean) != AXIS2_SUCCESS)
    {
        adb_boolean_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_boolean_free(adb_boolean_t *_boolean, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _boolean, env);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_boolean_free_popping_value(adb_boolean_t *_boolean, const axutil_env_t *env)
{
    return (axis2_bool_t) adb_record_free_popping_value((adb_record_t *) _boolean, env).boolean;
}

/* boolean */
AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_boolean_get_boolean(adb_boolean_t *_boolean, const axutil_env_t *env)
{
    return (axis2_bool_t) adb_record_get((adb_record_t *) _boolean, env, 0).boolean;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_boolean_set_boolean(adb_boolean_t *_boolean, const axutil_env_t *env,
    axis2_bool_t arg_boolean)
{
    return adb_record_set_boolean((adb_record_t *) _boolean, env, 0, arg_boolean);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_boolean_reset_boolean(adb_boolean_t *_boolean, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _boolean, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_boolean_is_boolean_nil(adb_boolean_t *_boolean, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _boolean, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_boolean_set_boolean_nil(adb_boolean_t *_boolean, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _boolean, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_boolean_deserialize(adb_boolean_t *_boolean, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _boolean, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_boolean_declare_parent_namespaces(adb_boolean_t *_boolean, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _boolean, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_boolean_serialize(adb_boolean_t *_boolean, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _boolean, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_boolean_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_boolean_get_property1(adb_boolean_t *_boolean, const axutil_env_t *env)
{
    return adb_boolean_get_boolean(_boolean, env);
}
