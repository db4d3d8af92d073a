#include "WorkItemResponse.h"

#include "LocalFile.h"
#include "XmlDocument.h"
#include "XmlEscape.h"
#include "XmlText.h"

#include <Poco/DOM/AutoPtr.h>
#include <Poco/DOM/Document.h>
#include <Poco/DOM/Element.h>
#include <Poco/DOM/NodeFilter.h>
#include <Poco/DOM/NodeIterator.h>
#include <Poco/Format.h>
#include <Poco/Path.h>

#include <ostream>
#include <stdexcept>
#include <utility>
#include <vector>

namespace
{
/// Far more than a task's scripts report; a bound all the same, as they are read whole.
const std::size_t resultsLimit = 16 * 1024 * 1024;

using Results = std::vector<std::pair<std::string, std::string>>;

std::string ResultsPath(const std::string& scriptRoot)
{
    Poco::Path path(scriptRoot);
    path.append("External");
    path.makeAbsolute();
    path.makeDirectory();
    path.setFileName("results.xml");
    return path.toString();
}

/// The name and value of every "parameter" element of the results file (any prefix, any depth),
/// in document order. Throws, before anything is written, for a file that is not a regular
/// file, is too large, or cannot be read as XML.
Results ReadResultParameters(const std::string& path)
{
    Results results;
    const LocalFile::Contents file = LocalFile::ReadRegular(path, resultsLimit);
    if (!file.found)
        return results;
    if (file.size > resultsLimit)
        throw std::runtime_error(
            Poco::format("The results file '%s' is larger than %z bytes; it is not read", path, resultsLimit));
    Poco::XML::AutoPtr<Poco::XML::Document> document =
        XmlDocument::Parse(file.text, Poco::format("The results file '%s'", path), XmlDocument::DropWhitespace);
    Poco::XML::NodeIterator iterator(document, Poco::XML::NodeFilter::SHOW_ELEMENT);
    for (Poco::XML::Node* node = iterator.nextNode(); node; node = iterator.nextNode())
    {
        if (node->localName() != "parameter")
            continue;
        const Poco::XML::Node* first = node->firstChild();
        results.emplace_back(static_cast<Poco::XML::Element*>(node)->getAttribute("name"),
                             first ? first->nodeValue() : std::string());
    }
    return results;
}

void Attribute(std::string& out, const char* name, const std::string& value)
{
    out += ' ';
    out += name;
    out += "=\"";
    XmlEscape::Append(out, XmlText::Sanitize(value), XmlEscape::Attribute);
    out += '"';
}

/// `<name attributes>text</name>` on a line of its own, or an empty-element tag for no text.
void TextElement(std::string& out, const char* open, const std::string& text, const char* name)
{
    out += open;
    if (text.empty())
    {
        out += "/>\n";
        return;
    }
    out += '>';
    // Line breaks as references too: then the document's own line ends are the only ones in it.
    XmlEscape::Append(out, XmlText::Sanitize(text), XmlEscape::Quote | XmlEscape::LineFeed | XmlEscape::CarriageReturn);
    out += "</";
    out += name;
    out += ">\n";
}
} // namespace

WorkItemResponse::~WorkItemResponse() = default;

std::ostream& operator<<(std::ostream& out, const WorkItemResponse& response)
{
    const Results results = response.readResults ? ReadResultParameters(ResultsPath(response.scriptRoot)) : Results();

    // Laid out as POCO's DOM writer lays out a pretty-printed document (tab indents, "\n" line
    // ends, empty elements as empty-element tags), written directly: every text is repaired
    // first, so the document is always whole, and line breaks inside texts are references.
    std::string text = "<workItemResponse";
    Attribute(text, "id", response.id);
    text += ">\n\t<task";
    Attribute(text, "type", response.task);
    text += ">\n\t\t<result succeeded=\"";
    text += response.succeeded ? "true" : "false";
    text += "\">\n";
    TextElement(text, "\t\t\t<message", response.message, "message");
    for (const auto& parameter : results)
    {
        std::string open = "\t\t\t<parameter";
        Attribute(open, "name", parameter.first);
        TextElement(text, open.c_str(), parameter.second, "parameter");
    }
    text += "\t\t</result>\n\t</task>\n</workItemResponse>\n";
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return out;
}
