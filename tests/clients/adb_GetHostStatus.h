/*
 * adb_GetHostStatus.h
 *
 * The ADB binding of the element {http://orvex.example/Ostrel}GetHostStatus (one optional, nillable
 * string child, hostName), in the shape Axis2/C's code generator writes it.
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

adb_GetHostStatus_t *AXIS2_CALL
adb_GetHostStatus_create(const axutil_env_t *env);

axis2_status_t AXIS2_CALL
adb_GetHostStatus_free(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env);

axutil_qname_t *AXIS2_CALL
adb_GetHostStatus_get_qname(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env);

/* NULL when the child is absent or nil (is_hostName_nil). */
axis2_char_t *AXIS2_CALL
adb_GetHostStatus_get_hostName(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env);

/* Copies `arg_hostName`; NULL leaves the child out. */
axis2_status_t AXIS2_CALL
adb_GetHostStatus_set_hostName(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env,
                               const axis2_char_t *arg_hostName);

axis2_status_t AXIS2_CALL
adb_GetHostStatus_reset_hostName(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env);

axis2_bool_t AXIS2_CALL
adb_GetHostStatus_is_hostName_nil(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env);

axis2_status_t AXIS2_CALL
adb_GetHostStatus_deserialize(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env,
                              axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid,
                              axis2_bool_t dont_care_minoccurs);

axiom_node_t *AXIS2_CALL
adb_GetHostStatus_serialize(adb_GetHostStatus_t *_GetHostStatus, const axutil_env_t *env,
                            axiom_node_t *parent, axiom_element_t *parent_element,
                            int parent_tag_closed, axutil_hash_t *namespaces, int *next_ns_index);

#ifdef __cplusplus
}
#endif

#endif /* ADB_GETHOSTSTATUS_H */
