/*
 * adb_GetHostsManagedByAgentResponse.h
 *
 * Binding of the GetHostsManagedByAgentResponse element of ProxyAgentService (response of the GetHostsManagedByAgent operation).
 * The result is the list of host names, an ArrayOfstring.
 */
#ifndef ADB_GETHOSTSMANAGEDBYAGENTRESPONSE_H
#define ADB_GETHOSTSMANAGEDBYAGENTRESPONSE_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#include "adb_ArrayOfstring.h"

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_GetHostsManagedByAgentResponse adb_GetHostsManagedByAgentResponse_t;

AXIS2_EXTERN adb_GetHostsManagedByAgentResponse_t *AXIS2_CALL
adb_GetHostsManagedByAgentResponse_create(const axutil_env_t *env);

AXIS2_EXTERN adb_GetHostsManagedByAgentResponse_t *AXIS2_CALL
adb_GetHostsManagedByAgentResponse_create_with_values(const axutil_env_t *env,
    adb_ArrayOfstring_t *_GetHostsManagedByAgentResult);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgentResponse_free(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env);

AXIS2_EXTERN adb_ArrayOfstring_t *AXIS2_CALL
adb_GetHostsManagedByAgentResponse_free_popping_value(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env);

/* GetHostsManagedByAgentResult */
AXIS2_EXTERN adb_ArrayOfstring_t *AXIS2_CALL
adb_GetHostsManagedByAgentResponse_get_GetHostsManagedByAgentResult(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgentResponse_set_GetHostsManagedByAgentResult(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env,
    adb_ArrayOfstring_t *arg_GetHostsManagedByAgentResult);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgentResponse_reset_GetHostsManagedByAgentResult(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetHostsManagedByAgentResponse_is_GetHostsManagedByAgentResult_nil(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgentResponse_set_GetHostsManagedByAgentResult_nil(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgentResponse_deserialize(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_GetHostsManagedByAgentResponse_declare_parent_namespaces(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_GetHostsManagedByAgentResponse_serialize(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetHostsManagedByAgentResponse_is_particle(void);

AXIS2_EXTERN adb_ArrayOfstring_t *AXIS2_CALL
adb_GetHostsManagedByAgentResponse_get_property1(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_GETHOSTSMANAGEDBYAGENTRESPONSE_H */
