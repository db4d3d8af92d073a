// Work item documents as a server or a local file hand them over. Parsing, with the marked
// properties decrypted, ends in a work item or in the XML parser's exception; the two files the
// agent writes from it are either refused before any output or read back to the same values.
#include "FuzzCheck.h"

#include "WorkItem.h"

#include <Poco/DOM/AutoPtr.h>
#include <Poco/DOM/DOMParser.h>
#include <Poco/DOM/Document.h>
#include <Poco/DOM/Element.h>
#include <Poco/DOM/NodeList.h>
#include <Poco/Exception.h>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>

namespace
{
/// Parses an exported document and checks it against the work item.
void CheckReadsBack(WorkItem& item, const std::string& text, bool isWorkitemFile)
{
    Poco::XML::DOMParser parser;
    Poco::XML::AutoPtr<Poco::XML::Document> document = parser.parseString(text);
    Poco::XML::AutoPtr<Poco::XML::NodeList> list = document->getElementsByTagName("property");
    for (unsigned long i = 0; i < list->length(); ++i)
    {
        const auto* property = static_cast<Poco::XML::Element*>(list->item(i));
        const std::string name = property->getAttribute("name");
        FUZZ_REQUIRE(property->getAttribute("value") == item.GetProperty(name));
    }
    if (isWorkitemFile)
    {
        const auto* root = document->documentElement();
        FUZZ_REQUIRE(root->getAttribute("id") == item.id);
        FUZZ_REQUIRE(root->getAttribute("type") == item.task);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WorkItem item;
    try
    {
        item.Parse(std::string(reinterpret_cast<const char*>(data), size));
    }
    catch (const Poco::Exception&)
    {
        return 0;
    }
    std::ostringstream dump;
    dump << item;

    std::ostringstream workitem;
    try
    {
        item.ExportWorkitemAsXml(workitem);
    }
    catch (const std::runtime_error&)
    {
        FUZZ_REQUIRE(workitem.str().empty());
    }
    if (!workitem.str().empty())
        CheckReadsBack(item, workitem.str(), true);

    std::ostringstream properties;
    try
    {
        item.ExportPropertiesAsXml(properties);
    }
    catch (const std::runtime_error&)
    {
        FUZZ_REQUIRE(properties.str().empty());
    }
    if (!properties.str().empty())
        CheckReadsBack(item, properties.str(), false);
    return 0;
}
