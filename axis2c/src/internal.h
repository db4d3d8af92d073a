// Helpers shared by the engine's C++ sources: copying into the caller's
// allocator, recording errors in an environment, and the exception barrier
// that every exported function runs its body through.
#pragma once

#include <axutil_env.h>
#include <axutil_error.h>
#include <axutil_log.h>

#include <Poco/Exception.h>

#include <new>
#include <string>

namespace axis2c
{

// NUL-terminated copy made with the environment's allocator (plain malloc
// without an environment), so callers can release it with AXIS2_FREE.
// Throws std::bad_alloc.
char* CopyToAllocator(const axutil_env_t* env, const char* data, size_t length);

inline char* CopyToAllocator(const axutil_env_t* env, const std::string& text)
{
    return CopyToAllocator(env, text.data(), text.size());
}

// The engine's text for an error number, without detail ("Unknown error" for
// a number it never records). Static storage.
const char* MessageForNumber(int number);

// Error number plus status FAILURE; no-op without an environment.
void SetError(const axutil_env_t* env, int number);

// As SetError, with a detail that axutil_error_get_message appends.
void SetError(const axutil_env_t* env, int number, const std::string& detail);

// Records INVALID_NULL_PARAM when `pointer` is null; returns whether it was set.
inline bool Present(const axutil_env_t* env, const void* pointer)
{
    if (pointer)
        return true;
    SetError(env, AXIS2_ERROR_INVALID_NULL_PARAM);
    return false;
}

void LogText(const axutil_env_t* env, axutil_log_levels_t level, const char* file, int line, const std::string& text);

#define AXIS2C_LOG(env, level, text) ::axis2c::LogText(env, level, __FILE__, __LINE__, text)

// Nothing may escape into C callers: exceptions become error numbers.
void RecordException(const axutil_env_t* env) noexcept;

template <class Result, class Body>
Result Guard(const axutil_env_t* env, Result failure, Body&& body) noexcept
{
    try
    {
        return body();
    }
    catch (...)
    {
        RecordException(env);
    }
    return failure;
}

template <class Body>
void GuardVoid(const axutil_env_t* env, Body&& body) noexcept
{
    try
    {
        body();
    }
    catch (...)
    {
        RecordException(env);
    }
}

} // namespace axis2c
