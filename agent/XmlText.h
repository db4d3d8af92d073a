// Checks and repairs text before it goes into a document the agent writes. POCO's XML writer
// stops silently at invalid UTF-8 and throws half-way through on characters that XML 1.0 cannot
// carry, so every value is checked (or repaired) before any output is produced.
#pragma once

#include <cstddef>
#include <string>

class XmlText
{
public:
    /// True when `text` is well-formed UTF-8 made only of characters that XML 1.0 allows
    /// (tab, line feed, carriage return, U+0020–U+D7FF, U+E000–U+FFFD, U+10000–U+10FFFF).
    static bool IsValid(const std::string& text);

    /// `text` with every invalid UTF-8 sequence and every character XML 1.0 forbids replaced by
    /// U+FFFD; valid text comes back unchanged.
    static std::string Sanitize(const std::string& text);

private:
    /// Length of the valid, XML-allowed character starting at `pos`, or 0 when there is none.
    static std::size_t CharacterLength(const std::string& text, std::size_t pos);
};
