/*
 * adb_GetHostStatusResponse.h
 *
 * Binding of the GetHostStatusResponse element of ProxyAgentService (response of the GetHostStatus operation).
 */
#ifndef ADB_GETHOSTSTATUSRESPONSE_H
#define ADB_GETHOSTSTATUSRESPONSE_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_GetHostStatusResponse adb_GetHostStatusResponse_t;

AXIS2_EXTERN adb_GetHostStatusResponse_t *AXIS2_CALL
adb_GetHostStatusResponse_create(const axutil_env_t *env);

AXIS2_EXTERN adb_GetHostStatusResponse_t *AXIS2_CALL
adb_GetHostStatusResponse_create_with_values(const axutil_env_t *env,
    axis2_char_t *_GetHostStatusResult);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_free(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostStatusResponse_free_popping_value(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env);

/* GetHostStatusResult */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostStatusResponse_get_GetHostStatusResult(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_set_GetHostStatusResult(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env,
    const axis2_char_t *arg_GetHostStatusResult);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_reset_GetHostStatusResult(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetHostStatusResponse_is_GetHostStatusResult_nil(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_set_GetHostStatusResult_nil(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_deserialize(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_GetHostStatusResponse_declare_parent_namespaces(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_GetHostStatusResponse_serialize(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetHostStatusResponse_is_particle(void);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostStatusResponse_get_property1(adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_GETHOSTSTATUSRESPONSE_H */
