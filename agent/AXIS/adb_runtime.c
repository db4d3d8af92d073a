/*
 * adb_runtime.c
 *
 * Records of the ADB bindings: creation, ownership of property values and the items of
 * string lists; see adb_runtime.h. Serialization and parsing live in
 * adb_runtime_serialize.c and adb_runtime_deserialize.c.
 */
#include "adb_runtime_private.h"

#include <string.h>

static const adb_property_t *adb_property(const adb_record_t *record, int index)
{
    return &record->type->properties[index];
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
    if (record->is_valid[index])
    {
        adb_value_free(env, adb_property(record, index)->type, record->values[index]);
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
    if (record->is_valid[index] && adb_value_equals(property->type, record->values[index], value))
    {
        return AXIS2_SUCCESS;
    }
    if (adb_value_is_reference(property->type) && !value.object)
    {
        if (record->type->kind == ADB_KIND_SIMPLE_TYPE)
        {
            AXIS2_LOG_ERROR(env->log, record->type->source_file, __LINE__,
                            "%s is being set to NULL, but it is not a nillable element", property->name);
            return AXIS2_FAILURE;
        }
        return adb_record_reset(record, env, index);
    }
    if (property->type == ADB_TYPE_STRING_LIST && axutil_array_list_size(value.object, env) < 0)
    {
        AXIS2_LOG_ERROR(env->log, record->type->source_file, __LINE__, "%s has less than minOccurs(0)",
                        property->name);
        return AXIS2_FAILURE;
    }
    if (property->type == ADB_TYPE_STRING)
    {
        /* Copied before the old value goes: the new one may be part of it. */
        value.text = (axis2_char_t *) axutil_strdup(env, value.text);
        if (!value.text)
        {
            AXIS2_LOG_ERROR(env->log, record->type->source_file, __LINE__, "Error allocating memeory for %s",
                            property->name);
            return AXIS2_FAILURE;
        }
    }
    adb_record_reset(record, env, index);
    record->values[index] = value;
    record->is_valid[index] = AXIS2_TRUE;
    return AXIS2_SUCCESS;
}

axis2_status_t adb_record_set_text(adb_record_t *record, const axutil_env_t *env, int index,
                                   const axis2_char_t *text)
{
    adb_value_t value;
    value.text = (axis2_char_t *) text;
    return adb_record_set(record, env, index, value);
}

axis2_status_t adb_record_set_boolean(adb_record_t *record, const axutil_env_t *env, int index, axis2_bool_t boolean)
{
    adb_value_t value;
    value.boolean = boolean;
    return adb_record_set(record, env, index, value);
}

axis2_status_t adb_record_set_integer(adb_record_t *record, const axutil_env_t *env, int index, int64_t integer)
{
    adb_value_t value;
    value.integer = integer;
    return adb_record_set(record, env, index, value);
}

axis2_status_t adb_record_set_unsigned(adb_record_t *record, const axutil_env_t *env, int index, uint64_t number)
{
    adb_value_t value;
    value.unsigned_integer = number;
    return adb_record_set(record, env, index, value);
}

axis2_status_t adb_record_set_real(adb_record_t *record, const axutil_env_t *env, int index, double real)
{
    adb_value_t value;
    value.real = real;
    return adb_record_set(record, env, index, value);
}

axis2_status_t adb_record_set_object(adb_record_t *record, const axutil_env_t *env, int index, void *object)
{
    adb_value_t value;
    value.object = object;
    return adb_record_set(record, env, index, value);
}

axis2_bool_t adb_record_is_nil(adb_record_t *record, const axutil_env_t *env, int index)
{
    AXIS2_PARAM_CHECK(env->error, record, AXIS2_TRUE);
    return !record->is_valid[index];
}

/* The list of a string list property, or NULL when there is none yet. */
static axutil_array_list_t *adb_record_list(adb_record_t *record, int index)
{
    return record->is_valid[index] ? (axutil_array_list_t *) record->values[index].object : NULL;
}

axis2_char_t *adb_record_get_at(adb_record_t *record, const axutil_env_t *env, int index, int i)
{
    axutil_array_list_t *list;
    AXIS2_PARAM_CHECK(env->error, record, NULL);
    list = adb_record_list(record, index);
    return list ? (axis2_char_t *) axutil_array_list_get(list, env, i) : NULL;
}

axis2_status_t adb_record_set_at(adb_record_t *record, const axutil_env_t *env, int index, int i,
                                 const axis2_char_t *text)
{
    axutil_array_list_t *list;
    axis2_char_t *copy;
    AXIS2_PARAM_CHECK(env->error, record, AXIS2_FAILURE);
    list = adb_record_list(record, index);
    if (list && i >= 0 && i < axutil_array_list_size(list, env) && text == axutil_array_list_get(list, env, i))
    {
        return AXIS2_SUCCESS;
    }
    if (!text)
    {
        return adb_record_set_nil_at(record, env, index, i);
    }
    if (!list || i < 0 || i >= axutil_array_list_size(list, env))
    {
        AXIS2_ERROR_SET(env->error, AXIS2_ERROR_INDEX_OUT_OF_BOUNDS, AXIS2_FAILURE);
        return AXIS2_FAILURE;
    }
    copy = (axis2_char_t *) axutil_strdup(env, text);
    if (!copy)
    {
        return AXIS2_FAILURE;
    }
    copy = axutil_array_list_set(list, env, i, copy);
    if (copy)
    {
        AXIS2_FREE(env->allocator, copy);
    }
    return AXIS2_SUCCESS;
}

axis2_status_t adb_record_add(adb_record_t *record, const axutil_env_t *env, int index, const axis2_char_t *text)
{
    axutil_array_list_t *list;
    axis2_char_t *copy;
    AXIS2_PARAM_CHECK(env->error, record, AXIS2_FAILURE);
    if (!text)
    {
        return AXIS2_SUCCESS;
    }
    list = adb_record_list(record, index);
    if (!list)
    {
        list = axutil_array_list_create(env, 10);
        if (!list)
        {
            AXIS2_LOG_ERROR(env->log, record->type->source_file, __LINE__, "Failed in allocatting memory for %s",
                            adb_property(record, index)->name);
            return AXIS2_FAILURE;
        }
        record->values[index].object = list;
        record->is_valid[index] = AXIS2_TRUE;
    }
    copy = (axis2_char_t *) axutil_strdup(env, text);
    if (!copy || axutil_array_list_add(list, env, copy) != AXIS2_SUCCESS)
    {
        if (copy)
        {
            AXIS2_FREE(env->allocator, copy);
        }
        return AXIS2_FAILURE;
    }
    return AXIS2_SUCCESS;
}

int adb_record_sizeof(adb_record_t *record, const axutil_env_t *env, int index)
{
    axutil_array_list_t *list;
    AXIS2_PARAM_CHECK(env->error, record, 0);
    list = adb_record_list(record, index);
    return list ? axutil_array_list_size(list, env) : 0;
}

axis2_status_t adb_record_remove_at(adb_record_t *record, const axutil_env_t *env, int index, int i)
{
    axutil_array_list_t *list;
    void *item;
    AXIS2_PARAM_CHECK(env->error, record, AXIS2_FAILURE);
    list = adb_record_list(record, index);
    if (!list || i < 0 || i >= axutil_array_list_size(list, env))
    {
        AXIS2_ERROR_SET(env->error, AXIS2_ERROR_INDEX_OUT_OF_BOUNDS, AXIS2_FAILURE);
        return AXIS2_FAILURE;
    }
    item = axutil_array_list_remove(list, env, i);
    if (item)
    {
        AXIS2_FREE(env->allocator, item);
    }
    return AXIS2_SUCCESS;
}

axis2_bool_t adb_record_is_nil_at(adb_record_t *record, const axutil_env_t *env, int index, int i)
{
    axutil_array_list_t *list;
    AXIS2_PARAM_CHECK(env->error, record, AXIS2_TRUE);
    list = adb_record_list(record, index);
    return !list || i < 0 || i >= axutil_array_list_size(list, env) || !axutil_array_list_get(list, env, i);
}

axis2_status_t adb_record_set_nil_at(adb_record_t *record, const axutil_env_t *env, int index, int i)
{
    axutil_array_list_t *list;
    void *item;
    AXIS2_PARAM_CHECK(env->error, record, AXIS2_FAILURE);
    list = adb_record_list(record, index);
    if (!list)
    {
        return AXIS2_SUCCESS;
    }
    if (i < 0 || i >= axutil_array_list_size(list, env))
    {
        AXIS2_ERROR_SET(env->error, AXIS2_ERROR_INDEX_OUT_OF_BOUNDS, AXIS2_FAILURE);
        return AXIS2_FAILURE;
    }
    item = axutil_array_list_set(list, env, i, NULL);
    if (item)
    {
        AXIS2_FREE(env->allocator, item);
    }
    return AXIS2_SUCCESS;
}
