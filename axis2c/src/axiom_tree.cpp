// AXIOM nodes: linking, navigation, freeing and (de)serialisation entry
// points. Trees are freed iteratively so that deeply nested input cannot
// exhaust the stack.
#include "axiom_internal.h"
#include "internal.h"

#include <axutil_stream.h>

using axis2c::Guard;
using axis2c::Present;

namespace axis2c
{

void HoldNamespace(axiom_namespace* ns)
{
    if (ns)
        ++ns->holders;
}

void ReleaseNamespace(axiom_namespace* ns)
{
    if (ns && --ns->holders <= 0)
        delete ns;
}

void AppendChild(axiom_node* parent, axiom_node* child)
{
    child->parent = parent;
    child->previous = parent->lastChild;
    child->next = nullptr;
    if (parent->lastChild)
        parent->lastChild->next = child;
    else
        parent->firstChild = child;
    parent->lastChild = child;
}

void Unlink(axiom_node* node)
{
    if (node->parent)
    {
        if (node->parent->firstChild == node)
            node->parent->firstChild = node->next;
        if (node->parent->lastChild == node)
            node->parent->lastChild = node->previous;
    }
    if (node->previous)
        node->previous->next = node->next;
    if (node->next)
        node->next->previous = node->previous;
    node->parent = node->previous = node->next = nullptr;
}

axiom_element* ElementOf(axiom_node* node)
{
    return node && node->type == AXIOM_ELEMENT ? static_cast<axiom_element*>(node->data) : nullptr;
}

namespace
{

void DeleteAttribute(axiom_attribute* attribute)
{
    ReleaseNamespace(attribute->ns);
    axutil_qname_free(attribute->qname, nullptr);
    delete attribute;
}

void DeleteData(axiom_node* node)
{
    switch (node->type)
    {
    case AXIOM_ELEMENT: {
        auto* element = static_cast<axiom_element*>(node->data);
        ReleaseNamespace(element->ns);
        for (axiom_namespace* ns : element->declared)
            ReleaseNamespace(ns);
        for (axiom_attribute* attribute : element->attributes)
            DeleteAttribute(attribute);
        axutil_qname_free(element->qname, nullptr);
        axutil_hash_free(element->namespaceTable, nullptr);
        axutil_hash_free(element->attributeTable, nullptr);
        delete element;
        break;
    }
    case AXIOM_TEXT: delete static_cast<axiom_text*>(node->data); break;
    case AXIOM_DATA_SOURCE: {
        auto* source = static_cast<axiom_data_source*>(node->data);
        axutil_stream_free(source->stream, nullptr);
        delete source;
        break;
    }
    default: break;
    }
}

} // namespace

void DeleteTree(axiom_node* node)
{
    // Walk down to leaves, deleting each node once its children are gone.
    axiom_node* current = node;
    while (current)
    {
        if (current->firstChild)
        {
            current = current->firstChild;
            continue;
        }
        axiom_node* parent = current == node ? nullptr : current->parent;
        if (parent)
        {
            parent->firstChild = current->next;
            if (!current->next)
                parent->lastChild = nullptr;
        }
        DeleteData(current);
        delete current;
        current = parent;
    }
}

} // namespace axis2c

extern "C"
{
axiom_node_t* axiom_node_create(const axutil_env_t* env)
{
    return Guard<axiom_node_t*>(env, nullptr, [] { return new axiom_node(); });
}

void axiom_node_free_tree(axiom_node_t* om_node, const axutil_env_t*)
{
    if (!om_node)
        return;
    axis2c::Unlink(om_node);
    axis2c::DeleteTree(om_node);
}

axis2_status_t axiom_node_add_child(axiom_node_t* om_node, const axutil_env_t* env, axiom_node_t* child)
{
    if (!Present(env, om_node) || !Present(env, child))
        return AXIS2_FAILURE;
    for (axiom_node* ancestor = om_node; ancestor; ancestor = ancestor->parent)
    {
        if (ancestor == child)
        {
            axis2c::SetError(env, AXIS2_ERROR_OM_ELEMENT_INVALID_STATE, "a node cannot become its own descendant");
            return AXIS2_FAILURE;
        }
    }
    axis2c::Unlink(child);
    axis2c::AppendChild(om_node, child);
    return AXIS2_SUCCESS;
}

axiom_node_t* axiom_node_detach(axiom_node_t* om_node, const axutil_env_t* env)
{
    if (!Present(env, om_node))
        return nullptr;
    axis2c::Unlink(om_node);
    return om_node;
}

axis2_status_t axiom_node_insert_sibling_after(axiom_node_t* om_node, const axutil_env_t* env,
                                               axiom_node_t* node_to_insert)
{
    if (!Present(env, om_node) || !Present(env, node_to_insert) || node_to_insert == om_node)
        return AXIS2_FAILURE;
    axis2c::Unlink(node_to_insert);
    node_to_insert->parent = om_node->parent;
    node_to_insert->previous = om_node;
    node_to_insert->next = om_node->next;
    if (om_node->next)
        om_node->next->previous = node_to_insert;
    else if (om_node->parent)
        om_node->parent->lastChild = node_to_insert;
    om_node->next = node_to_insert;
    return AXIS2_SUCCESS;
}

axis2_status_t axiom_node_insert_sibling_before(axiom_node_t* om_node, const axutil_env_t* env,
                                                axiom_node_t* node_to_insert)
{
    if (!Present(env, om_node) || !Present(env, node_to_insert) || node_to_insert == om_node)
        return AXIS2_FAILURE;
    axis2c::Unlink(node_to_insert);
    node_to_insert->parent = om_node->parent;
    node_to_insert->next = om_node;
    node_to_insert->previous = om_node->previous;
    if (om_node->previous)
        om_node->previous->next = node_to_insert;
    else if (om_node->parent)
        om_node->parent->firstChild = node_to_insert;
    om_node->previous = node_to_insert;
    return AXIS2_SUCCESS;
}

axiom_node_t* axiom_node_get_parent(axiom_node_t* om_node, const axutil_env_t*)
{
    return om_node ? om_node->parent : nullptr;
}

axiom_node_t* axiom_node_get_first_child(axiom_node_t* om_node, const axutil_env_t*)
{
    return om_node ? om_node->firstChild : nullptr;
}

axiom_node_t* axiom_node_get_first_element(axiom_node_t* om_node, const axutil_env_t*)
{
    axiom_node* child = om_node ? om_node->firstChild : nullptr;
    while (child && child->type != AXIOM_ELEMENT)
        child = child->next;
    return child;
}

axiom_node_t* axiom_node_get_last_child(axiom_node_t* om_node, const axutil_env_t*)
{
    return om_node ? om_node->lastChild : nullptr;
}

axiom_node_t* axiom_node_get_previous_sibling(axiom_node_t* om_node, const axutil_env_t*)
{
    return om_node ? om_node->previous : nullptr;
}

axiom_node_t* axiom_node_get_next_sibling(axiom_node_t* om_node, const axutil_env_t*)
{
    return om_node ? om_node->next : nullptr;
}

axiom_types_t axiom_node_get_node_type(axiom_node_t* om_node, const axutil_env_t*)
{
    return om_node ? om_node->type : AXIOM_INVALID;
}

void* axiom_node_get_data_element(axiom_node_t* om_node, const axutil_env_t*)
{
    return om_node ? om_node->data : nullptr;
}

axis2_bool_t axiom_node_is_complete(axiom_node_t*, const axutil_env_t*)
{
    return AXIS2_TRUE;
}

axis2_char_t* axiom_node_to_string(axiom_node_t* om_node, const axutil_env_t* env)
{
    if (!Present(env, om_node))
        return nullptr;
    return Guard<axis2_char_t*>(env, nullptr,
                                [&] { return axis2c::CopyToAllocator(env, axis2c::SerializeTree(om_node)); });
}

axis2_char_t* axiom_node_sub_tree_to_string(axiom_node_t* om_node, const axutil_env_t* env)
{
    if (!Present(env, om_node))
        return nullptr;
    return Guard<axis2_char_t*>(env, nullptr, [&] {
        std::string text;
        for (axiom_node* child = om_node->firstChild; child; child = child->next)
            text += axis2c::SerializeTree(child);
        return axis2c::CopyToAllocator(env, text);
    });
}

axiom_node_t* axiom_node_create_from_buffer(const axutil_env_t* env, axis2_char_t* buffer)
{
    if (!Present(env, buffer))
        return nullptr;
    return Guard<axiom_node_t*>(env, nullptr, [&]() -> axiom_node_t* {
        try
        {
            return axis2c::ParseDocument(buffer, std::char_traits<char>::length(buffer));
        }
        catch (const std::bad_alloc&)
        {
            throw;
        }
        catch (const std::exception& error)
        {
            axis2c::SetError(env, AXIS2_ERROR_INVALID_DOCUMENT_STATE_ROOT_NULL, error.what());
            return nullptr;
        }
    });
}

} // extern "C"
