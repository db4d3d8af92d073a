/*
 * adb_long.h
 *
 * Binding of the nillable long element of the serialization namespace: an xs:long.
 */
#ifndef ADB_LONG_H
#define ADB_LONG_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_long adb_long_t;

AXIS2_EXTERN adb_long_t *AXIS2_CALL
adb_long_create(const axutil_env_t *env);

AXIS2_EXTERN adb_long_t *AXIS2_CALL
adb_long_create_with_values(const axutil_env_t *env,
    int64_t _long);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_long_free(adb_long_t *_long, const axutil_env_t *env);

AXIS2_EXTERN int64_t AXIS2_CALL
adb_long_free_popping_value(adb_long_t *_long, const axutil_env_t *env);

/* long */
AXIS2_EXTERN int64_t AXIS2_CALL
adb_long_get_long(adb_long_t *_long, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_long_set_long(adb_long_t *_long, const axutil_env_t *env,
    const int64_t arg_long);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_long_reset_long(adb_long_t *_long, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_long_is_long_nil(adb_long_t *_long, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_long_set_long_nil(adb_long_t *_long, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_long_deserialize(adb_long_t *_long, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_long_declare_parent_namespaces(adb_long_t *_long, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_long_serialize(adb_long_t *_long, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_long_is_particle(void);

AXIS2_EXTERN int64_t AXIS2_CALL
adb_long_get_property1(adb_long_t *_long, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_LONG_H */
