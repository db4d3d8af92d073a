/*
 * adb_unsignedShort.c
 */
#include "adb_unsignedShort.h"
#include "adb_runtime.h"

static const adb_property_t adb_unsignedShort_properties[] = {
    { "unsignedShort", ADB_TYPE_UINT16, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_unsignedShort_type = {
    "unsignedShort", "unsignedShort", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_unsignedShort_properties, __FILE__
};

struct adb_unsignedShort
{
    adb_record_t record;
};

AXIS2_EXTERN adb_unsignedShort_t *AXIS2_CALL
adb_unsignedShort_create(const axutil_env_t *env)
{
    return (adb_unsignedShort_t *) adb_record_create(env, &adb_unsignedShort_type);
}

AXIS2_EXTERN adb_unsignedShort_t *AXIS2_CALL
adb_unsignedShort_create_with_values(const axutil_env_t *env,
    unsigned short _unsignedShort)
{
    adb_unsignedShort_t *adb_obj = adb_unsignedShort_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_unsignedShort_set_unsignedShort(adb_obj, env, _unsignedShort) != AXIS2_SUCCESS)
    {
        adb_unsignedShort_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedShort_free(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _unsignedShort, env);
}

AXIS2_EXTERN unsigned short AXIS2_CALL
adb_unsignedShort_free_popping_value(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env)
{
    return (unsigned short) adb_record_free_popping_value((adb_record_t *) _unsignedShort, env).unsigned_integer;
}

/* unsignedShort */
AXIS2_EXTERN unsigned short AXIS2_CALL
adb_unsignedShort_get_unsignedShort(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env)
{
    return (unsigned short) adb_record_get((adb_record_t *) _unsignedShort, env, 0).unsigned_integer;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedShort_set_unsignedShort(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env,
    const unsigned short arg_unsignedShort)
{
    return adb_record_set_unsigned((adb_record_t *) _unsignedShort, env, 0, arg_unsignedShort);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedShort_reset_unsignedShort(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _unsignedShort, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_unsignedShort_is_unsignedShort_nil(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _unsignedShort, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedShort_set_unsignedShort_nil(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _unsignedShort, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedShort_deserialize(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _unsignedShort, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_unsignedShort_declare_parent_namespaces(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _unsignedShort, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_unsignedShort_serialize(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _unsignedShort, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_unsignedShort_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN unsigned short AXIS2_CALL
adb_unsignedShort_get_property1(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env)
{
    return adb_unsignedShort_get_unsignedShort(_unsignedShort, env);
}
