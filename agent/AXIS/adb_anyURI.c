/*
 * adb_anyURI.c
 */
#include "adb_anyURI.h"
#include "adb_runtime.h"

static const adb_property_t adb_anyURI_properties[] = {
    { "anyURI", ADB_TYPE_URI, NULL, AXIS2_TRUE },
};

static const adb_type_t adb_anyURI_type = {
    "anyURI", "anyURI", ADB_SERIALIZATION_NAMESPACE, ADB_KIND_ELEMENT,
    1, adb_anyURI_properties, __FILE__
};

struct adb_anyURI
{
    adb_record_t record;
};

AXIS2_EXTERN adb_anyURI_t *AXIS2_CALL
adb_anyURI_create(const axutil_env_t *env)
{
    return (adb_anyURI_t *) adb_record_create(env, &adb_anyURI_type);
}

AXIS2_EXTERN adb_anyURI_t *AXIS2_CALL
adb_anyURI_create_with_values(const axutil_env_t *env,
    axutil_uri_t *_anyURI)
{
    adb_anyURI_t *adb_obj = adb_anyURI_create(env);
    if (!adb_obj)
    {
        return NULL;
    }
    if (adb_anyURI_set_anyURI(adb_obj, env, _anyURI) != AXIS2_SUCCESS)
    {
        adb_anyURI_free(adb_obj, env);
        return NULL;
    }
    return adb_obj;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyURI_free(adb_anyURI_t *_anyURI, const axutil_env_t *env)
{
    return adb_record_free((adb_record_t *) _anyURI, env);
}

AXIS2_EXTERN axutil_uri_t *AXIS2_CALL
adb_anyURI_free_popping_value(adb_anyURI_t *_anyURI, const axutil_env_t *env)
{
    return (axutil_uri_t *) adb_record_free_popping_value((adb_record_t *) _anyURI, env).object;
}

/* anyURI */
AXIS2_EXTERN axutil_uri_t *AXIS2_CALL
adb_anyURI_get_anyURI(adb_anyURI_t *_anyURI, const axutil_env_t *env)
{
    return (axutil_uri_t *) adb_record_get((adb_record_t *) _anyURI, env, 0).object;
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyURI_set_anyURI(adb_anyURI_t *_anyURI, const axutil_env_t *env,
    axutil_uri_t *arg_anyURI)
{
    return adb_record_set_object((adb_record_t *) _anyURI, env, 0, arg_anyURI);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyURI_reset_anyURI(adb_anyURI_t *_anyURI, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _anyURI, env, 0);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_anyURI_is_anyURI_nil(adb_anyURI_t *_anyURI, const axutil_env_t *env)
{
    return adb_record_is_nil((adb_record_t *) _anyURI, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyURI_set_anyURI_nil(adb_anyURI_t *_anyURI, const axutil_env_t *env)
{
    return adb_record_reset((adb_record_t *) _anyURI, env, 0);
}

AXIS2_EXTERN axis2_status_t AXIS2_CALL
adb_anyURI_deserialize(adb_anyURI_t *_anyURI, const axutil_env_t *env,
    axiom_node_t **dp_parent, axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    return adb_record_deserialize((adb_record_t *) _anyURI, env, dp_parent, dp_is_early_node_valid, dont_care_minoccurs);
}

AXIS2_EXTERN void AXIS2_CALL
adb_anyURI_declare_parent_namespaces(adb_anyURI_t *_anyURI, const axutil_env_t *env,
    axiom_element_t *parent_element, axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_record_declare_parent_namespaces((adb_record_t *) _anyURI, env, parent_element, namespaces, next_ns_index);
}

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
adb_anyURI_serialize(adb_anyURI_t *_anyURI, const axutil_env_t *env,
    axiom_node_t *om_node, axiom_element_t *om_element, int tag_closed, axutil_hash_t *namespaces,
    int *next_ns_index)
{
    return adb_record_serialize((adb_record_t *) _anyURI, env, om_node, om_element, tag_closed, namespaces, next_ns_index);
}

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
adb_anyURI_is_particle(void)
{
    return AXIS2_FALSE;
}

AXIS2_EXTERN axutil_uri_t *AXIS2_CALL
adb_anyURI_get_property1(adb_anyURI_t *_anyURI, const axutil_env_t *env)
{
    return adb_anyURI_get_anyURI(_anyURI, env);
}
