/*
 * adb__short.c
 */
#include "adb__short.h"
#include "adb_runtime.h"

static const adb_property_t adb__short_properties[] = {
    { "_short", ADB_TYPE_INT16, NULL, AXIS2_TRUE },
};

static const adb_type_t adb__short_type = {
    "_short", "short", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb__short_properties, __FILE__
};

struct adb__short
{
    adb_record_t record;
};

AXIS2_EXTERN adb__short_t *AXIS2_CALL
adb__short_create(const axutil_env_t *env)
{
    return (adb__short_t *) adb_record_create(env, &adb__short_type);
}

AXIS2_EXTERN adb__short_t *AXIS2_CALL
adb__short_create_with_values(const axutil_env_t *env,
    short __short)
{
    adb__short_t *adb_obj = adb__short_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb__short_set__short(adb_obj, env, __short) != AXIS2_SUCCESS)
    {
        adb__short_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__short_free(adb__short_t *__short, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) __short, env);
}

AXIS2_EXTERN short AXIS2_CALL
adb__short_free_popping_value(adb__short_t *__short, const axutil_env_t *env)
{
    return (short) adb_record_free_popping_value((adb_record_t *) __short, env).integer;
}

/* _short */
AXIS2_EXTERN short AXIS2_CALL
adb__short_get__short(adb__short_t *__short, const axutil_env_t *env)
{
    return (short) adb_record_get((adb_record_t *) __short, env, 0).integer;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__short_set__short(adb__short_t *__short, const axutil_env_t *env,
    const short arg__short)
{
    return adb_record_set_integer((adb_record_t *) __short, env, 0, arg__short);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__short_reset__short(adb__short_t *__short, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) __short, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__short_is__short_nil(adb__short_t *__short, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) __short, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__short_set__short_nil(adb__short_t *__short, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) __short, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__short_deserialize(adb__short_t *__short, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) __short, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb__short_declare_parent_namespaces(adb__short_t *__short, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) __short, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb__short_serialize(adb__short_t *__short, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) __short, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__short_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN short AXIS2_CALL
adb__short_get_property1(adb__short_t *__short, const axutil_env_t *env)
{
    return adb__short_get__short(__short, env);
}
