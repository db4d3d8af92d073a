// Escaping of text and attribute values for XML written by hand, for the agent's documents and the
// engine's serialiser and writer alike. The markup characters are always escaped; which others
// are is the caller's choice, as each document has its own rules. Never throws but for memory.
#pragma once

#include <string>
#include <string_view>

class XmlEscape
{
public:
    /// Characters escaped besides "&", "<" and ">".
    enum Also : unsigned
    {
        Nothing = 0,
        Quote = 1,          ///< '"' as &quot;
        Tab = 2,            ///< as &#x9;
        LineFeed = 4,       ///< as &#xA;
        CarriageReturn = 8, ///< as &#xD;
        /// What an attribute value needs to be read back unchanged.
        Attribute = Quote | Tab | LineFeed | CarriageReturn,
    };

    /// Appends `value` to `out`, escaped.
    static void Append(std::string& out, std::string_view value, unsigned also);
    /// Whether Append would change `value`.
    static bool Needed(std::string_view value, unsigned also);
};
