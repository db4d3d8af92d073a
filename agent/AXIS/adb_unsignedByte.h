/*
 * adb_unsignedByte.h
 *
 * Binding of the nillable unsignedByte element of the serialization namespace: an xs:unsignedByte.
 */
#ifndef ADB_UNSIGNEDBYTE_H
#define ADB_UNSIGNEDBYTE_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_unsignedByte adb_unsignedByte_t;

AXIS2_EXTERN adb_unsignedByte_t *AXIS2_CALL
adb_unsignedByte_create(const axutil_env_t *env);

AXIS2_EXTERN adb_unsignedByte_t *AXIS2_CALL
adb_unsignedByte_create_with_values(const axutil_env_t *env,
    axis2_unsigned_byte_t _unsignedByte);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedByte_free(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env);

AXIS2_EXTERN axis2_unsigned_byte_t AXIS2_CALL
adb_unsignedByte_free_popping_value(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env);

/* unsignedByte */
AXIS2_EXTERN axis2_unsigned_byte_t AXIS2_CALL
adb_unsignedByte_get_unsignedByte(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedByte_set_unsignedByte(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env,
    const axis2_unsigned_byte_t arg_unsignedByte);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedByte_reset_unsignedByte(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_unsignedByte_is_unsignedByte_nil(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedByte_set_unsignedByte_nil(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedByte_deserialize(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_unsignedByte_declare_parent_namespaces(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_unsignedByte_serialize(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_unsignedByte_is_particle(void);

AXIS2_EXTERN axis2_unsigned_byte_t AXIS2_CALL
adb_unsignedByte_get_property1(adb_unsignedByte_t *_unsignedByte, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_UNSIGNEDBYTE_H */
