#include "WorkItem.h"

#include "EncryptionHelpers.h"
#include "XmlDocument.h"
#include "XmlEscape.h"
#include "XmlText.h"

#include <Poco/DOM/AutoPtr.h>
#include <Poco/DOM/Document.h>
#include <Poco/DOM/Element.h>
#include <Poco/DOM/NodeFilter.h>
#include <Poco/DOM/NodeIterator.h>
#include <Poco/Format.h>
#include <Poco/String.h>

#include <algorithm>
#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>

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
            throw std::runtime_error(
                "A property name cannot be written as XML (invalid UTF-8 or a forbidden character)");
        if (!XmlText::IsValid(entry.second))
            throw std::runtime_error(Poco::format(
                "The value of the property '%s' cannot be written as XML (invalid UTF-8 or a forbidden character)",
                entry.first));
    }
}

/// Writes the property list as the DOM writer of POCO wrote it (pretty-printed, tab-indented,
/// "\n" line ends, attribute values escaped as XMLWriter escapes them), straight to the stream.
/// Building a DOM for it cost a node, two attribute nodes and their mutation events per property
/// and a serializer that converts every byte on its own; that dominated a large work item.
class PropertyWriter
{
public:
    explicit PropertyWriter(std::ostream& stream)
        : out(stream)
    {
        buffer.reserve(flushSize + 4096);
    }

    void Text(const char* text)
    {
        buffer += text;
    }

    /// ` name="value"` with the value escaped.
    void Attribute(const char* name, const std::string& value)
    {
        buffer += ' ';
        buffer += name;
        buffer += "=\"";
        XmlEscape::Append(buffer, value, XmlEscape::Attribute);
        buffer += '"';
    }

    /// The list element at `depth` tabs, its properties one level deeper.
    void Properties(const std::map<std::string, std::string>& map, int depth)
    {
        const std::string indent(static_cast<std::size_t>(depth), '\t');
        buffer += indent;
        if (map.empty())
        {
            buffer += "<properties/>\n";
            return;
        }
        buffer += "<properties>\n";
        for (const auto& entry : map)
        {
            buffer += indent;
            buffer += "\t<property";
            Attribute("name", entry.first);
            Attribute("value", entry.second);
            buffer += "/>\n";
            if (buffer.size() >= flushSize)
                Flush();
        }
        buffer += indent;
        buffer += "</properties>\n";
    }

    void Flush()
    {
        out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        buffer.clear();
    }

private:
    static constexpr std::size_t flushSize = 64 * 1024;
    std::ostream& out;
    std::string buffer;
};
} // namespace

WorkItem::WorkItem() = default;

WorkItem::~WorkItem() = default;

void WorkItem::Parse(std::istream& input)
{
    Parse(std::string((std::istreambuf_iterator<char>(input)), std::istreambuf_iterator<char>()));
}

void WorkItem::Parse(const std::string& text)
{
    AutoPtr<Document> document = XmlDocument::Parse(text, "The work item", XmlDocument::DropWhitespace);

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
            // A value that cannot be one the server encrypted is kept from the scripts: the item
            // fails rather than run with what a wrong key or a broken value decrypts to.
            std::string plaintext;
            if (entry.second.empty() || EncryptionHelpers_TryDecrypt(entry.second, plaintext))
                entry.second.swap(plaintext);
            else
            {
                undecryptable.push_back(entry.first);
                entry.second.clear();
            }
            visibleProperties.erase(entry.first);
        }
    }
}

const std::vector<std::string>& WorkItem::UndecryptableProperties() const
{
    return undecryptable;
}

const std::map<std::string, std::string>& WorkItem::VisibleProperties() const
{
    return visibleProperties;
}

const std::map<std::string, std::string>& WorkItem::AllProperties() const
{
    return properties;
}

bool WorkItem::AddProperty(const std::string& name, const std::string& value, bool visible)
{
    if (!properties.emplace(name, value).second)
        return false;
    if (visible)
        visibleProperties.emplace(name, value);
    return true;
}

bool WorkItem::AddUndecryptable(const std::string& name)
{
    const auto found = properties.find(name);
    if (found == properties.end() || !found->second.empty() || visibleProperties.count(name) ||
        std::find(undecryptable.begin(), undecryptable.end(), name) != undecryptable.end())
        return false;
    undecryptable.push_back(name);
    return true;
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
    PropertyWriter writer(out);
    writer.Text("<workitem");
    writer.Attribute("id", id);
    writer.Attribute("type", task);
    writer.Text(">\n");
    writer.Properties(visibleProperties, 1);
    writer.Text("</workitem>\n");
    writer.Flush();
}

void WorkItem::ExportPropertiesAsXml(std::ostream& out) const
{
    CheckWritable(properties);
    PropertyWriter writer(out);
    writer.Properties(properties, 0);
    writer.Flush();
}

std::ostream& operator<<(std::ostream& out, const WorkItem& item)
{
    out << "WorkItem: task=" << item.task << ", id=" << item.id << "\n";
    for (const auto& entry : item.visibleProperties)
        out << entry.first << " -> " << entry.second << "\n";
    return out;
}
