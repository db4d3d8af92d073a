/*
 * adb_WorkItemCompleteResponse.h
 *
 * Binding of the WorkItemCompleteResponse element of ProxyAgentService (response of the WorkItemComplete operation).
 */
#ifndef ADB_WORKITEMCOMPLETERESPONSE_H
#define ADB_WORKITEMCOMPLETERESPONSE_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_WorkItemCompleteResponse adb_WorkItemCompleteResponse_t;

AXIS2_EXTERN adb_WorkItemCompleteResponse_t *AXIS2_CALL
adb_WorkItemCompleteResponse_create(const axutil_env_t *env);

AXIS2_EXTERN adb_WorkItemCompleteResponse_t *AXIS2_CALL
adb_WorkItemCompleteResponse_create_with_values(const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_WorkItemCompleteResponse_free(adb_WorkItemCompleteResponse_t *_WorkItemCompleteResponse, const axutil_env_t *env);

AXIS2_EXTERN void *AXIS2_CALL
adb_WorkItemCompleteResponse_free_popping_value(adb_WorkItemCompleteResponse_t *_WorkItemCompleteResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_WorkItemCompleteResponse_deserialize(adb_WorkItemCompleteResponse_t *_WorkItemCompleteResponse, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_WorkItemCompleteResponse_declare_parent_namespaces(adb_WorkItemCompleteResponse_t *_WorkItemCompleteResponse, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_WorkItemCompleteResponse_serialize(adb_WorkItemCompleteResponse_t *_WorkItemCompleteResponse, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_WorkItemCompleteResponse_is_particle(void);

#ifdef __cplusplus
}
#endif

#endif /* ADB_WORKITEMCOMPLETERESPONSE_H */
