/*
 * adb_unsignedLong.h
 *
 * Binding of the nillable unsignedLong element of the serialization namespace: an xs:unsignedLong.
 */
#ifndef ADB_UNSIGNEDLONG_H
#define ADB_UNSIGNEDLONG_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_unsignedLong adb_unsignedLong_t;

AXIS2_EXTERN adb_unsignedLong_t *AXIS2_CALL
adb_unsignedLong_create(const axutil_env_t *env);

AXIS2_EXTERN adb_unsignedLong_t *AXIS2_CALL
adb_unsignedLong_create_with_values(const axutil_env_t *env,
    uint64_t _unsignedLong);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedLong_free(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env);

AXIS2_EXTERN uint64_t AXIS2_CALL
adb_unsignedLong_free_popping_value(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env);

/* unsignedLong */
AXIS2_EXTERN uint64_t AXIS2_CALL
adb_unsignedLong_get_unsignedLong(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedLong_set_unsignedLong(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env,
    const uint64_t arg_unsignedLong);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedLong_reset_unsignedLong(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_unsignedLong_is_unsignedLong_nil(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedLong_set_unsignedLong_nil(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedLong_deserialize(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_unsignedLong_declare_parent_namespaces(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_unsignedLong_serialize(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_unsignedLong_is_particle(void);

AXIS2_EXTERN uint64_t AXIS2_CALL
adb_unsignedLong_get_property1(adb_unsignedLong_t *_unsignedLong, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_UNSIGNEDLONG_H */
