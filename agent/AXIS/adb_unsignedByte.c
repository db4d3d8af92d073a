/*
 * adb_unsignedByte.c
 */
#include "adb_unsignedByte.h"
#include "adb_runtime.h"

static const adb_property_t adb_unsignedByte_properties[] = {
    { "unsignedByte", ADB_TYPE_UINT8, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_unsignedByte_type = {
    "unsignedByte", "unsignedByte", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_unsignedByte_properties, __FILE__
};

struct adb_unsignedByte
{
    adb_record_t record;
};

AXIS2_EXTERN adb_unsignedByte_t *AXIS2_CALL
adb_unsignedByte_create(const axutil_env_t *env)
{
    return (adb_unsignedByte_t *) adb_record_create(env, &adb_unsignedByte_type);
}

AXIS2_EXTERN adb_unsignedByte_t *AXIS2_CALL
adb_unsignedByte_create_with_values(const axutil_env_t *env,
    axis2_unsigned_byte_t _unsignedByte)
{
    adb_unsignedByte_t *adb_obj = adb_unsignedByte_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_unsignedByte_set_unsignedByte(adb_obj, env, _unsignedByte) != AXIS2_SUCCESS)
    {
        adb_unsignedByte_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedByte_free(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _unsignedByte, env);
}

AXIS2_EXTERN axis2_unsigned_byte_t AXIS2_CALL
adb_unsignedByte_free_popping_value(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env)
{
    return (axis2_unsigned_byte_t) adb_record_free_popping_value((adb_record_t *) _unsignedByte, env).unsigned_integer;
}

/* unsignedByte */
AXIS2_EXTERN axis2_unsigned_byte_t AXIS2_CALL
adb_unsignedByte_get_unsignedByte(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env)
{
    return (axis2_unsigned_byte_t) adb_record_get((adb_record_t *) _unsignedByte, env, 0).unsigned_integer;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedByte_set_unsignedByte(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env,
    const axis2_unsigned_byte_t arg_unsignedByte)
{
    return adb_record_set_unsigned((adb_record_t *) _unsignedByte, env, 0, arg_unsignedByte);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedByte_reset_unsignedByte(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _unsignedByte, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_unsignedByte_is_unsignedByte_nil(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _unsignedByte, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedByte_set_unsignedByte_nil(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _unsignedByte, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedByte_deserialize(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _unsignedByte, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_unsignedByte_declare_parent_namespaces(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _unsignedByte, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_unsignedByte_serialize(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _unsignedByte, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_unsignedByte_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axis2_unsigned_byte_t AXIS2_CALL
adb_unsignedByte_get_property1(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env)
{
    return adb_unsignedByte_get_unsignedByte(_unsignedByte, env);
}
