#include "JsonText.h"

#include <cmath>
#include <cstdio>

namespace
{
/// The length of the well-formed UTF-8 sequence at `at`, or 0 (overlong forms, surrogates and
/// code points past U+10FFFF are not well-formed).
std::size_t SequenceLength(const std::string& text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
    {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    }
    else if (lead >= 0xF0 && lead <= 0xF4)
    {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || at + length > text.size())
        return 0;
    // Only the second byte has a narrower range; the others are plain continuation bytes.
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
    {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    }
    return length;
}
} // namespace

std::string JsonText::Quote(const std::string& value)
{
    std::string quoted = "\"";
    quoted.reserve(value.size() + 2);
    for (std::size_t i = 0; i < value.size();)
    {
        const unsigned char c = static_cast<unsigned char>(value[i]);
        if (c >= 0x80)
        {
            const std::size_t length = SequenceLength(value, i);
            if (length == 0)
            {
                quoted += "\xEF\xBF\xBD";
                ++i;
            }
            else
            {
                quoted.append(value, i, length);
                i += length;
            }
            continue;
        }
        switch (c)
        {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\t': quoted += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7F)
            {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                quoted += escape;
            }
            else
                quoted += static_cast<char>(c);
        }
        ++i;
    }
    return quoted + "\"";
}

void JsonText::Separate()
{
    if (comma)
        text += ',';
    comma = true;
}

JsonText& JsonText::Open(char bracket)
{
    Separate();
    text += bracket;
    comma = false;
    return *this;
}

JsonText& JsonText::Close(char bracket)
{
    text += bracket;
    comma = true;
    return *this;
}

JsonText& JsonText::Key(const std::string& key)
{
    Separate();
    text += Quote(key) + ":";
    comma = false;
    return *this;
}

JsonText& JsonText::String(const std::string& value)
{
    Separate();
    text += Quote(value);
    return *this;
}

JsonText& JsonText::Number(std::int64_t value)
{
    Separate();
    text += std::to_string(value);
    return *this;
}

JsonText& JsonText::Decimal(double value)
{
    Separate();
    // JSON has no infinity and no NaN; no caller has a reason to write them, and none is written.
    char number[48];
    std::snprintf(number, sizeof number, "%.3f", std::isfinite(value) && std::fabs(value) < 1e15 ? value : 0.0);
    text += number;
    return *this;
}

JsonText& JsonText::Bool(bool value)
{
    Separate();
    text += value ? "true" : "false";
    return *this;
}

JsonText& JsonText::Null()
{
    Separate();
    text += "null";
    return *this;
}

JsonText& JsonText::Raw(const std::string& json)
{
    Separate();
    text += json;
    return *this;
}

JsonText& JsonText::StringOrNull(const std::string& value)
{
    return value.empty() ? Null() : String(value);
}

const std::string& JsonText::Text() const
{
    return text;
}
