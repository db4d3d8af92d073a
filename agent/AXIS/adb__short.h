/*
 * adb__short.h
 *
 * Binding of the nillable short element of the serialization namespace: an xs:short.
 */
#ifndef ADB__SHORT_H
#define ADB__SHORT_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb__short adb__short_t;

AXIS2_EXTERN adb__short_t *AXIS2_CALL
adb__short_create(const axutil_env_t *env);

AXIS2_EXTERN adb__short_t *AXIS2_CALL
adb__short_create_with_values(const axutil_env_t *env,
    short __short);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__short_free(adb__short_t *__short, const axutil_env_t *env);

AXIS2_EXTERN short AXIS2_CALL
adb__short_free_popping_value(adb__short_t *__short, const axutil_env_t *env);

/* _short */
AXIS2_EXTERN short AXIS2_CALL
adb__short_get__short(adb__short_t *__short, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__short_set__short(adb__short_t *__short, const axutil_env_t *env,
    const short arg__short);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__short_reset__short(adb__short_t *__short, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__short_is__short_nil(adb__short_t *__short, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__short_set__short_nil(adb__short_t *__short, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__short_deserialize(adb__short_t *__short, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb__short_declare_parent_namespaces(adb__short_t *__short, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb__short_serialize(adb__short_t *__short, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__short_is_particle(void);

AXIS2_EXTERN short AXIS2_CALL
adb__short_get_property1(adb__short_t *__short, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB__SHORT_H */
