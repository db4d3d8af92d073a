/*
 * adb_SendPingResponseResponse.c
 */
#include "adb_SendPingResponseResponse.h"
#include "adb_runtime.h"

static const adb_type_t adb_SendPingResponseResponse_type = {
    "SendPingResponseResponse", "SendPingResponseResponse", ADB_SERVICE_NAMESPACE, ADB_KIND_MESSAGE,
    0, NULL, __FILE__
};

struct adb_SendPingResponseResponse
{
    adb_record_t record;
};

AXIS2_EXTERN adb_SendPingResponseResponse_t *AXIS2_CALL
adb_SendPingResponseResponse_create(const axutil_env_t *env)
{
    return (adb_SendPingResponseResponse_t *) adb_record_create(env, &adb_SendPingResponseResponse_type);
}

AXIS2_EXTERN adb_SendPingResponseResponse_t *AXIS2_CALL
adb_SendPingResponseResponse_create_with_values(const axutil_env_t *env)
{
    return adb_SendPingResponseResponse_create(env);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendPingResponseResponse_free(adb_SendPingResponseResponse_t *_SendPingResponseResponse, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _SendPingResponseResponse, env);
}

AXIS2_EXTERN void *AXIS2_CALL
adb_SendPingResponseResponse_free_popping_value(adb_SendPingResponseResponse_t *_SendPingResponseResponse, const axutil_env_t *env)
{
    adb_record_free((adb_record_t *) _SendPingResponseResponse, env);
    return NULL;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendPingResponseResponse_deserialize(adb_SendPingResponseResponse_t *_SendPingResponseResponse, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _SendPingResponseResponse, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_SendPingResponseResponse_declare_parent_namespaces(adb_SendPingResponseResponse_t *_SendPingResponseResponse, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _SendPingResponseResponse, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_SendPingResponseResponse_serialize(adb_SendPingResponseResponse_t *_SendPingResponseResponse, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _SendPingResponseResponse, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_SendPingResponseResponse_is_particle(void)
{
    return AXIS2_FALSE;
}
