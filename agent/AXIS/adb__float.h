/*
 * adb__float.h
 *
 * Binding of the nillable float element of the serialization namespace: an xs:float.
 */
#ifndef ADB__FLOAT_H
#define ADB__FLOAT_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb__float adb__float_t;

AXIS2_EXTERN adb__float_t *AXIS2_CALL
adb__float_create(const axutil_env_t *env);

AXIS2_EXTERN adb__float_t *AXIS2_CALL
adb__float_create_with_values(const axutil_env_t *env,
    float __float);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__float_free(adb__float_t *__float, const axutil_env_t *env);

AXIS2_EXTERN float AXIS2_CALL
adb__float_free_popping_value(adb__float_t *__float, const axutil_env_t *env);

/* _float */
AXIS2_EXTERN float AXIS2_CALL
adb__float_get__float(adb__float_t *__float, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__float_set__float(adb__float_t *__float, const axutil_env_t *env,
    const float arg__float);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__float_reset__float(adb__float_t *__float, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__float_is__float_nil(adb__float_t *__float, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__float_set__float_nil(adb__float_t *__float, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__float_deserialize(adb__float_t *__float, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb__float_declare_parent_namespaces(adb__float_t *__float, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb__float_serialize(adb__float_t *__float, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__float_is_particle(void);

AXIS2_EXTERN float AXIS2_CALL
adb__float_get_property1(adb__float_t *__float, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB__FLOAT_H */
