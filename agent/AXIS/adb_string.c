/*
 * adb_string.c
 */
#include "adb_string.h"
#include "adb_runtime.h"

static const adb_property_t adb_string_properties[] = {
    { "string", ADB_TYPE_STRING, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_string_type = {
    "string", "string", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_string_properties, __FILE__
};

struct adb_string
{
    adb_record_t record;
};

AXIS2_EXTERN adb_string_t *AXIS2_CALL
adb_string_create(const axutil_env_t *env)
{
    return (adb_string_t *) adb_record_create(env, &adb_string_type);
}

AXIS2_EXTERN adb_string_t *AXIS2_CALL
adb_string_create_with_values(const axutil_env_t *env,
    axis2_char_t *_string)
{
    adb_string_t *adb_obj = adb_string_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_string_set_string(adb_obj, env, _string) != AXIS2_SUCCESS)
    {
        adb_string_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_string_free(adb_string_t *_string, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _string, env);
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_string_free_popping_value(adb_string_t *_string, const axutil_env_t *env)
{
    return adb_record_free_popping_value((adb_record_t *) _string, env).text;
}

/* string */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_string_get_string(adb_string_t *_string, const axutil_env_t *env)
{
    return adb_record_get((adb_record_t *) _string, env, 0).text;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_string_set_string(adb_string_t *_string, const axutil_env_t *env,
    const axis2_char_t *arg_string)
{
    return adb_record_set_text((adb_record_t *) _string, env, 0, arg_string);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_string_reset_string(adb_string_t *_string, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _string, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_string_is_string_nil(adb_string_t *_string, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _string, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_string_set_string_nil(adb_string_t *_string, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _string, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_string_deserialize(adb_string_t *_string, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _string, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_string_declare_parent_namespaces(adb_string_t *_string, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _string, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_string_serialize(adb_string_t *_string, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _string, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_string_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_string_get_property1(adb_string_t *_string, const axutil_env_t *env)
{
    return adb_string_get_string(_string, env);
}
