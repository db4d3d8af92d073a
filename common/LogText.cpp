#include "LogText.h"

std::string LogText::Escape(const std::string& text)
{
    static const char digits[] = "0123456789abcdef";
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text)
    {
        const unsigned char u = static_cast<unsigned char>(c);
        switch (c)
        {
        case '\n': escaped += "\\n"; break;
        case '\r': escaped += "\\r"; break;
        case '\t': escaped += "\\t"; break;
        default:
            if (u < 0x20 || u == 0x7F)
            {
                escaped += "\\x";
                escaped += digits[u >> 4];
                escaped += digits[u & 0x0F];
            }
            else
            {
                escaped += c;
            }
        }
    }
    return escaped;
}
