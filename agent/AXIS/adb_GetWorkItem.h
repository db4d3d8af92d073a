/*
 * adb_GetWorkItem.h
 *
 * Binding of the GetWorkItem element of ProxyAgentService (request of the GetWorkItem operation).
 */
#ifndef ADB_GETWORKITEM_H
#define ADB_GETWORKITEM_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_GetWorkItem adb_GetWorkItem_t;

AXIS2_EXTERN adb_GetWorkItem_t *AXIS2_CALL
adb_GetWorkItem_create(const axutil_env_t *env);

AXIS2_EXTERN adb_GetWorkItem_t *AXIS2_CALL
adb_GetWorkItem_create_with_values(const axutil_env_t *env,
    axis2_char_t *_agentID);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItem_free(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetWorkItem_free_popping_value(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env);

/* agentID */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetWorkItem_get_agentID(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItem_set_agentID(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env,
    const axis2_char_t *arg_agentID);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItem_reset_agentID(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetWorkItem_is_agentID_nil(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItem_set_agentID_nil(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItem_deserialize(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_GetWorkItem_declare_parent_namespaces(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_GetWorkItem_serialize(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetWorkItem_is_particle(void);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetWorkItem_get_property1(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_GETWORKITEM_H */
