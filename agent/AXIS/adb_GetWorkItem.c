/*
 * adb_GetWorkItem.c
 */
#include "adb_GetWorkItem.h"
#include "adb_runtime.h"

static const adb_property_t adb_GetWorkItem_properties[] = {
    { "agentID", ADB_TYPE_STRING, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_GetWorkItem_type = {
    "GetWorkItem", "GetWorkItem", ADB_SERVICE_NAMESPACE, ADB_KIND_MESSAGE,
    1, adb_GetWorkItem_properties, __FILE__
};

struct adb_GetWorkItem
{
    adb_record_t record;
};

AXIS2_EXTERN adb_GetWorkItem_t *AXIS2_CALL
adb_GetWorkItem_create(const axutil_env_t *env)
{
    return (adb_GetWorkItem_t *) adb_record_create(env, &adb_GetWorkItem_type);
}

AXIS2_EXTERN adb_GetWorkItem_t *AXIS2_CALL
adb_GetWorkItem_create_with_values(const axutil_env_t *env,
    axis2_char_t *_agentID)
{
    adb_GetWorkItem_t *adb_obj = adb_GetWorkItem_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_GetWorkItem_set_agentID(adb_obj, env, _agentID) != AXIS2_SUCCESS)
    {
        adb_GetWorkItem_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItem_free(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _GetWorkItem, env);
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetWorkItem_free_popping_value(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env)
{
    return adb_record_free_popping_value((adb_record_t *) _GetWorkItem, env).text;
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetWorkItem_get_agentID(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env)
{
    return adb_record_get((adb_record_t *) _GetWorkItem, env, 0).text;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItem_set_agentID(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env,
    const axis2_char_t *arg_agentID)
{
    adb_value_t value;
    value.text = (axis2_char_t *) arg_agentID;
    return adb_record_set((adb_record_t *) _GetWorkItem, env, 0, value);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItem_reset_agentID(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _GetWorkItem, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetWorkItem_is_agentID_nil(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _GetWorkItem, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItem_set_agentID_nil(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _GetWorkItem, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetWorkItem_deserialize(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _GetWorkItem, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_GetWorkItem_declare_parent_namespaces(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    (void) _GetWorkItem;
    (void) env;
    (void) parent_element;
    (void) namespaces;
    (void) next_ns_index;
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_GetWorkItem_serialize(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _GetWorkItem, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetWorkItem_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetWorkItem_get_property1(adb_GetWorkItem_t *_GetWorkItem, const axutil_env_t *env)
{
    return adb_GetWorkItem_get_agentID(_GetWorkItem, env);
}
