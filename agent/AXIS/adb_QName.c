/*
 * adb_QName.c
 */
#include "adb_QName.h"
#include "adb_runtime.h"

static const adb_property_t adb_QName_properties[] = {
    { "QName", ADB_TYPE_QNAME, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_QName_type = {
    "QName", "QName", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_QName_properties, __FILE__
};

struct adb_QName
{
    adb_record_t record;
};

AXIS2_EXTERN adb_QName_t *AXIS2_CALL
adb_QName_create(const axutil_env_t *env)
{
    return (adb_QName_t *) adb_record_create(env, &adb_QName_type);
}

AXIS2_EXTERN adb_QName_t *AXIS2_CALL
adb_QName_create_with_values(const axutil_env_t *env,
    axutil_qname_t *_QName)
{
    adb_QName_t *adb_obj = adb_QName_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_QName_set_QName(adb_obj, env, _QName) != AXIS2_SUCCESS)
    {
        adb_QName_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_QName_free(adb_QName_t *_QName, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _QName, env);
}

AXIS2_EXTERN axutil_qname_t *AXIS2_CALL
adb_QName_free_popping_value(adb_QName_t *_QName, const axutil_env_t *env)
{
    return (axutil_qname_t *) adb_record_free_popping_value((adb_record_t *) _QName, env).object;
}

/* QName */
AXIS2_EXTERN axutil_qname_t *AXIS2_CALL
adb_QName_get_QName(adb_QName_t *_QName, const axutil_env_t *env)
{
    return (axutil_qname_t *) adb_record_get((adb_record_t *) _QName, env, 0).object;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_QName_set_QName(adb_QName_t *_QName, const axutil_env_t *env,
    axutil_qname_t *arg_QName)
{
    return adb_record_set_object((adb_record_t *) _QName, env, 0, arg_QName);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_QName_reset_QName(adb_QName_t *_QName, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _QName, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_QName_is_QName_nil(adb_QName_t *_QName, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _QName, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_QName_set_QName_nil(adb_QName_t *_QName, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _QName, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_QName_deserialize(adb_QName_t *_QName, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _QName, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_QName_declare_parent_namespaces(adb_QName_t *_QName, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _QName, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_QName_serialize(adb_QName_t *_QName, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _QName, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_QName_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axutil_qname_t *AXIS2_CALL
adb_QName_get_property1(adb_QName_t *_QName, const axutil_env_t *env)
{
    return adb_QName_get_QName(_QName, env);
}
