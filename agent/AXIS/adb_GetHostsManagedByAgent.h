/*
 * adb_GetHostsManagedByAgent.h
 *
 * Binding of the GetHostsManagedByAgent element of ProxyAgentService (request of the GetHostsManagedByAgent operation).
 */
#ifndef ADB_GETHOSTSMANAGEDBYAGENT_H
#define ADB_GETHOSTSMANAGEDBYAGENT_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_GetHostsManagedByAgent adb_GetHostsManagedByAgent_t;

AXIS2_EXTERN adb_GetHostsManagedByAgent_t *AXIS2_CALL
adb_GetHostsManagedByAgent_create(const axutil_env_t *env);

AXIS2_EXTERN adb_GetHostsManagedByAgent_t *AXIS2_CALL
adb_GetHostsManagedByAgent_create_with_values(const axutil_env_t *env,
    axis2_char_t *_proxyAgentId);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgent_free(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostsManagedByAgent_free_popping_value(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env);

/* proxyAgentId */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostsManagedByAgent_get_proxyAgentId(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgent_set_proxyAgentId(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env,
    const axis2_char_t *arg_proxyAgentId);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgent_reset_proxyAgentId(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetHostsManagedByAgent_is_proxyAgentId_nil(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgent_set_proxyAgentId_nil(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgent_deserialize(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_GetHostsManagedByAgent_declare_parent_namespaces(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_GetHostsManagedByAgent_serialize(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetHostsManagedByAgent_is_particle(void);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostsManagedByAgent_get_property1(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_GETHOSTSMANAGEDBYAGENT_H */
