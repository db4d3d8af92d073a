/*
 * adb_byte.c
 */
#include "adb_byte.h"
#include "adb_runtime.h"

static const adb_property_t adb_byte_properties[] = {
    { "byte", ADB_TYPE_INT8, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_byte_type = {
    "byte", "byte", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_byte_properties, __FILE__
};

struct adb_byte
{
    adb_record_t record;
};

AXIS2_EXTERN adb_byte_t *AXIS2_CALL
adb_byte_create(const axutil_env_t *env)
{
    return (adb_byte_t *) adb_record_create(env, &adb_byte_type);
}

AXIS2_EXTERN adb_byte_t *AXIS2_CALL
adb_byte_create_with_values(const axutil_env_t *env,
    axis2_byte_t _byte)
{
    adb_byte_t *adb_obj = adb_byte_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_byte_set_byte(adb_obj, env, _byte) != AXIS2_SUCCESS)
    {
        adb_byte_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_byte_free(adb_byte_t *_byte, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _byte, env);
}

AXIS2_EXTERN axis2_byte_t AXIS2_CALL
adb_byte_free_popping_value(adb_byte_t *_byte, const axutil_env_t *env)
{
    return (axis2_byte_t) adb_record_free_popping_value((adb_record_t *) _byte, env).integer;
}

/* byte */
AXIS2_EXTERN axis2_byte_t AXIS2_CALL
adb_byte_get_byte(adb_byte_t *_byte, const axutil_env_t *env)
{
    return (axis2_byte_t) adb_record_get((adb_record_t *) _byte, env, 0).integer;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_byte_set_byte(adb_byte_t *_byte, const axutil_env_t *env,
    const axis2_byte_t arg_byte)
{
    return adb_record_set_integer((adb_record_t *) _byte, env, 0, arg_byte);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_byte_reset_byte(adb_byte_t *_byte, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _byte, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_byte_is_byte_nil(adb_byte_t *_byte, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _byte, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_byte_set_byte_nil(adb_byte_t *_byte, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _byte, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_byte_deserialize(adb_byte_t *_byte, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _byte, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_byte_declare_parent_namespaces(adb_byte_t *_byte, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _byte, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_byte_serialize(adb_byte_t *_byte, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _byte, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_byte_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axis2_byte_t AXIS2_CALL
adb_byte_get_property1(adb_byte_t *_byte, const axutil_env_t *env)
{
    return adb_byte_get_byte(_byte, env);
}
