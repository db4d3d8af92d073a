/*
 * adb_base64Binary.c
 */
#include "adb_base64Binary.h"
#include "adb_runtime.h"

static const adb_property_t adb_base64Binary_properties[] = {
    { "base64Binary", ADB_TYPE_BASE64_BINARY, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_base64Binary_type = {
    "base64Binary", "base64Binary", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_base64Binary_properties, __FILE__
};

struct adb_base64Binary
{
    adb_record_t record;
};

AXIS2_EXTERN adb_base64Binary_t *AXIS2_CALL
adb_base64Binary_create(const axutil_env_t *env)
{
    return (adb_base64Binary_t *) adb_record_create(env, &adb_base64Binary_type);
}

AXIS2_EXTERN adb_base64Binary_t *AXIS2_CALL
adb_base64Binary_create_with_values(const axutil_env_t *env,
    axutil_base64_binary_t *_base64Binary)
{
    adb_base64Binary_t *adb_obj = adb_base64Binary_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_base64Binary_set_base64Binary(adb_obj, env, _base64Binary) != AXIS2_SUCCESS)
    {
        adb_base64Binary_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_base64Binary_free(adb_base64Binary_t *_base64Binary, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _base64Binary, env);
}

AXIS2_EXTERN axutil_base64_binary_t *AXIS2_CALL
adb_base64Binary_free_popping_value(adb_base64Binary_t *_base64Binary, const axutil_env_t *env)
{
    return (axutil_base64_binary_t *) adb_record_free_popping_value((adb_record_t *) _base64Binary, env).object;
}

/* base64Binary */
AXIS2_EXTERN axutil_base64_binary_t *AXIS2_CALL
adb_base64Binary_get_base64Binary(adb_base64Binary_t *_base64Binary, const axutil_env_t *env)
{
    return (axutil_base64_binary_t *) adb_record_get((adb_record_t *) _base64Binary, env, 0).object;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_base64Binary_set_base64Binary(adb_base64Binary_t *_base64Binary, const axutil_env_t *env,
    axutil_base64_binary_t *arg_base64Binary)
{
    return adb_record_set_object((adb_record_t *) _base64Binary, env, 0, arg_base64Binary);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_base64Binary_reset_base64Binary(adb_base64Binary_t *_base64Binary, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _base64Binary, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_base64Binary_is_base64Binary_nil(adb_base64Binary_t *_base64Binary, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _base64Binary, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_base64Binary_set_base64Binary_nil(adb_base64Binary_t *_base64Binary, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _base64Binary, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_base64Binary_deserialize(adb_base64Binary_t *_base64Binary, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _base64Binary, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_base64Binary_declare_parent_namespaces(adb_base64Binary_t *_base64Binary, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _base64Binary, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_base64Binary_serialize(adb_base64Binary_t *_base64Binary, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _base64Binary, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_base64Binary_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axutil_base64_binary_t *AXIS2_CALL
adb_base64Binary_get_property1(adb_base64Binary_t *_base64Binary, const axutil_env_t *env)
{
    return adb_base64Binary_get_base64Binary(_base64Binary, env);
}
