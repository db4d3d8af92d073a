/*
 * adb_SendCustomResponseResponse.h
 *
 * Binding of the SendCustomResponseResponse element of ProxyAgentService (response of the SendCustomResponse operation).
 */
#ifndef ADB_SENDCUSTOMRESPONSERESPONSE_H
#define ADB_SENDCUSTOMRESPONSERESPONSE_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_SendCustomResponseResponse adb_SendCustomResponseResponse_t;

AXIS2_EXTERN adb_SendCustomResponseResponse_t *AXIS2_CALL
adb_SendCustomResponseResponse_create(const axutil_env_t *env);

AXIS2_EXTERN adb_SendCustomResponseResponse_t *AXIS2_CALL
adb_SendCustomResponseResponse_create_with_values(const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponseResponse_free(adb_SendCustomResponseResponse_t *_SendCustomResponseResponse, const axutil_env_t *env);

AXIS2_EXTERN void *AXIS2_CALL
adb_SendCustomResponseResponse_free_popping_value(adb_SendCustomResponseResponse_t *_SendCustomResponseResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponseResponse_deserialize(adb_SendCustomResponseResponse_t *_SendCustomResponseResponse, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_SendCustomResponseResponse_declare_parent_namespaces(adb_SendCustomResponseResponse_t *_SendCustomResponseResponse, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_SendCustomResponseResponse_serialize(adb_SendCustomResponseResponse_t *_SendCustomResponseResponse, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_SendCustomResponseResponse_is_particle(void);

#ifdef __cplusplus
}
#endif

#endif /* ADB_SENDCUSTOMRESPONSERESPONSE_H */
