/*
 * adb__char.h
 *
 * Binding of the char simple type of the serialization namespace: a character as its
 * integer code, written as the content of the element that has this type. It is never nil.
 */
#ifndef ADB__CHAR_H
#define ADB__CHAR_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb__char adb__char_t;

AXIS2_EXTERN adb__char_t *AXIS2_CALL
adb__char_create(const axutil_env_t *env);

AXIS2_EXTERN adb__char_t *AXIS2_CALL
adb__char_create_with_values(const axutil_env_t *env,
    int __char);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__char_free(adb__char_t *__char, const axutil_env_t *env);

AXIS2_EXTERN int AXIS2_CALL
adb__char_free_popping_value(adb__char_t *__char, const axutil_env_t *env);

/* _char */
AXIS2_EXTERN int AXIS2_CALL
adb__char_get__char(adb__char_t *__char, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__char_set__char(adb__char_t *__char, const axutil_env_t *env,
    const int arg__char);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__char_reset__char(adb__char_t *__char, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__char_is__char_nil(adb__char_t *__char, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__char_set__char_nil(adb__char_t *__char, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__char_deserialize(adb__char_t *__char, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb__char_declare_parent_namespaces(adb__char_t *__char, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb__char_serialize(adb__char_t *__char, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb__char_serialize_to_string(adb__char_t *__char, const axutil_env_t *env, axutil_hash_t *namespaces);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb__char_deserialize_from_string(adb__char_t *__char, const axutil_env_t *env,
    const axis2_char_t *node_value, axiom_node_t *parent);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb__char_is_particle(void);

AXIS2_EXTERN int AXIS2_CALL
adb__char_get_property1(adb__char_t *__char, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB__CHAR_H */
