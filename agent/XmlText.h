// Checks and repairs text before it goes into a document the agent writes. POCO's XML writer
// stops silently at invalid UTF-8 and throws half-way through on characters that XML 1.0 cannot
// carry, so every value is checked (or repaired) before any output is produced. Also measures a
// document from outside before it is parsed, see CheckShape.
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

    /// Appends `value` to `out` escaped as the XML writer escapes it: always the markup characters
    /// and the double quote; in an attribute also tab, line feed and carriage return; in text line
    /// feed and carriage return too, as character references, so that a document's own lines are
    /// the only line breaks in it (a reader gets the same text back). `value` must be valid.
    static void AppendEscaped(std::string& out, const std::string& value, bool inAttribute);

    /// Length of the longest piece of `text` that the XML parser must take in whole: a tag with
    /// its attributes, a comment, a processing instruction, a declaration, or text outside the
    /// root element. Expat 2.5 rescans such a piece from its start for every 4 KiB block that
    /// POCO hands it, so its parse time grows with the square of this length; character data
    /// and CDATA content are passed on in parts and do not count. Well-formedness is not checked.
    static std::size_t LongestMarkup(const std::string& text);

    /// The deepest nesting of elements in `text` (the same rough scan as LongestMarkup).
    static std::size_t Depth(const std::string& text);

    /// Throws Poco::XML::XMLException, naming `what` ("The work item"), when `text` holds
    /// markup longer than markupLimit or elements nested deeper than depthLimit. The DOM walks
    /// and frees a tree recursively, so a deep enough document would overflow the stack.
    static void CheckShape(const std::string& text, const std::string& what);

    /// The longest markup accepted in a document from outside (256 KiB): a 50 MB reply then
    /// still parses in about a second.
    static constexpr std::size_t markupLimit = 256 * 1024;
    /// The deepest nesting accepted in a document from outside: far more than any work item,
    /// results file or reply has, far less than what exhausts the stack.
    static constexpr std::size_t depthLimit = 256;

private:
    struct Shape
    {
        std::size_t longestMarkup;
        std::size_t depth;
    };
    static Shape Scan(const std::string& text);

    /// Length of the valid, XML-allowed character starting at `pos`, or 0 when there is none.
    static std::size_t CharacterLength(const std::string& text, std::size_t pos);
};
