/*
 * adb_SendCustomResponse.h
 *
 * Binding of the SendCustomResponse element of ProxyAgentService (request of the SendCustomResponse operation).
 * The custom response is any XML: its node is referenced by the record, never freed by it,
 * and becomes part of the serialized tree.
 */
#ifndef ADB_SENDCUSTOMRESPONSE_H
#define ADB_SENDCUSTOMRESPONSE_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#include "adb_guid.h"

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_SendCustomResponse adb_SendCustomResponse_t;

AXIS2_EXTERN adb_SendCustomResponse_t *AXIS2_CALL
adb_SendCustomResponse_create(const axutil_env_t *env);

AXIS2_EXTERN adb_SendCustomResponse_t *AXIS2_CALL
adb_SendCustomResponse_create_with_values(const axutil_env_t *env,
    adb_guid_t *_id,
    axiom_node_t *_customResponse);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponse_free(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env);

AXIS2_EXTERN adb_guid_t *AXIS2_CALL
adb_SendCustomResponse_free_popping_value(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env);

/* id */
AXIS2_EXTERN adb_guid_t *AXIS2_CALL
adb_SendCustomResponse_get_id(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponse_set_id(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env,
    adb_guid_t *arg_id);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponse_reset_id(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_SendCustomResponse_is_id_nil(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponse_set_id_nil(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env);

/* customResponse */
AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_SendCustomResponse_get_customResponse(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponse_set_customResponse(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env,
    axiom_node_t *arg_customResponse);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponse_reset_customResponse(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_SendCustomResponse_is_customResponse_nil(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponse_set_customResponse_nil(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponse_deserialize(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_SendCustomResponse_declare_parent_namespaces(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_SendCustomResponse_serialize(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_SendCustomResponse_is_particle(void);

AXIS2_EXTERN adb_guid_t *AXIS2_CALL
adb_SendCustomResponse_get_property1(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_SendCustomResponse_get_property2(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_SENDCUSTOMRESPONSE_H */
