/*
 * adb_GetHostStatus.h
 *
 * Binding of the GetHostStatus element of ProxyAgentService (request of the GetHostStatus operation).
 */
#ifndef ADB_GETHOSTSTATUS_H
#define ADB_GETHOSTSTATUS_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_GetHostStatus adb_GetHostStatus_t;

AXIS2_EXTERN adb_GetHostStatus_t *AXIS2_CALL
adb_GetHostStatus_create(const axutil_env_t *env);

AXIS2_EXTERN adb_GetHostStatus_t *AXIS2_CALL
adb_GetHostStatus_create_with_values(const axutil_env_t *env,
    axis2_char_t *_hostName);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatus_free(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostStatus_free_popping_value(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env);

/* hostName */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostStatus_get_hostName(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatus_set_hostName(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env,
    const axis2_char_t *arg_hostName);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatus_reset_hostName(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetHostStatus_is_hostName_nil(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatus_set_hostName_nil(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatus_deserialize(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_GetHostStatus_declare_parent_namespaces(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_GetHostStatus_serialize(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetHostStatus_is_particle(void);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostStatus_get_property1(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_GETHOSTSTATUS_H */
