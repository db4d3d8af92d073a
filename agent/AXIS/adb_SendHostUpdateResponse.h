/*
 * adb_SendHostUpdateResponse.h
 *
 * Binding of the SendHostUpdateResponse element of ProxyAgentService (response of the SendHostUpdate operation).
 */
#ifndef ADB_SENDHOSTUPDATERESPONSE_H
#define ADB_SENDHOSTUPDATERESPONSE_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_SendHostUpdateResponse adb_SendHostUpdateResponse_t;

AXIS2_EXTERN adb_SendHostUpdateResponse_t *AXIS2_CALL
adb_SendHostUpdateResponse_create(const axutil_env_t *env);

AXIS2_EXTERN adb_SendHostUpdateResponse_t *AXIS2_CALL
adb_SendHostUpdateResponse_create_with_values(const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendHostUpdateResponse_free(adb_SendHostUpdateResponse_t *_SendHostUpdateResponse, const axutil_env_t *env);

AXIS2_EXTERN void *AXIS2_CALL
adb_SendHostUpdateResponse_free_popping_value(adb_SendHostUpdateResponse_t *_SendHostUpdateResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendHostUpdateResponse_deserialize(adb_SendHostUpdateResponse_t *_SendHostUpdateResponse, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_SendHostUpdateResponse_declare_parent_namespaces(adb_SendHostUpdateResponse_t *_SendHostUpdateResponse, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_SendHostUpdateResponse_serialize(adb_SendHostUpdateResponse_t *_SendHostUpdateResponse, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_SendHostUpdateResponse_is_particle(void);

#ifdef __cplusplus
}
#endif

#endif /* ADB_SENDHOSTUPDATERESPONSE_H */
