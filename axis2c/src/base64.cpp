// Base64 coding and the xs:base64Binary value object.
#include "internal.h"

#include "Base64.h"

#include <axutil_base64.h>
#include <axutil_base64_binary.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string Encode(const unsigned char* data, size_t length)
{
    return Base64::Encode(data, length);
}

// Canonical padded base64 with white space allowed between characters; the groups themselves
// are the shared codec's.
bool Decode(const char* text, std::vector<unsigned char>* out)
{
    std::string symbols;
    for (const char* p = text; *p; ++p)
        if (!IsSpace(*p))
            symbols += *p;
    if (symbols.size() % 4 != 0)
        return false;
    // Padding only at the very end, in the last one or two places.
    size_t pads = 0;
    while (pads < symbols.size() && symbols[symbols.size() - 1 - pads] == '=')
        ++pads;
    if (pads > 2)
        return false;
    symbols.resize(symbols.size() - pads);
    for (char c : symbols)
        if (Base64::Value(static_cast<unsigned char>(c)) < 0)
            return false;
    const std::string bytes = Base64::DecodeSymbols(symbols);
    out->assign(bytes.begin(), bytes.end());
    return true;
}

} // namespace

struct axutil_base64_binary
{
    std::vector<unsigned char> plain;
};

extern "C"
{
int axutil_base64_encode_len(int len)
{
    return len < 0 ? 0 : (len + 2) / 3 * 4 + 1;
}

int axutil_base64_encode(char* encoded, const char* string, int len)
{
    if (!encoded || len < 0 || (len && !string))
        return 0;
    try
    {
        std::string text = Encode(reinterpret_cast<const unsigned char*>(string), static_cast<size_t>(len));
        std::memcpy(encoded, text.c_str(), text.size() + 1);
        return static_cast<int>(text.size());
    }
    catch (...)
    {
        return 0;
    }
}

int axutil_base64_decode_len(const char* encoded)
{
    if (!encoded)
        return -1;
    size_t symbols = 0;
    for (const char* p = encoded; *p; ++p)
        if (!IsSpace(*p))
            ++symbols;
    return symbols % 4 ? -1 : static_cast<int>(symbols / 4 * 3);
}

int axutil_base64_decode(char* plain, const char* encoded)
{
    if (!plain || !encoded)
        return -1;
    try
    {
        std::vector<unsigned char> bytes;
        if (!Decode(encoded, &bytes))
            return -1;
        if (!bytes.empty())
            std::memcpy(plain, bytes.data(), bytes.size());
        return static_cast<int>(bytes.size());
    }
    catch (...)
    {
        return -1;
    }
}

axutil_base64_binary_t* axutil_base64_binary_create(const axutil_env_t* env)
{
    return axis2c::Guard<axutil_base64_binary_t*>(env, nullptr, [] { return new axutil_base64_binary(); });
}

axutil_base64_binary_t* axutil_base64_binary_create_with_plain_binary(const axutil_env_t* env,
                                                                      const unsigned char* plain_binary,
                                                                      int plain_binary_len)
{
    axutil_base64_binary_t* binary = axutil_base64_binary_create(env);
    if (binary && axutil_base64_binary_set_plain_binary(binary, env, plain_binary, plain_binary_len) != AXIS2_SUCCESS)
    {
        delete binary;
        return nullptr;
    }
    return binary;
}

axutil_base64_binary_t* axutil_base64_binary_create_with_encoded_binary(const axutil_env_t* env,
                                                                        const char* encoded_binary)
{
    axutil_base64_binary_t* binary = axutil_base64_binary_create(env);
    if (binary && axutil_base64_binary_set_encoded_binary(binary, env, encoded_binary) != AXIS2_SUCCESS)
    {
        delete binary;
        return nullptr;
    }
    return binary;
}

void axutil_base64_binary_free(axutil_base64_binary_t* base64_binary, const axutil_env_t*)
{
    delete base64_binary;
}

axis2_status_t axutil_base64_binary_set_plain_binary(axutil_base64_binary_t* base64_binary, const axutil_env_t* env,
                                                     const unsigned char* plain_binary, int plain_binary_len)
{
    if (!axis2c::Present(env, base64_binary))
        return AXIS2_FAILURE;
    if (plain_binary_len < 0 || (plain_binary_len > 0 && !plain_binary))
    {
        axis2c::SetError(env, AXIS2_ERROR_INVALID_BASE_TYPE);
        return AXIS2_FAILURE;
    }
    return axis2c::Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        base64_binary->plain.assign(plain_binary, plain_binary + plain_binary_len);
        return AXIS2_SUCCESS;
    });
}

unsigned char* axutil_base64_binary_get_plain_binary(axutil_base64_binary_t* base64_binary, const axutil_env_t* env,
                                                     int* plain_binary_len)
{
    if (!axis2c::Present(env, base64_binary))
        return nullptr;
    if (plain_binary_len)
        *plain_binary_len = static_cast<int>(base64_binary->plain.size());
    return base64_binary->plain.data();
}

axis2_status_t axutil_base64_binary_set_encoded_binary(axutil_base64_binary_t* base64_binary, const axutil_env_t* env,
                                                       const char* encoded_binary)
{
    if (!axis2c::Present(env, base64_binary) || !axis2c::Present(env, encoded_binary))
        return AXIS2_FAILURE;
    return axis2c::Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        std::vector<unsigned char> decoded;
        if (!Decode(encoded_binary, &decoded))
        {
            axis2c::SetError(env, AXIS2_ERROR_INVALID_BASE_TYPE, "not valid base64 data");
            return AXIS2_FAILURE;
        }
        base64_binary->plain.swap(decoded);
        return AXIS2_SUCCESS;
    });
}

char* axutil_base64_binary_get_encoded_binary(axutil_base64_binary_t* base64_binary, const axutil_env_t* env)
{
    if (!axis2c::Present(env, base64_binary))
        return nullptr;
    return axis2c::Guard<char*>(env, nullptr, [&] {
        return axis2c::CopyToAllocator(env, Encode(base64_binary->plain.data(), base64_binary->plain.size()));
    });
}

int axutil_base64_binary_get_encoded_binary_len(axutil_base64_binary_t* base64_binary, const axutil_env_t*)
{
    if (!base64_binary)
        return 0;
    return static_cast<int>((base64_binary->plain.size() + 2) / 3 * 4);
}

int axutil_base64_binary_get_decoded_binary_len(axutil_base64_binary_t* base64_binary, const axutil_env_t*)
{
    return base64_binary ? static_cast<int>(base64_binary->plain.size()) : 0;
}

} // extern "C"
