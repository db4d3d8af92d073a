/*
 * adb_QName.h
 *
 * Binding of the nillable QName element of the serialization namespace: an xs:QName, written with a prefix declared for its namespace.
 */
#ifndef ADB_QNAME_H
#define ADB_QNAME_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_QName adb_QName_t;

AXIS2_EXTERN adb_QName_t *AXIS2_CALL
adb_QName_create(const axutil_env_t *env);

AXIS2_EXTERN adb_QName_t *AXIS2_CALL
adb_QName_create_with_values(const axutil_env_t *env,
    axutil_qname_t *_QName);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_QName_free(adb_QName_t *_QName, const axutil_env_t *env);

AXIS2_EXTERN axutil_qname_t *AXIS2_CALL
adb_QName_free_popping_value(adb_QName_t *_QName, const axutil_env_t *env);

/* QName */
AXIS2_EXTERN axutil_qname_t *AXIS2_CALL
adb_QName_get_QName(adb_QName_t *_QName, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_QName_set_QName(adb_QName_t *_QName, const axutil_env_t *env,
    axutil_qname_t *arg_QName);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_QName_reset_QName(adb_QName_t *_QName, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_QName_is_QName_nil(adb_QName_t *_QName, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_QName_set_QName_nil(adb_QName_t *_QName, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_QName_deserialize(adb_QName_t *_QName, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_QName_declare_parent_namespaces(adb_QName_t *_QName, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_QName_serialize(adb_QName_t *_QName, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_QName_is_particle(void);

AXIS2_EXTERN axutil_qname_t *AXIS2_CALL
adb_QName_get_property1(adb_QName_t *_QName, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_QNAME_H */
