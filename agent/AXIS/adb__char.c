/*
 * adb__char.c
 */
#include "adb__char.h"
#include "adb_runtime.h"

static const adb_property_t adb__char_properties[] = {
    { "_char", ADB_TYPE_INT32, NULL, AXIS2_FALSE },
};

static const adb_type_t adb__char_type = {
    "_char", "char", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_SIMPLE_TYPE,
    1, adb__char_properties, __FILE__
};

struct adb__char
{
    adb_record_t record;
};

AXIS2_EXTERN adb__char_t *AXIS2_CALL
adb__char_create(const axutil_env_t *env)
{
    return (adb__char_t *) adb_record_create(env, &adb__char_type);
}

AXIS2_EXTERN adb__char_t *AXIS2_CALL
adb__char_create_with_values(const axutil_env_t *env,
    int __char)
{
    adb__char_t *adb_obj = adb__char_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb__char_set__char(adb_obj, env, __char) != AXIS2_SUCCESS)
    {
        adb__char_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__char_free(adb__char_t *__char, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) __char, env);
}

AXIS2_EXTERN int AXIS2_CALL
adb__char_free_popping_value(adb__char_t *__char, const axutil_env_t *env)
{
    return (int) adb_record_free_popping_value((adb_record_t *) __char, env).integer;
}

/* _char */
AXIS2_EXTERN int AXIS2_CALL
adb__char_get__char(adb__char_t *__char, const axutil_env_t *env)
{
    return (int) adb_record_get((adb_record_t *) __char, env, 0).integer;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__char_set__char(adb__char_t *__char, const axutil_env_t *env,
    const int arg__char)
{
    return adb_record_set_integer((adb_record_t *) __char, env, 0, arg__char);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__char_reset__char(adb__char_t *__char, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) __char, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__char_is__char_nil(adb__char_t *__char, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) __char, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__char_set__char_nil(adb__char_t *__char, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) __char, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__char_deserialize(adb__char_t *__char, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) __char, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb__char_declare_parent_namespaces(adb__char_t *__char, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) __char, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb__char_serialize(adb__char_t *__char, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) __char, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb__char_serialize_to_string(adb__char_t *__char, const axutil_env_t *env, axutil_hash_t *namespaces)
{
    return adb_record_serialize_to_string((adb_record_t *) __char, env, namespaces);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__char_deserialize_from_string(adb__char_t *__char, const axutil_env_t *env,
    const axis2_char_t *node_value, axiom_node_t *parent)
{
    return adb_record_deserialize_from_string((adb_record_t *) __char, env, node_value, parent);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__char_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN int AXIS2_CALL
adb__char_get_property1(adb__char_t *__char, const axutil_env_t *env)
{
    return adb__char_get__char(__char, env);
}
