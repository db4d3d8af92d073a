/*
 * adb_GetHostStatusResponse.h
 *
 * The ADB binding of the element {http://orvex.example/Ostrel}GetHostStatusResponse (one optional, nillable
 * string child, GetHostStatusResult), in the shape Axis2/C's code generator writes it.
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

adb_GetHostStatusResponse_t *AXIS2_CALL
adb_GetHostStatusResponse_create(const axutil_env_t *env);

axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_free(adb_GetHostStatusResponse_t *_GetHostStatusResponse,
                               const axutil_env_t *env);

axutil_qname_t *AXIS2_CALL
adb_GetHostStatusResponse_get_qname(adb_GetHostStatusResponse_t *_GetHostStatusResponse,
                                    const axutil_env_t *env);

/* NULL when the child is absent or nil (is_GetHostStatusResult_nil). */
axis2_char_t *AXIS2_CALL
adb_GetHostStatusResponse_get_GetHostStatusResult(
    adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env);

/* Copies `arg_GetHostStatusResult`; NULL leaves the child out. */
axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_set_GetHostStatusResult(
    adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env,
    const axis2_char_t *arg_GetHostStatusResult);

axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_reset_GetHostStatusResult(
    adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env);

axis2_bool_t AXIS2_CALL
adb_GetHostStatusResponse_is_GetHostStatusResult_nil(
    adb_GetHostStatusResponse_t *_GetHostStatusResponse, const axutil_env_t *env);

axis2_status_t AXIS2_CALL
adb_GetHostStatusResponse_deserialize(adb_GetHostStatusResponse_t *_GetHostStatusResponse,
                                      const axutil_env_t *env, axiom_node_t **dp_parent,
                                      axis2_bool_t *dp_is_early_node_valid,
                                      axis2_bool_t dont_care_minoccurs);

axiom_node_t *AXIS2_CALL
adb_GetHostStatusResponse_serialize(adb_GetHostStatusResponse_t *_GetHostStatusResponse,
                                    const axutil_env_t *env, axiom_node_t *parent,
                                    axiom_element_t *parent_element, int parent_tag_closed,
                                    axutil_hash_t *namespaces, int *next_ns_index);

#ifdef __cplusplus
}
#endif

#endif /* ADB_GETHOSTSTATUSRESPONSE_H */
