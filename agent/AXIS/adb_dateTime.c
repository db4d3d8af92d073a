/*
 * adb_dateTime.c
 */
#include "adb_dateTime.h"
#include "adb_runtime.h"

static const adb_property_t adb_dateTime_properties[] = {
    { "dateTime", ADB_TYPE_DATE_TIME, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_dateTime_type = {
    "dateTime", "dateTime", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_dateTime_properties, __FILE__
};

struct adb_dateTime
{
    adb_record_t record;
};

AXIS2_EXTERN adb_dateTime_t *AXIS2_CALL
adb_dateTime_create(const axutil_env_t *env)
{
    return (adb_dateTime_t *) adb_record_create(env, &adb_dateTime_type);
}

AXIS2_EXTERN adb_dateTime_t *AXIS2_CALL
adb_dateTime_create_with_values(const axutil_env_t *env,
    axutil_date_time_t *_dateTime)
{
    adb_dateTime_t *adb_obj = adb_dateTime_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_dateTime_set_dateTime(adb_obj, env, _dateTime) != AXIS2_SUCCESS)
    {
        adb_dateTime_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_dateTime_free(adb_dateTime_t *_dateTime, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _dateTime, env);
}

AXIS2_EXTERN axutil_date_time_t *AXIS2_CALL
adb_dateTime_free_popping_value(adb_dateTime_t *_dateTime, const axutil_env_t *env)
{
    return (axutil_date_time_t *) adb_record_free_popping_value((adb_record_t *) _dateTime, env).object;
}

/* dateTime */
AXIS2_EXTERN axutil_date_time_t *AXIS2_CALL
adb_dateTime_get_dateTime(adb_dateTime_t *_dateTime, const axutil_env_t *env)
{
    return (axutil_date_time_t *) adb_record_get((adb_record_t *) _dateTime, env, 0).object;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_dateTime_set_dateTime(adb_dateTime_t *_dateTime, const axutil_env_t *env,
    axutil_date_time_t *arg_dateTime)
{
    return adb_record_set_object((adb_record_t *) _dateTime, env, 0, arg_dateTime);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_dateTime_reset_dateTime(adb_dateTime_t *_dateTime, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _dateTime, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_dateTime_is_dateTime_nil(adb_dateTime_t *_dateTime, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _dateTime, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_dateTime_set_dateTime_nil(adb_dateTime_t *_dateTime, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _dateTime, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_dateTime_deserialize(adb_dateTime_t *_dateTime, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _dateTime, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_dateTime_declare_parent_namespaces(adb_dateTime_t *_dateTime, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _dateTime, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_dateTime_serialize(adb_dateTime_t *_dateTime, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _dateTime, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_dateTime_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axutil_date_time_t *AXIS2_CALL
adb_dateTime_get_property1(adb_dateTime_t *_dateTime, const axutil_env_t *env)
{
    return adb_dateTime_get_dateTime(_dateTime, env);
}
