// Parses a document from outside (a work item, a results file, a final-stage table, the engine's
// configuration) into a DOM tree, after the checks every such document needs: it is measured
// first (see XmlShape), and a document type declaration is refused as soon as the parser meets
// it. None of these documents has a use for one, and the entities it could declare expand after
// any measure of the raw text: nested ones take the parser and the DOM beyond their stacks. All
// failures throw Poco::XML::XMLException (SAXParseException for a document that is not
// well-formed), naming the document.
#pragma once

#include <Poco/DOM/AutoPtr.h>
#include <Poco/DOM/Document.h>

#include <string>

class XmlDocument
{
public:
    enum Whitespace
    {
        KeepWhitespace,
        /// Drops text nodes made only of whitespace between elements.
        DropWhitespace,
    };

    /// The tree of `text`, a document named by `what` ("The work item") in error messages.
    /// Throws as CheckShape does, and Poco::XML::XMLException for a document type declaration,
    /// before the parser reads any of it; namespaces are resolved, external entities never read.
    static Poco::XML::AutoPtr<Poco::XML::Document> Parse(const std::string& text, const std::string& what,
                                                         Whitespace whitespace);

    /// Throws Poco::XML::XMLException, naming `what`, when `text` holds markup longer than
    /// XmlShape::markupLimit or elements nested deeper than XmlShape::depthLimit: one oversized
    /// tag keeps the parser busy for minutes, and the DOM walks and frees a tree recursively.
    static void CheckShape(const std::string& text, const std::string& what);
};
