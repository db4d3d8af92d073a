/*
 * adb__double.h
 *
 * Binding of the nillable double element of the serialization namespace: an xs:double.
 */
#ifndef ADB__DOUBLE_H
#define ADB__DOUBLE_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb__double adb__double_t;

AXIS2_EXTERN adb__double_t *AXIS2_CALL
adb__double_create(const axutil_env_t *env);

AXIS2_EXTERN adb__double_t *AXIS2_CALL
adb__double_create_with_values(const axutil_env_t *env,
    double __double);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__double_free(adb__double_t *__double, const axutil_env_t *env);

AXIS2_EXTERN double AXIS2_CALL
adb__double_free_popping_value(adb__double_t *__double, const axutil_env_t *env);

/* _double */
AXIS2_EXTERN double AXIS2_CALL
adb__double_get__double(adb__double_t *__double, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__double_set__double(adb__double_t *__double, const axutil_env_t *env,
    const double arg__double);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__double_reset__double(adb__double_t *__double, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__double_is__double_nil(adb__double_t *__double, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__double_set__double_nil(adb__double_t *__double, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__double_deserialize(adb__double_t *__double, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb__double_declare_parent_namespaces(adb__double_t *__double, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb__double_serialize(adb__double_t *__double, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__double_is_particle(void);

AXIS2_EXTERN double AXIS2_CALL
adb__double_get_property1(adb__double_t *__double, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB__DOUBLE_H */
