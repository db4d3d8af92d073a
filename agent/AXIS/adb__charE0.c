/*
 * adb__charE0.c
 */
#include "adb__charE0.h"
#include "adb_runtime.h"

static adb_record_t *
adb__charE0_create__char(const axutil_env_t *env)
{
    return (adb_record_t *) adb__char_create(env);
}

static const adb_property_t adb__charE0_properties[] = {
    { "_char", ADB_TYPE_BINDING, adb__charE0_create__char, AXIS2_TRUE },
};

static const adb_type_t adb__charE0_type = {
    "_charE0", "char", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb__charE0_properties, __FILE__
};

struct adb__charE0
{
    adb_record_t record;
};

AXIS2_EXTERN adb__charE0_t *AXIS2_CALL
adb__charE0_create(const axutil_env_t *env)
{
    return (adb__charE0_t *) adb_record_create(env, &adb__charE0_type);
}

AXIS2_EXTERN adb__charE0_t *AXIS2_CALL
adb__charE0_create_with_values(const axutil_env_t *env,
    adb__char_t *__char)
{
    adb__charE0_t *adb_obj = adb__charE0_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb__charE0_set__char(adb_obj, env, __char) != AXIS2_SUCCESS)
    {
        adb__charE0_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__charE0_free(adb__charE0_t *__charE0, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) __charE0, env);
}

AXIS2_EXTERN adb__char_t *AXIS2_CALL
adb__charE0_free_popping_value(adb__charE0_t *__charE0, const axutil_env_t *env)
{
    return (adb__char_t *) adb_record_free_popping_value((adb_record_t *) __charE0, env).object;
}

/* _char */
AXIS2_EXTERN adb__char_t *AXIS2_CALL
adb__charE0_get__char(adb__charE0_t *__charE0, const axutil_env_t *env)
{
    return (adb__char_t *) adb_record_get((adb_record_t *) __charE0, env, 0).object;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__charE0_set__char(adb__charE0_t *__charE0, const axutil_env_t *env,
    adb__char_t *arg__char)
{
    return adb_record_set_object((adb_record_t *) __charE0, env, 0, arg__char);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__charE0_reset__char(adb__charE0_t *__charE0, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) __charE0, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__charE0_is__char_nil(adb__charE0_t *__charE0, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) __charE0, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__charE0_set__char_nil(adb__charE0_t *__charE0, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) __charE0, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__charE0_deserialize(adb__charE0_t *__charE0, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) __charE0, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb__charE0_declare_parent_namespaces(adb__charE0_t *__charE0, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) __charE0, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb__charE0_serialize(adb__charE0_t *__charE0, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) __charE0, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__charE0_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN adb__char_t *AXIS2_CALL
adb__charE0_get_property1(adb__charE0_t *__charE0, const axutil_env_t *env)
{
    return adb__charE0_get__char(__charE0, env);
}
