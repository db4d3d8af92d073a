/*
 * adb_duration.h
 *
 * Binding of the duration simple type of the serialization namespace: an xs:duration,
 * written as the content of the element that has this type. It is never nil.
 */
#ifndef ADB_DURATION_H
#define ADB_DURATION_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>
#include <axutil_duration.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_duration adb_duration_t;

AXIS2_EXTERN adb_duration_t *AXIS2_CALL
adb_duration_create(const axutil_env_t *env);

AXIS2_EXTERN adb_duration_t *AXIS2_CALL
adb_duration_create_with_values(const axutil_env_t *env,
    axutil_duration_t *_duration);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_duration_free(adb_duration_t *_duration, const axutil_env_t *env);

AXIS2_EXTERN axutil_duration_t *AXIS2_CALL
adb_duration_free_popping_value(adb_duration_t *_duration, const axutil_env_t *env);

/* duration */
AXIS2_EXTERN axutil_duration_t *AXIS2_CALL
adb_duration_get_duration(adb_duration_t *_duration, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_duration_set_duration(adb_duration_t *_duration, const axutil_env_t *env,
    axutil_duration_t *arg_duration);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_duration_reset_duration(adb_duration_t *_duration, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_duration_is_duration_nil(adb_duration_t *_duration, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_duration_set_duration_nil(adb_duration_t *_duration, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_duration_deserialize(adb_duration_t *_duration, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_duration_declare_parent_namespaces(adb_duration_t *_duration, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_duration_serialize(adb_duration_t *_duration, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_duration_serialize_to_string(adb_duration_t *_duration, const axutil_env_t *env, axutil_hash_t *namespaces);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_duration_deserialize_from_string(adb_duration_t *_duration, const axutil_env_t *env,
    const axis2_char_t *node_value, axiom_node_t *parent);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_duration_is_particle(void);

AXIS2_EXTERN axutil_duration_t *AXIS2_CALL
adb_duration_get_property1(adb_duration_t *_duration, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_DURATION_H */
