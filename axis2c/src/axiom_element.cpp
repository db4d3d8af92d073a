// AXIOM elements: names, namespaces in scope, attributes and text access.
#include "axiom_internal.h"
#include "internal.h"

#include <axutil_hash.h>

#include <cstring>

using axis2c::Guard;
using axis2c::Present;

namespace axis2c
{

axiom_namespace* FindInScope(axiom_node* node, const std::string& uri, const std::string* prefix)
{
    for (; node; node = node->parent)
    {
        axiom_element* element = ElementOf(node);
        if (!element)
            continue;
        for (axiom_namespace* ns : element->declared)
            if (ns->uri == uri && (!prefix || ns->prefix == *prefix))
                return ns;
    }
    return nullptr;
}

axiom_namespace* FindPrefixInScope(axiom_node* node, const std::string& prefix)
{
    for (; node; node = node->parent)
    {
        axiom_element* element = ElementOf(node);
        if (!element)
            continue;
        for (axiom_namespace* ns : element->declared)
            if (ns->prefix == prefix)
                return ns;
    }
    return nullptr;
}

} // namespace axis2c

namespace
{

void ForgetQName(axiom_element* element)
{
    axutil_qname_free(element->qname, nullptr);
    element->qname = nullptr;
}

// Adds `ns` to the element's declarations (held). Same prefix and URI again
// is accepted without a second entry; a clash on the prefix is refused.
axis2_status_t Declare(const axutil_env_t* env, axiom_element* element, axiom_namespace* ns)
{
    for (axiom_namespace* existing : element->declared)
    {
        if (existing->prefix != ns->prefix)
            continue;
        if (existing->uri == ns->uri)
            return AXIS2_SUCCESS;
        axis2c::SetError(env, AXIS2_ERROR_OM_ELEMENT_INVALID_STATE,
                         "prefix '" + ns->prefix + "' is already declared for another namespace");
        return AXIS2_FAILURE;
    }
    element->declared.push_back(ns);
    axis2c::HoldNamespace(ns);
    axutil_hash_free(element->namespaceTable, nullptr);
    element->namespaceTable = nullptr;
    return AXIS2_SUCCESS;
}

void SetElementNamespace(const axutil_env_t* env, axiom_element* element, axiom_node* node, axiom_namespace* ns)
{
    axis2c::HoldNamespace(ns);
    axis2c::ReleaseNamespace(element->ns);
    element->ns = ns;
    ForgetQName(element);
    if (ns && !ns->uri.empty() && !axis2c::FindInScope(node, ns->uri, &ns->prefix))
        Declare(env, element, ns);
}

} // namespace

extern "C"
{
axiom_element_t* axiom_element_create(const axutil_env_t* env, axiom_node_t* parent, const axis2_char_t* localname,
                                      axiom_namespace_t* ns, axiom_node_t** node)
{
    if (!Present(env, localname) || !Present(env, node))
        return nullptr;
    return Guard<axiom_element_t*>(env, nullptr, [&] {
        auto* element = new axiom_element();
        auto* created = new (std::nothrow) axiom_node();
        if (!created)
        {
            delete element;
            throw std::bad_alloc();
        }
        try
        {
            element->localname = localname;
            element->declared.reserve(2);
        }
        catch (...)
        {
            delete element;
            delete created;
            throw;
        }
        created->type = AXIOM_ELEMENT;
        created->data = element;
        if (parent)
            axis2c::AppendChild(parent, created);
        SetElementNamespace(env, element, created, ns);
        *node = created;
        return element;
    });
}

axiom_element_t* axiom_element_create_with_qname(const axutil_env_t* env, axiom_node_t* parent,
                                                 const axutil_qname_t* qname, axiom_node_t** node)
{
    if (!Present(env, qname))
        return nullptr;
    const char* uri = axutil_qname_get_uri(qname, env);
    const char* prefix = axutil_qname_get_prefix(qname, env);
    axiom_namespace_t* ns = uri && *uri ? axiom_namespace_create(env, uri, prefix ? prefix : "") : nullptr;
    axiom_element_t* element = axiom_element_create(env, parent, axutil_qname_get_localpart(qname, env), ns, node);
    if (!element)
        axiom_namespace_free(ns, env);
    return element;
}

axis2_status_t axiom_element_set_namespace(axiom_element_t* om_element, const axutil_env_t* env, axiom_namespace_t* ns,
                                           axiom_node_t* node)
{
    if (!Present(env, om_element))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        SetElementNamespace(env, om_element, node, ns);
        return AXIS2_SUCCESS;
    });
}

axiom_namespace_t* axiom_element_get_namespace(axiom_element_t* om_element, const axutil_env_t* env, axiom_node_t*)
{
    if (!Present(env, om_element))
        return nullptr;
    return om_element->ns;
}

axis2_status_t axiom_element_declare_namespace(axiom_element_t* om_element, const axutil_env_t* env, axiom_node_t*,
                                               axiom_namespace_t* ns)
{
    if (!Present(env, om_element) || !Present(env, ns))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] { return Declare(env, om_element, ns); });
}

axis2_status_t axiom_element_declare_namespace_assume_param_ownership(axiom_element_t* om_element,
                                                                      const axutil_env_t* env, axiom_namespace_t* ns)
{
    if (!Present(env, ns))
        return AXIS2_FAILURE;
    if (!Present(env, om_element))
    {
        axiom_namespace_free(ns, env);
        return AXIS2_FAILURE;
    }
    axis2_status_t status = Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] { return Declare(env, om_element, ns); });
    // Declare holds the namespace when it keeps it; otherwise nobody does.
    axiom_namespace_free(ns, env);
    return status;
}

axiom_namespace_t* axiom_element_find_namespace(axiom_element_t* om_element, const axutil_env_t* env,
                                                axiom_node_t* node, const axis2_char_t* uri, const axis2_char_t* prefix)
{
    if (!Present(env, om_element) || !Present(env, uri))
        return nullptr;
    return Guard<axiom_namespace_t*>(env, nullptr, [&] {
        std::string prefixText = prefix ? prefix : "";
        if (node && axis2c::ElementOf(node) == om_element)
            return axis2c::FindInScope(node, uri, prefix ? &prefixText : nullptr);
        return axiom_element_find_declared_namespace(om_element, env, uri, prefix);
    });
}

axiom_namespace_t* axiom_element_find_declared_namespace(axiom_element_t* om_element, const axutil_env_t* env,
                                                         const axis2_char_t* uri, const axis2_char_t* prefix)
{
    if (!Present(env, om_element) || !Present(env, uri))
        return nullptr;
    for (axiom_namespace* ns : om_element->declared)
        if (ns->uri == uri && (!prefix || ns->prefix == prefix))
            return ns;
    return nullptr;
}

axiom_namespace_t* axiom_element_find_namespace_uri(axiom_element_t* om_element, const axutil_env_t* env,
                                                    const axis2_char_t* prefix, axiom_node_t* element_node)
{
    if (!Present(env, om_element))
        return nullptr;
    return Guard<axiom_namespace_t*>(env, nullptr, [&]() -> axiom_namespace_t* {
        std::string wanted = prefix ? prefix : "";
        if (element_node && axis2c::ElementOf(element_node) == om_element)
            return axis2c::FindPrefixInScope(element_node, wanted);
        for (axiom_namespace* ns : om_element->declared)
            if (ns->prefix == wanted)
                return ns;
        return nullptr;
    });
}

axutil_hash_t* axiom_element_get_namespaces(axiom_element_t* om_element, const axutil_env_t* env)
{
    if (!Present(env, om_element))
        return nullptr;
    if (om_element->declared.empty())
        return nullptr;
    if (!om_element->namespaceTable)
    {
        om_element->namespaceTable = axutil_hash_make(env);
        for (axiom_namespace* ns : om_element->declared)
            axutil_hash_set(om_element->namespaceTable, ns->prefix.c_str(), AXIS2_HASH_KEY_STRING, ns);
    }
    return om_element->namespaceTable;
}

axutil_qname_t* axiom_element_get_qname(axiom_element_t* om_element, const axutil_env_t* env, axiom_node_t*)
{
    if (!Present(env, om_element))
        return nullptr;
    if (!om_element->qname)
    {
        const axiom_namespace* ns = om_element->ns;
        om_element->qname = axutil_qname_create(env, om_element->localname.c_str(), ns ? ns->uri.c_str() : nullptr,
                                                ns ? ns->prefix.c_str() : nullptr);
    }
    return om_element->qname;
}

axis2_char_t* axiom_element_get_localname(axiom_element_t* om_element, const axutil_env_t* env)
{
    if (!Present(env, om_element))
        return nullptr;
    return const_cast<char*>(om_element->localname.c_str());
}

axis2_status_t axiom_element_set_localname(axiom_element_t* om_element, const axutil_env_t* env,
                                           const axis2_char_t* localname)
{
    if (!Present(env, om_element) || !Present(env, localname))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        om_element->localname = localname;
        ForgetQName(om_element);
        return AXIS2_SUCCESS;
    });
}

axis2_char_t* axiom_element_get_text(axiom_element_t* om_element, const axutil_env_t* env, axiom_node_t* element_node)
{
    if (!Present(env, om_element) || !Present(env, element_node))
        return nullptr;
    return Guard<axis2_char_t*>(env, nullptr, [&]() -> axis2_char_t* {
        bool any = false;
        size_t total = 0;
        axiom_text* only = nullptr;
        int texts = 0;
        for (axiom_node* child = element_node->firstChild; child; child = child->next)
            if (child->type == AXIOM_TEXT)
            {
                only = static_cast<axiom_text*>(child->data);
                total += only->value.size();
                ++texts;
            }
        // A single text child, as a reply's result is, is handed out in place:
        // a copy of a reply of many megabytes would double what it holds.
        if (texts == 1)
        {
            om_element->text = std::string();
            return &only->value[0];
        }
        std::string& text = om_element->text;
        text.clear();
        text.reserve(total);
        for (axiom_node* child = element_node->firstChild; child; child = child->next)
        {
            if (child->type != AXIOM_TEXT)
                continue;
            any = true;
            text += static_cast<axiom_text*>(child->data)->value;
        }
        return any ? &text[0] : nullptr;
    });
}

axis2_status_t axiom_element_set_text(axiom_element_t* om_element, const axutil_env_t* env, const axis2_char_t* text,
                                      axiom_node_t* element_node)
{
    if (!Present(env, om_element) || !Present(env, element_node))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        axiom_node* child = element_node->firstChild;
        while (child)
        {
            axiom_node* next = child->next;
            if (child->type == AXIOM_TEXT)
                axiom_node_free_tree(child, env);
            child = next;
        }
        axiom_node_t* node = nullptr;
        return axiom_text_create(env, element_node, text, &node) ? AXIS2_SUCCESS : AXIS2_FAILURE;
    });
}

axiom_element_t* axiom_element_get_first_element(axiom_element_t* om_element, const axutil_env_t* env,
                                                 axiom_node_t* element_node, axiom_node_t** first_element_node)
{
    if (!Present(env, om_element) || !Present(env, element_node))
        return nullptr;
    axiom_node* child = axiom_node_get_first_element(element_node, env);
    if (first_element_node)
        *first_element_node = child;
    return axis2c::ElementOf(child);
}

axiom_element_t* axiom_element_get_first_child_with_qname(axiom_element_t* om_element, const axutil_env_t* env,
                                                          axutil_qname_t* qname, axiom_node_t* element_node,
                                                          axiom_node_t** child_node)
{
    if (child_node)
        *child_node = nullptr;
    if (!Present(env, om_element) || !Present(env, qname) || !Present(env, element_node))
        return nullptr;
    for (axiom_node* child = element_node->firstChild; child; child = child->next)
    {
        axiom_element* element = axis2c::ElementOf(child);
        if (!element)
            continue;
        axutil_qname_t* childName = axiom_element_get_qname(element, env, child);
        if (childName && axutil_qname_equals(childName, env, qname))
        {
            if (child_node)
                *child_node = child;
            return element;
        }
    }
    return nullptr;
}

axis2_status_t axiom_element_add_attribute(axiom_element_t* om_element, const axutil_env_t* env,
                                           axiom_attribute_t* attribute, axiom_node_t*)
{
    if (!Present(env, om_element) || !Present(env, attribute))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        const std::string uri = attribute->ns ? attribute->ns->uri : std::string();
        for (axiom_attribute*& existing : om_element->attributes)
        {
            const std::string existingUri = existing->ns ? existing->ns->uri : std::string();
            if (existing == attribute)
                return AXIS2_SUCCESS;
            if (existing->localname == attribute->localname && existingUri == uri)
            {
                axiom_attribute_free(existing, env);
                existing = attribute;
                axutil_hash_free(om_element->attributeTable, nullptr);
                om_element->attributeTable = nullptr;
                return AXIS2_SUCCESS;
            }
        }
        om_element->attributes.push_back(attribute);
        axutil_hash_free(om_element->attributeTable, nullptr);
        om_element->attributeTable = nullptr;
        return AXIS2_SUCCESS;
    });
}

axiom_attribute_t* axiom_element_get_attribute(axiom_element_t* om_element, const axutil_env_t* env,
                                               axutil_qname_t* qname)
{
    if (!Present(env, om_element) || !Present(env, qname))
        return nullptr;
    const char* localpart = axutil_qname_get_localpart(qname, env);
    const char* uri = axutil_qname_get_uri(qname, env);
    for (axiom_attribute* attribute : om_element->attributes)
    {
        const char* attributeUri = attribute->ns ? attribute->ns->uri.c_str() : "";
        if (attribute->localname == localpart && std::strcmp(attributeUri, uri) == 0)
            return attribute;
    }
    return nullptr;
}

axis2_char_t* axiom_element_get_attribute_value(axiom_element_t* om_element, const axutil_env_t* env,
                                                axutil_qname_t* qname)
{
    axiom_attribute* attribute = axiom_element_get_attribute(om_element, env, qname);
    return attribute ? const_cast<char*>(attribute->value.c_str()) : nullptr;
}

axis2_char_t* axiom_element_get_attribute_value_by_name(axiom_element_t* om_element, const axutil_env_t* env,
                                                        axis2_char_t* attr_name)
{
    if (!Present(env, om_element) || !Present(env, attr_name))
        return nullptr;
    return Guard<axis2_char_t*>(env, nullptr, [&]() -> axis2_char_t* {
        for (axiom_attribute* attribute : om_element->attributes)
        {
            bool prefixed = attribute->ns && !attribute->ns->prefix.empty();
            if (attribute->localname == attr_name ||
                (prefixed && attribute->ns->prefix + ":" + attribute->localname == attr_name))
                return const_cast<char*>(attribute->value.c_str());
        }
        return nullptr;
    });
}

axutil_hash_t* axiom_element_get_all_attributes(axiom_element_t* om_element, const axutil_env_t* env)
{
    if (!Present(env, om_element))
        return nullptr;
    if (om_element->attributes.empty())
        return nullptr;
    if (!om_element->attributeTable)
    {
        om_element->attributeTable = axutil_hash_make(env);
        for (axiom_attribute* attribute : om_element->attributes)
        {
            axutil_qname_t* qname = axiom_attribute_get_qname(attribute, env);
            if (qname)
                axutil_hash_set(om_element->attributeTable, axutil_qname_to_string(qname, env), AXIS2_HASH_KEY_STRING,
                                attribute);
        }
    }
    return om_element->attributeTable;
}

axis2_char_t* axiom_element_to_string(axiom_element_t* om_element, const axutil_env_t* env, axiom_node_t* element_node)
{
    if (!Present(env, om_element))
        return nullptr;
    return axiom_node_to_string(element_node, env);
}

} // extern "C"
