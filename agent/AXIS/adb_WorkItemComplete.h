/*
 * adb_WorkItemComplete.h
 *
 * Binding of the WorkItemComplete element of ProxyAgentService (request of the WorkItemComplete operation).
 */
#ifndef ADB_WORKITEMCOMPLETE_H
#define ADB_WORKITEMCOMPLETE_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_WorkItemComplete adb_WorkItemComplete_t;

AXIS2_EXTERN adb_WorkItemComplete_t *AXIS2_CALL
adb_WorkItemComplete_create(const axutil_env_t *env);

AXIS2_EXTERN adb_WorkItemComplete_t *AXIS2_CALL
adb_WorkItemComplete_create_with_values(const axutil_env_t *env,
    axis2_char_t *_response);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_WorkItemComplete_free(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_WorkItemComplete_free_popping_value(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env);

/* response */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_WorkItemComplete_get_response(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_WorkItemComplete_set_response(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env,
    const axis2_char_t *arg_response);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_WorkItemComplete_reset_response(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_WorkItemComplete_is_response_nil(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_WorkItemComplete_set_response_nil(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_WorkItemComplete_deserialize(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_WorkItemComplete_declare_parent_namespaces(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_WorkItemComplete_serialize(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_WorkItemComplete_is_particle(void);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_WorkItemComplete_get_property1(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_WORKITEMCOMPLETE_H */
