// Turns an AXIOM tree into XML text. Namespace bindings are tracked while
// walking so that every prefix used is declared exactly where it is first
// needed, whatever declarations the tree itself carries. The walk is
// iterative to cope with arbitrarily deep trees.
#include "axiom_internal.h"

#include <axutil_stream.h>

#include "XmlEscape.h"

#include <string>
#include <vector>

namespace
{

const char kXmlNamespace[] = "http://www.w3.org/XML/1998/namespace";

// A carriage return is a reference in text too: a reader would turn a bare one into a line feed.
void AppendEscaped(std::string& out, const std::string& text, bool attribute)
{
    XmlEscape::Append(out, text, attribute ? XmlEscape::Attribute : XmlEscape::CarriageReturn);
}

class Writer
{
public:
    explicit Writer(std::string& target)
        : out(target)
    {
    }

    void Walk(const axiom_node* root)
    {
        const axiom_node* node = root;
        for (;;)
        {
            if (Open(node))
            {
                node = node->firstChild;
                continue;
            }
            while (node != root && !node->next)
            {
                node = node->parent;
                Close(node);
            }
            if (node == root)
                return;
            node = node->next;
        }
    }

private:
    struct Binding
    {
        std::string prefix;
        std::string uri;
    };

    // URI bound to `prefix` in scope; nullptr when unbound. The default
    // namespace is "no namespace" until declared.
    const std::string* Lookup(const std::string& prefix) const
    {
        for (auto it = scope.rbegin(); it != scope.rend(); ++it)
            if (it->prefix == prefix)
                return &it->uri;
        static const std::string none;
        return prefix.empty() ? &none : nullptr;
    }

    bool Bound(const std::string& prefix, const std::string& uri) const
    {
        if (prefix == "xml")
            return true;
        const std::string* bound = Lookup(prefix);
        return bound && *bound == uri;
    }

    void Bind(std::string& tag, std::vector<std::string>& onTag, const std::string& prefix, const std::string& uri)
    {
        scope.push_back({prefix, uri});
        onTag.push_back(prefix);
        tag += prefix.empty() ? " xmlns=\"" : " xmlns:" + prefix + "=\"";
        AppendEscaped(tag, uri, true);
        tag += '"';
    }

    static bool Contains(const std::vector<std::string>& list, const std::string& value)
    {
        for (const std::string& item : list)
            if (item == value)
                return true;
        return false;
    }

    // Writes the start tag; true when the element has children to visit.
    bool Open(const axiom_node* node)
    {
        if (node->type == AXIOM_TEXT)
        {
            AppendEscaped(out, static_cast<const axiom_text*>(node->data)->value, false);
            return false;
        }
        if (node->type == AXIOM_DATA_SOURCE)
        {
            const auto* source = static_cast<const axiom_data_source*>(node->data);
            if (const char* raw = axutil_stream_get_buffer(source->stream, nullptr))
                out.append(raw, static_cast<size_t>(axutil_stream_get_len(source->stream, nullptr)));
            return false;
        }
        if (node->type != AXIOM_ELEMENT)
            return false;

        const auto* element = static_cast<const axiom_element*>(node->data);
        marks.push_back(scope.size());
        std::string declarations;
        std::vector<std::string> onTag;

        std::string prefix, uri;
        if (element->ns && !element->ns->uri.empty())
        {
            prefix = element->ns->prefix;
            uri = element->ns->uri;
        }
        if (!Bound(prefix, uri))
            Bind(declarations, onTag, prefix, uri);
        for (const axiom_namespace* ns : element->declared)
        {
            if (ns->prefix == "xml" || Contains(onTag, ns->prefix))
                continue;
            if (ns->uri.empty() && !ns->prefix.empty())
                continue; // cannot unbind a prefix
            if (!Bound(ns->prefix, ns->uri))
                Bind(declarations, onTag, ns->prefix, ns->uri);
        }

        std::string attributes;
        for (const axiom_attribute* attribute : element->attributes)
        {
            std::string attributePrefix;
            if (attribute->ns && !attribute->ns->uri.empty())
            {
                attributePrefix = attribute->ns->prefix;
                const std::string& attributeUri = attribute->ns->uri;
                if (attributeUri == kXmlNamespace)
                {
                    attributePrefix = "xml";
                }
                else if (attributePrefix.empty() || !Bound(attributePrefix, attributeUri))
                {
                    // Unprefixed attributes are never namespaced, so a prefix is needed;
                    // a clash with one declared on this tag needs a fresh one too.
                    if (attributePrefix.empty() || Contains(onTag, attributePrefix))
                    {
                        const std::string* existing = nullptr;
                        for (auto it = scope.rbegin(); it != scope.rend() && !existing; ++it)
                            if (!it->prefix.empty() && it->uri == attributeUri && Bound(it->prefix, it->uri))
                                existing = &it->prefix;
                        if (existing)
                        {
                            attributePrefix = *existing;
                        }
                        else
                        {
                            int counter = 0;
                            do
                                attributePrefix = "ns" + std::to_string(++counter);
                            while (Lookup(attributePrefix) || Contains(onTag, attributePrefix));
                        }
                    }
                    if (!Bound(attributePrefix, attributeUri))
                        Bind(declarations, onTag, attributePrefix, attributeUri);
                }
            }
            attributes += ' ';
            if (!attributePrefix.empty())
                attributes += attributePrefix + ":";
            attributes += attribute->localname + "=\"";
            AppendEscaped(attributes, attribute->value, true);
            attributes += '"';
        }

        std::string name = prefix.empty() ? element->localname : prefix + ":" + element->localname;
        out += '<';
        out += name;
        out += declarations;
        out += attributes;
        if (!node->firstChild)
        {
            out += "/>";
            scope.resize(marks.back());
            marks.pop_back();
            return false;
        }
        out += '>';
        names.push_back(std::move(name));
        return true;
    }

    void Close(const axiom_node* node)
    {
        if (node->type != AXIOM_ELEMENT)
            return;
        out += "</";
        out += names.back();
        out += '>';
        names.pop_back();
        scope.resize(marks.back());
        marks.pop_back();
    }

    std::string& out;
    std::vector<Binding> scope;
    std::vector<size_t> marks;
    std::vector<std::string> names;
};

} // namespace

namespace axis2c
{

std::string SerializeTree(const axiom_node* node)
{
    std::string out;
    Writer(out).Walk(node);
    return out;
}

} // namespace axis2c
