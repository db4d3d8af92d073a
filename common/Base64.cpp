#include "Base64.h"

namespace
{
const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
} // namespace

std::string Base64::Encode(const unsigned char* bytes, std::size_t length)
{
    std::string text;
    text.reserve((length + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= length; i += 3)
    {
        const unsigned long group = (static_cast<unsigned long>(bytes[i]) << 16) |
                                    (static_cast<unsigned long>(bytes[i + 1]) << 8) | bytes[i + 2];
        text += alphabet[(group >> 18) & 63];
        text += alphabet[(group >> 12) & 63];
        text += alphabet[(group >> 6) & 63];
        text += alphabet[group & 63];
    }
    const std::size_t rest = length - i;
    if (rest > 0)
    {
        const unsigned long group = (static_cast<unsigned long>(bytes[i]) << 16) |
                                    (rest == 2 ? static_cast<unsigned long>(bytes[i + 1]) << 8 : 0);
        text += alphabet[(group >> 18) & 63];
        text += alphabet[(group >> 12) & 63];
        text += rest == 2 ? alphabet[(group >> 6) & 63] : '=';
        text += '=';
    }
    return text;
}

int Base64::Value(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

std::string Base64::DecodeSymbols(std::string_view symbols)
{
    std::string bytes;
    bytes.reserve(symbols.size() / 4 * 3 + 2);
    unsigned long group = 0;
    int count = 0;
    for (const char c : symbols)
    {
        group = (group << 6) | static_cast<unsigned long>(Value(static_cast<unsigned char>(c)) & 63);
        if (++count == 4)
        {
            bytes += static_cast<char>((group >> 16) & 0xff);
            bytes += static_cast<char>((group >> 8) & 0xff);
            bytes += static_cast<char>(group & 0xff);
            group = 0;
            count = 0;
        }
    }
    if (count == 2)
        bytes += static_cast<char>((group >> 4) & 0xff);
    else if (count == 3)
    {
        bytes += static_cast<char>((group >> 10) & 0xff);
        bytes += static_cast<char>((group >> 2) & 0xff);
    }
    return bytes;
}
