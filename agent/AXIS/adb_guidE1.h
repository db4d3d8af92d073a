/*
 * adb_guidE1.h
 *
 * Binding of the nillable guid element of the serialization namespace, of type guid.
 */
#ifndef ADB_GUIDE1_H
#define ADB_GUIDE1_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#include "adb_guid.h"

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_guidE1 adb_guidE1_t;

AXIS2_EXTERN adb_guidE1_t *AXIS2_CALL
adb_guidE1_create(const axutil_env_t *env);

AXIS2_EXTERN adb_guidE1_t *AXIS2_CALL
adb_guidE1_create_with_values(const axutil_env_t *env,
    adb_guid_t *_guid);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guidE1_free(adb_guidE1_t *_guidE1, const axutil_env_t *env);

AXIS2_EXTERN adb_guid_t *AXIS2_CALL
adb_guidE1_free_popping_value(adb_guidE1_t *_guidE1, const axutil_env_t *env);

/* guid */
AXIS2_EXTERN adb_guid_t *AXIS2_CALL
adb_guidE1_get_guid(adb_guidE1_t *_guidE1, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guidE1_set_guid(adb_guidE1_t *_guidE1, const axutil_env_t *env,
    adb_guid_t *arg_guid);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guidE1_reset_guid(adb_guidE1_t *_guidE1, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_guidE1_is_guid_nil(adb_guidE1_t *_guidE1, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guidE1_set_guid_nil(adb_guidE1_t *_guidE1, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_guidE1_deserialize(adb_guidE1_t *_guidE1, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_guidE1_declare_parent_namespaces(adb_guidE1_t *_guidE1, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_guidE1_serialize(adb_guidE1_t *_guidE1, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_guidE1_is_particle(void);

AXIS2_EXTERN adb_guid_t *AXIS2_CALL
adb_guidE1_get_property1(adb_guidE1_t *_guidE1, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_GUIDE1_H */
