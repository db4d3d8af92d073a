/*
 * adb_int.c
 */
#include "adb_int.h"
#include "adb_runtime.h"

static const adb_property_t adb_int_properties[] = {
    { "int", ADB_TYPE_INT32, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_int_type = {
    "int", "int", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_int_properties, __FILE__
};

struct adb_int
{
    adb_record_t record;
};

AXIS2_EXTERN adb_int_t *AXIS2_CALL
adb_int_create(const axutil_env_t *env)
{
    return (adb_int_t *) adb_record_create(env, &adb_int_type);
}

AXIS2_EXTERN adb_int_t *AXIS2_CALL
adb_int_create_with_values(const axutil_env_t *env,
    int _int)
{
    adb_int_t *adb_obj = adb_int_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_int_set_int(adb_obj, env, _int) != AXIS2_SUCCESS)
    {
        adb_int_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_int_free(adb_int_t *_int, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _int, env);
}

AXIS2_EXTERN int AXIS2_CALL
adb_int_free_popping_value(adb_int_t *_int, const axutil_env_t *env)
{
    return (int) adb_record_free_popping_value((adb_record_t *) _int, env).integer;
}

/* int */
AXIS2_EXTERN int AXIS2_CALL
adb_int_get_int(adb_int_t *_int, const axutil_env_t *env)
{
    return (int) adb_record_get((adb_record_t *) _int, env, 0).integer;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_int_set_int(adb_int_t *_int, const axutil_env_t *env,
    const int arg_int)
{
    return adb_record_set_integer((adb_record_t *) _int, env, 0, arg_int);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_int_reset_int(adb_int_t *_int, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _int, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_int_is_int_nil(adb_int_t *_int, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _int, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_int_set_int_nil(adb_int_t *_int, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _int, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_int_deserialize(adb_int_t *_int, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _int, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_int_declare_parent_namespaces(adb_int_t *_int, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _int, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_int_serialize(adb_int_t *_int, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _int, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_int_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN int AXIS2_CALL
adb_int_get_property1(adb_int_t *_int, const axutil_env_t *env)
{
    return adb_int_get_int(_int, env);
}
