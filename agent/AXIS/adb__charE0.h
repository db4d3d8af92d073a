/*
 * adb__charE0.h
 *
 * Binding of the nillable char element of the serialization namespace, of type char.
 */
#ifndef ADB__CHARE0_H
#define ADB__CHARE0_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#include "adb__char.h"

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb__charE0 adb__charE0_t;

AXIS2_EXTERN adb__charE0_t *AXIS2_CALL
adb__charE0_create(const axutil_env_t *env);

AXIS2_EXTERN adb__charE0_t *AXIS2_CALL
adb__charE0_create_with_values(const axutil_env_t *env,
    adb__char_t *__char);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__charE0_free(adb__charE0_t *__charE0, const axutil_env_t *env);

AXIS2_EXTERN adb__char_t *AXIS2_CALL
adb__charE0_free_popping_value(adb__charE0_t *__charE0, const axutil_env_t *env);

/* _char */
AXIS2_EXTERN adb__char_t *AXIS2_CALL
adb__charE0_get__char(adb__charE0_t *__charE0, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__charE0_set__char(adb__charE0_t *__charE0, const axutil_env_t *env,
    adb__char_t *arg__char);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__charE0_reset__char(adb__charE0_t *__charE0, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__charE0_is__char_nil(adb__charE0_t *__charE0, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__charE0_set__char_nil(adb__charE0_t *__charE0, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__charE0_deserialize(adb__charE0_t *__charE0, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb__charE0_declare_parent_namespaces(adb__charE0_t *__charE0, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb__charE0_serialize(adb__charE0_t *__charE0, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__charE0_is_particle(void);

AXIS2_EXTERN adb__char_t *AXIS2_CALL
adb__charE0_get_property1(adb__charE0_t *__charE0, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB__CHARE0_H */
