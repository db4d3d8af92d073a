#include "WorkItem.h"

#include "EncryptionHelpers.h"
#include "XmlText.h"

#include <Poco/DOM/AutoPtr.h>
#include <Poco/DOM/DOMParser.h>
#include <Poco/DOM/DOMWriter.h>
#include <Poco/DOM/Document.h>
#include <Poco/DOM/Element.h>
#include <Poco/DOM/NodeFilter.h>
#include <Poco/DOM/NodeIterator.h>
#include <Poco/Format.h>
#include <Poco/SAX/InputSource.h>
#include <Poco/String.h>
#include <Poco/UTF8Encoding.h>
#include <Poco/XML/XMLWriter.h>

#include <istream>
#include <ostream>
#include <sstream>
#include <stdexcept>

using Poco::XML::AutoPtr;
using Poco::XML::Document;
using Poco::XML::Element;

namespace
{
const std::string encryptedSuffix = ".isencrypted";

/// Refuses, before anything is written, a property that the XML writer would cut short or
/// choke on. Only the name is reported: the value may be a secret.
void CheckWritable(const std::map<std::string, std::string>& map)
{
    for (const auto& entry : map)
    {
        if (!XmlText::IsValid(entry.first))
            throw std::runtime_error("A property name cannot be written as XML (invalid UTF-8 or a forbidden character)");
        if (!XmlText::IsValid(entry.second))
            throw std::runtime_error(Poco::format(
                "The value of the property '%s' cannot be written as XML (invalid UTF-8 or a forbidden character)",
                entry.first));
    }
}

void AppendProperties(Document* document, Element* parent, const std::map<std::string, std::string>& map)
{
    for (const auto& entry : map)
    {
        AutoPtr<Element> property = document->createElement("property");
        property->setAttribute("name", entry.first);
        property->setAttribute("value", entry.second);
        parent->appendChild(property);
    }
}

void Write(Document* document, std::ostream& out, bool declareUtf8)
{
    Poco::XML::DOMWriter writer;
    writer.setNewLine("\n");
    writer.setOptions(Poco::XML::XMLWriter::PRETTY_PRINT);
    Poco::UTF8Encoding utf8;
    if (declareUtf8)
        writer.setEncoding("UTF-8", utf8);
    writer.writeNode(out, document);
}
} // namespace

WorkItem::WorkItem() = default;

WorkItem::~WorkItem() = default;

void WorkItem::Parse(std::istream& stream)
{
    Poco::XML::DOMParser parser;
    parser.setFeature(Poco::XML::DOMParser::FEATURE_FILTER_WHITESPACE, true);
    Poco::XML::InputSource source(stream);
    AutoPtr<Document> document = parser.parse(&source);

    // One walk in document order collects the parameters and the first task element; the
    // tag-name lists of the DOM are re-walked on every access, which is quadratic.
    Element* taskElement = nullptr;
    Poco::XML::NodeIterator iterator(document, Poco::XML::NodeFilter::SHOW_ELEMENT);
    for (Poco::XML::Node* node = iterator.nextNode(); node; node = iterator.nextNode())
    {
        Element* element = static_cast<Element*>(node);
        const std::string& name = element->nodeName();
        if (name == "parameter")
        {
            std::string key = element->hasAttributes() ? element->getAttribute("name") : std::string();
            Poco::toLowerInPlace(key);
            const std::string value = element->innerText();
            properties.emplace(key, value);
            visibleProperties.emplace(key, value);
        }
        else if (name == "task" && !taskElement)
        {
            taskElement = element;
        }
    }

    // A comment or processing instruction ahead of the root does not hide it.
    Element* root = document->documentElement();
    id = root ? root->getAttribute("id") : std::string();
    task = taskElement ? taskElement->getAttribute("type") : std::string();

    for (auto& entry : properties)
    {
        if (properties.count(entry.first + encryptedSuffix))
        {
            entry.second = EncryptionHelpers_Decrypt(entry.second);
            visibleProperties.erase(entry.first);
        }
    }
}

void WorkItem::Parse(const std::string& text)
{
    std::istringstream stream(text);
    Parse(stream);
}

std::string WorkItem::GetProperty(std::string name)
{
    const auto found = properties.find(name);
    return found == properties.end() ? std::string() : found->second;
}

void WorkItem::ExportWorkitemAsXml(std::ostream& out) const
{
    CheckWritable(visibleProperties);
    if (!XmlText::IsValid(id) || !XmlText::IsValid(task))
        throw std::runtime_error("The work item id or task cannot be written as XML");
    AutoPtr<Document> document = new Document;
    AutoPtr<Element> root = document->createElement("workitem");
    root->setAttribute("id", id);
    root->setAttribute("type", task);
    document->appendChild(root);
    AutoPtr<Element> list = document->createElement("properties");
    root->appendChild(list);
    AppendProperties(document, list, visibleProperties);
    Write(document, out, false);
}

void WorkItem::ExportPropertiesAsXml(std::ostream& out) const
{
    CheckWritable(properties);
    AutoPtr<Document> document = new Document;
    AutoPtr<Element> root = document->createElement("properties");
    document->appendChild(root);
    AppendProperties(document, root, properties);
    Write(document, out, true);
}

std::ostream& operator<<(std::ostream& out, const WorkItem& item)
{
    out << "WorkItem: task=" << item.task << ", id=" << item.id << "\n";
    for (const auto& entry : item.visibleProperties)
        out << entry.first << " -> " << entry.second << "\n";
    return out;
}
