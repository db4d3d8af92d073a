/*
 * adb_unsignedInt.h
 *
 * Binding of the nillable unsignedInt element of the serialization namespace: an xs:unsignedInt.
 */
#ifndef ADB_UNSIGNEDINT_H
#define ADB_UNSIGNEDINT_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_unsignedInt adb_unsignedInt_t;

AXIS2_EXTERN adb_unsignedInt_t *AXIS2_CALL
adb_unsignedInt_create(const axutil_env_t *env);

AXIS2_EXTERN adb_unsignedInt_t *AXIS2_CALL
adb_unsignedInt_create_with_values(const axutil_env_t *env,
    unsigned int _unsignedInt);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedInt_free(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env);

AXIS2_EXTERN unsigned int AXIS2_CALL
adb_unsignedInt_free_popping_value(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env);

/* unsignedInt */
AXIS2_EXTERN unsigned int AXIS2_CALL
adb_unsignedInt_get_unsignedInt(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedInt_set_unsignedInt(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env,
    const unsigned int arg_unsignedInt);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedInt_reset_unsignedInt(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_unsignedInt_is_unsignedInt_nil(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedInt_set_unsignedInt_nil(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedInt_deserialize(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_unsignedInt_declare_parent_namespaces(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_unsignedInt_serialize(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_unsignedInt_is_particle(void);

AXIS2_EXTERN unsigned int AXIS2_CALL
adb_unsignedInt_get_property1(adb_unsignedInt_t *_unsignedInt, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_UNSIGNEDINT_H */
