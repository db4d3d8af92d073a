/*
 * adb_WorkItemComplete.c
 */
#include "adb_WorkItemComplete.h"
#include "adb_runtime.h"

static const adb_property_t adb_WorkItemComplete_properties[] = {
    { "response", ADB_TYPE_STRING, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_WorkItemComplete_type = {
    "WorkItemComplete", "WorkItemComplete", ADB_SERVICE_NAMESPACE, ADB_KIND_MESSAGE,
    1, adb_WorkItemComplete_properties, __FILE__
};

struct adb_WorkItemComplete
{
    adb_record_t record;
};

AXIS2_EXTERN adb_WorkItemComplete_t *AXIS2_CALL
adb_WorkItemComplete_create(const axutil_env_t *env)
{
    return (adb_WorkItemComplete_t *) adb_record_create(env, &adb_WorkItemComplete_type);
}

AXIS2_EXTERN adb_WorkItemComplete_t *AXIS2_CALL
adb_WorkItemComplete_create_with_values(const axutil_env_t *env,
    axis2_char_t *_response)
{
    adb_WorkItemComplete_t *adb_obj = adb_WorkItemComplete_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_WorkItemComplete_set_response(adb_obj, env, _response) != AXIS2_SUCCESS)
    {
        adb_WorkItemComplete_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_WorkItemComplete_free(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _WorkItemComplete, env);
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_WorkItemComplete_free_popping_value(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env)
{
    return adb_record_free_popping_value((adb_record_t *) _WorkItemComplete, env).text;
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_WorkItemComplete_get_response(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env)
{
    return adb_record_get((adb_record_t *) _WorkItemComplete, env, 0).text;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_WorkItemComplete_set_response(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env,
    const axis2_char_t *arg_response)
{
    adb_value_t value;
    value.text = (axis2_char_t *) arg_response;
    return adb_record_set((adb_record_t *) _WorkItemComplete, env, 0, value);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_WorkItemComplete_reset_response(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _WorkItemComplete, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_WorkItemComplete_is_response_nil(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _WorkItemComplete, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_WorkItemComplete_set_response_nil(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _WorkItemComplete, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_WorkItemComplete_deserialize(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _WorkItemComplete, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_WorkItemComplete_declare_parent_namespaces(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    (void) _WorkItemComplete;
    (void) env;
    (void) parent_element;
    (void) namespaces;
    (void) next_ns_index;
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_WorkItemComplete_serialize(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _WorkItemComplete, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_WorkItemComplete_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_WorkItemComplete_get_property1(adb_WorkItemComplete_t *_WorkItemComplete, const axutil_env_t *env)
{
    return adb_WorkItemComplete_get_response(_WorkItemComplete, env);
}
