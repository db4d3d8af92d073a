/*
 * adb_SendHostUpdate.h
 *
 * Binding of the SendHostUpdate element of ProxyAgentService (request of the SendHostUpdate operation).
 */
#ifndef ADB_SENDHOSTUPDATE_H
#define ADB_SENDHOSTUPDATE_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_SendHostUpdate adb_SendHostUpdate_t;

AXIS2_EXTERN adb_SendHostUpdate_t *AXIS2_CALL
adb_SendHostUpdate_create(const axutil_env_t *env);

AXIS2_EXTERN adb_SendHostUpdate_t *AXIS2_CALL
adb_SendHostUpdate_create_with_values(const axutil_env_t *env,
    axis2_char_t *_message);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendHostUpdate_free(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_SendHostUpdate_free_popping_value(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env);

/* message */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_SendHostUpdate_get_message(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendHostUpdate_set_message(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env,
    const axis2_char_t *arg_message);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendHostUpdate_reset_message(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_SendHostUpdate_is_message_nil(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendHostUpdate_set_message_nil(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendHostUpdate_deserialize(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_SendHostUpdate_declare_parent_namespaces(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_SendHostUpdate_serialize(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_SendHostUpdate_is_particle(void);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_SendHostUpdate_get_property1(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_SENDHOSTUPDATE_H */
