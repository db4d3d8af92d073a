/*
 * adb_WorkItemCompleteResponse.c
 */
#include "adb_WorkItemCompleteResponse.h"
#include "adb_runtime.h"

static const adb_type_t adb_WorkItemCompleteResponse_type = {
    "WorkItemCompleteResponse", "WorkItemCompleteResponse", ADB_SERVICE_NAMESPACE, ADB_KIND_MESSAGE, 0, NULL, __FILE__
};

struct adb_WorkItemCompleteResponse
{
    adb_record_t record;
};

AXIS2_EXTERN adb_WorkItemCompleteResponse_t *AXIS2_CALL
adb_WorkItemCompleteResponse_create(const axutil_env_t *env)
{
    return (adb_WorkItemCompleteResponse_t *) adb_record_create(env, &adb_WorkItemCompleteResponse_type);
}

AXIS2_EXTERN adb_WorkItemCompleteResponse_t *AXIS2_CALL
adb_WorkItemCompleteResponse_create_with_values(const axutil_env_t *env)
{
    return adb_WorkItemCompleteResponse_create(env);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_WorkItemCompleteResponse_free(adb_WorkItemCompleteResponse_t *_WorkItemCompleteResponse, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _WorkItemCompleteResponse, env);
}

AXIS2_EXTERN void *AXIS2_CALL
adb_WorkItemCompleteResponse_free_popping_value(adb_WorkItemCompleteResponse_t *_WorkItemCompleteResponse, const axutil_env_t *env)
{
    adb_record_free((adb_record_t *) _WorkItemCompleteResponse, env);
    return NULL;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_WorkItemCompleteResponse_deserialize(adb_WorkItemCompleteResponse_t *_WorkItemCompleteResponse, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _WorkItemCompleteResponse, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_WorkItemCompleteResponse_declare_parent_namespaces(adb_WorkItemCompleteResponse_t *_WorkItemCompleteResponse, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    (void) _WorkItemCompleteResponse;
    (void) env;
    (void) parent_element;
    (void) namespaces;
    (void) next_ns_index;
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_WorkItemCompleteResponse_serialize(adb_WorkItemCompleteResponse_t *_WorkItemCompleteResponse, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _WorkItemCompleteResponse, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_WorkItemCompleteResponse_is_particle(void)
{
    return AXIS2_FALSE;
}
