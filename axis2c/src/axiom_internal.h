// The AXIOM tree's internal representation, shared by the tree, element,
// serializer and reader sources, and by the service client.
#pragma once

#include <axiom.h>

#include <stdexcept>
#include <string>
#include <vector>

struct axiom_namespace
{
    std::string uri;
    std::string prefix;
    // Number of tree objects holding this namespace; 0 means only the creator
    // refers to it, and axiom_namespace_free may delete it.
    int holders = 0;
};

struct axiom_attribute
{
    std::string localname;
    std::string value;
    axiom_namespace* ns = nullptr; // held
    axutil_qname_t* qname = nullptr;
};

struct axiom_text
{
    std::string value;
};

struct axiom_data_source
{
    axutil_stream_t* stream = nullptr;
};

struct axiom_element
{
    std::string localname;
    axiom_namespace* ns = nullptr;          // held
    std::vector<axiom_namespace*> declared; // held
    std::vector<axiom_attribute*> attributes;
    // Caches behind pointers handed out by getters.
    axutil_qname_t* qname = nullptr;
    std::string text;
    axutil_hash_t* namespaceTable = nullptr;
    axutil_hash_t* attributeTable = nullptr;
};

struct axiom_node
{
    axiom_types_t type = AXIOM_INVALID;
    axiom_node* parent = nullptr;
    axiom_node* firstChild = nullptr;
    axiom_node* lastChild = nullptr;
    axiom_node* previous = nullptr;
    axiom_node* next = nullptr;
    void* data = nullptr; // owned; type given by `type`
};

namespace axis2c
{

void HoldNamespace(axiom_namespace* ns);
void ReleaseNamespace(axiom_namespace* ns);

// Links `child` (already detached) as the last child of `parent`.
void AppendChild(axiom_node* parent, axiom_node* child);
void Unlink(axiom_node* node);

// Deletes the subtree below and including `node`, which must be unlinked.
void DeleteTree(axiom_node* node);

axiom_element* ElementOf(axiom_node* node);

// Nearest in-scope declaration starting at `node` (an element node).
axiom_namespace* FindInScope(axiom_node* node, const std::string& uri, const std::string* prefix);
axiom_namespace* FindPrefixInScope(axiom_node* node, const std::string& prefix);

// XML text of `node` and its descendants.
std::string SerializeTree(const axiom_node* node);

// A document refused for its shape (nesting deeper than the reader accepts,
// oversized markup) rather than for a syntax error; nothing of it is kept.
class DocumentRefused : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Parses a complete XML document into a new tree (root element node).
// Throws DocumentRefused for a document nested deeper than 256 elements or
// with oversized markup, and std::runtime_error with a description on
// malformed input.
axiom_node* ParseDocument(const char* data, size_t length);

} // namespace axis2c
