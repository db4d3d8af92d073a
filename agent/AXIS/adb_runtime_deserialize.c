/*
 * adb_runtime_deserialize.c
 *
 * Reading binding records from node trees. Like Axis2/C's generated code, a record takes what
 * it recognises and leaves the rest unset: a missing or foreign child element is no error,
 * only a wrong root element, a value that does not convert, a nested type that cannot be
 * built, and a nil simple type are.
 */
#include "adb_runtime_private.h"

#include <string.h>

static axis2_bool_t adb_has_nil_attribute(const axutil_env_t *env, axiom_node_t *node)
{
    axiom_element_t *element = (axiom_element_t *) axiom_node_get_data_element(node, env);
    axis2_char_t *nil = axiom_element_get_attribute_value_by_name(element, env, (axis2_char_t *) "nil");
    return nil && (axutil_strcasecmp(nil, "true") == 0 || axutil_strcmp(nil, "1") == 0);
}

static axiom_node_t *adb_element_at_or_after(const axutil_env_t *env, axiom_node_t *node)
{
    while (node && axiom_node_get_node_type(node, env) != AXIOM_ELEMENT)
    {
        node = axiom_node_get_next_sibling(node, env);
    }
    return node;
}

static axiom_node_t *adb_first_child_element(const axutil_env_t *env, axiom_node_t *node)
{
    return adb_element_at_or_after(env, axiom_node_get_first_child(node, env));
}

static axiom_node_t *adb_next_element(const axutil_env_t *env, axiom_node_t *node)
{
    return adb_element_at_or_after(env, axiom_node_get_next_sibling(node, env));
}

static const axis2_char_t *adb_localname(const axutil_env_t *env, axiom_node_t *node)
{
    return axiom_element_get_localname((axiom_element_t *) axiom_node_get_data_element(node, env), env);
}

static axis2_char_t *adb_text(const axutil_env_t *env, axiom_node_t *node)
{
    return axiom_element_get_text((axiom_element_t *) axiom_node_get_data_element(node, env), env, node);
}

axis2_bool_t adb_element_is_nil(const axutil_env_t *env, axiom_node_t *node, axis2_bool_t look_inside)
{
    axiom_node_t *inner;
    if (adb_has_nil_attribute(env, node))
    {
        return AXIS2_TRUE;
    }
    inner = look_inside ? adb_first_child_element(env, node) : NULL;
    return inner && axutil_strcmp(adb_localname(env, inner), adb_localname(env, node)) == 0 &&
           adb_has_nil_attribute(env, inner);
}

/* Whether the element `node` is `name` in the namespace `uri`. */
static axis2_bool_t adb_is_element(const axutil_env_t *env, axiom_node_t *node, const axis2_char_t *name,
                                   const axis2_char_t *uri)
{
    axutil_qname_t *expected = axutil_qname_create(env, name, uri, NULL);
    axutil_qname_t *actual = axiom_element_get_qname((axiom_element_t *) axiom_node_get_data_element(node, env),
                                                     env, node);
    axis2_bool_t matches = expected && actual && axutil_qname_equals(expected, env, actual);
    if (expected)
    {
        axutil_qname_free(expected, env);
    }
    return matches;
}

/* Sets property `index` to the value converted from `text`. */
static axis2_status_t adb_read_text(adb_record_t *record, const axutil_env_t *env, int index,
                                    const axis2_char_t *text, axiom_node_t *node)
{
    const adb_property_t *property = &record->type->properties[index];
    adb_value_t value;

    if (adb_value_from_text(env, property->type, text, node, &value) != AXIS2_SUCCESS)
    {
        AXIS2_LOG_ERROR(env->log, record->type->source_file, __LINE__, "failed in building element %s ",
                        property->name);
        return AXIS2_FAILURE;
    }
    if (adb_record_set(record, env, index, value) != AXIS2_SUCCESS)
    {
        if (property->type != ADB_TYPE_STRING)
        {
            adb_value_free(env, property->type, value);
        }
        AXIS2_LOG_ERROR(env->log, record->type->source_file, __LINE__, "failed in setting the value for %s ",
                        property->name);
        return AXIS2_FAILURE;
    }
    return AXIS2_SUCCESS;
}

/* Sets property `index` from the element `node` that holds its value. */
static axis2_status_t adb_read_property(adb_record_t *record, const axutil_env_t *env, int index, axiom_node_t *node)
{
    const adb_property_t *property = &record->type->properties[index];
    axiom_node_t *content;
    adb_record_t *nested;
    axis2_char_t *text;

    switch (property->type)
    {
    case ADB_TYPE_NODE:
        /* The node stays in the tree read; the record only refers to it. */
        content = adb_first_child_element(env, node);
        content = content ? content : axiom_node_get_first_child(node, env);
        return content ? adb_record_set_object(record, env, index, content) : AXIS2_SUCCESS;
    case ADB_TYPE_BINDING:
        if (property->nillable && adb_element_is_nil(env, node, AXIS2_FALSE))
        {
            return AXIS2_SUCCESS;
        }
        nested = property->create_binding(env);
        if (!nested || adb_record_deserialize(nested, env, &node, NULL, AXIS2_FALSE) != AXIS2_SUCCESS ||
            adb_record_set_object(record, env, index, nested) != AXIS2_SUCCESS)
        {
            if (nested)
            {
                adb_record_free(nested, env);
            }
            AXIS2_LOG_ERROR(env->log, record->type->source_file, __LINE__,
                            "failed in building adb object for element %s", property->name);
            return AXIS2_FAILURE;
        }
        return AXIS2_SUCCESS;
    default:
        text = adb_text(env, node);
        return text ? adb_read_text(record, env, index, text, node) : AXIS2_SUCCESS;
    }
}

/* Reads the consecutive item elements named like the list property, starting at `*node`,
 * and leaves `*node` at the first element that is not one. */
static axis2_status_t adb_read_items(adb_record_t *record, const axutil_env_t *env, int index, axiom_node_t **node)
{
    const axis2_char_t *name = record->type->properties[index].name;
    axutil_array_list_t *list = NULL;

    for (; *node && axutil_strcmp(adb_localname(env, *node), name) == 0; *node = adb_next_element(env, *node))
    {
        axis2_char_t *text = adb_text(env, *node);
        axis2_char_t *item = NULL;
        if (text || !adb_has_nil_attribute(env, *node))
        {
            item = (axis2_char_t *) axutil_strdup(env, text ? text : "");
            if (!item)
            {
                break;
            }
        }
        if (!list && !(list = axutil_array_list_create(env, 10)))
        {
            AXIS2_FREE(env->allocator, item);
            AXIS2_LOG_ERROR(env->log, record->type->source_file, __LINE__, "Failed in allocatting memory for %s",
                            name);
            return AXIS2_FAILURE;
        }
        axutil_array_list_add(list, env, item);
    }
    return list ? adb_record_set_object(record, env, index, list) : AXIS2_SUCCESS;
}

/* Reads the properties in order from the child elements of `node`; a property whose element
 * is not next is left unset. */
static axis2_status_t adb_read_children(adb_record_t *record, const axutil_env_t *env, axiom_node_t *node)
{
    const adb_type_t *type = record->type;
    axiom_node_t *child = adb_first_child_element(env, node);
    int i;

    for (i = 0; i < type->property_count; i++)
    {
        if (type->properties[i].type == ADB_TYPE_STRING_LIST)
        {
            if (adb_read_items(record, env, i, &child) != AXIS2_SUCCESS)
            {
                return AXIS2_FAILURE;
            }
            continue;
        }
        if (!child || !adb_is_element(env, child, type->properties[i].name, type->namespace_uri))
        {
            continue;
        }
        if (adb_read_property(record, env, i, child) != AXIS2_SUCCESS)
        {
            return AXIS2_FAILURE;
        }
        child = adb_next_element(env, child);
    }
    return AXIS2_SUCCESS;
}

/* An element binding's one value, from the element's content; an empty element is unset. */
static axis2_status_t adb_read_content(adb_record_t *record, const axutil_env_t *env, axiom_node_t *node)
{
    if (adb_element_is_nil(env, node, AXIS2_TRUE) || (!adb_text(env, node) && !adb_first_child_element(env, node)))
    {
        return AXIS2_SUCCESS;
    }
    return adb_read_property(record, env, 0, node);
}

/* A simple type's value, from the text of the element holding it. */
static axis2_status_t adb_read_simple(adb_record_t *record, const axutil_env_t *env, axiom_node_t *node)
{
    axiom_node_t *first;
    const axis2_char_t *text = NULL;

    if (axiom_node_get_node_type(node, env) == AXIOM_ELEMENT && adb_has_nil_attribute(env, node))
    {
        AXIS2_LOG_ERROR(env->log, record->type->source_file, __LINE__,
                        "NULL value is set to a non nillable element %s", record->type->name);
        return AXIS2_FAILURE;
    }
    first = axiom_node_get_first_child(node, env);
    if (first && axiom_node_get_node_type(first, env) == AXIOM_TEXT)
    {
        text = adb_text(env, node);
    }
    if (!text && record->type->properties[0].type == ADB_TYPE_STRING)
    {
        text = "";
    }
    return text ? adb_record_deserialize_from_string(record, env, text, node) : AXIS2_SUCCESS;
}

axis2_status_t adb_record_deserialize_from_string(adb_record_t *record, const axutil_env_t *env,
                                                  const axis2_char_t *node_value, axiom_node_t *parent)
{
    AXIS2_PARAM_CHECK(env->error, record, AXIS2_FAILURE);
    AXIS2_PARAM_CHECK(env->error, node_value, AXIS2_FAILURE);
    return adb_read_text(record, env, 0, node_value, parent);
}

axis2_status_t adb_record_deserialize(adb_record_t *record, const axutil_env_t *env, axiom_node_t **dp_parent,
                                      axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs)
{
    const adb_type_t *type;
    axiom_node_t *parent = dp_parent ? *dp_parent : NULL;
    axutil_qname_t *qname;

    (void) dp_is_early_node_valid;
    (void) dont_care_minoccurs;
    AXIS2_PARAM_CHECK(env->error, record, AXIS2_FAILURE);
    type = record->type;
    if (type->kind == ADB_KIND_SIMPLE_TYPE || type->kind == ADB_KIND_COMPLEX_TYPE)
    {
        AXIS2_PARAM_CHECK(env->error, parent, AXIS2_FAILURE);
        return type->kind == ADB_KIND_SIMPLE_TYPE ? adb_read_simple(record, env, parent)
                                                  : adb_read_children(record, env, parent);
    }
    parent = adb_element_at_or_after(env, parent);
    if (!parent)
    {
        AXIS2_LOG_ERROR(env->log, type->source_file, __LINE__,
                        "Failed in building adb object for %s : NULL elemenet can not be passed to deserialize",
                        type->name);
        return AXIS2_FAILURE;
    }
    qname = axiom_element_get_qname((axiom_element_t *) axiom_node_get_data_element(parent, env), env, parent);
    if (!axutil_qname_equals(record->qname, env, qname))
    {
        AXIS2_LOG_ERROR(env->log, type->source_file, __LINE__,
                        "Failed in building adb object for %s : Expected %s but returned %s", type->name,
                        axutil_qname_to_string(record->qname, env),
                        qname ? axutil_qname_to_string(qname, env) : "NULL");
        return AXIS2_FAILURE;
    }
    return type->kind == ADB_KIND_MESSAGE ? adb_read_children(record, env, parent)
                                          : adb_read_content(record, env, parent);
}
