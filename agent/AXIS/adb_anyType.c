/*
 * adb_anyType.c
 */
#include "adb_anyType.h"
#include "adb_runtime.h"

static const adb_property_t adb_anyType_properties[] = {
    { "anyType", ADB_TYPE_NODE, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_anyType_type = {
    "anyType", "anyType", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_anyType_properties, __FILE__
};

struct adb_anyType
{
    adb_record_t record;
};

AXIS2_EXTERN adb_anyType_t *AXIS2_CALL
adb_anyType_create(const axutil_env_t *env)
{
    return (adb_anyType_t *) adb_record_create(env, &adb_anyType_type);
}

AXIS2_EXTERN adb_anyType_t *AXIS2_CALL
adb_anyType_create_with_values(const axutil_env_t *env,
    axiom_node_t *_anyType)
{
    adb_anyType_t *adb_obj = adb_anyType_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_anyType_set_anyType(adb_obj, env, _anyType) != AXIS2_SUCCESS)
    {
        adb_anyType_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyType_free(adb_anyType_t *_anyType, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _anyType, env);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_anyType_free_popping_value(adb_anyType_t *_anyType, const axutil_env_t *env)
{
    return (axiom_node_t *) adb_record_free_popping_value((adb_record_t *) _anyType, env).object;
}

/* anyType */
AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_anyType_get_anyType(adb_anyType_t *_anyType, const axutil_env_t *env)
{
    return (axiom_node_t *) adb_record_get((adb_record_t *) _anyType, env, 0).object;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyType_set_anyType(adb_anyType_t *_anyType, const axutil_env_t *env,
    axiom_node_t *arg_anyType)
{
    return adb_record_set_object((adb_record_t *) _anyType, env, 0, arg_anyType);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyType_reset_anyType(adb_anyType_t *_anyType, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _anyType, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_anyType_is_anyType_nil(adb_anyType_t *_anyType, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _anyType, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyType_set_anyType_nil(adb_anyType_t *_anyType, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _anyType, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyType_deserialize(adb_anyType_t *_anyType, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _anyType, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_anyType_declare_parent_namespaces(adb_anyType_t *_anyType, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _anyType, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_anyType_serialize(adb_anyType_t *_anyType, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _anyType, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_anyType_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_anyType_get_property1(adb_anyType_t *_anyType, const axutil_env_t *env)
{
    return adb_anyType_get_anyType(_anyType, env);
}
