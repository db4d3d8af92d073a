#include "XmlDocument.h"

#include "XmlShape.h"

#include <Poco/DOM/DOMBuilder.h>
#include <Poco/Format.h>
#include <Poco/MemoryStream.h>
#include <Poco/SAX/InputSource.h>
#include <Poco/SAX/LexicalHandler.h>
#include <Poco/SAX/SAXParser.h>
#include <Poco/SAX/WhitespaceFilter.h>
#include <Poco/XML/XMLException.h>

namespace
{
/// Stands between the parser and the DOM builder for lexical events: passes comments and CDATA
/// sections on, and stops the parse at the start of a document type declaration. Expat reports
/// that start before it reads the internal subset, so no entity is ever declared.
class DoctypeRefusal : public Poco::XML::LexicalHandler
{
public:
    DoctypeRefusal(Poco::XML::LexicalHandler& builder, const std::string& what)
        : next(builder)
        , document(what)
    {
    }

    void startDTD(const Poco::XML::XMLString&, const Poco::XML::XMLString&, const Poco::XML::XMLString&) override
    {
        throw Poco::XML::XMLException(
            Poco::format("%s holds a document type declaration, which is not accepted; it is not read", document));
    }
    void endDTD() override
    {
    }
    void startEntity(const Poco::XML::XMLString& name) override
    {
        next.startEntity(name);
    }
    void endEntity(const Poco::XML::XMLString& name) override
    {
        next.endEntity(name);
    }
    void startCDATA() override
    {
        next.startCDATA();
    }
    void endCDATA() override
    {
        next.endCDATA();
    }
    void comment(const Poco::XML::XMLChar ch[], int start, int length) override
    {
        next.comment(ch, start, length);
    }

private:
    Poco::XML::LexicalHandler& next;
    const std::string document;
};

Poco::XML::Document* Build(Poco::XML::XMLReader& reader, Poco::XML::InputSource& source, const std::string& what)
{
    Poco::XML::DOMBuilder builder(reader);
    // The builder has made itself the reader's lexical handler; the refusal takes its place and
    // hands on to it.
    auto* builderHandler =
        static_cast<Poco::XML::LexicalHandler*>(reader.getProperty(Poco::XML::XMLReader::PROPERTY_LEXICAL_HANDLER));
    if (!builderHandler)
        throw Poco::XML::XMLException("The XML reader has no lexical handler to guard");
    DoctypeRefusal refusal(*builderHandler, what);
    reader.setProperty(Poco::XML::XMLReader::PROPERTY_LEXICAL_HANDLER,
                       static_cast<Poco::XML::LexicalHandler*>(&refusal));
    return builder.parse(&source);
}
} // namespace

Poco::XML::AutoPtr<Poco::XML::Document> XmlDocument::Parse(const std::string& text, const std::string& what,
                                                           Whitespace whitespace)
{
    CheckShape(text, what);
    Poco::XML::SAXParser parser;
    parser.setFeature(Poco::XML::XMLReader::FEATURE_NAMESPACES, true);
    parser.setFeature(Poco::XML::XMLReader::FEATURE_NAMESPACE_PREFIXES, true);
    parser.setFeature(Poco::XML::XMLReader::FEATURE_EXTERNAL_GENERAL_ENTITIES, false);
    parser.setFeature(Poco::XML::XMLReader::FEATURE_EXTERNAL_PARAMETER_ENTITIES, false);
    Poco::MemoryInputStream stream(text.data(), text.size());
    Poco::XML::InputSource source(stream);
    if (whitespace == DropWhitespace)
    {
        Poco::XML::WhitespaceFilter filter(&parser);
        return Build(filter, source, what);
    }
    return Build(parser, source, what);
}

void XmlDocument::CheckShape(const std::string& text, const std::string& what)
{
    const XmlShape shape = XmlShape::Of(text);
    if (shape.longestMarkup > XmlShape::markupLimit)
        throw Poco::XML::XMLException(Poco::format(
            "%s holds %z bytes of markup in one piece (a tag, comment, declaration or text outside the root "
            "element), more than the %z accepted",
            what, shape.longestMarkup, static_cast<std::size_t>(XmlShape::markupLimit)));
    if (shape.depth > XmlShape::depthLimit)
        throw Poco::XML::XMLException(Poco::format("%s nests elements more than %z deep; it is not read", what,
                                                   static_cast<std::size_t>(XmlShape::depthLimit)));
}
