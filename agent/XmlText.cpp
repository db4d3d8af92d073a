#include "XmlText.h"

#include <Poco/Format.h>
#include <Poco/XML/XMLException.h>

#include <algorithm>
#include <string_view>

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

void XmlText::AppendEscaped(std::string& out, const std::string& value, bool inAttribute)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < value.size(); ++i)
    {
        const char* replacement;
        switch (value[i])
        {
        case '"': replacement = "&quot;"; break;
        case '&': replacement = "&amp;"; break;
        case '<': replacement = "&lt;"; break;
        case '>': replacement = "&gt;"; break;
        case '\n': replacement = "&#xA;"; break;
        case '\r': replacement = "&#xD;"; break;
        case '\t':
            if (!inAttribute)
                continue;
            replacement = "&#x9;";
            break;
        default: continue;
        }
        out.append(value, start, i - start);
        out += replacement;
        start = i + 1;
    }
    out.append(value, start, std::string::npos);
}

std::size_t XmlText::LongestMarkup(const std::string& text)
{
    return Scan(text).longestMarkup;
}

std::size_t XmlText::Depth(const std::string& text)
{
    return Scan(text).depth;
}

void XmlText::CheckShape(const std::string& text, const std::string& what)
{
    const Shape shape = Scan(text);
    if (shape.longestMarkup > markupLimit)
        throw Poco::XML::XMLException(Poco::format(
            "%s holds %z bytes of markup in one piece (a tag, comment, declaration or text outside the root "
            "element), more than the %z accepted",
            what, shape.longestMarkup, static_cast<std::size_t>(markupLimit)));
    if (shape.depth > depthLimit)
        throw Poco::XML::XMLException(Poco::format("%s nests elements more than %z deep; it is not read", what,
                                                   static_cast<std::size_t>(depthLimit)));
}

XmlText::Shape XmlText::Scan(const std::string& text)
{
    const std::string_view view(text);
    const std::size_t size = view.size();
    // One past the end of `terminator` found from `from`, or the end of the text.
    const auto through = [&](const char* terminator, std::size_t from) {
        const std::size_t found = view.find(terminator, from);
        return found == std::string_view::npos ? size : found + std::char_traits<char>::length(terminator);
    };
    std::size_t longest = 0;
    std::size_t depth = 0;
    std::size_t deepest = 0;
    std::size_t i = 0;
    while (i < size)
    {
        if (view[i] != '<')
        {
            const std::size_t next = std::min(view.find('<', i), size);
            if (depth == 0)
                longest = std::max(longest, next - i);
            i = next;
            continue;
        }
        std::size_t end;
        if (view.compare(i, 4, "<!--") == 0)
            end = through("-->", i + 4);
        else if (view.compare(i, 9, "<![CDATA[") == 0)
        {
            i = through("]]>", i + 9);
            continue;
        }
        else if (view.compare(i, 2, "<?") == 0)
            end = through("?>", i + 2);
        else
        {
            // A tag or a declaration ends at the first ">" outside quoted values.
            char quote = 0;
            std::size_t j = i + 1;
            for (; j < size; ++j)
            {
                const char c = view[j];
                if (quote)
                    quote = c == quote ? 0 : quote;
                else if (c == '"' || c == '\'')
                    quote = c;
                else if (c == '>')
                    break;
            }
            end = j < size ? j + 1 : size;
            const char kind = i + 1 < size ? view[i + 1] : 0;
            if (kind == '/')
                depth -= depth > 0 ? 1 : 0;
            else if (kind != '!' && !(j < size && view[j - 1] == '/'))
                deepest = std::max(deepest, ++depth);
        }
        longest = std::max(longest, end - i);
        i = end;
    }
    return Shape{longest, deepest};
}
