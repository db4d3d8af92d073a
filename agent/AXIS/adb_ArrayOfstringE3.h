/*
 * adb_ArrayOfstringE3.h
 *
 * Binding of the nillable ArrayOfstring element of the arrays namespace, of type ArrayOfstring.
 */
#ifndef ADB_ARRAYOFSTRINGE3_H
#define ADB_ARRAYOFSTRINGE3_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#include "adb_ArrayOfstring.h"

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_ArrayOfstringE3 adb_ArrayOfstringE3_t;

AXIS2_EXTERN adb_ArrayOfstringE3_t *AXIS2_CALL
adb_ArrayOfstringE3_create(const axutil_env_t *env);

AXIS2_EXTERN adb_ArrayOfstringE3_t *AXIS2_CALL
adb_ArrayOfstringE3_create_with_values(const axutil_env_t *env,
    adb_ArrayOfstring_t *_ArrayOfstring);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstringE3_free(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env);

AXIS2_EXTERN adb_ArrayOfstring_t *AXIS2_CALL
adb_ArrayOfstringE3_free_popping_value(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env);

/* ArrayOfstring */
AXIS2_EXTERN adb_ArrayOfstring_t *AXIS2_CALL
adb_ArrayOfstringE3_get_ArrayOfstring(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstringE3_set_ArrayOfstring(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env,
    adb_ArrayOfstring_t *arg_ArrayOfstring);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstringE3_reset_ArrayOfstring(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_ArrayOfstringE3_is_ArrayOfstring_nil(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstringE3_set_ArrayOfstring_nil(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_ArrayOfstringE3_deserialize(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_ArrayOfstringE3_declare_parent_namespaces(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_ArrayOfstringE3_serialize(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_ArrayOfstringE3_is_particle(void);

AXIS2_EXTERN adb_ArrayOfstring_t *AXIS2_CALL
adb_ArrayOfstringE3_get_property1(adb_ArrayOfstringE3_t *_ArrayOfstringE3, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_ARRAYOFSTRINGE3_H */
