/*
 * adb_anyURI.h
 *
 * Binding of the nillable anyURI element of the serialization namespace: an xs:anyURI as a URI object, written without its user information.
 */
#ifndef ADB_ANYURI_H
#define ADB_ANYURI_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>
#include <axutil_uri.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_anyURI adb_anyURI_t;

AXIS2_EXTERN adb_anyURI_t *AXIS2_CALL
adb_anyURI_create(const axutil_env_t *env);

AXIS2_EXTERN adb_anyURI_t *AXIS2_CALL
adb_anyURI_create_with_values(const axutil_env_t *env,
    axutil_uri_t *_anyURI);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyURI_free(adb_anyURI_t *_anyURI, const axutil_env_t *env);

AXIS2_EXTERN axutil_uri_t *AXIS2_CALL
adb_anyURI_free_popping_value(adb_anyURI_t *_anyURI, const axutil_env_t *env);

/* anyURI */
AXIS2_EXTERN axutil_uri_t *AXIS2_CALL
adb_anyURI_get_anyURI(adb_anyURI_t *_anyURI, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyURI_set_anyURI(adb_anyURI_t *_anyURI, const axutil_env_t *env,
    axutil_uri_t *arg_anyURI);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyURI_reset_anyURI(adb_anyURI_t *_anyURI, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_anyURI_is_anyURI_nil(adb_anyURI_t *_anyURI, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyURI_set_anyURI_nil(adb_anyURI_t *_anyURI, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyURI_deserialize(adb_anyURI_t *_anyURI, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_anyURI_declare_parent_namespaces(adb_anyURI_t *_anyURI, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_anyURI_serialize(adb_anyURI_t *_anyURI, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_anyURI_is_particle(void);

AXIS2_EXTERN axutil_uri_t *AXIS2_CALL
adb_anyURI_get_property1(adb_anyURI_t *_anyURI, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_ANYURI_H */
