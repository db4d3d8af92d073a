/*
 * adb_SendCustomResponse.c
 */
#include "adb_SendCustomResponse.h"
#include "adb_runtime.h"

static adb_record_t *
adb_SendCustomResponse_create_id(const axutil_env_t *env)
{
    return (adb_record_t *) adb_guid_create(env);
}

static const adb_property_t adb_SendCustomResponse_properties[] = {
    { "id", ADB_TYPE_BINDING, adb_SendCustomResponse_create_id, AXIS2_FALSE },
    { "customResponse", ADB_TYPE_NODE, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_SendCustomResponse_type = {
    "SendCustomResponse", "SendCustomResponse", ADB_SERVICE_NAMESPACE, ADB_KIND_MESSAGE,
    2, adb_SendCustomResponse_properties, __FILE__
};

struct adb_SendCustomResponse
{
    adb_record_t record;
};

AXIS2_EXTERN adb_SendCustomResponse_t *AXIS2_CALL
adb_SendCustomResponse_create(const axutil_env_t *env)
{
    return (adb_SendCustomResponse_t *) adb_record_create(env, &adb_SendCustomResponse_type);
}

AXIS2_EXTERN adb_SendCustomResponse_t *AXIS2_CALL
adb_SendCustomResponse_create_with_values(const axutil_env_t *env,
    adb_guid_t *_id,
    axiom_node_t *_customResponse)
{
    adb_SendCustomResponse_t *adb_obj = adb_SendCustomResponse_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_SendCustomResponse_set_id(adb_obj, env, _id) != AXIS2_SUCCESS)
    {
        adb_SendCustomResponse_free(adb_obj, env);
        return NULL;
    }
    if (adb_SendCustomResponse_set_customResponse(adb_obj, env, _customResponse) != AXIS2_SUCCESS)
    {
        adb_SendCustomResponse_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponse_free(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _SendCustomResponse, env);
}

AXIS2_EXTERN adb_guid_t *AXIS2_CALL
adb_SendCustomResponse_free_popping_value(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env)
{
    return (adb_guid_t *) adb_record_free_popping_value((adb_record_t *) _SendCustomResponse, env).object;
}

/* id */
AXIS2_EXTERN adb_guid_t *AXIS2_CALL
adb_SendCustomResponse_get_id(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env)
{
    return (adb_guid_t *) adb_record_get((adb_record_t *) _SendCustomResponse, env, 0).object;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponse_set_id(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env,
    adb_guid_t *arg_id)
{
    return adb_record_set_object((adb_record_t *) _SendCustomResponse, env, 0, arg_id);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponse_reset_id(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _SendCustomResponse, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_SendCustomResponse_is_id_nil(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _SendCustomResponse, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponse_set_id_nil(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _SendCustomResponse, env, 0);
}

/* customResponse */
AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_SendCustomResponse_get_customResponse(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env)
{
    return (axiom_node_t *) adb_record_get((adb_record_t *) _SendCustomResponse, env, 1).object;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponse_set_customResponse(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env,
    axiom_node_t *arg_customResponse)
{
    return adb_record_set_object((adb_record_t *) _SendCustomResponse, env, 1, arg_customResponse);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponse_reset_customResponse(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _SendCustomResponse, env, 1);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_SendCustomResponse_is_customResponse_nil(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _SendCustomResponse, env, 1);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponse_set_customResponse_nil(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _SendCustomResponse, env, 1);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendCustomResponse_deserialize(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _SendCustomResponse, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_SendCustomResponse_declare_parent_namespaces(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _SendCustomResponse, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_SendCustomResponse_serialize(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _SendCustomResponse, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_SendCustomResponse_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN adb_guid_t *AXIS2_CALL
adb_SendCustomResponse_get_property1(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env)
{
    return adb_SendCustomResponse_get_id(_SendCustomResponse, env);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_SendCustomResponse_get_property2(adb_SendCustomResponse_t *_SendCustomResponse, const axutil_env_t *env)
{
    return adb_SendCustomResponse_get_customResponse(_SendCustomResponse, env);
}
