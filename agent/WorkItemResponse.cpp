#include "WorkItemResponse.h"

#include "XmlText.h"

#include <Poco/DOM/AutoPtr.h>
#include <Poco/DOM/DOMParser.h>
#include <Poco/DOM/DOMWriter.h>
#include <Poco/DOM/Document.h>
#include <Poco/DOM/Element.h>
#include <Poco/DOM/NodeFilter.h>
#include <Poco/DOM/NodeIterator.h>
#include <Poco/DOM/Text.h>
#include <Poco/File.h>
#include <Poco/Path.h>
#include <Poco/SAX/InputSource.h>
#include <Poco/XML/XMLWriter.h>

#include <fstream>
#include <ostream>
#include <vector>

using Poco::XML::AutoPtr;
using Poco::XML::Document;
using Poco::XML::Element;
using Poco::XML::Node;

namespace
{
AutoPtr<Element> CreateElement(Document* document, Element* parent, const std::string& name)
{
    AutoPtr<Element> element = document->createElement(name);
    parent->appendChild(element);
    return element;
}

void AppendText(Document* document, Element* element, const std::string& text)
{
    AutoPtr<Poco::XML::Text> node = document->createTextNode(XmlText::Sanitize(text));
    element->appendChild(node);
}

std::string ResultsPath(const std::string& scriptRoot)
{
    Poco::Path path(scriptRoot);
    path.append("External");
    path.makeAbsolute();
    path.makeDirectory();
    path.setFileName("results.xml");
    return path.toString();
}

/// Copies every "parameter" element of the results file (any prefix, any depth) into `result`,
/// after its only child so far, the message. appendChild walks the whole child list on every
/// call, which is quadratic in the number of results; inserting right after the first child
/// is constant time, so the parameters go in back to front.
void CopyResultParameters(const std::string& path, Document* document, Element* result)
{
    std::ifstream stream(path);
    Poco::XML::InputSource source(stream);
    Poco::XML::DOMParser parser;
    parser.setFeature(Poco::XML::DOMParser::FEATURE_FILTER_WHITESPACE, true);
    AutoPtr<Document> results = parser.parse(&source);

    std::vector<Element*> found;
    Poco::XML::NodeIterator iterator(results, Poco::XML::NodeFilter::SHOW_ELEMENT);
    for (Node* node = iterator.nextNode(); node; node = iterator.nextNode())
    {
        if (node->localName() == "parameter")
            found.push_back(static_cast<Element*>(node));
    }
    Node* message = result->firstChild();
    for (auto it = found.rbegin(); it != found.rend(); ++it)
    {
        AutoPtr<Element> parameter = document->createElement("parameter");
        parameter->setAttribute("name", XmlText::Sanitize((*it)->getAttribute("name")));
        Node* first = (*it)->firstChild();
        AppendText(document, parameter, first ? first->nodeValue() : std::string());
        result->insertBefore(parameter, message->nextSibling());
    }
}
} // namespace

WorkItemResponse::~WorkItemResponse() = default;

std::ostream& operator<<(std::ostream& out, const WorkItemResponse& response)
{
    AutoPtr<Document> document = new Document;
    AutoPtr<Element> root = document->createElement("workItemResponse");
    root->setAttribute("id", XmlText::Sanitize(response.id));
    AutoPtr<Element> task = CreateElement(document, root, "task");
    task->setAttribute("type", XmlText::Sanitize(response.task));
    AutoPtr<Element> result = CreateElement(document, task, "result");
    result->setAttribute("succeeded", response.succeeded ? "true" : "false");
    AutoPtr<Element> message = CreateElement(document, result, "message");
    if (!response.message.empty())
        AppendText(document, message, response.message);

    if (response.readResults)
    {
        const std::string path = ResultsPath(response.scriptRoot);
        if (Poco::File(path).exists())
            CopyResultParameters(path, document, result);
    }
    document->appendChild(root);

    Poco::XML::DOMWriter writer;
    writer.setNewLine("\n");
    writer.setOptions(Poco::XML::XMLWriter::PRETTY_PRINT);
    writer.writeNode(out, document);
    return out;
}
