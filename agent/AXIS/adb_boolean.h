/*
 * adb_boolean.h
 *
 * Binding of the nillable boolean element of the serialization namespace: an xs:boolean.
 */
#ifndef ADB_BOOLEAN_H
#define ADB_BOOLEAN_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_boolean adb_boolean_t;

AXIS2_EXTERN adb_boolean_t *AXIS2_CALL
adb_boolean_create(const axutil_env_t *env);

AXIS2_EXTERN adb_boolean_t *AXIS2_CALL
adb_boolean_create_with_values(const axutil_env_t *env,
    axis2_bool_t _boolean);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_boolean_free(adb_boolean_t *_boolean, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_boolean_free_popping_value(adb_boolean_t *_boolean, const axutil_env_t *env);

/* boolean */
AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_boolean_get_boolean(adb_boolean_t *_boolean, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_boolean_set_boolean(adb_boolean_t *_boolean, const axutil_env_t *env,
    axis2_bool_t arg_boolean);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_boolean_reset_boolean(adb_boolean_t *_boolean, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_boolean_is_boolean_nil(adb_boolean_t *_boolean, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_boolean_set_boolean_nil(adb_boolean_t *_boolean, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_boolean_deserialize(adb_boolean_t *_boolean, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_boolean_declare_parent_namespaces(adb_boolean_t *_boolean, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_boolean_serialize(adb_boolean_t *_boolean, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_boolean_is_particle(void);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_boolean_get_property1(adb_boolean_t *_boolean, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_BOOLEAN_H */
