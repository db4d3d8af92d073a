// Properties: named values handed to the options, with their release rule.
#include "internal.h"

#include <axutil_property.h>

#include <new>

using axis2c::Present;

struct axutil_property
{
    axis2_scope_t scope = AXIS2_SCOPE_REQUEST;
    axis2_bool_t ownValue = AXIS2_TRUE;
    AXIS2_FREE_VOID_ARG freeFunc = nullptr;
    void* value = nullptr;
};

namespace
{

void ReleaseValue(axutil_property* property, const axutil_env_t* env)
{
    if (!property->ownValue || !property->value)
        return;
    if (property->freeFunc)
        property->freeFunc(property->value, env);
    else if (env && env->allocator)
        AXIS2_FREE(env->allocator, property->value);
    property->value = nullptr;
}

} // namespace

extern "C"
{
axutil_property_t* axutil_property_create(const axutil_env_t* env)
{
    auto* property = new (std::nothrow) axutil_property();
    if (!property)
        axis2c::SetError(env, AXIS2_ERROR_NO_MEMORY);
    return property;
}

axutil_property_t* axutil_property_create_with_args(const axutil_env_t* env, axis2_scope_t scope,
                                                    axis2_bool_t own_value, AXIS2_FREE_VOID_ARG free_func, void* value)
{
    axutil_property_t* property = axutil_property_create(env);
    if (!property)
        return nullptr;
    property->scope = scope;
    property->ownValue = own_value;
    property->freeFunc = free_func;
    property->value = value;
    return property;
}

void axutil_property_free(axutil_property_t* property, const axutil_env_t* env)
{
    if (!property)
        return;
    ReleaseValue(property, env);
    delete property;
}

axis2_status_t axutil_property_set_scope(axutil_property_t* property, const axutil_env_t* env, axis2_scope_t scope)
{
    if (!Present(env, property))
        return AXIS2_FAILURE;
    property->scope = scope;
    return AXIS2_SUCCESS;
}

axis2_scope_t axutil_property_get_scope(axutil_property_t* property, const axutil_env_t* env)
{
    if (!Present(env, property))
        return AXIS2_SCOPE_REQUEST;
    return property->scope;
}

axis2_status_t axutil_property_set_free_func(axutil_property_t* property, const axutil_env_t* env,
                                             AXIS2_FREE_VOID_ARG free_func)
{
    if (!Present(env, property))
        return AXIS2_FAILURE;
    property->freeFunc = free_func;
    return AXIS2_SUCCESS;
}

axis2_status_t axutil_property_set_value(axutil_property_t* property, const axutil_env_t* env, void* value)
{
    if (!Present(env, property))
        return AXIS2_FAILURE;
    if (property->value != value)
        ReleaseValue(property, env);
    property->value = value;
    return AXIS2_SUCCESS;
}

void* axutil_property_get_value(axutil_property_t* property, const axutil_env_t* env)
{
    if (!Present(env, property))
        return nullptr;
    return property->value;
}

axis2_status_t axutil_property_set_own_value(axutil_property_t* property, const axutil_env_t* env,
                                             axis2_bool_t own_value)
{
    if (!Present(env, property))
        return AXIS2_FAILURE;
    property->ownValue = own_value;
    return AXIS2_SUCCESS;
}

} // extern "C"
