/*
 * adb_GetWorkItemResponse.h
 *
 * Binding of the GetWorkItemResponse element of ProxyAgentService (response of the GetWorkItem operation).
 */
#ifndef ADB_GETWORKITEMRESPONSE_H
#define ADB_GETWORKITEMRESPONSE_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_GetWorkItemResponse adb_GetWorkItemResponse_t;

AXIS2_EXTERN adb_GetWorkItemResponse_t *AXIS2_CALL
adb_GetWorkItemResponse_create(const axutil_env_t *env);

AXIS2_EXTERN adb_GetWorkItemResponse_t *AXIS2_CALL
adb_GetWorkItemResponse_create_with_values(const axutil_env_t *env,
    axis2_char_t *_GetWorkItemResult);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_free(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetWorkItemResponse_free_popping_value(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env);

/* GetWorkItemResult */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetWorkItemResponse_get_GetWorkItemResult(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_set_GetWorkItemResult(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env,
    const axis2_char_t *arg_GetWorkItemResult);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_reset_GetWorkItemResult(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetWorkItemResponse_is_GetWorkItemResult_nil(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_set_GetWorkItemResult_nil(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_deserialize(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_GetWorkItemResponse_declare_parent_namespaces(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_GetWorkItemResponse_serialize(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetWorkItemResponse_is_particle(void);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetWorkItemResponse_get_property1(adb_GetWorkItemResponse_t *_GetWorkItemResponse, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_GETWORKITEMRESPONSE_H */
