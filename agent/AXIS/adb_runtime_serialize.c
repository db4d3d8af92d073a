/*
 * adb_runtime_serialize.c
 *
 * Writing binding records as XML. As in Axis2/C's generated code, a message or element
 * becomes an element node whose content is a data source of raw XML text; types nested in
 * it write into that same data source, declaring the namespaces they need on the element.
 */
#include "adb_runtime_private.h"

#include <string.h>

#define ADB_PREFIX_LIMIT 16

typedef struct adb_writer
{
    const axutil_env_t *env;
    adb_record_t *record;
    axiom_node_t *element_node;   /* the element written; NULL when writing into a parent's content */
    axiom_element_t *element;     /* where namespace declarations go */
    axiom_node_t *source_node;    /* the data source written to */
    axutil_stream_t *stream;      /* its stream; NULL until the next raw text needs one */
    axutil_hash_t *namespaces;    /* namespace URI → prefix, the prefixes owned by the table */
    int *next_ns_index;
} adb_writer_t;

const axis2_char_t *adb_namespace_prefix(const axutil_env_t *env, axutil_hash_t *namespaces, int *next_ns_index,
                                         const axis2_char_t *uri, const char *pattern, axiom_element_t *element)
{
    axis2_char_t *prefix = (axis2_char_t *) axutil_hash_get(namespaces, uri, AXIS2_HASH_KEY_STRING);
    if (!prefix)
    {
        prefix = (axis2_char_t *) AXIS2_MALLOC(env->allocator, ADB_PREFIX_LIMIT);
        if (!prefix)
        {
            AXIS2_ERROR_SET(env->error, AXIS2_ERROR_NO_MEMORY, AXIS2_FAILURE);
            return NULL;
        }
        snprintf(prefix, ADB_PREFIX_LIMIT, pattern, (*next_ns_index)++);
        axutil_hash_set(namespaces, uri, AXIS2_HASH_KEY_STRING, prefix);
        axiom_element_declare_namespace_assume_param_ownership(element, env, axiom_namespace_create(env, uri, prefix));
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

axis2_char_t *adb_qname_to_text(const axutil_env_t *env, axutil_qname_t *qname, axutil_hash_t *namespaces,
                                int *next_ns_index, axiom_element_t *element)
{
    const axis2_char_t *uri = axutil_qname_get_uri(qname, env);
    const axis2_char_t *localpart = axutil_qname_get_localpart(qname, env);
    const axis2_char_t *prefix = "";
    axis2_char_t *text;
    size_t length;

    if (uri && *uri)
    {
        prefix = adb_namespace_prefix(env, namespaces, next_ns_index, uri, "q%d", element);
        if (!prefix)
        {
            return NULL;
        }
    }
    length = axutil_strlen(prefix) + axutil_strlen(localpart) + 2;
    text = (axis2_char_t *) AXIS2_MALLOC(env->allocator, length);
    if (text)
    {
        snprintf(text, length, "%s%s%s", prefix, *prefix ? ":" : "", localpart);
    }
    return text;
}

/* The stream of the current data source; after a node child, a new data source follows it. */
static axutil_stream_t *adb_writer_stream(adb_writer_t *writer)
{
    if (!writer->stream && writer->element_node)
    {
        axiom_data_source_t *source = axiom_data_source_create(writer->env, writer->element_node, &writer->source_node);
        writer->stream = source ? axiom_data_source_get_stream(source, writer->env) : NULL;
    }
    return writer->stream;
}

static void adb_write(adb_writer_t *writer, const axis2_char_t *text)
{
    axutil_stream_t *stream = adb_writer_stream(writer);
    if (stream && text)
    {
        axutil_stream_write(stream, writer->env, text, axutil_strlen(text));
    }
}

/* Writes `format` with the prefix, ":" when the prefix is not empty, and the name. */
static void adb_write_tag(adb_writer_t *writer, const char *format, const axis2_char_t *prefix,
                          const axis2_char_t *name)
{
    size_t length = strlen(format) + axutil_strlen(prefix) + axutil_strlen(name) + 1;
    axis2_char_t *tag = (axis2_char_t *) AXIS2_MALLOC(writer->env->allocator, length);
    if (!tag)
    {
        AXIS2_ERROR_SET(writer->env->error, AXIS2_ERROR_NO_MEMORY, AXIS2_FAILURE);
        return;
    }
    snprintf(tag, length, format, prefix, *prefix ? ":" : "", name);
    adb_write(writer, tag);
    AXIS2_FREE(writer->env->allocator, tag);
}

static void adb_write_text(adb_writer_t *writer, const axis2_char_t *text, axis2_bool_t escaped)
{
    axis2_char_t *quoted = escaped ? axutil_xml_quote_string(writer->env, text, AXIS2_TRUE) : NULL;
    adb_write(writer, quoted ? quoted : text);
    if (quoted)
    {
        AXIS2_FREE(writer->env->allocator, quoted);
    }
}

/* Writes the content of an element holding `value`: its text form, the nested type's
 * content, or the node itself. */
static void adb_write_value(adb_writer_t *writer, const adb_property_t *property, adb_value_t value,
                            axis2_bool_t tag_closed)
{
    const axutil_env_t *env = writer->env;
    axis2_char_t *text = NULL;

    switch (property->type)
    {
    case ADB_TYPE_NODE:
        /* A node goes into the tree itself; raw text after it needs a data source of its own. */
        axiom_node_add_child(writer->element_node, env, (axiom_node_t *) value.object);
        writer->stream = NULL;
        return;
    case ADB_TYPE_BINDING:
        if (adb_writer_stream(writer))
        {
            adb_record_serialize((adb_record_t *) value.object, env, writer->source_node, writer->element, tag_closed,
                                 writer->namespaces, writer->next_ns_index);
        }
        return;
    case ADB_TYPE_QNAME:
        text = adb_qname_to_text(env, (axutil_qname_t *) value.object, writer->namespaces, writer->next_ns_index,
                                 writer->element);
        break;
    default:
        text = adb_value_to_text(env, property->type, value);
        break;
    }
    if (!tag_closed)
    {
        adb_write(writer, ">");
    }
    adb_write_text(writer, text, adb_value_is_escaped(property->type));
    if (text)
    {
        AXIS2_FREE(env->allocator, text);
    }
}

/* Writes each set property as a child element named like it; a string list as one child per
 * item, nil items left out. */
static void adb_write_children(adb_writer_t *writer, const axis2_char_t *prefix)
{
    const adb_type_t *type = writer->record->type;
    int i;
    int j;

    for (i = 0; i < type->property_count; i++)
    {
        const adb_property_t *property = &type->properties[i];
        adb_value_t value = writer->record->values[i];
        if (!writer->record->is_valid[i])
        {
            continue;
        }
        if (property->type == ADB_TYPE_STRING_LIST)
        {
            axutil_array_list_t *list = (axutil_array_list_t *) value.object;
            for (j = 0; j < axutil_array_list_size(list, writer->env); j++)
            {
                axis2_char_t *item = (axis2_char_t *) axutil_array_list_get(list, writer->env, j);
                if (item)
                {
                    adb_write_tag(writer, "<%s%s%s>", prefix, property->name);
                    adb_write_text(writer, item, AXIS2_TRUE);
                    adb_write_tag(writer, "</%s%s%s>", prefix, property->name);
                }
            }
        }
        else if (property->type == ADB_TYPE_NODE)
        {
            axiom_node_t *child_node = NULL;
            axiom_namespace_t *ns = axiom_namespace_create(writer->env, type->namespace_uri, prefix);
            if (axiom_element_create(writer->env, writer->element_node, property->name, ns, &child_node))
            {
                axiom_node_add_child(child_node, writer->env, (axiom_node_t *) value.object);
            }
            else
            {
                axiom_namespace_free(ns, writer->env);
            }
            writer->stream = NULL;
        }
        else
        {
            /* The start tag stays open for a nested type, which closes it itself. */
            adb_write_tag(writer, "<%s%s%s", prefix, property->name);
            adb_write_value(writer, property, value, AXIS2_FALSE);
            adb_write_tag(writer, "</%s%s%s>", prefix, property->name);
        }
    }
}

/* A message or element: the root of a new tree. */
static axiom_node_t *adb_serialize_root(adb_record_t *record, const axutil_env_t *env)
{
    const adb_type_t *type = record->type;
    adb_writer_t writer;
    axiom_namespace_t *ns;
    axiom_node_t *root = NULL;
    const axis2_char_t *prefix;
    int ns_index = 0;

    memset(&writer, 0, sizeof(writer));
    writer.env = env;
    writer.record = record;
    writer.next_ns_index = &ns_index;
    writer.namespaces = axutil_hash_make(env);
    if (!writer.namespaces)
    {
        AXIS2_ERROR_SET(env->error, AXIS2_ERROR_NO_MEMORY, AXIS2_FAILURE);
        return NULL;
    }
    ns = axiom_namespace_create(env, type->namespace_uri, "n");
    axutil_hash_set(writer.namespaces, type->namespace_uri, AXIS2_HASH_KEY_STRING, axutil_strdup(env, "n"));
    writer.element = axiom_element_create(env, NULL, type->name, ns, &root);
    if (!writer.element)
    {
        axiom_namespace_free(ns, env);
        adb_free_namespace_table(env, writer.namespaces);
        return NULL;
    }
    axiom_element_set_namespace(writer.element, env, ns, root);
    writer.element_node = root;

    prefix = adb_namespace_prefix(env, writer.namespaces, &ns_index, type->namespace_uri, "n%d", writer.element);
    if (prefix && adb_writer_stream(&writer))
    {
        if (type->kind == ADB_KIND_MESSAGE)
        {
            adb_write_children(&writer, prefix);
        }
        else if (record->is_valid[0])
        {
            adb_write_value(&writer, &type->properties[0], record->values[0], AXIS2_TRUE);
        }
        else
        {
            adb_write_tag(&writer, "<%s%s%s xmlns:xsi=\"" ADB_XSI_NAMESPACE "\" xsi:nil=\"1\"/>", prefix, type->name);
        }
    }
    adb_free_namespace_table(env, writer.namespaces);
    return root;
}

/* A simple or complex type: content of the element its parent is writing. */
static axiom_node_t *adb_serialize_content(adb_record_t *record, const axutil_env_t *env, axiom_node_t *parent,
                                           axiom_element_t *parent_element, int parent_tag_closed,
                                           axutil_hash_t *namespaces, int *next_ns_index)
{
    adb_writer_t writer;
    int ns_index = 0;

    if (!parent || axiom_node_get_node_type(parent, env) != AXIOM_DATA_SOURCE)
    {
        AXIS2_ERROR_SET(env->error, AXIS2_ERROR_INVALID_NULL_PARAM, AXIS2_FAILURE);
        return NULL;
    }
    memset(&writer, 0, sizeof(writer));
    writer.env = env;
    writer.record = record;
    writer.element = parent_element;
    writer.source_node = parent;
    writer.stream = axiom_data_source_get_stream((axiom_data_source_t *) axiom_node_get_data_element(parent, env), env);
    writer.namespaces = namespaces ? namespaces : axutil_hash_make(env);
    writer.next_ns_index = next_ns_index ? next_ns_index : &ns_index;

    if (!parent_tag_closed)
    {
        adb_write(&writer, ">");
    }
    if (record->type->kind == ADB_KIND_SIMPLE_TYPE)
    {
        axis2_char_t *text = adb_record_serialize_to_string(record, env, writer.namespaces);
        adb_write_text(&writer, text, AXIS2_FALSE);
        if (text)
        {
            AXIS2_FREE(env->allocator, text);
        }
    }
    else if (writer.namespaces)
    {
        const axis2_char_t *prefix = adb_namespace_prefix(env, writer.namespaces, writer.next_ns_index,
                                                          record->type->namespace_uri, "n%d", parent_element);
        if (prefix)
        {
            adb_write_children(&writer, prefix);
        }
    }
    if (writer.namespaces && !namespaces)
    {
        adb_free_namespace_table(env, writer.namespaces);
    }
    return parent;
}

axiom_node_t *adb_record_serialize(adb_record_t *record, const axutil_env_t *env, axiom_node_t *parent,
                                   axiom_element_t *parent_element, int parent_tag_closed,
                                   axutil_hash_t *namespaces, int *next_ns_index)
{
    AXIS2_PARAM_CHECK(env->error, record, NULL);
    if (record->type->kind == ADB_KIND_MESSAGE || record->type->kind == ADB_KIND_ELEMENT)
    {
        return adb_serialize_root(record, env);
    }
    return adb_serialize_content(record, env, parent, parent_element, parent_tag_closed, namespaces, next_ns_index);
}

void adb_record_declare_parent_namespaces(adb_record_t *record, const axutil_env_t *env,
                                          axiom_element_t *parent_element, axutil_hash_t *namespaces,
                                          int *next_ns_index)
{
    int i;
    AXIS2_PARAM_CHECK_VOID(env->error, record);
    for (i = 0; namespaces && next_ns_index && i < record->type->property_count; i++)
    {
        if (record->type->properties[i].type == ADB_TYPE_QNAME && record->is_valid[i])
        {
            const axis2_char_t *uri = axutil_qname_get_uri((axutil_qname_t *) record->values[i].object, env);
            if (uri && *uri)
            {
                adb_namespace_prefix(env, namespaces, next_ns_index, uri, "q%d", parent_element);
            }
        }
    }
}

axis2_char_t *adb_record_serialize_to_string(adb_record_t *record, const axutil_env_t *env,
                                             axutil_hash_t *namespaces)
{
    (void) namespaces;
    AXIS2_PARAM_CHECK(env->error, record, NULL);
    if (record->type->property_count == 0 || !record->is_valid[0])
    {
        return NULL;
    }
    return adb_value_to_text(env, record->type->properties[0].type, record->values[0]);
}
