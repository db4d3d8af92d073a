/*
 * adb_decimal.h
 *
 * Binding of the nillable decimal element of the serialization namespace: an xs:decimal, held as a double.
 */
#ifndef ADB_DECIMAL_H
#define ADB_DECIMAL_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_decimal adb_decimal_t;

AXIS2_EXTERN adb_decimal_t *AXIS2_CALL
adb_decimal_create(const axutil_env_t *env);

AXIS2_EXTERN adb_decimal_t *AXIS2_CALL
adb_decimal_create_with_values(const axutil_env_t *env,
    double _decimal);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_decimal_free(adb_decimal_t *_decimal, const axutil_env_t *env);

AXIS2_EXTERN double AXIS2_CALL
adb_decimal_free_popping_value(adb_decimal_t *_decimal, const axutil_env_t *env);

/* decimal */
AXIS2_EXTERN double AXIS2_CALL
adb_decimal_get_decimal(adb_decimal_t *_decimal, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_decimal_set_decimal(adb_decimal_t *_decimal, const axutil_env_t *env,
    const double arg_decimal);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_decimal_reset_decimal(adb_decimal_t *_decimal, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_decimal_is_decimal_nil(adb_decimal_t *_decimal, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_decimal_set_decimal_nil(adb_decimal_t *_decimal, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_decimal_deserialize(adb_decimal_t *_decimal, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_decimal_declare_parent_namespaces(adb_decimal_t *_decimal, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_decimal_serialize(adb_decimal_t *_decimal, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_decimal_is_particle(void);

AXIS2_EXTERN double AXIS2_CALL
adb_decimal_get_property1(adb_decimal_t *_decimal, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_DECIMAL_H */
