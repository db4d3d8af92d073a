/*
 * adb_durationE2.h
 *
 * Binding of the nillable duration element of the serialization namespace, of type duration.
 */
#ifndef ADB_DURATIONE2_H
#define ADB_DURATIONE2_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#include "adb_duration.h"

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_durationE2 adb_durationE2_t;

AXIS2_EXTERN adb_durationE2_t *AXIS2_CALL
adb_durationE2_create(const axutil_env_t *env);

AXIS2_EXTERN adb_durationE2_t *AXIS2_CALL
adb_durationE2_create_with_values(const axutil_env_t *env,
    adb_duration_t *_duration);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_durationE2_free(adb_durationE2_t *_durationE2, const axutil_env_t *env);

AXIS2_EXTERN adb_duration_t *AXIS2_CALL
adb_durationE2_free_popping_value(adb_durationE2_t *_durationE2, const axutil_env_t *env);

/* duration */
AXIS2_EXTERN adb_duration_t *AXIS2_CALL
adb_durationE2_get_duration(adb_durationE2_t *_durationE2, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_durationE2_set_duration(adb_durationE2_t *_durationE2, const axutil_env_t *env,
    adb_duration_t *arg_duration);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_durationE2_reset_duration(adb_durationE2_t *_durationE2, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_durationE2_is_duration_nil(adb_durationE2_t *_durationE2, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_durationE2_set_duration_nil(adb_durationE2_t *_durationE2, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_durationE2_deserialize(adb_durationE2_t *_durationE2, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_durationE2_declare_parent_namespaces(adb_durationE2_t *_durationE2, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_durationE2_serialize(adb_durationE2_t *_durationE2, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_durationE2_is_particle(void);

AXIS2_EXTERN adb_duration_t *AXIS2_CALL
adb_durationE2_get_property1(adb_durationE2_t *_durationE2, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_DURATIONE2_H */
