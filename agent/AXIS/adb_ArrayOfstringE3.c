/*
 * adb_ArrayOfstringE3.c
 */
#include "adb_ArrayOfstringE3.h"
#include "adb_runtime.h"

static adb_record_t *
adb_ArrayOfstringE3_create_ArrayOfstring(const axutil_env_t *env)
{
    return (adb_record_t *) adb_ArrayOfstring_create(env);
}

static const adb_property_t adb_ArrayOfstringE3_properties[] = {
    { "ArrayOfstring", ADB_TYPE_BINDING, adb_ArrayOfstringE3_create_ArrayOfstring, AXIS2_TRUE },
};

static const adb_type_t adb_ArrayOfstringE3_type = {
    "ArrayOfstringE3", "ArrayOfstring", ADB_ARRAYS_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_ArrayOfstringE3_properties, __FILE__
};

struct adb_ArrayOfstringE3
{
    adb_record_t record;
};

AXIS2_EXTERN adb_ArrayOfstringE3_t *AXIS2_CALL
adb_ArrayOfstringE3_create(const axutil_env_t *env)
{
    return (adb_ArrayOfstringE3_t *) adb_record_create(env, &adb_ArrayOfstringE3_type);
}

AXIS2_EXTERN adb_ArrayOfstringE3_t *AXIS2_CALL
adb_ArrayOfstringE3_create_with_values(const axutil_env_t *env,
    adb_ArrayOfstring_t *_ArrayOfstring)
{
    adb_ArrayOfstringE3_t *adb_obj = adb_ArrayOfstringE3_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_ArrayOfstringE3_set_ArrayOfstring(adb_obj, env, _ArrayOfstring) != AXIS2_SUCCESS)
    {
        adb_ArrayOfstringE3_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstringE3_free(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _ArrayOfstringE3, env);
}

AXIS2_EXTERN adb_ArrayOfstring_t *AXIS2_CALL
adb_ArrayOfstringE3_free_popping_value(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env)
{
    return (adb_ArrayOfstring_t *) adb_record_free_popping_value((adb_record_t *) _ArrayOfstringE3, env).object;
}

/* ArrayOfstring */
AXIS2_EXTERN adb_ArrayOfstring_t *AXIS2_CALL
adb_ArrayOfstringE3_get_ArrayOfstring(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env)
{
    return (adb_ArrayOfstring_t *) adb_record_get((adb_record_t *) _ArrayOfstringE3, env, 0).object;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstringE3_set_ArrayOfstring(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env,
    adb_ArrayOfstring_t *arg_ArrayOfstring)
{
    return adb_record_set_object((adb_record_t *) _ArrayOfstringE3, env, 0, arg_ArrayOfstring);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstringE3_reset_ArrayOfstring(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _ArrayOfstringE3, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_ArrayOfstringE3_is_ArrayOfstring_nil(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _ArrayOfstringE3, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstringE3_set_ArrayOfstring_nil(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _ArrayOfstringE3, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstringE3_deserialize(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _ArrayOfstringE3, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_ArrayOfstringE3_declare_parent_namespaces(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _ArrayOfstringE3, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_ArrayOfstringE3_serialize(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _ArrayOfstringE3, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_ArrayOfstringE3_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN adb_ArrayOfstring_t *AXIS2_CALL
adb_ArrayOfstringE3_get_property1(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env)
{
    return adb_ArrayOfstringE3_get_ArrayOfstring(_ArrayOfstringE3, env);
}
