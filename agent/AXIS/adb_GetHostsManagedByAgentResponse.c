/*
 * adb_GetHostsManagedByAgentResponse.c
 */
#include "adb_GetHostsManagedByAgentResponse.h"
#include "adb_runtime.h"

static adb_record_t *
adb_GetHostsManagedByAgentResponse_create_GetHostsManagedByAgentResult(const axutil_env_t *env)
{
    return (adb_record_t *) adb_ArrayOfstring_create(env);
}

static const adb_property_t adb_GetHostsManagedByAgentResponse_properties[] = {
    { "GetHostsManagedByAgentResult", ADB_TYPE_BINDING, adb_GetHostsManagedByAgentResponse_create_GetHostsManagedByAgentResult, AXIS2_TRUE },
};

static const adb_type_t adb_GetHostsManagedByAgentResponse_type = {
    "GetHostsManagedByAgentResponse", "GetHostsManagedByAgentResponse", ADB_SERVICE_NAMESPACE, ADB_KIND_MESSAGE,
    1, adb_GetHostsManagedByAgentResponse_properties, __FILE__
};

struct adb_GetHostsManagedByAgentResponse
{
    adb_record_t record;
};

AXIS2_EXTERN adb_GetHostsManagedByAgentResponse_t *AXIS2_CALL
adb_GetHostsManagedByAgentResponse_create(const axutil_env_t *env)
{
    return (adb_GetHostsManagedByAgentResponse_t *) adb_record_create(env, &adb_GetHostsManagedByAgentResponse_type);
}

AXIS2_EXTERN adb_GetHostsManagedByAgentResponse_t *AXIS2_CALL
adb_GetHostsManagedByAgentResponse_create_with_values(const axutil_env_t *env,
    adb_ArrayOfstring_t *_GetHostsManagedByAgentResult)
{
    adb_GetHostsManagedByAgentResponse_t *adb_obj = adb_GetHostsManagedByAgentResponse_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_GetHostsManagedByAgentResponse_set_GetHostsManagedByAgentResult(adb_obj, env, _GetHostsManagedByAgentResult) != AXIS2_SUCCESS)
    {
        adb_GetHostsManagedByAgentResponse_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgentResponse_free(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _GetHostsManagedByAgentResponse, env);
}

AXIS2_EXTERN adb_ArrayOfstring_t *AXIS2_CALL
adb_GetHostsManagedByAgentResponse_free_popping_value(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env)
{
    return (adb_ArrayOfstring_t *) adb_record_free_popping_value((adb_record_t *) _GetHostsManagedByAgentResponse, env).object;
}

/* GetHostsManagedByAgentResult */
AXIS2_EXTERN adb_ArrayOfstring_t *AXIS2_CALL
adb_GetHostsManagedByAgentResponse_get_GetHostsManagedByAgentResult(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env)
{
    return (adb_ArrayOfstring_t *) adb_record_get((adb_record_t *) _GetHostsManagedByAgentResponse, env, 0).object;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgentResponse_set_GetHostsManagedByAgentResult(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env,
    adb_ArrayOfstring_t *arg_GetHostsManagedByAgentResult)
{
    return adb_record_set_object((adb_record_t *) _GetHostsManagedByAgentResponse, env, 0, arg_GetHostsManagedByAgentResult);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgentResponse_reset_GetHostsManagedByAgentResult(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _GetHostsManagedByAgentResponse, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetHostsManagedByAgentResponse_is_GetHostsManagedByAgentResult_nil(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _GetHostsManagedByAgentResponse, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgentResponse_set_GetHostsManagedByAgentResult_nil(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _GetHostsManagedByAgentResponse, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgentResponse_deserialize(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _GetHostsManagedByAgentResponse, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_GetHostsManagedByAgentResponse_declare_parent_namespaces(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _GetHostsManagedByAgentResponse, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_GetHostsManagedByAgentResponse_serialize(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _GetHostsManagedByAgentResponse, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetHostsManagedByAgentResponse_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN adb_ArrayOfstring_t *AXIS2_CALL
adb_GetHostsManagedByAgentResponse_get_property1(adb_GetHostsManagedByAgentResponse_t *_GetHostsManagedByAgentResponse, const axutil_env_t *env)
{
    return adb_GetHostsManagedByAgentResponse_get_GetHostsManagedByAgentResult(_GetHostsManagedByAgentResponse, env);
}
