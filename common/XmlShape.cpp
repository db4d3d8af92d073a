#include "XmlShape.h"

#include <algorithm>
#include <string>

XmlShape XmlShape::Of(std::string_view text)
{
    const std::size_t size = text.size();
    // One past the end of `terminator` found from `from`, or the end of the text.
    const auto through = [&](const char* terminator, std::size_t from) {
        const std::size_t found = text.find(terminator, from);
        return found == std::string_view::npos ? size : found + std::char_traits<char>::length(terminator);
    };
    XmlShape shape;
    std::size_t open = 0;
    std::size_t i = 0;
    while (i < size)
    {
        if (text[i] != '<')
        {
            const std::size_t next = std::min(text.find('<', i), size);
            if (open == 0)
                shape.longestMarkup = std::max(shape.longestMarkup, next - i);
            i = next;
            continue;
        }
        std::size_t end;
        if (text.compare(i, 4, "<!--") == 0)
            end = through("-->", i + 4);
        else if (text.compare(i, 9, "<![CDATA[") == 0)
        {
            i = through("]]>", i + 9);
            continue;
        }
        else if (text.compare(i, 2, "<?") == 0)
            end = through("?>", i + 2);
        else
        {
            // A tag or a declaration ends at the first ">" outside quoted values.
            char quote = 0;
            std::size_t j = i + 1;
            for (; j < size; ++j)
            {
                const char c = text[j];
                if (quote)
                    quote = c == quote ? 0 : quote;
                else if (c == '"' || c == '\'')
                    quote = c;
                else if (c == '>')
                    break;
            }
            end = j < size ? j + 1 : size;
            const char kind = i + 1 < size ? text[i + 1] : 0;
            if (kind == '/')
                open -= open > 0 ? 1 : 0;
            else if (kind != '!')
            {
                shape.depth = std::max(shape.depth, open + 1);
                if (!(j < size && text[j - 1] == '/'))
                    ++open;
            }
        }
        shape.longestMarkup = std::max(shape.longestMarkup, end - i);
        i = end;
    }
    return shape;
}
