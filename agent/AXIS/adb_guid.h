/*
 * adb_guid.h
 *
 * Binding of the guid simple type of the serialization namespace: the text of a GUID,
 * written as the content of the element that has this type. It is never nil.
 */
#ifndef ADB_GUID_H
#define ADB_GUID_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_guid adb_guid_t;

AXIS2_EXTERN adb_guid_t *AXIS2_CALL
adb_guid_create(const axutil_env_t *env);

AXIS2_EXTERN adb_guid_t *AXIS2_CALL
adb_guid_create_with_values(const axutil_env_t *env,
    axis2_char_t *_guid);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guid_free(adb_guid_t *_guid, const axutil_env_t *env);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_guid_free_popping_value(adb_guid_t *_guid, const axutil_env_t *env);

/* guid */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_guid_get_guid(adb_guid_t *_guid, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guid_set_guid(adb_guid_t *_guid, const axutil_env_t *env,
    const axis2_char_t *arg_guid);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guid_reset_guid(adb_guid_t *_guid, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_guid_is_guid_nil(adb_guid_t *_guid, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guid_set_guid_nil(adb_guid_t *_guid, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guid_deserialize(adb_guid_t *_guid, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_guid_declare_parent_namespaces(adb_guid_t *_guid, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_guid_serialize(adb_guid_t *_guid, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_guid_serialize_to_string(adb_guid_t *_guid, const axutil_env_t *env, axutil_hash_t *namespaces);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guid_deserialize_from_string(adb_guid_t *_guid, const axutil_env_t *env,
    const axis2_char_t *node_value, axiom_node_t *parent);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_guid_is_particle(void);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_guid_get_property1(adb_guid_t *_guid, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_GUID_H */
