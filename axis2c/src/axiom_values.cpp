// The small value objects hanging off AXIOM nodes: namespaces (shared by
// the elements that hold them), attributes, text and data sources.
#include "axiom_internal.h"
#include "internal.h"

#include <axutil_stream.h>

using axis2c::Guard;
using axis2c::Present;

extern "C"
{
axiom_namespace_t* axiom_namespace_create(const axutil_env_t* env, const axis2_char_t* uri, const axis2_char_t* prefix)
{
    if (!Present(env, uri))
        return nullptr;
    return Guard<axiom_namespace_t*>(env, nullptr, [&] {
        auto* ns = new axiom_namespace();
        ns->uri = uri;
        ns->prefix = prefix ? prefix : "";
        return ns;
    });
}

void axiom_namespace_free(axiom_namespace_t* om_namespace, const axutil_env_t*)
{
    if (om_namespace && om_namespace->holders <= 0)
        delete om_namespace;
}

axis2_status_t axiom_namespace_increment_ref(axiom_namespace_t* om_namespace, const axutil_env_t* env)
{
    if (!Present(env, om_namespace))
        return AXIS2_FAILURE;
    axis2c::HoldNamespace(om_namespace);
    return AXIS2_SUCCESS;
}

axis2_bool_t axiom_namespace_equals(axiom_namespace_t* om_namespace, const axutil_env_t* env,
                                    axiom_namespace_t* om_namespace1)
{
    if (!Present(env, om_namespace) || !Present(env, om_namespace1))
        return AXIS2_FALSE;
    return om_namespace->uri == om_namespace1->uri && om_namespace->prefix == om_namespace1->prefix ? AXIS2_TRUE
                                                                                                    : AXIS2_FALSE;
}

axis2_char_t* axiom_namespace_get_uri(axiom_namespace_t* om_namespace, const axutil_env_t* env)
{
    if (!Present(env, om_namespace))
        return nullptr;
    return const_cast<char*>(om_namespace->uri.c_str());
}

axis2_char_t* axiom_namespace_get_prefix(axiom_namespace_t* om_namespace, const axutil_env_t* env)
{
    if (!Present(env, om_namespace))
        return nullptr;
    return const_cast<char*>(om_namespace->prefix.c_str());
}

axiom_namespace_t* axiom_namespace_clone(axiom_namespace_t* om_namespace, const axutil_env_t* env)
{
    if (!Present(env, om_namespace))
        return nullptr;
    return axiom_namespace_create(env, om_namespace->uri.c_str(), om_namespace->prefix.c_str());
}

axiom_attribute_t* axiom_attribute_create(const axutil_env_t* env, const axis2_char_t* localname,
                                          const axis2_char_t* value, axiom_namespace_t* ns)
{
    if (!Present(env, localname))
        return nullptr;
    return Guard<axiom_attribute_t*>(env, nullptr, [&] {
        auto* attribute = new axiom_attribute();
        try
        {
            attribute->localname = localname;
            attribute->value = value ? value : "";
        }
        catch (...)
        {
            delete attribute;
            throw;
        }
        attribute->ns = ns;
        axis2c::HoldNamespace(ns);
        return attribute;
    });
}

void axiom_attribute_free(axiom_attribute_t* attribute, const axutil_env_t*)
{
    if (!attribute)
        return;
    axis2c::ReleaseNamespace(attribute->ns);
    axutil_qname_free(attribute->qname, nullptr);
    delete attribute;
}

axis2_char_t* axiom_attribute_get_localname(axiom_attribute_t* attribute, const axutil_env_t* env)
{
    if (!Present(env, attribute))
        return nullptr;
    return const_cast<char*>(attribute->localname.c_str());
}

axis2_char_t* axiom_attribute_get_value(axiom_attribute_t* attribute, const axutil_env_t* env)
{
    if (!Present(env, attribute))
        return nullptr;
    return const_cast<char*>(attribute->value.c_str());
}

axiom_namespace_t* axiom_attribute_get_namespace(axiom_attribute_t* attribute, const axutil_env_t* env)
{
    if (!Present(env, attribute))
        return nullptr;
    return attribute->ns;
}

axis2_status_t axiom_attribute_set_value(axiom_attribute_t* attribute, const axutil_env_t* env,
                                         const axis2_char_t* value)
{
    if (!Present(env, attribute))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        attribute->value = value ? value : "";
        return AXIS2_SUCCESS;
    });
}

axutil_qname_t* axiom_attribute_get_qname(axiom_attribute_t* attribute, const axutil_env_t* env)
{
    if (!Present(env, attribute))
        return nullptr;
    if (!attribute->qname)
    {
        const axiom_namespace* ns = attribute->ns;
        attribute->qname = axutil_qname_create(env, attribute->localname.c_str(), ns ? ns->uri.c_str() : nullptr,
                                               ns ? ns->prefix.c_str() : nullptr);
    }
    return attribute->qname;
}

axiom_text_t* axiom_text_create(const axutil_env_t* env, axiom_node_t* parent, const axis2_char_t* value,
                                axiom_node_t** node)
{
    if (!Present(env, node))
        return nullptr;
    return Guard<axiom_text_t*>(env, nullptr, [&] {
        auto* text = new axiom_text();
        auto* created = new (std::nothrow) axiom_node();
        if (!created)
        {
            delete text;
            throw std::bad_alloc();
        }
        try
        {
            text->value = value ? value : "";
        }
        catch (...)
        {
            delete text;
            delete created;
            throw;
        }
        created->type = AXIOM_TEXT;
        created->data = text;
        if (parent)
            axis2c::AppendChild(parent, created);
        *node = created;
        return text;
    });
}

const axis2_char_t* axiom_text_get_value(axiom_text_t* om_text, const axutil_env_t* env)
{
    if (!Present(env, om_text))
        return nullptr;
    return om_text->value.c_str();
}

const axis2_char_t* axiom_text_get_text(axiom_text_t* om_text, const axutil_env_t* env)
{
    return axiom_text_get_value(om_text, env);
}

axis2_status_t axiom_text_set_value(axiom_text_t* om_text, const axutil_env_t* env, const axis2_char_t* value)
{
    if (!Present(env, om_text))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        om_text->value = value ? value : "";
        return AXIS2_SUCCESS;
    });
}

axiom_data_source_t* axiom_data_source_create(const axutil_env_t* env, axiom_node_t* parent, axiom_node_t** node)
{
    if (!Present(env, node))
        return nullptr;
    axutil_stream_t* stream = axutil_stream_create_basic(env);
    if (!stream)
        return nullptr;
    auto* source = new (std::nothrow) axiom_data_source();
    auto* created = new (std::nothrow) axiom_node();
    if (!source || !created)
    {
        delete source;
        delete created;
        axutil_stream_free(stream, env);
        axis2c::SetError(env, AXIS2_ERROR_NO_MEMORY);
        return nullptr;
    }
    source->stream = stream;
    created->type = AXIOM_DATA_SOURCE;
    created->data = source;
    if (parent)
        axis2c::AppendChild(parent, created);
    *node = created;
    return source;
}

axutil_stream_t* axiom_data_source_get_stream(axiom_data_source_t* om_data_source, const axutil_env_t* env)
{
    if (!Present(env, om_data_source))
        return nullptr;
    return om_data_source->stream;
}

} // extern "C"
