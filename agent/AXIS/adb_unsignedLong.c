/*
 * adb_unsignedLong.c
 */
#include "adb_unsignedLong.h"
#include "adb_runtime.h"

static const adb_property_t adb_unsignedLong_properties[] = {
    { "unsignedLong", ADB_TYPE_UINT64, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_unsignedLong_type = {
    "unsignedLong", "unsignedLong", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_unsignedLong_properties, __FILE__
};

struct adb_unsignedLong
{
    adb_record_t record;
};

AXIS2_EXTERN adb_unsignedLong_t *AXIS2_CALL
adb_unsignedLong_create(const axutil_env_t *env)
{
    return (adb_unsignedLong_t *) adb_record_create(env, &adb_unsignedLong_type);
}

AXIS2_EXTERN adb_unsignedLong_t *AXIS2_CALL
adb_unsignedLong_create_with_values(const axutil_env_t *env,
    uint64_t _unsignedLong)
{
    adb_unsignedLong_t *adb_obj = adb_unsignedLong_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_unsignedLong_set_unsignedLong(adb_obj, env, _unsignedLong) != AXIS2_SUCCESS)
    {
        adb_unsignedLong_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedLong_free(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _unsignedLong, env);
}

AXIS2_EXTERN uint64_t AXIS2_CALL
adb_unsignedLong_free_popping_value(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env)
{
    return (uint64_t) adb_record_free_popping_value((adb_record_t *) _unsignedLong, env).unsigned_integer;
}

/* unsignedLong */
AXIS2_EXTERN uint64_t AXIS2_CALL
adb_unsignedLong_get_unsignedLong(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env)
{
    return (uint64_t) adb_record_get((adb_record_t *) _unsignedLong, env, 0).unsigned_integer;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedLong_set_unsignedLong(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env,
    const uint64_t arg_unsignedLong)
{
    return adb_record_set_unsigned((adb_record_t *) _unsignedLong, env, 0, arg_unsignedLong);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedLong_reset_unsignedLong(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _unsignedLong, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_unsignedLong_is_unsignedLong_nil(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _unsignedLong, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedLong_set_unsignedLong_nil(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _unsignedLong, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedLong_deserialize(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _unsignedLong, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_unsignedLong_declare_parent_namespaces(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _unsignedLong, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_unsignedLong_serialize(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _unsignedLong, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_unsignedLong_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN uint64_t AXIS2_CALL
adb_unsignedLong_get_property1(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env)
{
    return adb_unsignedLong_get_unsignedLong(_unsignedLong, env);
}
