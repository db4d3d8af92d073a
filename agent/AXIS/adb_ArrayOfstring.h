/*
 * adb_ArrayOfstring.h
 *
 * Binding of the ArrayOfstring complex type of the arrays namespace: a list of texts, each
 * written as a string item element of its own; nil items are left out.
 */
#ifndef ADB_ARRAYOFSTRING_H
#define ADB_ARRAYOFSTRING_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_ArrayOfstring adb_ArrayOfstring_t;

AXIS2_EXTERN adb_ArrayOfstring_t *AXIS2_CALL
adb_ArrayOfstring_create(const axutil_env_t *env);

AXIS2_EXTERN adb_ArrayOfstring_t *AXIS2_CALL
adb_ArrayOfstring_create_with_values(const axutil_env_t *env,
    axutil_array_list_t *_string);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_free(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env);

AXIS2_EXTERN axutil_array_list_t *AXIS2_CALL
adb_ArrayOfstring_free_popping_value(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env);

/* string */
AXIS2_EXTERN axutil_array_list_t *AXIS2_CALL
adb_ArrayOfstring_get_string(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_set_string(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env,
    axutil_array_list_t *arg_string);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_reset_string(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_ArrayOfstring_is_string_nil(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_set_string_nil(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env);

/* Items of string: texts are copied in; a nil item is NULL and is not written out;
 * remove_string_at takes the item out of the list. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_ArrayOfstring_get_string_at(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env, int i);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_set_string_at(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env, int i,
    const axis2_char_t *arg_string);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_add_string(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env,
    const axis2_char_t *arg_string);

AXIS2_EXTERN int AXIS2_CALL
adb_ArrayOfstring_sizeof_string(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_remove_string_at(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env, int i);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_ArrayOfstring_is_string_nil_at(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env, int i);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_set_string_nil_at(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env, int i);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstring_deserialize(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_ArrayOfstring_declare_parent_namespaces(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_ArrayOfstring_serialize(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_ArrayOfstring_is_particle(void);

AXIS2_EXTERN axutil_array_list_t *AXIS2_CALL
adb_ArrayOfstring_get_property1(adb_ArrayOfstring_t *_ArrayOfstring, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_ARRAYOFSTRING_H */
