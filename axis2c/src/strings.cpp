// C string helpers, the reference-counted axutil_string_t, XML quoting and
// the 64-bit number conversions.
#include "internal.h"

#include "XmlEscape.h"

#include <axutil_string.h>
#include <axutil_types.h>
#include <axutil_utils.h>

#include <cctype>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <strings.h>

using axis2c::CopyToAllocator;
using axis2c::Guard;

struct axutil_string
{
    axis2_char_t* buffer = nullptr;
    unsigned int length = 0;
    int refCount = 1;
    bool ownsBuffer = true;
};

namespace
{

// NULL sorts first; two NULLs are equal.
int CompareNulls(const char* s1, const char* s2, bool* decided)
{
    *decided = !s1 || !s2;
    if (s1 == s2)
        return 0;
    return !s1 ? -1 : 1;
}

std::string Trimmed(const char* s, const char* trim, bool left, bool right)
{
    const char* set = trim ? trim : " \t\r\n";
    std::string text(s);
    size_t begin = 0, end = text.size();
    if (left)
        while (begin < end && std::strchr(set, text[begin]))
            ++begin;
    if (right)
        while (end > begin && std::strchr(set, text[end - 1]))
            --end;
    return text.substr(begin, end - begin);
}

/// A string object around the caller's buffer: taken over (and the caller's pointer cleared)
/// when `owns`, only referred to otherwise.
axutil_string_t* WrapBuffer(const axutil_env_t* env, axis2_char_t** str, bool owns)
{
    if (!axis2c::Present(env, str) || !axis2c::Present(env, *str))
        return nullptr;
    return Guard<axutil_string_t*>(env, nullptr, [&] {
        auto* string = new axutil_string();
        string->buffer = *str;
        string->length = static_cast<unsigned int>(std::strlen(*str));
        string->ownsBuffer = owns;
        if (owns)
            *str = nullptr;
        return string;
    });
}
} // namespace

extern "C"
{
void* axutil_strdup(const axutil_env_t* env, const void* ptr)
{
    if (!ptr)
        return nullptr;
    return Guard<void*>(env, nullptr, [&] {
        const char* s = static_cast<const char*>(ptr);
        return static_cast<void*>(CopyToAllocator(env, s, std::strlen(s)));
    });
}

void* axutil_strndup(const axutil_env_t* env, const void* ptr, int n)
{
    if (!ptr || n < 0)
        return nullptr;
    return Guard<void*>(env, nullptr, [&] {
        const char* s = static_cast<const char*>(ptr);
        return static_cast<void*>(CopyToAllocator(env, s, strnlen(s, static_cast<size_t>(n))));
    });
}

void* axutil_strmemdup(const void* ptr, size_t n, const axutil_env_t* env)
{
    if (!ptr)
        return nullptr;
    return Guard<void*>(env, nullptr,
                        [&] { return static_cast<void*>(CopyToAllocator(env, static_cast<const char*>(ptr), n)); });
}

int axutil_strcmp(const axis2_char_t* s1, const axis2_char_t* s2)
{
    bool decided;
    int order = CompareNulls(s1, s2, &decided);
    return decided ? order : std::strcmp(s1, s2);
}

int axutil_strncmp(const axis2_char_t* s1, const axis2_char_t* s2, int n)
{
    bool decided;
    int order = CompareNulls(s1, s2, &decided);
    return decided ? order : std::strncmp(s1, s2, n < 0 ? 0 : static_cast<size_t>(n));
}

int axutil_strcasecmp(const axis2_char_t* s1, const axis2_char_t* s2)
{
    bool decided;
    int order = CompareNulls(s1, s2, &decided);
    return decided ? order : strcasecmp(s1, s2);
}

int axutil_strncasecmp(const axis2_char_t* s1, const axis2_char_t* s2, int n)
{
    bool decided;
    int order = CompareNulls(s1, s2, &decided);
    return decided ? order : strncasecmp(s1, s2, n < 0 ? 0 : static_cast<size_t>(n));
}

axis2_ssize_t axutil_strlen(const axis2_char_t* s)
{
    return s ? static_cast<axis2_ssize_t>(std::strlen(s)) : 0;
}

axis2_char_t* axutil_stracat(const axutil_env_t* env, const axis2_char_t* s1, const axis2_char_t* s2)
{
    return Guard<axis2_char_t*>(env, nullptr, [&] {
        std::string joined = s1 ? s1 : "";
        if (s2)
            joined += s2;
        return CopyToAllocator(env, joined);
    });
}

axis2_char_t* axutil_strcat(const axutil_env_t* env, ...)
{
    va_list args;
    va_start(args, env);
    axis2_char_t* result = Guard<axis2_char_t*>(env, nullptr, [&] {
        std::string joined;
        while (const char* part = va_arg(args, const char*))
            joined += part;
        return CopyToAllocator(env, joined);
    });
    va_end(args);
    return result;
}

axis2_char_t* axutil_strstr(const axis2_char_t* haystack, const axis2_char_t* needle)
{
    if (!haystack || !needle)
        return nullptr;
    return const_cast<axis2_char_t*>(std::strstr(haystack, needle));
}

axis2_char_t* axutil_strchr(const axis2_char_t* s, axis2_char_t ch)
{
    return s ? const_cast<axis2_char_t*>(std::strchr(s, ch)) : nullptr;
}

axis2_char_t* axutil_rindex(const axis2_char_t* s, axis2_char_t ch)
{
    return s ? const_cast<axis2_char_t*>(std::strrchr(s, ch)) : nullptr;
}

axis2_char_t* axutil_strltrim(const axutil_env_t* env, const axis2_char_t* s, const axis2_char_t* trim)
{
    if (!axis2c::Present(env, s))
        return nullptr;
    return Guard<axis2_char_t*>(env, nullptr, [&] { return CopyToAllocator(env, Trimmed(s, trim, true, false)); });
}

axis2_char_t* axutil_strrtrim(const axutil_env_t* env, const axis2_char_t* s, const axis2_char_t* trim)
{
    if (!axis2c::Present(env, s))
        return nullptr;
    return Guard<axis2_char_t*>(env, nullptr, [&] { return CopyToAllocator(env, Trimmed(s, trim, false, true)); });
}

axis2_char_t* axutil_strtrim(const axutil_env_t* env, const axis2_char_t* s, const axis2_char_t* trim)
{
    if (!axis2c::Present(env, s))
        return nullptr;
    return Guard<axis2_char_t*>(env, nullptr, [&] { return CopyToAllocator(env, Trimmed(s, trim, true, true)); });
}

axis2_char_t* axutil_string_tolower(axis2_char_t* s)
{
    for (char* p = s; p && *p; ++p)
        *p = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
    return s;
}

axis2_char_t* axutil_string_toupper(axis2_char_t* s)
{
    for (char* p = s; p && *p; ++p)
        *p = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
    return s;
}

axis2_char_t* axutil_xml_quote_string(const axutil_env_t* env, const axis2_char_t* s, axis2_bool_t quotes)
{
    const unsigned also = quotes ? XmlEscape::Quote : XmlEscape::Nothing;
    // As in Axis2/C: NULL when nothing needs escaping, so that callers write the text as it is.
    if (!s || !XmlEscape::Needed(s, also))
        return nullptr;
    return Guard<axis2_char_t*>(env, nullptr, [&] {
        std::string escaped;
        escaped.reserve(std::strlen(s) + 16);
        XmlEscape::Append(escaped, s, also);
        return CopyToAllocator(env, escaped);
    });
}

axutil_string_t* axutil_string_create(const axutil_env_t* env, const axis2_char_t* str)
{
    if (!axis2c::Present(env, str))
        return nullptr;
    return Guard<axutil_string_t*>(env, nullptr, [&] {
        auto* string = new axutil_string();
        try
        {
            string->length = static_cast<unsigned int>(std::strlen(str));
            string->buffer = CopyToAllocator(env, str, string->length);
        }
        catch (...)
        {
            delete string;
            throw;
        }
        return string;
    });
}

axutil_string_t* axutil_string_create_assume_ownership(const axutil_env_t* env, axis2_char_t** str)
{
    return WrapBuffer(env, str, true);
}

axutil_string_t* axutil_string_create_const(const axutil_env_t* env, axis2_char_t** str)
{
    return WrapBuffer(env, str, false);
}

void axutil_string_free(axutil_string_t* string, const axutil_env_t* env)
{
    if (!string || --string->refCount > 0)
        return;
    if (string->ownsBuffer)
    {
        if (env && env->allocator)
            AXIS2_FREE(env->allocator, string->buffer);
        else
            std::free(string->buffer);
    }
    delete string;
}

axutil_string_t* axutil_string_clone(axutil_string_t* string, const axutil_env_t* env)
{
    if (!axis2c::Present(env, string))
        return nullptr;
    ++string->refCount;
    return string;
}

axis2_bool_t axutil_string_equals(const axutil_string_t* string, const axutil_env_t* env,
                                  const axutil_string_t* string1)
{
    if (!axis2c::Present(env, string) || !axis2c::Present(env, string1))
        return AXIS2_FALSE;
    return string->length == string1->length && std::memcmp(string->buffer, string1->buffer, string->length) == 0
               ? AXIS2_TRUE
               : AXIS2_FALSE;
}

const axis2_char_t* axutil_string_get_buffer(const axutil_string_t* string, const axutil_env_t*)
{
    return string ? string->buffer : nullptr;
}

unsigned int axutil_string_get_length(const axutil_string_t* string, const axutil_env_t*)
{
    return string ? string->length : 0;
}

int64_t axutil_atol(const char* s)
{
    return s ? static_cast<int64_t>(std::atoll(s)) : 0;
}

int axutil_atoi(const char* s)
{
    return s ? std::atoi(s) : 0;
}

} // extern "C"
