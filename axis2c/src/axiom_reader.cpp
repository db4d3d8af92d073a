// Builds an AXIOM tree from XML text with POCO's streaming SAX parser.
// Character data is accumulated in one buffer per text run, so even a very
// large text node is assembled in linear time. Documents with a document
// type declaration are refused: SOAP forbids them and they open the door to
// entity expansion attacks; so are documents with oversized markup, which
// the parser would take minutes over, and documents nested deeper than
// kMaxDepth, which no real reply is and whose trees would take the recursive
// serializer and the callers' own walks beyond their stacks. Namespaces are
// resolved through a map of the prefixes in scope, kept up to date as the
// parse goes, so an element costs the same however deep it lies.
#include "axiom_internal.h"

#include "XmlShape.h"

#include <Poco/SAX/Attributes.h>
#include <Poco/SAX/ContentHandler.h>
#include <Poco/SAX/LexicalHandler.h>
#include <Poco/SAX/SAXException.h>
#include <Poco/SAX/SAXParser.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace
{

const char kXmlNamespace[] = "http://www.w3.org/XML/1998/namespace";

// Deepest element nesting accepted: far beyond any SOAP reply or work item
// (a handful of levels), and the bound the agent's own work item reader uses.
const size_t kMaxDepth = XmlShape::depthLimit;

std::string TooDeep()
{
    return "elements nested deeper than " + std::to_string(kMaxDepth) + " levels";
}

class TreeBuilder : public Poco::XML::ContentHandler, public Poco::XML::LexicalHandler
{
public:
    ~TreeBuilder() override
    {
        if (root)
            axis2c::DeleteTree(root);
    }

    axiom_node* Release()
    {
        axiom_node* result = root;
        root = nullptr;
        return result;
    }

    void setDocumentLocator(const Poco::XML::Locator*) override
    {
    }
    void startDocument() override
    {
    }
    void endDocument() override
    {
    }

    void startPrefixMapping(const Poco::XML::XMLString& prefix, const Poco::XML::XMLString& uri) override
    {
        pending.emplace_back(prefix, uri);
    }

    void endPrefixMapping(const Poco::XML::XMLString&) override
    {
    }

    void startElement(const Poco::XML::XMLString& uri, const Poco::XML::XMLString& localName,
                      const Poco::XML::XMLString& qname, const Poco::XML::Attributes& attributes) override
    {
        FlushText();
        if (depth == kMaxDepth)
            throw axis2c::DocumentRefused(TooDeep());
        auto* element = new axiom_element();
        auto* node = new axiom_node();
        node->type = AXIOM_ELEMENT;
        node->data = element;
        // Link first so that the tree owns the new objects from here on.
        if (current)
            axis2c::AppendChild(current, node);
        else if (!root)
            root = node;
        else
        {
            axis2c::DeleteTree(node);
            throw std::runtime_error("more than one root element");
        }
        current = node;
        ++depth;
        scopes.emplace_back();
        element->localname = localName;

        for (auto& declaration : pending)
        {
            auto* ns = new axiom_namespace();
            ns->prefix = std::move(declaration.first);
            ns->uri = std::move(declaration.second);
            axis2c::HoldNamespace(ns);
            element->declared.push_back(ns);
            Bring(ns);
        }
        pending.clear();

        if (!uri.empty())
            element->ns = Namespace(uri, PrefixOf(qname));
        axis2c::HoldNamespace(element->ns);

        for (int i = 0; i < attributes.getLength(); ++i)
        {
            const Poco::XML::XMLString& attributeName = attributes.getQName(i);
            if (attributeName == "xmlns" || attributeName.compare(0, 6, "xmlns:") == 0)
                continue;
            auto* attribute = new axiom_attribute();
            element->attributes.push_back(attribute);
            attribute->localname = attributes.getLocalName(i);
            if (attribute->localname.empty())
                attribute->localname = attributeName;
            attribute->value = attributes.getValue(i);
            const Poco::XML::XMLString& attributeUri = attributes.getURI(i);
            if (!attributeUri.empty())
            {
                attribute->ns = Namespace(attributeUri, PrefixOf(attributeName));
                axis2c::HoldNamespace(attribute->ns);
            }
        }
    }

    void endElement(const Poco::XML::XMLString&, const Poco::XML::XMLString&, const Poco::XML::XMLString&) override
    {
        FlushText();
        if (!scopes.empty())
        {
            for (const std::string* prefix : scopes.back())
            {
                auto found = inScope.find(*prefix);
                found->second.pop_back();
                if (found->second.empty())
                    inScope.erase(found);
            }
            scopes.pop_back();
        }
        if (depth > 0)
            --depth;
        current = current ? current->parent : nullptr;
    }

    void characters(const Poco::XML::XMLChar ch[], int start, int length) override
    {
        if (current)
            text.append(ch + start, static_cast<size_t>(length));
    }

    void ignorableWhitespace(const Poco::XML::XMLChar ch[], int start, int length) override
    {
        characters(ch, start, length);
    }

    void processingInstruction(const Poco::XML::XMLString&, const Poco::XML::XMLString&) override
    {
    }
    void skippedEntity(const Poco::XML::XMLString& name) override
    {
        throw std::runtime_error("undefined entity '" + name + "'");
    }

    void startDTD(const Poco::XML::XMLString&, const Poco::XML::XMLString&, const Poco::XML::XMLString&) override
    {
        throw std::runtime_error("document type declarations are not allowed");
    }
    void endDTD() override
    {
    }
    void startEntity(const Poco::XML::XMLString&) override
    {
    }
    void endEntity(const Poco::XML::XMLString&) override
    {
    }
    void startCDATA() override
    {
    }
    void endCDATA() override
    {
    }
    void comment(const Poco::XML::XMLChar[], int, int) override
    {
    }

private:
    static std::string PrefixOf(const std::string& qname)
    {
        size_t colon = qname.find(':');
        return colon == std::string::npos ? std::string() : qname.substr(0, colon);
    }

    // The in-scope declaration object for (uri, prefix), shared by the element
    // and its descendants; made up only for the implicit "xml" prefix. The
    // parser has already resolved the prefix to `uri`, so the innermost
    // declaration of the prefix is the one, and nothing is searched.
    axiom_namespace* Namespace(const std::string& uri, const std::string& prefix)
    {
        auto found = inScope.find(prefix);
        if (found != inScope.end() && found->second.back()->uri == uri)
            return found->second.back();
        auto* ns = new axiom_namespace();
        ns->uri = uri;
        ns->prefix = uri == kXmlNamespace ? "xml" : prefix;
        axis2c::ElementOf(current)->declared.push_back(ns);
        axis2c::HoldNamespace(ns);
        Bring(ns);
        return ns;
    }

    // Puts a declaration of the current element in scope until its end tag.
    void Bring(axiom_namespace* ns)
    {
        auto entry = inScope.try_emplace(ns->prefix).first;
        entry->second.push_back(ns);
        // The map's key outlives the entry in `scopes`: both go at the end tag.
        scopes.back().push_back(&entry->first);
    }

    void FlushText()
    {
        if (text.empty() || !current)
        {
            text.clear();
            return;
        }
        auto* value = new axiom_text();
        value->value = std::move(text);
        text = std::string();
        auto* node = new (std::nothrow) axiom_node();
        if (!node)
        {
            delete value;
            throw std::bad_alloc();
        }
        node->type = AXIOM_TEXT;
        node->data = value;
        axis2c::AppendChild(current, node);
    }

    axiom_node* root = nullptr;
    axiom_node* current = nullptr;
    std::string text;
    std::vector<std::pair<std::string, std::string>> pending;
    size_t depth = 0;
    // Innermost last: the declarations in scope for each prefix.
    std::unordered_map<std::string, std::vector<axiom_namespace*>> inScope;
    // Per open element, the prefixes it brought into scope.
    std::vector<std::vector<const std::string*>> scopes;
};

} // namespace

namespace axis2c
{

axiom_node* ParseDocument(const char* data, size_t length)
{
    // What the parser would face, measured first: a piece of markup that Expat would take minutes
    // over, or a nesting deeper than any reply has, is refused before a single node is made.
    const XmlShape shape = XmlShape::Of(std::string_view(data, length));
    if (shape.longestMarkup > XmlShape::markupLimit)
        throw DocumentRefused(std::to_string(shape.longestMarkup) +
                              " bytes of markup in one piece (a tag, comment, declaration or "
                              "text outside the root element), more than the " +
                              std::to_string(XmlShape::markupLimit) + " accepted");
    if (shape.depth > kMaxDepth)
        throw DocumentRefused(TooDeep());
    TreeBuilder builder;
    Poco::XML::SAXParser parser;
    parser.setFeature(Poco::XML::XMLReader::FEATURE_NAMESPACES, true);
    parser.setFeature(Poco::XML::XMLReader::FEATURE_NAMESPACE_PREFIXES, true);
    parser.setFeature(Poco::XML::XMLReader::FEATURE_EXTERNAL_GENERAL_ENTITIES, false);
    parser.setFeature(Poco::XML::XMLReader::FEATURE_EXTERNAL_PARAMETER_ENTITIES, false);
    parser.setContentHandler(&builder);
    parser.setProperty(Poco::XML::XMLReader::PROPERTY_LEXICAL_HANDLER,
                       static_cast<Poco::XML::LexicalHandler*>(&builder));
    try
    {
        parser.parseMemoryNP(data, length);
    }
    catch (const Poco::XML::SAXParseException& error)
    {
        throw std::runtime_error(error.message() + " (line " + std::to_string(error.getLineNumber()) + ", column " +
                                 std::to_string(error.getColumnNumber()) + ")");
    }
    catch (const Poco::Exception& error)
    {
        throw std::runtime_error(error.message().empty() ? error.displayText() : error.message());
    }
    axiom_node* root = builder.Release();
    if (!root)
        throw std::runtime_error("no root element");
    return root;
}

} // namespace axis2c
