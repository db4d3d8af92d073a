#include "XmlEscape.h"

namespace
{
/// The reference for `c`, or null when `c` stays as it is.
const char* Reference(char c, unsigned also)
{
    switch (c)
    {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return also & XmlEscape::Quote ? "&quot;" : nullptr;
    case '\t': return also & XmlEscape::Tab ? "&#x9;" : nullptr;
    case '\n': return also & XmlEscape::LineFeed ? "&#xA;" : nullptr;
    case '\r': return also & XmlEscape::CarriageReturn ? "&#xD;" : nullptr;
    default: return nullptr;
    }
}
} // namespace

void XmlEscape::Append(std::string& out, std::string_view value, unsigned also)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < value.size(); ++i)
    {
        const char* reference = Reference(value[i], also);
        if (!reference)
            continue;
        out.append(value, start, i - start);
        out += reference;
        start = i + 1;
    }
    out.append(value, start, std::string_view::npos);
}

bool XmlEscape::Needed(std::string_view value, unsigned also)
{
    for (const char c : value)
    {
        if (Reference(c, also))
            return true;
    }
    return false;
}
