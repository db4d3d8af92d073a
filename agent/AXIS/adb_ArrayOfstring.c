/*
 * adb_ArrayOfstring.c
 */
#include "adb_ArrayOfstring.h"
#include "adb_runtime.h"

static const adb_property_t adb_ArrayOfstring_properties[] = {
    { "string", ADB_TYPE_STRING_LIST, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_ArrayOfstring_type = {
    "ArrayOfstring", "ArrayOfstring", ADB_ARRAYS_NAMESPACE, ADB_KIND_COMPLEX_TYPE,
    1, adb_ArrayOfstring_properties, __FILE__
};

struct adb_ArrayOfstring
{
    adb_record_t record;
};

AXIS2_EXTERN adb_ArrayOfstring_t *AXIS2_CALL
adb_ArrayOfstring_create(const axutil_env_t *env)
{
    return (adb_ArrayOfstring_t *) adb_record_create(env, &adb_ArrayOfstring_type);
}

AXIS2_EXTERN adb_ArrayOfstring_t *AXIS2_CALL
adb_ArrayOfstring_create_with_values(const axutil_env_t *env,
    axutil_array_list_t *_string)
{
    adb_ArrayOfstring_t *adb_obj = adb_ArrayOfstring_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_ArrayOfstring_set_string(adb_obj, env, _string) != AXIS2_SUCCESS)
    {
        adb_ArrayOfstring_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_free(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _ArrayOfstring, env);
}

AXIS2_EXTERN axutil_array_list_t *AXIS2_CALL
adb_ArrayOfstring_free_popping_value(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env)
{
    return (axutil_array_list_t *) adb_record_free_popping_value((adb_record_t *) _ArrayOfstring, env).object;
}

/* string */
AXIS2_EXTERN axutil_array_list_t *AXIS2_CALL
adb_ArrayOfstring_get_string(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env)
{
    return (axutil_array_list_t *) adb_record_get((adb_record_t *) _ArrayOfstring, env, 0).object;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_set_string(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env,
    axutil_array_list_t *arg_string)
{
    return adb_record_set_object((adb_record_t *) _ArrayOfstring, env, 0, arg_string);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_reset_string(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _ArrayOfstring, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_ArrayOfstring_is_string_nil(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _ArrayOfstring, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_set_string_nil(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _ArrayOfstring, env, 0);
}

/* Items of string: texts are copied in; a nil item is NULL and is not written out;
 * remove_string_at takes the item out of the list. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_ArrayOfstring_get_string_at(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env, int i)
{
    return adb_record_get_at((adb_record_t *) _ArrayOfstring, env, 0, i);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_set_string_at(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env, int i,
    const axis2_char_t *arg_string)
{
    return adb_record_set_at((adb_record_t *) _ArrayOfstring, env, 0, i, arg_string);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_add_string(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env,
    const axis2_char_t *arg_string)
{
    return adb_record_add((adb_record_t *) _ArrayOfstring, env, 0, arg_string);
}

AXIS2_EXTERN int AXIS2_CALL
adb_ArrayOfstring_sizeof_string(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env)
{
    return adb_record_sizeof((adb_record_t *) _ArrayOfstring, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_remove_string_at(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env, int i)
{
    return adb_record_remove_at((adb_record_t *) _ArrayOfstring, env, 0, i);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_ArrayOfstring_is_string_nil_at(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env, int i)
{
    return adb_record_is_nil_at((adb_record_t *) _ArrayOfstring, env, 0, i);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_set_string_nil_at(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env, int i)
{
    return adb_record_set_nil_at((adb_record_t *) _ArrayOfstring, env, 0, i);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_deserialize(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _ArrayOfstring, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_ArrayOfstring_declare_parent_namespaces(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _ArrayOfstring, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_ArrayOfstring_serialize(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _ArrayOfstring, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_ArrayOfstring_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axutil_array_list_t *AXIS2_CALL
adb_ArrayOfstring_get_property1(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env)
{
    return adb_ArrayOfstring_get_string(_ArrayOfstring, env);
}
