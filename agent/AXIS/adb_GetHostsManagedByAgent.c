/*
 * adb_GetHostsManagedByAgent.c
 */
#include "adb_GetHostsManagedByAgent.h"
#include "adb_runtime.h"

static const adb_property_t adb_GetHostsManagedByAgent_properties[] = {
    { "proxyAgentId", ADB_TYPE_STRING, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_GetHostsManagedByAgent_type = {
    "GetHostsManagedByAgent", "GetHostsManagedByAgent", ADB_SERVICE_NAMESPACE, ADB_KIND_MESSAGE,
    1, adb_GetHostsManagedByAgent_properties, __FILE__
};

struct adb_GetHostsManagedByAgent
{
    adb_record_t record;
};

AXIS2_EXTERN adb_GetHostsManagedByAgent_t *AXIS2_CALL
adb_GetHostsManagedByAgent_create(const axutil_env_t *env)
{
    return (adb_GetHostsManagedByAgent_t *) adb_record_create(env, &adb_GetHostsManagedByAgent_type);
}

AXIS2_EXTERN adb_GetHostsManagedByAgent_t *AXIS2_CALL
adb_GetHostsManagedByAgent_create_with_values(const axutil_env_t *env,
    axis2_char_t *_proxyAgentId)
{
    adb_GetHostsManagedByAgent_t *adb_obj = adb_GetHostsManagedByAgent_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_GetHostsManagedByAgent_set_proxyAgentId(adb_obj, env, _proxyAgentId) != AXIS2_SUCCESS)
    {
        adb_GetHostsManagedByAgent_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgent_free(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _GetHostsManagedByAgent, env);
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostsManagedByAgent_free_popping_value(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env)
{
    return adb_record_free_popping_value((adb_record_t *) _GetHostsManagedByAgent, env).text;
}

/* proxyAgentId */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostsManagedByAgent_get_proxyAgentId(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env)
{
    return adb_record_get((adb_record_t *) _GetHostsManagedByAgent, env, 0).text;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgent_set_proxyAgentId(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env,
    const axis2_char_t *arg_proxyAgentId)
{
    return adb_record_set_text((adb_record_t *) _GetHostsManagedByAgent, env, 0, arg_proxyAgentId);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgent_reset_proxyAgentId(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _GetHostsManagedByAgent, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetHostsManagedByAgent_is_proxyAgentId_nil(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _GetHostsManagedByAgent, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgent_set_proxyAgentId_nil(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _GetHostsManagedByAgent, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_GetHostsManagedByAgent_deserialize(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _GetHostsManagedByAgent, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_GetHostsManagedByAgent_declare_parent_namespaces(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _GetHostsManagedByAgent, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_GetHostsManagedByAgent_serialize(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _GetHostsManagedByAgent, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_GetHostsManagedByAgent_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_GetHostsManagedByAgent_get_property1(adb_GetHostsManagedByAgent_t *_GetHostsManagedByAgent, const axutil_env_t *env)
{
    return adb_GetHostsManagedByAgent_get_proxyAgentId(_GetHostsManagedByAgent, env);
}
