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

namespace {

const char kXmlNamespace[] = "http://www.w3.org/XML/1998/namespace";

// Deepest element nesting accepted: far beyond any SOAP reply or work item
// (a handful of levels), and the bound the agent's own work item reader uses.
const size_t kMaxDepth = 256;

std::string TooDeep() {
  return "elements nested deeper than " + std::to_string(kMaxDepth) + " levels";
}

class TreeBuilder : public Poco::XML::ContentHandler, public Poco::XML::LexicalHandler {
 public:
  ~TreeBuilder() override {
    if (root) axis2c::DeleteTree(root);
  }

  axiom_node* Release() {
    axiom_node* result = root;
    root = nullptr;
    return result;
  }

  void setDocumentLocator(const Poco::XML::Locator*) override {}
  void startDocument() override {}
  void endDocument() override {}

  void startPrefixMapping(const Poco::XML::XMLString& prefix,
                          const Poco::XML::XMLString& uri) override {
    pending.emplace_back(prefix, uri);
  }

  void endPrefixMapping(const Poco::XML::XMLString&) override {}

  void startElement(const Poco::XML::XMLString& uri, const Poco::XML::XMLString& localName,
                    const Poco::XML::XMLString& qname,
                    const Poco::XML::Attributes& attributes) override {
    FlushText();
    if (depth == kMaxDepth) throw axis2c::DocumentRefused(TooDeep());
    auto* element = new axiom_element();
    auto* node = new axiom_node();
    node->type = AXIOM_ELEMENT;
    node->data = element;
    // Link first so that the tree owns the new objects from here on.
    if (current)
      axis2c::AppendChild(current, node);
    else if (!root)
      root = node;
    else {
      axis2c::DeleteTree(node);
      throw std::runtime_error("more than one root element");
    }
    current = node;
    ++depth;
    scopes.emplace_back();
    element->localname = localName;

    for (auto& declaration : pending) {
      auto* ns = new axiom_namespace();
      ns->prefix = std::move(declaration.first);
      ns->uri = std::move(declaration.second);
      axis2c::HoldNamespace(ns);
      element->declared.push_back(ns);
      Bring(ns);
    }
    pending.clear();

    if (!uri.empty()) element->ns = Namespace(uri, PrefixOf(qname));
    axis2c::HoldNamespace(element->ns);

    for (int i = 0; i < attributes.getLength(); ++i) {
      const Poco::XML::XMLString& attributeName = attributes.getQName(i);
      if (attributeName == "xmlns" || attributeName.compare(0, 6, "xmlns:") == 0) continue;
      auto* attribute = new axiom_attribute();
      element->attributes.push_back(attribute);
      attribute->localname = attributes.getLocalName(i);
      if (attribute->localname.empty()) attribute->localname = attributeName;
      attribute->value = attributes.getValue(i);
      const Poco::XML::XMLString& attributeUri = attributes.getURI(i);
      if (!attributeUri.empty()) {
        attribute->ns = Namespace(attributeUri, PrefixOf(attributeName));
        axis2c::HoldNamespace(attribute->ns);
      }
    }
  }

  void endElement(const Poco::XML::XMLString&, const Poco::XML::XMLString&,
                  const Poco::XML::XMLString&) override {
    FlushText();
    if (!scopes.empty()) {
      for (const std::string* prefix : scopes.back()) {
        auto found = inScope.find(*prefix);
        found->second.pop_back();
        if (found->second.empty()) inScope.erase(found);
      }
      scopes.pop_back();
    }
    if (depth > 0) --depth;
    current = current ? current->parent : nullptr;
  }

  void characters(const Poco::XML::XMLChar ch[], int start, int length) override {
    if (current) text.append(ch + start, static_cast<size_t>(length));
  }

  void ignorableWhitespace(const Poco::XML::XMLChar ch[], int start, int length) override {
    characters(ch, start, length);
  }

  void processingInstruction(const Poco::XML::XMLString&, const Poco::XML::XMLString&) override {}
  void skippedEntity(const Poco::XML::XMLString& name) override {
    throw std::runtime_error("undefined entity '" + name + "'");
  }

  void startDTD(const Poco::XML::XMLString&, const Poco::XML::XMLString&,
                const Poco::XML::XMLString&) override {
    throw std::runtime_error("document type declarations are not allowed");
  }
  void endDTD() override {}
  void startEntity(const Poco::XML::XMLString&) override {}
  void endEntity(const Poco::XML::XMLString&) override {}
  void startCDATA() override {}
  void endCDATA() override {}
  void comment(const Poco::XML::XMLChar[], int, int) override {}

 private:
  static std::string PrefixOf(const std::string& qname) {
    size_t colon = qname.find(':');
    return colon == std::string::npos ? std::string() : qname.substr(0, colon);
  }

  // The in-scope declaration object for (uri, prefix), shared by the element
  // and its descendants; made up only for the implicit "xml" prefix. The
  // parser has already resolved the prefix to `uri`, so the innermost
  // declaration of the prefix is the one, and nothing is searched.
  axiom_namespace* Namespace(const std::string& uri, const std::string& prefix) {
    auto found = inScope.find(prefix);
    if (found != inScope.end() && found->second.back()->uri == uri) return found->second.back();
    auto* ns = new axiom_namespace();
    ns->uri = uri;
    ns->prefix = uri == kXmlNamespace ? "xml" : prefix;
    axis2c::ElementOf(current)->declared.push_back(ns);
    axis2c::HoldNamespace(ns);
    Bring(ns);
    return ns;
  }

  // Puts a declaration of the current element in scope until its end tag.
  void Bring(axiom_namespace* ns) {
    auto entry = inScope.try_emplace(ns->prefix).first;
    entry->second.push_back(ns);
    // The map's key outlives the entry in `scopes`: both go at the end tag.
    scopes.back().push_back(&entry->first);
  }

  void FlushText() {
    if (text.empty() || !current) {
      text.clear();
      return;
    }
    auto* value = new axiom_text();
    value->value = std::move(text);
    text = std::string();
    auto* node = new (std::nothrow) axiom_node();
    if (!node) {
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

// What the parser would face: the longest piece of markup it must take in
// whole (a tag with its attributes, a comment, a processing instruction, a
// declaration, or text outside the root element) and the deepest nesting of
// elements. Expat 2.5 rescans such a piece from its start for every 4 KiB
// block POCO feeds it, so one 50 MB attribute would keep it busy for minutes;
// character data and CDATA content go through in parts. The nesting is
// counted from the tags alone, so a document that is not well-formed may be
// counted wrong here; the tree builder counts again as it goes.
struct Shape {
  size_t longestMarkup = 0;
  size_t deepest = 0;
};

Shape ShapeOf(const char* data, size_t length) {
  const std::string_view view(data, length);
  auto through = [&](const char* terminator, size_t from) {
    size_t found = view.find(terminator, from);
    return found == std::string_view::npos ? length
                                           : found + std::char_traits<char>::length(terminator);
  };
  Shape shape;
  size_t& longest = shape.longestMarkup;
  size_t depth = 0;
  size_t i = 0;
  while (i < length) {
    if (view[i] != '<') {
      size_t next = std::min(view.find('<', i), length);
      if (depth == 0) longest = std::max(longest, next - i);
      i = next;
      continue;
    }
    size_t end;
    if (view.compare(i, 4, "<!--") == 0) {
      end = through("-->", i + 4);
    } else if (view.compare(i, 9, "<![CDATA[") == 0) {
      i = through("]]>", i + 9);
      continue;
    } else if (view.compare(i, 2, "<?") == 0) {
      end = through("?>", i + 2);
    } else {
      // A tag or a declaration ends at the first '>' outside quoted values.
      char quote = 0;
      size_t j = i + 1;
      for (; j < length; ++j) {
        char c = view[j];
        if (quote)
          quote = c == quote ? 0 : quote;
        else if (c == '"' || c == '\'')
          quote = c;
        else if (c == '>')
          break;
      }
      end = j < length ? j + 1 : length;
      char kind = i + 1 < length ? view[i + 1] : 0;
      if (kind == '/') {
        depth -= depth > 0 ? 1 : 0;
      } else if (kind != '!') {
        // An empty-element tag counts as a level of its own.
        shape.deepest = std::max(shape.deepest, depth + 1);
        if (!(j < length && view[j - 1] == '/')) ++depth;
      }
    }
    longest = std::max(longest, end - i);
    i = end;
  }
  return shape;
}

// Far beyond any tag of a SOAP reply, small enough that a reply of the
// transport's largest size still parses in seconds.
const size_t kMaxMarkupBytes = 256 * 1024;

}  // namespace

namespace axis2c {

axiom_node* ParseDocument(const char* data, size_t length) {
  const Shape shape = ShapeOf(data, length);
  if (shape.longestMarkup > kMaxMarkupBytes)
    throw DocumentRefused(std::to_string(shape.longestMarkup) +
                          " bytes of markup in one piece (a tag, comment, declaration or "
                          "text outside the root element), more than the " +
                          std::to_string(kMaxMarkupBytes) + " accepted");
  // Refused before a single node is made.
  if (shape.deepest > kMaxDepth) throw DocumentRefused(TooDeep());
  TreeBuilder builder;
  Poco::XML::SAXParser parser;
  parser.setFeature(Poco::XML::XMLReader::FEATURE_NAMESPACES, true);
  parser.setFeature(Poco::XML::XMLReader::FEATURE_NAMESPACE_PREFIXES, true);
  parser.setFeature(Poco::XML::XMLReader::FEATURE_EXTERNAL_GENERAL_ENTITIES, false);
  parser.setFeature(Poco::XML::XMLReader::FEATURE_EXTERNAL_PARAMETER_ENTITIES, false);
  parser.setContentHandler(&builder);
  parser.setProperty(Poco::XML::XMLReader::PROPERTY_LEXICAL_HANDLER,
                     static_cast<Poco::XML::LexicalHandler*>(&builder));
  try {
    parser.parseMemoryNP(data, length);
  } catch (const Poco::XML::SAXParseException& error) {
    throw std::runtime_error(error.message() + " (line " + std::to_string(error.getLineNumber()) +
                             ", column " + std::to_string(error.getColumnNumber()) + ")");
  } catch (const Poco::Exception& error) {
    throw std::runtime_error(error.message().empty() ? error.displayText() : error.message());
  }
  axiom_node* root = builder.Release();
  if (!root) throw std::runtime_error("no root element");
  return root;
}

}  // namespace axis2c
