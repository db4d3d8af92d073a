// Allocator, environment and the shared error/exception helpers.
#include "internal.h"

#include <axutil_allocator.h>
#include <axutil_env.h>
#include <axutil_error_default.h>
#include <axutil_log_default.h>

#include <cstdlib>
#include <cstring>

namespace
{

void* DefaultMalloc(axutil_allocator_t*, size_t size)
{
    return std::malloc(size ? size : 1);
}

void* DefaultRealloc(axutil_allocator_t*, void* pointer, size_t size)
{
    return std::realloc(pointer, size ? size : 1);
}

void DefaultFree(axutil_allocator_t*, void* pointer)
{
    std::free(pointer);
}

} // namespace

namespace axis2c
{

char* CopyToAllocator(const axutil_env_t* env, const char* data, size_t length)
{
    char* copy = env && env->allocator ? static_cast<char*>(AXIS2_MALLOC(env->allocator, length + 1))
                                       : static_cast<char*>(std::malloc(length + 1));
    if (!copy)
        throw std::bad_alloc();
    if (length)
        std::memcpy(copy, data, length);
    copy[length] = '\0';
    return copy;
}

void SetError(const axutil_env_t* env, int number)
{
    if (!env || !env->error)
        return;
    axutil_error_set_error_number(env->error, static_cast<axutil_error_codes_t>(number));
    axutil_error_set_status_code(env->error, AXIS2_FAILURE);
}

void SetError(const axutil_env_t* env, int number, const std::string& detail)
{
    if (!env || !env->error)
        return;
    SetError(env, number);
    axutil_error_set_error_message(env->error, const_cast<char*>(detail.c_str()));
}

void RecordException(const axutil_env_t* env) noexcept
{
    try
    {
        throw;
    }
    catch (const std::bad_alloc&)
    {
        SetError(env, AXIS2_ERROR_NO_MEMORY);
    }
    catch (const Poco::Exception& error)
    {
        try
        {
            SetError(env, AXIS2_ERROR_INVALID_STATE_PARAM, error.displayText());
            LogText(env, AXIS2_LOG_LEVEL_ERROR, __FILE__, __LINE__, error.displayText());
        }
        catch (...)
        {
            SetError(env, AXIS2_ERROR_NO_MEMORY);
        }
    }
    catch (const std::exception& error)
    {
        try
        {
            SetError(env, AXIS2_ERROR_INVALID_STATE_PARAM, error.what());
            LogText(env, AXIS2_LOG_LEVEL_ERROR, __FILE__, __LINE__, error.what());
        }
        catch (...)
        {
            SetError(env, AXIS2_ERROR_NO_MEMORY);
        }
    }
    catch (...)
    {
        SetError(env, AXIS2_ERROR_INVALID_STATE_PARAM);
    }
}

} // namespace axis2c

extern "C"
{
axutil_allocator_t* axutil_allocator_init(axutil_allocator_t* allocator)
{
    if (allocator)
        return allocator;
    auto* created = static_cast<axutil_allocator_t*>(std::calloc(1, sizeof(axutil_allocator_t)));
    if (!created)
        return nullptr;
    created->malloc_fn = DefaultMalloc;
    created->realloc = DefaultRealloc;
    created->free_fn = DefaultFree;
    return created;
}

void axutil_allocator_free(axutil_allocator_t* allocator)
{
    std::free(allocator);
}

axutil_env_t* axutil_env_create_with_error_log(axutil_allocator_t* allocator, axutil_error_t* error, axutil_log_t* log)
{
    if (!allocator)
        return nullptr;
    auto* env = new (std::nothrow) axutil_env_t();
    if (!env)
        return nullptr;
    env->allocator = allocator;
    env->error = error ? error : axutil_error_create(allocator);
    env->log = log;
    env->ref = 1;
    if (!env->error)
    {
        delete env;
        return nullptr;
    }
    return env;
}

axutil_env_t* axutil_env_create(axutil_allocator_t* allocator)
{
    return axutil_env_create_with_error_log(allocator, nullptr, nullptr);
}

axutil_env_t* axutil_env_create_all(const axis2_char_t* log_file, const axutil_log_levels_t log_level)
{
    axutil_allocator_t* allocator = axutil_allocator_init(nullptr);
    if (!allocator)
        return nullptr;
    axutil_error_t* error = axutil_error_create(allocator);
    axutil_log_t* log = axutil_log_create(allocator, nullptr, log_file);
    axutil_env_t* env = (error && log) ? axutil_env_create_with_error_log(allocator, error, log) : nullptr;
    if (!env)
    {
        if (log)
            axutil_log_free(allocator, log);
        if (error)
            axutil_error_free(error);
        axutil_allocator_free(allocator);
        return nullptr;
    }
    log->level = log_level;
    return env;
}

void axutil_env_free(axutil_env_t* env)
{
    if (!env)
        return;
    if (env->log)
        axutil_log_free(env->allocator, env->log);
    if (env->error)
        axutil_error_free(env->error);
    axutil_allocator_free(env->allocator);
    delete env;
}

axis2_status_t axutil_env_check_status(const axutil_env_t* env)
{
    if (!env || !env->error)
        return AXIS2_CRITICAL_FAILURE;
    return env->error->status_code;
}

axis2_status_t axutil_env_enable_log(axutil_env_t* env, axis2_bool_t enable)
{
    if (!env)
        return AXIS2_FAILURE;
    if (env->log)
        env->log->enabled = enable;
    return AXIS2_SUCCESS;
}

} // extern "C"
