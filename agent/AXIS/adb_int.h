/*
 * adb_int.h
 *
 * Binding of the nillable int element of the serialization namespace: an xs:int.
 */
#ifndef ADB_INT_H
#define ADB_INT_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_int adb_int_t;

AXIS2_EXTERN adb_int_t *AXIS2_CALL
adb_int_create(const axutil_env_t *env);

AXIS2_EXTERN adb_int_t *AXIS2_CALL
adb_int_create_with_values(const axutil_env_t *env,
    int _int);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_int_free(adb_int_t *_int, const axutil_env_t *env);

AXIS2_EXTERN int AXIS2_CALL
adb_int_free_popping_value(adb_int_t *_int, const axutil_env_t *env);

/* int */
AXIS2_EXTERN int AXIS2_CALL
adb_int_get_int(adb_int_t *_int, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_int_set_int(adb_int_t *_int, const axutil_env_t *env,
    const int arg_int);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_int_reset_int(adb_int_t *_int, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_int_is_int_nil(adb_int_t *_int, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_int_set_int_nil(adb_int_t *_int, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_int_deserialize(adb_int_t *_int, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_int_declare_parent_namespaces(adb_int_t *_int, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_int_serialize(adb_int_t *_int, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_int_is_particle(void);

AXIS2_EXTERN int AXIS2_CALL
adb_int_get_property1(adb_int_t *_int, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_INT_H */
