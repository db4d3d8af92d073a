/*
 * adb_GetWorkItem.h
 *
 * The ADB binding of the element {http://orvex.example/Ostrel}GetWorkItem (one optional, nillable
 * string child, agentID), in the shape Axis2/C's code generator writes it.
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

adb_GetWorkItem_t *AXIS2_CALL
adb_GetWorkItem_create(const axutil_env_t *env);

axis2_status_t AXIS2_CALL
adb_GetWorkItem_free(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env);

axutil_qname_t *AXIS2_CALL
adb_GetWorkItem_get_qname(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env);

/* NULL when the child is absent or nil (is_agentID_nil). */
axis2_char_t *AXIS2_CALL
adb_GetWorkItem_get_agentID(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env);

/* Copies `arg_agentID`; NULL leaves the child out. */
axis2_status_t AXIS2_CALL
adb_GetWorkItem_set_agentID(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env,
                            const axis2_char_t *arg_agentID);

axis2_status_t AXIS2_CALL
adb_GetWorkItem_reset_agentID(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env);

axis2_bool_t AXIS2_CALL
adb_GetWorkItem_is_agentID_nil(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env);

axis2_status_t AXIS2_CALL
adb_GetWorkItem_deserialize(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env,
                            axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid,
                            axis2_bool_t dont_care_minoccurs);

axiom_node_t *AXIS2_CALL
adb_GetWorkItem_serialize(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env,
                          axiom_node_t *parent, axiom_element_t *parent_element,
                          int parent_tag_closed, axutil_hash_t *namespaces, int *next_ns_index);

#ifdef __cplusplus
}
#endif

#endif /* ADB_GETWORKITEM_H */
