#include "XmlText.h"

namespace
{
const char replacementCharacter[] = "\xEF\xBF\xBD";

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

bool IsXmlCharacter(unsigned long code)
{
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
           (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}
} // namespace

std::size_t XmlText::CharacterLength(const std::string& text, std::size_t pos)
{
    const unsigned char lead = static_cast<unsigned char>(text[pos]);
    std::size_t length;
    unsigned long code;
    unsigned long minimum;
    if (lead < 0x80)
        return IsXmlCharacter(lead) ? 1 : 0;
    else if ((lead & 0xE0) == 0xC0)
        length = 2, code = lead & 0x1F, minimum = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, code = lead & 0x0F, minimum = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, code = lead & 0x07, minimum = 0x10000;
    else
        return 0;
    if (text.size() - pos < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i)
    {
        const unsigned char c = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(c))
            return 0;
        code = (code << 6) | (c & 0x3F);
    }
    // Overlong forms and surrogates are not UTF-8; IsXmlCharacter rejects the surrogate range.
    if (code < minimum || !IsXmlCharacter(code))
        return 0;
    return length;
}

bool XmlText::IsValid(const std::string& text)
{
    for (std::size_t pos = 0; pos < text.size();)
    {
        const std::size_t length = CharacterLength(text, pos);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

std::string XmlText::Sanitize(const std::string& text)
{
    if (IsValid(text))
        return text;
    std::string result;
    result.reserve(text.size() + 8);
    for (std::size_t pos = 0; pos < text.size();)
    {
        const std::size_t length = CharacterLength(text, pos);
        if (length == 0)
        {
            result += replacementCharacter;
            // Skip the stray byte and any continuation bytes of the same broken sequence.
            ++pos;
            while (pos < text.size() && IsContinuation(static_cast<unsigned char>(text[pos])))
                ++pos;
        }
        else
        {
            result.append(text, pos, length);
            pos += length;
        }
    }
    return result;
}
