/*
 * adb_SendHostUpdateResponse.c
 */
#include "adb_SendHostUpdateResponse.h"
#include "adb_runtime.h"

static const adb_type_t adb_SendHostUpdateResponse_type = {
    "SendHostUpdateResponse", "SendHostUpdateResponse", ADB_SERVICE_NAMESPACE, ADB_KIND_MESSAGE,
    0, NULL, __FILE__
};

struct adb_SendHostUpdateResponse
{
    adb_record_t record;
};

AXIS2_EXTERN adb_SendHostUpdateResponse_t *AXIS2_CALL
adb_SendHostUpdateResponse_create(const axutil_env_t *env)
{
    return (adb_SendHostUpdateResponse_t *) adb_record_create(env, &adb_SendHostUpdateResponse_type);
}

AXIS2_EXTERN adb_SendHostUpdateResponse_t *AXIS2_CALL
adb_SendHostUpdateResponse_create_with_values(const axutil_env_t *env)
{
    return adb_SendHostUpdateResponse_create(env);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendHostUpdateResponse_free(adb_SendHostUpdateResponse_t *_SendHostUpdateResponse, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _SendHostUpdateResponse, env);
}

AXIS2_EXTERN void *AXIS2_CALL
adb_SendHostUpdateResponse_free_popping_value(adb_SendHostUpdateResponse_t *_SendHostUpdateResponse, const axutil_env_t *env)
{
    adb_record_free((adb_record_t *) _SendHostUpdateResponse, env);
    return NULL;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendHostUpdateResponse_deserialize(adb_SendHostUpdateResponse_t *_SendHostUpdateResponse, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _SendHostUpdateResponse, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_SendHostUpdateResponse_declare_parent_namespaces(adb_SendHostUpdateResponse_t *_SendHostUpdateResponse, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _SendHostUpdateResponse, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_SendHostUpdateResponse_serialize(adb_SendHostUpdateResponse_t *_SendHostUpdateResponse, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _SendHostUpdateResponse, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_SendHostUpdateResponse_is_particle(void)
{
    return AXIS2_FALSE;
}
