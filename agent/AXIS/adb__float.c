/*
 * adb__float.c
 */
#include "adb__float.h"
#include "adb_runtime.h"

static const adb_property_t adb__float_properties[] = {
    { "_float", ADB_TYPE_FLOAT, NULL, AXIS2_TRUE },
};

static const adb_type_t adb__float_type = {
    "_float", "float", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb__float_properties, __FILE__
};

struct adb__float
{
    adb_record_t record;
};

AXIS2_EXTERN adb__float_t *AXIS2_CALL
adb__float_create(const axutil_env_t *env)
{
    return (adb__float_t *) adb_record_create(env, &adb__float_type);
}

AXIS2_EXTERN adb__float_t *AXIS2_CALL
adb__float_create_with_values(const axutil_env_t *env,
    float __float)
{
    adb__float_t *adb_obj = adb__float_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb__float_set__float(adb_obj, env, __float) != AXIS2_SUCCESS)
    {
        adb__float_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__float_free(adb__float_t *__float, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) __float, env);
}

AXIS2_EXTERN float AXIS2_CALL
adb__float_free_popping_value(adb__float_t *__float, const axutil_env_t *env)
{
    return (float) adb_record_free_popping_value((adb_record_t *) __float, env).real;
}

/* _float */
AXIS2_EXTERN float AXIS2_CALL
adb__float_get__float(adb__float_t *__float, const axutil_env_t *env)
{
    return (float) adb_record_get((adb_record_t *) __float, env, 0).real;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__float_set__float(adb__float_t *__float, const axutil_env_t *env,
    const float arg__float)
{
    return adb_record_set_real((adb_record_t *) __float, env, 0, arg__float);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__float_reset__float(adb__float_t *__float, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) __float, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__float_is__float_nil(adb__float_t *__float, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) __float, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__float_set__float_nil(adb__float_t *__float, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) __float, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__float_deserialize(adb__float_t *__float, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) __float, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb__float_declare_parent_namespaces(adb__float_t *__float, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) __float, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb__float_serialize(adb__float_t *__float, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) __float, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__float_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN float AXIS2_CALL
adb__float_get_property1(adb__float_t *__float, const axutil_env_t *env)
{
    return adb__float_get__float(__float, env);
}
