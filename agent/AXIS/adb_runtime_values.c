/*
 * adb_runtime_values.c
 *
 * The value types of the binding runtime: how each is owned, compared, written as text and
 * read back. Number forms are those of Axis2/C's generated code ("%d", "%u", "%f", ...), so
 * that a peer reading them sees what it would get from an Axis2/C client.
 */
#include "adb_runtime_private.h"

#include <stdlib.h>
#include <string.h>
#include <axutil_duration.h>
#include <axutil_uri.h>

/* Large enough for "%f" of the largest double (309 digits, sign, point and six decimals). */
#define ADB_NUMBER_TEXT_LIMIT 512

axis2_bool_t adb_value_is_reference(adb_value_type_t type)
{
    switch (type)
    {
    case ADB_TYPE_BOOLEAN:
    case ADB_TYPE_INT8:
    case ADB_TYPE_UINT8:
    case ADB_TYPE_INT16:
    case ADB_TYPE_UINT16:
    case ADB_TYPE_INT32:
    case ADB_TYPE_UINT32:
    case ADB_TYPE_INT64:
    case ADB_TYPE_UINT64:
    case ADB_TYPE_FLOAT:
    case ADB_TYPE_DOUBLE:
        return AXIS2_FALSE;
    default:
        return AXIS2_TRUE;
    }
}

axis2_bool_t adb_value_equals(adb_value_type_t type, adb_value_t a, adb_value_t b)
{
    switch (type)
    {
    case ADB_TYPE_BOOLEAN:
        return a.boolean == b.boolean;
    case ADB_TYPE_INT8:
    case ADB_TYPE_INT16:
    case ADB_TYPE_INT32:
    case ADB_TYPE_INT64:
        return a.integer == b.integer;
    case ADB_TYPE_UINT8:
    case ADB_TYPE_UINT16:
    case ADB_TYPE_UINT32:
    case ADB_TYPE_UINT64:
        return a.unsigned_integer == b.unsigned_integer;
    case ADB_TYPE_FLOAT:
    case ADB_TYPE_DOUBLE:
        return a.real == b.real;
    default:
        return a.object == b.object;
    }
}

static void adb_string_list_free(const axutil_env_t *env, axutil_array_list_t *list)
{
    int i;
    int size = axutil_array_list_size(list, env);
    for (i = 0; i < size; i++)
    {
        void *item = axutil_array_list_get(list, env, i);
        if (item)
        {
            AXIS2_FREE(env->allocator, item);
        }
    }
    axutil_array_list_free(list, env);
}

void adb_value_free(const axutil_env_t *env, adb_value_type_t type, adb_value_t value)
{
    if (!adb_value_is_reference(type) || !value.object)
    {
        return;
    }
    switch (type)
    {
    case ADB_TYPE_STRING:
        AXIS2_FREE(env->allocator, value.text);
        break;
    case ADB_TYPE_DATE_TIME:
        axutil_date_time_free((axutil_date_time_t *) value.object, env);
        break;
    case ADB_TYPE_URI:
        axutil_uri_free((axutil_uri_t *) value.object, env);
        break;
    case ADB_TYPE_QNAME:
        axutil_qname_free((axutil_qname_t *) value.object, env);
        break;
    case ADB_TYPE_BASE64_BINARY:
        axutil_base64_binary_free((axutil_base64_binary_t *) value.object, env);
        break;
    case ADB_TYPE_DURATION:
        axutil_duration_free((axutil_duration_t *) value.object, env);
        break;
    case ADB_TYPE_BINDING:
        adb_record_free((adb_record_t *) value.object, env);
        break;
    case ADB_TYPE_STRING_LIST:
        adb_string_list_free(env, (axutil_array_list_t *) value.object);
        break;
    default:
        /* Nodes belong to the tree they are part of. */
        break;
    }
}

/* URIs are escaped too: a query such as "?a=1&b=2" is not well-formed content otherwise. */
axis2_bool_t adb_value_is_escaped(adb_value_type_t type)
{
    return type == ADB_TYPE_STRING || type == ADB_TYPE_URI;
}

axis2_char_t *adb_value_to_text(const axutil_env_t *env, adb_value_type_t type, adb_value_t value)
{
    char number[ADB_NUMBER_TEXT_LIMIT];
    switch (type)
    {
    case ADB_TYPE_STRING:
        return (axis2_char_t *) axutil_strdup(env, value.text);
    case ADB_TYPE_BOOLEAN:
        return (axis2_char_t *) axutil_strdup(env, value.boolean ? "true" : "false");
    case ADB_TYPE_INT8:
    case ADB_TYPE_INT16:
    case ADB_TYPE_INT32:
        snprintf(number, sizeof number, "%d", (int) value.integer);
        break;
    case ADB_TYPE_UINT8:
        snprintf(number, sizeof number, "%d", (int) value.unsigned_integer);
        break;
    case ADB_TYPE_UINT16:
        snprintf(number, sizeof number, "%hu", (unsigned short) value.unsigned_integer);
        break;
    case ADB_TYPE_UINT32:
        snprintf(number, sizeof number, "%u", (unsigned int) value.unsigned_integer);
        break;
    case ADB_TYPE_INT64:
        snprintf(number, sizeof number, "%ld", (long) value.integer);
        break;
    case ADB_TYPE_UINT64:
        snprintf(number, sizeof number, "%lu", (unsigned long) value.unsigned_integer);
        break;
    case ADB_TYPE_FLOAT:
    case ADB_TYPE_DOUBLE:
        snprintf(number, sizeof number, "%f", value.real);
        break;
    case ADB_TYPE_DATE_TIME:
        return axutil_date_time_serialize_date_time((axutil_date_time_t *) value.object, env);
    case ADB_TYPE_URI:
        return axutil_uri_to_string((axutil_uri_t *) value.object, env, AXIS2_URI_UNP_OMITUSERINFO);
    case ADB_TYPE_BASE64_BINARY:
        return axutil_base64_binary_get_encoded_binary((axutil_base64_binary_t *) value.object, env);
    case ADB_TYPE_DURATION:
        return axutil_duration_serialize_duration((axutil_duration_t *) value.object, env);
    default:
        return NULL;
    }
    return (axis2_char_t *) axutil_strdup(env, number);
}

/* "prefix:localpart" → a QName whose URI is the one the prefix is bound to at `node`; an
 * unprefixed name takes the default namespace, if any. */
static axutil_qname_t *adb_qname_from_text(const axutil_env_t *env, const axis2_char_t *text, axiom_node_t *node)
{
    const axis2_char_t *colon = strchr(text, ':');
    const axis2_char_t *localpart = colon ? colon + 1 : text;
    axis2_char_t *prefix = (axis2_char_t *) axutil_strdup(env, text);
    axiom_namespace_t *ns = NULL;
    axutil_qname_t *qname;

    if (!prefix)
    {
        return NULL;
    }
    prefix[colon ? (size_t) (colon - text) : 0] = '\0';
    if (node && axiom_node_get_node_type(node, env) == AXIOM_ELEMENT)
    {
        ns = axiom_element_find_namespace_uri((axiom_element_t *) axiom_node_get_data_element(node, env), env,
                                              prefix, node);
    }
    if (ns)
    {
        qname = axutil_qname_create(env, localpart, axiom_namespace_get_uri(ns, env), prefix);
    }
    else
    {
        qname = axutil_qname_create(env, localpart, NULL, NULL);
    }
    AXIS2_FREE(env->allocator, prefix);
    return qname;
}

axis2_status_t adb_value_from_text(const axutil_env_t *env, adb_value_type_t type, const axis2_char_t *text,
                                   axiom_node_t *node, adb_value_t *value)
{
    memset(value, 0, sizeof(adb_value_t));
    switch (type)
    {
    case ADB_TYPE_STRING:
        value->text = (axis2_char_t *) text;
        return AXIS2_SUCCESS;
    case ADB_TYPE_BOOLEAN:
        value->boolean = axutil_strcasecmp(text, "true") == 0 ? AXIS2_TRUE : AXIS2_FALSE;
        return AXIS2_SUCCESS;
    case ADB_TYPE_INT8:
        value->integer = (int8_t) strtol(text, NULL, 10);
        return AXIS2_SUCCESS;
    case ADB_TYPE_INT16:
        value->integer = (int16_t) strtol(text, NULL, 10);
        return AXIS2_SUCCESS;
    case ADB_TYPE_INT32:
        value->integer = (int32_t) strtol(text, NULL, 10);
        return AXIS2_SUCCESS;
    case ADB_TYPE_INT64:
        value->integer = (int64_t) strtoll(text, NULL, 10);
        return AXIS2_SUCCESS;
    case ADB_TYPE_UINT8:
        value->unsigned_integer = (uint8_t) strtol(text, NULL, 10);
        return AXIS2_SUCCESS;
    case ADB_TYPE_UINT16:
        value->unsigned_integer = (uint16_t) strtol(text, NULL, 10);
        return AXIS2_SUCCESS;
    case ADB_TYPE_UINT32:
        value->unsigned_integer = (uint32_t) strtol(text, NULL, 10);
        return AXIS2_SUCCESS;
    case ADB_TYPE_UINT64:
        value->unsigned_integer = (uint64_t) strtoull(text, NULL, 10);
        return AXIS2_SUCCESS;
    case ADB_TYPE_FLOAT:
        value->real = (float) strtod(text, NULL);
        return AXIS2_SUCCESS;
    case ADB_TYPE_DOUBLE:
        value->real = strtod(text, NULL);
        return AXIS2_SUCCESS;
    case ADB_TYPE_DATE_TIME:
        value->object = axutil_date_time_create(env);
        if (value->object && axutil_date_time_deserialize_date_time(value->object, env, text) != AXIS2_SUCCESS)
        {
            axutil_date_time_free(value->object, env);
            value->object = NULL;
        }
        break;
    case ADB_TYPE_URI:
        value->object = axutil_uri_parse_string(env, text);
        break;
    case ADB_TYPE_QNAME:
        value->object = adb_qname_from_text(env, text, node);
        break;
    case ADB_TYPE_BASE64_BINARY:
        value->object = axutil_base64_binary_create(env);
        if (value->object && axutil_base64_binary_set_encoded_binary(value->object, env, text) != AXIS2_SUCCESS)
        {
            axutil_base64_binary_free(value->object, env);
            value->object = NULL;
        }
        break;
    case ADB_TYPE_DURATION:
        value->object = axutil_duration_create_from_string(env, text);
        break;
    default:
        return AXIS2_FAILURE;
    }
    return value->object ? AXIS2_SUCCESS : AXIS2_FAILURE;
}
