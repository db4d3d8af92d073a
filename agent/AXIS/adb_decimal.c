/*
 * adb_decimal.c
 */
#include "adb_decimal.h"
#include "adb_runtime.h"

static const adb_property_t adb_decimal_properties[] = {
    { "decimal", ADB_TYPE_DOUBLE, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_decimal_type = {
    "decimal", "decimal", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_decimal_properties, __FILE__
};

struct adb_decimal
{
    adb_record_t record;
};

AXIS2_EXTERN adb_decimal_t *AXIS2_CALL
adb_decimal_create(const axutil_env_t *env)
{
    return (adb_decimal_t *) adb_record_create(env, &adb_decimal_type);
}

AXIS2_EXTERN adb_decimal_t *AXIS2_CALL
adb_decimal_create_with_values(const axutil_env_t *env,
    double _decimal)
{
    adb_decimal_t *adb_obj = adb_decimal_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_decimal_set_decimal(adb_obj, env, _decimal) != AXIS2_SUCCESS)
    {
        adb_decimal_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_decimal_free(adb_decimal_t *_decimal, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _decimal, env);
}

AXIS2_EXTERN double AXIS2_CALL
adb_decimal_free_popping_value(adb_decimal_t *_decimal, const axutil_env_t *env)
{
    return (double) adb_record_free_popping_value((adb_record_t *) _decimal, env).real;
}

/* decimal */
AXIS2_EXTERN double AXIS2_CALL
adb_decimal_get_decimal(adb_decimal_t *_decimal, const axutil_env_t *env)
{
    return (double) adb_record_get((adb_record_t *) _decimal, env, 0).real;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_decimal_set_decimal(adb_decimal_t *_decimal, const axutil_env_t *env,
    const double arg_decimal)
{
    return adb_record_set_real((adb_record_t *) _decimal, env, 0, arg_decimal);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_decimal_reset_decimal(adb_decimal_t *_decimal, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _decimal, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_decimal_is_decimal_nil(adb_decimal_t *_decimal, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _decimal, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_decimal_set_decimal_nil(adb_decimal_t *_decimal, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _decimal, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_decimal_deserialize(adb_decimal_t *_decimal, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _decimal, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_decimal_declare_parent_namespaces(adb_decimal_t *_decimal, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _decimal, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_decimal_serialize(adb_decimal_t *_decimal, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _decimal, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_decimal_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN double AXIS2_CALL
adb_decimal_get_property1(adb_decimal_t *_decimal, const axutil_env_t *env)
{
    return adb_decimal_get_decimal(_decimal, env);
}
