/*
 * adb_SendPingResponse.h
 *
 * Binding of the SendPingResponse element of ProxyAgentService (request of the SendPingResponse operation).
 */
#ifndef ADB_SENDPINGRESPONSE_H
#define ADB_SENDPINGRESPONSE_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_SendPingResponse adb_SendPingResponse_t;

AXIS2_EXTERN adb_SendPingResponse_t *AXIS2_CALL
adb_SendPingResponse_create(const axutil_env_t *env);

AXIS2_EXTERN adb_SendPingResponse_t *AXIS2_CALL
adb_SendPingResponse_create_with_values(const axutil_env_t *env,
    axis2_char_t *_message);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendPingResponse_free(adb_SendPingResponse_t *_SendPingResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_SendPingResponse_free_popping_value(adb_SendPingResponse_t *_SendPingResponse, const axutil_env_t *env);

/* message */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_SendPingResponse_get_message(adb_SendPingResponse_t *_SendPingResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendPingResponse_set_message(adb_SendPingResponse_t *_SendPingResponse, const axutil_env_t *env,
    const axis2_char_t *arg_message);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendPingResponse_reset_message(adb_SendPingResponse_t *_SendPingResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_SendPingResponse_is_message_nil(adb_SendPingResponse_t *_SendPingResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendPingResponse_set_message_nil(adb_SendPingResponse_t *_SendPingResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendPingResponse_deserialize(adb_SendPingResponse_t *_SendPingResponse, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_SendPingResponse_declare_parent_namespaces(adb_SendPingResponse_t *_SendPingResponse, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_SendPingResponse_serialize(adb_SendPingResponse_t *_SendPingResponse, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_SendPingResponse_is_particle(void);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_SendPingResponse_get_property1(adb_SendPingResponse_t *_SendPingResponse, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_SENDPINGRESPONSE_H */
