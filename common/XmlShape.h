// What an XML parser would face in a text from outside, measured without parsing it: the longest
// piece of markup it must take in whole, and the deepest nesting of elements. Both the agent's
// readers and its SOAP engine measure a document with it before they parse, and refuse it beyond
// the limits here. Never throws; a text that is not well-formed is measured roughly.
#pragma once

#include <cstddef>
#include <string_view>

struct XmlShape
{
    /// The longest piece the parser must take in whole: a tag with its attributes, a comment, a
    /// processing instruction, a declaration, or text outside the root element. Expat 2.5 rescans
    /// such a piece from its start for every 4 KiB block that POCO hands it, so its parse time
    /// grows with the square of this length; character data and CDATA content are passed on in
    /// parts and do not count.
    std::size_t longestMarkup = 0;
    /// The deepest nesting of elements, an empty-element tag counting as a level of its own.
    std::size_t depth = 0;

    static XmlShape Of(std::string_view text);

    /// The longest markup accepted (256 KiB): a 50 MB reply then still parses in about a second.
    static constexpr std::size_t markupLimit = 256 * 1024;
    /// The deepest nesting accepted: far more than any work item, results file or SOAP reply
    /// has, far less than what exhausts the stack of a recursive walk over the tree.
    static constexpr std::size_t depthLimit = 256;
};
