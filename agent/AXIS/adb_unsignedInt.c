/*
 * adb_unsignedInt.c
 */
#include "adb_unsignedInt.h"
#include "adb_runtime.h"

static const adb_property_t adb_unsignedInt_properties[] = {
    { "unsignedInt", ADB_TYPE_UINT32, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_unsignedInt_type = {
    "unsignedInt", "unsignedInt", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_unsignedInt_properties, __FILE__
};

struct adb_unsignedInt
{
    adb_record_t record;
};

AXIS2_EXTERN adb_unsignedInt_t *AXIS2_CALL
adb_unsignedInt_create(const axutil_env_t *env)
{
    return (adb_unsignedInt_t *) adb_record_create(env, &adb_unsignedInt_type);
}

AXIS2_EXTERN adb_unsignedInt_t *AXIS2_CALL
adb_unsignedInt_create_with_values(const axutil_env_t *env,
    unsigned int _unsignedInt)
{
    adb_unsignedInt_t *adb_obj = adb_unsignedInt_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_unsignedInt_set_unsignedInt(adb_obj, env, _unsignedInt) != AXIS2_SUCCESS)
    {
        adb_unsignedInt_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedInt_free(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _unsignedInt, env);
}

AXIS2_EXTERN unsigned int AXIS2_CALL
adb_unsignedInt_free_popping_value(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env)
{
    return (unsigned int) adb_record_free_popping_value((adb_record_t *) _unsignedInt, env).unsigned_integer;
}

/* unsignedInt */
AXIS2_EXTERN unsigned int AXIS2_CALL
adb_unsignedInt_get_unsignedInt(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env)
{
    return (unsigned int) adb_record_get((adb_record_t *) _unsignedInt, env, 0).unsigned_integer;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedInt_set_unsignedInt(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env,
    const unsigned int arg_unsignedInt)
{
    return adb_record_set_unsigned((adb_record_t *) _unsignedInt, env, 0, arg_unsignedInt);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedInt_reset_unsignedInt(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _unsignedInt, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_unsignedInt_is_unsignedInt_nil(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _unsignedInt, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedInt_set_unsignedInt_nil(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _unsignedInt, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedInt_deserialize(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _unsignedInt, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_unsignedInt_declare_parent_namespaces(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _unsignedInt, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_unsignedInt_serialize(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _unsignedInt, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_unsignedInt_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN unsigned int AXIS2_CALL
adb_unsignedInt_get_property1(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env)
{
    return adb_unsignedInt_get_unsignedInt(_unsignedInt, env);
}
