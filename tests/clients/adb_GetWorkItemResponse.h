/*
 * adb_GetWorkItemResponse.h
 *
 * The ADB binding of the element {http://orvex.example/Ostrel}GetWorkItemResponse (one optional, nillable
 * string child, GetWorkItemResult), in the shape Axis2/C's code generator writes it.
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

adb_GetWorkItemResponse_t *AXIS2_CALL
adb_GetWorkItemResponse_create(const axutil_env_t *env);

axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_free(adb_GetWorkItemResponse_t *_GetWorkItemResponse,
                             const axutil_env_t *env);

axutil_qname_t *AXIS2_CALL
adb_GetWorkItemResponse_get_qname(adb_GetWorkItemResponse_t *_GetWorkItemResponse,
                                  const axutil_env_t *env);

/* NULL when the child is absent or nil (is_GetWorkItemResult_nil). */
axis2_char_t *AXIS2_CALL
adb_GetWorkItemResponse_get_GetWorkItemResult(adb_GetWorkItemResponse_t *_GetWorkItemResponse,
                                              const axutil_env_t *env);

/* Copies `arg_GetWorkItemResult`; NULL leaves the child out. */
axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_set_GetWorkItemResult(adb_GetWorkItemResponse_t *_GetWorkItemResponse,
                                              const axutil_env_t *env,
                                              const axis2_char_t *arg_GetWorkItemResult);

axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_reset_GetWorkItemResult(adb_GetWorkItemResponse_t *_GetWorkItemResponse,
                                                const axutil_env_t *env);

axis2_bool_t AXIS2_CALL
adb_GetWorkItemResponse_is_GetWorkItemResult_nil(adb_GetWorkItemResponse_t *_GetWorkItemResponse,
                                                 const axutil_env_t *env);

axis2_status_t AXIS2_CALL
adb_GetWorkItemResponse_deserialize(adb_GetWorkItemResponse_t *_GetWorkItemResponse,
                                    const axutil_env_t *env, axiom_node_t **dp_parent,
                                    axis2_bool_t *dp_is_early_node_valid,
                                    axis2_bool_t dont_care_minoccurs);

axiom_node_t *AXIS2_CALL
adb_GetWorkItemResponse_serialize(adb_GetWorkItemResponse_t *_GetWorkItemResponse,
                                  const axutil_env_t *env, axiom_node_t *parent,
                                  axiom_element_t *parent_element, int parent_tag_closed,
                                  axutil_hash_t *namespaces, int *next_ns_index);

#ifdef __cplusplus
}
#endif

#endif /* ADB_GETWORKITEMRESPONSE_H */
