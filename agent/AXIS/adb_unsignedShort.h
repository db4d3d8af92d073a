/*
 * adb_unsignedShort.h
 *
 * Binding of the nillable unsignedShort element of the serialization namespace: an xs:unsignedShort.
 */
#ifndef ADB_UNSIGNEDSHORT_H
#define ADB_UNSIGNEDSHORT_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_unsignedShort adb_unsignedShort_t;

AXIS2_EXTERN adb_unsignedShort_t *AXIS2_CALL
adb_unsignedShort_create(const axutil_env_t *env);

AXIS2_EXTERN adb_unsignedShort_t *AXIS2_CALL
adb_unsignedShort_create_with_values(const axutil_env_t *env,
    unsigned short _unsignedShort);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedShort_free(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env);

AXIS2_EXTERN unsigned short AXIS2_CALL
adb_unsignedShort_free_popping_value(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env);

/* unsignedShort */
AXIS2_EXTERN unsigned short AXIS2_CALL
adb_unsignedShort_get_unsignedShort(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedShort_set_unsignedShort(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env,
    const unsigned short arg_unsignedShort);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedShort_reset_unsignedShort(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_unsignedShort_is_unsignedShort_nil(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedShort_set_unsignedShort_nil(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_unsignedShort_deserialize(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_unsignedShort_declare_parent_namespaces(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_unsignedShort_serialize(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_unsignedShort_is_particle(void);

AXIS2_EXTERN unsigned short AXIS2_CALL
adb_unsignedShort_get_property1(adb_unsignedShort_t *_unsignedShort, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_UNSIGNEDSHORT_H */
