/*
 * adb_runtime.c
 *
 * Shared implementation of the ADB binding operations; see adb_runtime.h.
 */
#include "adb_runtime.h"

#include <string.h>

static const adb_property_t *adb_property(const adb_record_t *record, int index)
{
    return &record->type->properties[index];
}

static axis2_bool_t adb_is_text(adb_value_type_t type)
{
    return type == ADB_TYPE_STRING;
}

adb_record_t *adb_record_create(const axutil_env_t *env, const adb_type_t *type)
{
    adb_record_t *record = (adb_record_t *) AXIS2_MALLOC(env->allocator, sizeof(adb_record_t));
    if (!record)
    {
        AXIS2_ERROR_SET(env->error, AXIS2_ERROR_NO_MEMORY, AXIS2_FAILURE);
        return NULL;
    }
    memset(record, 0, sizeof(adb_record_t));
    record->type = type;
    if (type->kind != ADB_KIND_COMPLEX_TYPE)
    {
        record->qname = axutil_qname_create(env, type->name, type->namespace_uri, NULL);
    }
    return record;
}

axis2_status_t adb_record_reset(adb_record_t *record, const axutil_env_t *env, int index)
{
    AXIS2_PARAM_CHECK(env->error, record, AXIS2_FAILURE);
    if (record->is_valid[index] && adb_is_text(adb_property(record, index)->type) && record->values[index].text)
    {
        AXIS2_FREE(env->allocator, record->values[index].text);
    }
    memset(&record->values[index], 0, sizeof(adb_value_t));
    record->is_valid[index] = AXIS2_FALSE;
    return AXIS2_SUCCESS;
}

axis2_status_t adb_record_free(adb_record_t *record, const axutil_env_t *env)
{
    int i;
    AXIS2_PARAM_CHECK(env->error, record, AXIS2_FAILURE);
    for (i = 0; i < record->type->property_count; i++)
    {
        adb_record_reset(record, env, i);
    }
    if (record->qname)
    {
        axutil_qname_free(record->qname, env);
    }
    AXIS2_FREE(env->allocator, record);
    return AXIS2_SUCCESS;
}

adb_value_t adb_record_free_popping_value(adb_record_t *record, const axutil_env_t *env)
{
    adb_value_t value;
    memset(&value, 0, sizeof(value));
    AXIS2_PARAM_CHECK(env->error, record, value);
    if (record->type->property_count > 0 && record->is_valid[0])
    {
        value = record->values[0];
        record->is_valid[0] = AXIS2_FALSE;
        memset(&record->values[0], 0, sizeof(adb_value_t));
    }
    adb_record_free(record, env);
    return value;
}

adb_value_t adb_record_get(adb_record_t *record, const axutil_env_t *env, int index)
{
    adb_value_t value;
    memset(&value, 0, sizeof(value));
    AXIS2_PARAM_CHECK(env->error, record, value);
    if (record->is_valid[index])
    {
        value = record->values[index];
    }
    return value;
}

axis2_status_t adb_record_set(adb_record_t *record, const axutil_env_t *env, int index, adb_value_t value)
{
    const adb_property_t *property;
    AXIS2_PARAM_CHECK(env->error, record, AXIS2_FAILURE);
    property = adb_property(record, index);
    if (adb_is_text(property->type))
    {
        if (record->is_valid[index] && value.text == record->values[index].text)
        {
            return AXIS2_SUCCESS;
        }
        adb_record_reset(record, env, index);
        if (!value.text)
        {
            return AXIS2_SUCCESS;
        }
        record->values[index].text = (axis2_char_t *) axutil_strdup(env, value.text);
        if (!record->values[index].text)
        {
            AXIS2_LOG_ERROR(env->log, record->type->source_file, __LINE__, "Error allocating memeory for %s",
                            property->name);
            return AXIS2_FAILURE;
        }
        record->is_valid[index] = AXIS2_TRUE;
        return AXIS2_SUCCESS;
    }
    adb_record_reset(record, env, index);
    record->values[index] = value;
    record->is_valid[index] = AXIS2_TRUE;
    return AXIS2_SUCCESS;
}

axis2_bool_t adb_record_is_nil(adb_record_t *record, const axutil_env_t *env, int index)
{
    AXIS2_PARAM_CHECK(env->error, record, AXIS2_TRUE);
    return !record->is_valid[index];
}

/* Writes "<prefix:name>", the escaped text and "</prefix:name>" into the stream. */
static void adb_write_text_element(const axutil_env_t *env, axutil_stream_t *stream, const axis2_char_t *prefix,
                                   const axis2_char_t *name, const axis2_char_t *text)
{
    const axis2_char_t *separator = (prefix && *prefix) ? ":" : "";
    axis2_char_t *quoted = axutil_xml_quote_string(env, text, AXIS2_TRUE);
    axis2_char_t *tag;
    size_t tag_length = axutil_strlen(prefix) + axutil_strlen(name) + 5;

    tag = (axis2_char_t *) AXIS2_MALLOC(env->allocator, tag_length);
    if (!tag)
    {
        if (quoted)
        {
            AXIS2_FREE(env->allocator, quoted);
        }
        AXIS2_ERROR_SET(env->error, AXIS2_ERROR_NO_MEMORY, AXIS2_FAILURE);
        return;
    }
    snprintf(tag, tag_length, "<%s%s%s>", prefix, separator, name);
    axutil_stream_write(stream, env, tag, axutil_strlen(tag));
    if (quoted)
    {
        axutil_stream_write(stream, env, quoted, axutil_strlen(quoted));
        AXIS2_FREE(env->allocator, quoted);
    }
    else
    {
        axutil_stream_write(stream, env, text, axutil_strlen(text));
    }
    snprintf(tag, tag_length, "</%s%s%s>", prefix, separator, name);
    axutil_stream_write(stream, env, tag, axutil_strlen(tag));
    AXIS2_FREE(env->allocator, tag);
}

/* The prefix recorded for `uri`, declaring a generated "n<index>" on `element` when missing. */
static const axis2_char_t *adb_prefix_for(const axutil_env_t *env, axutil_hash_t *namespaces, int *next_ns_index,
                                          const axis2_char_t *uri, axiom_element_t *element, axiom_node_t *node)
{
    axis2_char_t *prefix = (axis2_char_t *) axutil_hash_get(namespaces, uri, AXIS2_HASH_KEY_STRING);
    if (!prefix)
    {
        axiom_namespace_t *ns;
        prefix = (axis2_char_t *) AXIS2_MALLOC(env->allocator, 16);
        if (!prefix)
        {
            AXIS2_ERROR_SET(env->error, AXIS2_ERROR_NO_MEMORY, AXIS2_FAILURE);
            return NULL;
        }
        snprintf(prefix, 16, "n%d", (*next_ns_index)++);
        axutil_hash_set(namespaces, uri, AXIS2_HASH_KEY_STRING, prefix);
        ns = axiom_namespace_create(env, uri, prefix);
        axiom_element_declare_namespace(element, env, node, ns);
    }
    return prefix;
}

static void adb_free_namespace_table(const axutil_env_t *env, axutil_hash_t *namespaces)
{
    axutil_hash_index_t *index;
    for (index = axutil_hash_first(namespaces, env); index; index = axutil_hash_next(env, index))
    {
        void *value = NULL;
        axutil_hash_this(index, NULL, NULL, &value);
        AXIS2_FREE(env->allocator, value);
    }
    axutil_hash_free(namespaces, env);
}

axiom_node_t *adb_record_serialize(adb_record_t *record, const axutil_env_t *env, axiom_node_t *parent,
                                   axiom_element_t *parent_element, int parent_tag_closed,
                                   axutil_hash_t *namespaces, int *next_ns_index)
{
    const adb_type_t *type;
    axiom_namespace_t *ns1;
    axiom_node_t *current_node = NULL;
    axiom_data_source_t *data_source;
    axutil_stream_t *stream;
    axutil_hash_t *own_namespaces;
    int own_ns_index = 0;
    const axis2_char_t *prefix;
    int i;

    (void) parent;
    (void) parent_element;
    (void) parent_tag_closed;
    (void) namespaces;
    (void) next_ns_index;
    AXIS2_PARAM_CHECK(env->error, record, NULL);
    type = record->type;

    /* A message element is always the root of a new payload tree. */
    own_namespaces = axutil_hash_make(env);
    if (!own_namespaces)
    {
        AXIS2_ERROR_SET(env->error, AXIS2_ERROR_NO_MEMORY, AXIS2_FAILURE);
        return NULL;
    }
    ns1 = axiom_namespace_create(env, type->namespace_uri, "n");
    axutil_hash_set(own_namespaces, type->namespace_uri, AXIS2_HASH_KEY_STRING, axutil_strdup(env, "n"));
    parent_element = axiom_element_create(env, NULL, type->name, ns1, &parent);
    if (!parent_element)
    {
        adb_free_namespace_table(env, own_namespaces);
        return NULL;
    }
    axiom_element_set_namespace(parent_element, env, ns1, parent);

    data_source = axiom_data_source_create(env, parent, &current_node);
    stream = axiom_data_source_get_stream(data_source, env);
    prefix = adb_prefix_for(env, own_namespaces, &own_ns_index, type->namespace_uri, parent_element, parent);

    for (i = 0; prefix && i < type->property_count; i++)
    {
        if (record->is_valid[i] && adb_is_text(type->properties[i].type))
        {
            adb_write_text_element(env, stream, prefix, type->properties[i].name, record->values[i].text);
        }
    }
    adb_free_namespace_table(env, own_namespaces);
    return parent;
}

axis2_status_t adb_record_deserialize(adb_record_t *record, const axutil_env_t *env, axiom_node_t **dp_parent,
                                      axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    const adb_type_t *type;
    axiom_node_t *parent = dp_parent ? *dp_parent : NULL;
    axiom_element_t *element;
    axiom_node_t *first_node = NULL;
    axiom_element_t *first_element;
    axutil_qname_t *qname;
    axutil_qname_t *element_qname;
    axis2_bool_t matches;
    axis2_char_t *text;
    int i;

    (void) dp_is_early_node_valid;
    (void) dont_care_minoccurs;
    AXIS2_PARAM_CHECK(env->error, record, AXIS2_FAILURE);
    type = record->type;
    if (type->property_count == 0)
    {
        /* Nothing to read: any reply element will do. */
        return AXIS2_SUCCESS;
    }

    while (parent && axiom_node_get_node_type(parent, env) != AXIOM_ELEMENT)
    {
        parent = axiom_node_get_next_sibling(parent, env);
    }
    if (!parent)
    {
        AXIS2_LOG_ERROR(env->log, type->source_file, __LINE__,
                        "Failed in building adb object for %s : NULL elemenet can not be passed to deserialize",
                        type->name);
        return AXIS2_FAILURE;
    }
    element = (axiom_element_t *) axiom_node_get_data_element(parent, env);
    qname = axiom_element_get_qname(element, env, parent);
    if (!axutil_qname_equals(record->qname, env, qname))
    {
        AXIS2_LOG_ERROR(env->log, type->source_file, __LINE__,
                        "Failed in building adb object for %s : Expected %s but returned %s", type->name,
                        axutil_qname_to_string(record->qname, env),
                        qname ? axutil_qname_to_string(qname, env) : "NULL");
        return AXIS2_FAILURE;
    }

    first_element = axiom_element_get_first_element(element, env, parent, &first_node);
    if (!first_element)
    {
        return AXIS2_SUCCESS;
    }
    element_qname = axiom_element_get_qname(first_element, env, first_node);
    for (i = 0; i < type->property_count; i++)
    {
        qname = axutil_qname_create(env, type->properties[i].name, type->namespace_uri, NULL);
        matches = qname && axutil_qname_equals(qname, env, element_qname);
        if (qname)
        {
            axutil_qname_free(qname, env);
        }
        if (!matches || !adb_is_text(type->properties[i].type))
        {
            continue;
        }
        text = axiom_element_get_text(first_element, env, first_node);
        if (text)
        {
            adb_value_t value;
            value.text = text;
            if (adb_record_set(record, env, i, value) != AXIS2_SUCCESS)
            {
                AXIS2_LOG_ERROR(env->log, type->source_file, __LINE__, "failed in setting the value for %s ",
                                type->properties[i].name);
                return AXIS2_FAILURE;
            }
        }
        break;
    }
    return AXIS2_SUCCESS;
}
