/*
 * adb_SendHostUpdate.c
 */
#include "adb_SendHostUpdate.h"
#include "adb_runtime.h"

static const adb_property_t adb_SendHostUpdate_properties[] = {
    { "message", ADB_TYPE_STRING, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_SendHostUpdate_type = {
    "SendHostUpdate", "SendHostUpdate", ADB_SERVICE_NAMESPACE, ADB_KIND_MESSAGE,
    1, adb_SendHostUpdate_properties, __FILE__
};

struct adb_SendHostUpdate
{
    adb_record_t record;
};

AXIS2_EXTERN adb_SendHostUpdate_t *AXIS2_CALL
adb_SendHostUpdate_create(const axutil_env_t *env)
{
    return (adb_SendHostUpdate_t *) adb_record_create(env, &adb_SendHostUpdate_type);
}

AXIS2_EXTERN adb_SendHostUpdate_t *AXIS2_CALL
adb_SendHostUpdate_create_with_values(const axutil_env_t *env,
    axis2_char_t *_message)
{
    adb_SendHostUpdate_t *adb_obj = adb_SendHostUpdate_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_SendHostUpdate_set_message(adb_obj, env, _message) != AXIS2_SUCCESS)
    {
        adb_SendHostUpdate_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendHostUpdate_free(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _SendHostUpdate, env);
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_SendHostUpdate_free_popping_value(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env)
{
    return adb_record_free_popping_value((adb_record_t *) _SendHostUpdate, env).text;
}

/* message */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_SendHostUpdate_get_message(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env)
{
    return adb_record_get((adb_record_t *) _SendHostUpdate, env, 0).text;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendHostUpdate_set_message(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env,
    const axis2_char_t *arg_message)
{
    return adb_record_set_text((adb_record_t *) _SendHostUpdate, env, 0, arg_message);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendHostUpdate_reset_message(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _SendHostUpdate, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_SendHostUpdate_is_message_nil(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _SendHostUpdate, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendHostUpdate_set_message_nil(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _SendHostUpdate, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_SendHostUpdate_deserialize(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _SendHostUpdate, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_SendHostUpdate_declare_parent_namespaces(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _SendHostUpdate, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_SendHostUpdate_serialize(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _SendHostUpdate, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_SendHostUpdate_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
adb_SendHostUpdate_get_property1(adb_SendHostUpdate_t *_SendHostUpdate, const axutil_env_t *env)
{
    return adb_SendHostUpdate_get_message(_SendHostUpdate, env);
}
