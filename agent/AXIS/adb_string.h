/*
 * adb_string.h
 *
 * Binding of the nillable string element of the serialization namespace: an xs:string.
 */
#ifndef ADB_STRING_H
#define ADB_STRING_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_string adb_string_t;

AXIS2_EXTERN adb_string_t *AXIS2_CALL
adb_string_create(const axutil_env_t *env);

AXIS2_EXTERN adb_string_t *AXIS2_CALL
adb_string_create_with_values(const axutil_env_t *env,
    axis2_char_t *_string);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_string_free(adb_string_t *_string, const axutil_env_t *env);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_string_free_popping_value(adb_string_t *_string, const axutil_env_t *env);

/* string */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_string_get_string(adb_string_t *_string, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_string_set_string(adb_string_t *_string, const axutil_env_t *env,
    const axis2_char_t *arg_string);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_string_reset_string(adb_string_t *_string, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_string_is_string_nil(adb_string_t *_string, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_string_set_string_nil(adb_string_t *_string, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_string_deserialize(adb_string_t *_string, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_string_declare_parent_namespaces(adb_string_t *_string, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_string_serialize(adb_string_t *_string, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_string_is_particle(void);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_string_get_property1(adb_string_t *_string, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_STRING_H */
