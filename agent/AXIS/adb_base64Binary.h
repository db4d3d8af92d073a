/*
 * adb_base64Binary.h
 *
 * Binding of the nillable base64Binary element of the serialization namespace: an xs:base64Binary as a base64 binary object.
 */
#ifndef ADB_BASE64BINARY_H
#define ADB_BASE64BINARY_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_base64Binary adb_base64Binary_t;

AXIS2_EXTERN adb_base64Binary_t *AXIS2_CALL
adb_base64Binary_create(const axutil_env_t *env);

AXIS2_EXTERN adb_base64Binary_t *AXIS2_CALL
adb_base64Binary_create_with_values(const axutil_env_t *env,
    axutil_base64_binary_t *_base64Binary);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_base64Binary_free(adb_base64Binary_t *_base64Binary, const axutil_env_t *env);

AXIS2_EXTERN axutil_base64_binary_t *AXIS2_CALL
adb_base64Binary_free_popping_value(adb_base64Binary_t *_base64Binary, const axutil_env_t *env);

/* base64Binary */
AXIS2_EXTERN axutil_base64_binary_t *AXIS2_CALL
adb_base64Binary_get_base64Binary(adb_base64Binary_t *_base64Binary, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_base64Binary_set_base64Binary(adb_base64Binary_t *_base64Binary, const axutil_env_t *env,
    axutil_base64_binary_t *arg_base64Binary);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_base64Binary_reset_base64Binary(adb_base64Binary_t *_base64Binary, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_base64Binary_is_base64Binary_nil(adb_base64Binary_t *_base64Binary, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_base64Binary_set_base64Binary_nil(adb_base64Binary_t *_base64Binary, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_base64Binary_deserialize(adb_base64Binary_t *_base64Binary, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_base64Binary_declare_parent_namespaces(adb_base64Binary_t *_base64Binary, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_base64Binary_serialize(adb_base64Binary_t *_base64Binary, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_base64Binary_is_particle(void);

AXIS2_EXTERN axutil_base64_binary_t *AXIS2_CALL
adb_base64Binary_get_property1(adb_base64Binary_t *_base64Binary, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_BASE64BINARY_H */
