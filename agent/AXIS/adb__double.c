/*
 * adb__double.c
 */
#include "adb__double.h"
#include "adb_runtime.h"

static const adb_property_t adb__double_properties[] = {
    { "_double", ADB_TYPE_DOUBLE, NULL, AXIS2_TRUE },
};

static const adb_type_t adb__double_type = {
    "_double", "double", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb__double_properties, __FILE__
};

struct adb__double
{
    adb_record_t record;
};

AXIS2_EXTERN adb__double_t *AXIS2_CALL
adb__double_create(const axutil_env_t *env)
{
    return (adb__double_t *) adb_record_create(env, &adb__double_type);
}

AXIS2_EXTERN adb__double_t *AXIS2_CALL
adb__double_create_with_values(const axutil_env_t *env,
    double __double)
{
    adb__double_t *adb_obj = adb__double_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb__double_set__double(adb_obj, env, __double) != AXIS2_SUCCESS)
    {
        adb__double_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__double_free(adb__double_t *__double, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) __double, env);
}

AXIS2_EXTERN double AXIS2_CALL
adb__double_free_popping_value(adb__double_t *__double, const axutil_env_t *env)
{
    return (double) adb_record_free_popping_value((adb_record_t *) __double, env).real;
}

/* _double */
AXIS2_EXTERN double AXIS2_CALL
adb__double_get__double(adb__double_t *__double, const axutil_env_t *env)
{
    return (double) adb_record_get((adb_record_t *) __double, env, 0).real;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__double_set__double(adb__double_t *__double, const axutil_env_t *env,
    const double arg__double)
{
    return adb_record_set_real((adb_record_t *) __double, env, 0, arg__double);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__double_reset__double(adb__double_t *__double, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) __double, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__double_is__double_nil(adb__double_t *__double, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) __double, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__double_set__double_nil(adb__double_t *__double, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) __double, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__double_deserialize(adb__double_t *__double, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) __double, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb__double_declare_parent_namespaces(adb__double_t *__double, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) __double, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb__double_serialize(adb__double_t *__double, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) __double, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__double_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN double AXIS2_CALL
adb__double_get_property1(adb__double_t *__double, const axutil_env_t *env)
{
    return adb__double_get__double(__double, env);
}
