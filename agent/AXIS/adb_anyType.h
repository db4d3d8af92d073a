/*
 * adb_anyType.h
 *
 * Binding of the nillable anyType element of the serialization namespace: any XML; the node is referenced by the record, never freed by it.
 */
#ifndef ADB_ANYTYPE_H
#define ADB_ANYTYPE_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_anyType adb_anyType_t;

AXIS2_EXTERN adb_anyType_t *AXIS2_CALL
adb_anyType_create(const axutil_env_t *env);

AXIS2_EXTERN adb_anyType_t *AXIS2_CALL
adb_anyType_create_with_values(const axutil_env_t *env,
    axiom_node_t *_anyType);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyType_free(adb_anyType_t *_anyType, const axutil_env_t *env);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_anyType_free_popping_value(adb_anyType_t *_anyType, const axutil_env_t *env);

/* anyType */
AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_anyType_get_anyType(adb_anyType_t *_anyType, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyType_set_anyType(adb_anyType_t *_anyType, const axutil_env_t *env,
    axiom_node_t *arg_anyType);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyType_reset_anyType(adb_anyType_t *_anyType, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_anyType_is_anyType_nil(adb_anyType_t *_anyType, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyType_set_anyType_nil(adb_anyType_t *_anyType, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyType_deserialize(adb_anyType_t *_anyType, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_anyType_declare_parent_namespaces(adb_anyType_t *_anyType, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_anyType_serialize(adb_anyType_t *_anyType, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_anyType_is_particle(void);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_anyType_get_property1(adb_anyType_t *_anyType, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_ANYTYPE_H */
