/*
 * adb_byte.h
 *
 * Binding of the nillable byte element of the serialization namespace: an xs:byte.
 */
#ifndef ADB_BYTE_H
#define ADB_BYTE_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_byte adb_byte_t;

AXIS2_EXTERN adb_byte_t *AXIS2_CALL
adb_byte_create(const axutil_env_t *env);

AXIS2_EXTERN adb_byte_t *AXIS2_CALL
adb_byte_create_with_values(const axutil_env_t *env,
    axis2_byte_t _byte);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_byte_free(adb_byte_t *_byte, const axutil_env_t *env);

AXIS2_EXTERN axis2_byte_t AXIS2_CALL
adb_byte_free_popping_value(adb_byte_t *_byte, const axutil_env_t *env);

/* byte */
AXIS2_EXTERN axis2_byte_t AXIS2_CALL
adb_byte_get_byte(adb_byte_t *_byte, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_byte_set_byte(adb_byte_t *_byte, const axutil_env_t *env,
    const axis2_byte_t arg_byte);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_byte_reset_byte(adb_byte_t *_byte, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_byte_is_byte_nil(adb_byte_t *_byte, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_byte_set_byte_nil(adb_byte_t *_byte, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_byte_deserialize(adb_byte_t *_byte, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_byte_declare_parent_namespaces(adb_byte_t *_byte, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_byte_serialize(adb_byte_t *_byte, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_byte_is_particle(void);

AXIS2_EXTERN axis2_byte_t AXIS2_CALL
adb_byte_get_property1(adb_byte_t *_byte, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_BYTE_H */
