/*
 * adb_dateTime.h
 *
 * Binding of the nillable dateTime element of the serialization namespace: an xs:dateTime as a date-time object.
 */
#ifndef ADB_DATETIME_H
#define ADB_DATETIME_H

#include <stdio.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct adb_dateTime adb_dateTime_t;

AXIS2_EXTERN adb_dateTime_t *AXIS2_CALL
adb_dateTime_create(const axutil_env_t *env);

AXIS2_EXTERN adb_dateTime_t *AXIS2_CALL
adb_dateTime_create_with_values(const axutil_env_t *env,
    axutil_date_time_t *_dateTime);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_dateTime_free(adb_dateTime_t *_dateTime, const axutil_env_t *env);

AXIS2_EXTERN axutil_date_time_t *AXIS2_CALL
adb_dateTime_free_popping_value(adb_dateTime_t *_dateTime, const axutil_env_t *env);

/* dateTime */
AXIS2_EXTERN axutil_date_time_t *AXIS2_CALL
adb_dateTime_get_dateTime(adb_dateTime_t *_dateTime, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_dateTime_set_dateTime(adb_dateTime_t *_dateTime, const axutil_env_t *env,
    axutil_date_time_t *arg_dateTime);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_dateTime_reset_dateTime(adb_dateTime_t *_dateTime, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_dateTime_is_dateTime_nil(adb_dateTime_t *_dateTime, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_dateTime_set_dateTime_nil(adb_dateTime_t *_dateTime, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_dateTime_deserialize(adb_dateTime_t *_dateTime, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

AXIS2_EXTERN void AXIS2_CALL
adb_dateTime_declare_parent_namespaces(adb_dateTime_t *_dateTime, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_dateTime_serialize(adb_dateTime_t *_dateTime, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_dateTime_is_particle(void);

AXIS2_EXTERN axutil_date_time_t *AXIS2_CALL
adb_dateTime_get_property1(adb_dateTime_t *_dateTime, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* ADB_DATETIME_H */
