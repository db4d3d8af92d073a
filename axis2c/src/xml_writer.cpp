// The XML writer and the output that axiom_node_serialize writes through.
#include "axiom_internal.h"
#include "internal.h"

#include <axiom_output.h>
#include <axiom_xml_writer.h>

#include "XmlEscape.h"

#include <new>
#include <string>
#include <vector>

using axis2c::Guard;
using axis2c::Present;

struct axiom_xml_writer
{
    std::string text;
    std::string encoding;
    bool startTagOpen = false;
    struct Open
    {
        std::string name;                                          // as written, prefix included
        std::vector<std::pair<std::string, std::string>> declared; // prefix, URI
    };
    std::vector<Open> open;
};

struct axiom_output
{
    axiom_xml_writer* writer = nullptr; // owned
};

namespace
{

std::string Escape(const char* raw, bool inAttribute)
{
    std::string escaped;
    XmlEscape::Append(escaped, raw ? raw : "", inAttribute ? XmlEscape::Quote : XmlEscape::Nothing);
    return escaped;
}

void CloseStartTag(axiom_xml_writer* writer)
{
    if (!writer->startTagOpen)
        return;
    writer->text += '>';
    writer->startTagOpen = false;
}

bool InScope(const axiom_xml_writer* writer, const std::string& prefix, const std::string& uri)
{
    for (auto open = writer->open.rbegin(); open != writer->open.rend(); ++open)
        for (const auto& declaration : open->declared)
            if (declaration.first == prefix)
                return declaration.second == uri;
    return false;
}

void Declare(axiom_xml_writer* writer, const std::string& prefix, const std::string& uri)
{
    writer->text += prefix.empty() ? " xmlns=\"" : " xmlns:" + prefix + "=\"";
    writer->text += Escape(uri.c_str(), true) + "\"";
    writer->open.back().declared.emplace_back(prefix, uri);
}

axis2_status_t Start(const axutil_env_t* env, axiom_xml_writer* writer, const char* localname, const char* uri,
                     const char* prefix)
{
    if (!Present(env, writer) || !Present(env, localname))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        CloseStartTag(writer);
        const std::string thePrefix = prefix ? prefix : "";
        const std::string name = thePrefix.empty() ? localname : thePrefix + ":" + localname;
        writer->text += "<" + name;
        writer->open.push_back({name, {}});
        writer->startTagOpen = true;
        if (uri && !InScope(writer, thePrefix, uri))
            Declare(writer, thePrefix, uri);
        return AXIS2_SUCCESS;
    });
}

axis2_status_t NotInStartTag(const axutil_env_t* env, const char* what)
{
    axis2c::SetError(env, AXIS2_ERROR_OM_ELEMENT_INVALID_STATE, std::string(what) + " outside an open start tag");
    return AXIS2_FAILURE;
}

} // namespace

namespace axis2c
{

// Lets axiom_node_serialize append a serialised tree after closing any open
// start tag.
void AppendMarkup(axiom_xml_writer* writer, const std::string& markup)
{
    CloseStartTag(writer);
    writer->text += markup;
}

} // namespace axis2c

extern "C"
{
axiom_xml_writer_t* axiom_xml_writer_create_for_memory(const axutil_env_t* env, axis2_char_t* encoding, int, int,
                                                       int type)
{
    if (type != AXIS2_XML_PARSER_TYPE_BUFFER)
    {
        axis2c::SetError(env, AXIS2_ERROR_XML_PARSER_INVALID_MEM_TYPE,
                         "the writer writes to memory only (AXIS2_XML_PARSER_TYPE_BUFFER)");
        return nullptr;
    }
    return Guard<axiom_xml_writer_t*>(env, nullptr, [&] {
        auto* writer = new axiom_xml_writer();
        writer->encoding = encoding ? encoding : "UTF-8";
        return writer;
    });
}

void axiom_xml_writer_free(axiom_xml_writer_t* writer, const axutil_env_t*)
{
    delete writer;
}

axis2_status_t axiom_xml_writer_write_start_element(axiom_xml_writer_t* writer, const axutil_env_t* env,
                                                    axis2_char_t* localname)
{
    return Start(env, writer, localname, nullptr, nullptr);
}

axis2_status_t axiom_xml_writer_end_start_element(axiom_xml_writer_t* writer, const axutil_env_t* env)
{
    if (!Present(env, writer))
        return AXIS2_FAILURE;
    CloseStartTag(writer);
    return AXIS2_SUCCESS;
}

axis2_status_t axiom_xml_writer_write_start_element_with_namespace(axiom_xml_writer_t* writer, const axutil_env_t* env,
                                                                   axis2_char_t* localname, axis2_char_t* namespace_uri)
{
    return Start(env, writer, localname, namespace_uri ? namespace_uri : "", nullptr);
}

axis2_status_t axiom_xml_writer_write_start_element_with_namespace_prefix(axiom_xml_writer_t* writer,
                                                                          const axutil_env_t* env,
                                                                          axis2_char_t* localname,
                                                                          axis2_char_t* namespace_uri,
                                                                          axis2_char_t* prefix)
{
    return Start(env, writer, localname, namespace_uri, prefix);
}

axis2_status_t axiom_xml_writer_write_empty_element(axiom_xml_writer_t* writer, const axutil_env_t* env,
                                                    axis2_char_t* localname)
{
    if (Start(env, writer, localname, nullptr, nullptr) != AXIS2_SUCCESS)
        return AXIS2_FAILURE;
    return axiom_xml_writer_write_end_element(writer, env);
}

axis2_status_t axiom_xml_writer_write_empty_element_with_namespace_prefix(axiom_xml_writer_t* writer,
                                                                          const axutil_env_t* env,
                                                                          axis2_char_t* localname,
                                                                          axis2_char_t* namespace_uri,
                                                                          axis2_char_t* prefix)
{
    if (Start(env, writer, localname, namespace_uri, prefix) != AXIS2_SUCCESS)
        return AXIS2_FAILURE;
    return axiom_xml_writer_write_end_element(writer, env);
}

axis2_status_t axiom_xml_writer_write_end_element(axiom_xml_writer_t* writer, const axutil_env_t* env)
{
    if (!Present(env, writer))
        return AXIS2_FAILURE;
    if (writer->open.empty())
    {
        axis2c::SetError(env, AXIS2_ERROR_OM_ELEMENT_INVALID_STATE, "no element to end");
        return AXIS2_FAILURE;
    }
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        if (writer->startTagOpen)
            writer->text += "/>";
        else
            writer->text += "</" + writer->open.back().name + ">";
        writer->startTagOpen = false;
        writer->open.pop_back();
        return AXIS2_SUCCESS;
    });
}

axis2_status_t axiom_xml_writer_write_end_document(axiom_xml_writer_t* writer, const axutil_env_t* env)
{
    if (!Present(env, writer))
        return AXIS2_FAILURE;
    while (!writer->open.empty())
        if (axiom_xml_writer_write_end_element(writer, env) != AXIS2_SUCCESS)
            return AXIS2_FAILURE;
    return AXIS2_SUCCESS;
}

axis2_status_t axiom_xml_writer_write_attribute(axiom_xml_writer_t* writer, const axutil_env_t* env,
                                                axis2_char_t* localname, axis2_char_t* value)
{
    if (!Present(env, writer) || !Present(env, localname))
        return AXIS2_FAILURE;
    if (!writer->startTagOpen)
        return NotInStartTag(env, "attribute");
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        writer->text += std::string(" ") + localname + "=\"" + Escape(value, true) + "\"";
        return AXIS2_SUCCESS;
    });
}

axis2_status_t axiom_xml_writer_write_attribute_with_namespace_prefix(axiom_xml_writer_t* writer,
                                                                      const axutil_env_t* env, axis2_char_t* localname,
                                                                      axis2_char_t* value, axis2_char_t* namespace_uri,
                                                                      axis2_char_t* prefix)
{
    if (!Present(env, writer) || !Present(env, localname) || !Present(env, prefix))
        return AXIS2_FAILURE;
    if (!writer->startTagOpen)
        return NotInStartTag(env, "attribute");
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        if (namespace_uri && !InScope(writer, prefix, namespace_uri))
            Declare(writer, prefix, namespace_uri);
        writer->text += std::string(" ") + prefix + ":" + localname + "=\"" + Escape(value, true) + "\"";
        return AXIS2_SUCCESS;
    });
}

axis2_status_t axiom_xml_writer_write_namespace(axiom_xml_writer_t* writer, const axutil_env_t* env,
                                                axis2_char_t* prefix, axis2_char_t* namespace_uri)
{
    if (!Present(env, writer) || !Present(env, namespace_uri))
        return AXIS2_FAILURE;
    if (!writer->startTagOpen)
        return NotInStartTag(env, "namespace declaration");
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        Declare(writer, prefix ? prefix : "", namespace_uri);
        return AXIS2_SUCCESS;
    });
}

axis2_status_t axiom_xml_writer_write_default_namespace(axiom_xml_writer_t* writer, const axutil_env_t* env,
                                                        axis2_char_t* namespace_uri)
{
    return axiom_xml_writer_write_namespace(writer, env, nullptr, namespace_uri);
}

axis2_status_t axiom_xml_writer_write_start_document(axiom_xml_writer_t* writer, const axutil_env_t* env)
{
    if (!Present(env, writer))
        return AXIS2_FAILURE;
    return axiom_xml_writer_write_start_document_with_version_encoding(writer, env, const_cast<char*>("1.0"),
                                                                       &writer->encoding[0]);
}

axis2_status_t axiom_xml_writer_write_start_document_with_version_encoding(axiom_xml_writer_t* writer,
                                                                           const axutil_env_t* env,
                                                                           axis2_char_t* version,
                                                                           axis2_char_t* encoding)
{
    if (!Present(env, writer))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        writer->text += std::string("<?xml version=\"") + (version ? version : "1.0") + "\"";
        if (encoding)
            writer->text += std::string(" encoding=\"") + encoding + "\"";
        writer->text += "?>";
        return AXIS2_SUCCESS;
    });
}

axis2_status_t axiom_xml_writer_write_characters(axiom_xml_writer_t* writer, const axutil_env_t* env,
                                                 axis2_char_t* text)
{
    if (!Present(env, writer))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        CloseStartTag(writer);
        writer->text += Escape(text, false);
        return AXIS2_SUCCESS;
    });
}

void* axiom_xml_writer_get_xml(axiom_xml_writer_t* writer, const axutil_env_t* env)
{
    if (!Present(env, writer))
        return nullptr;
    return &writer->text[0];
}

unsigned int axiom_xml_writer_get_xml_size(axiom_xml_writer_t* writer, const axutil_env_t* env)
{
    if (!Present(env, writer))
        return 0;
    return static_cast<unsigned int>(writer->text.size());
}

int axiom_xml_writer_get_type(axiom_xml_writer_t* writer, const axutil_env_t* env)
{
    if (!Present(env, writer))
        return 0;
    return AXIS2_XML_PARSER_TYPE_BUFFER;
}

axis2_status_t axiom_xml_writer_flush(axiom_xml_writer_t* writer, const axutil_env_t* env)
{
    return Present(env, writer) ? AXIS2_SUCCESS : AXIS2_FAILURE;
}

axiom_output_t* axiom_output_create(const axutil_env_t* env, axiom_xml_writer_t* xml_writer)
{
    if (!Present(env, xml_writer))
        return nullptr;
    auto* output = new (std::nothrow) axiom_output();
    if (!output)
    {
        axis2c::SetError(env, AXIS2_ERROR_NO_MEMORY);
        return nullptr;
    }
    output->writer = xml_writer;
    return output;
}

void axiom_output_free(axiom_output_t* om_output, const axutil_env_t* env)
{
    if (!om_output)
        return;
    axiom_xml_writer_free(om_output->writer, env);
    delete om_output;
}

axiom_xml_writer_t* axiom_output_get_xml_writer(axiom_output_t* om_output, const axutil_env_t* env)
{
    return Present(env, om_output) ? om_output->writer : nullptr;
}

axis2_status_t axiom_node_serialize(axiom_node_t* om_node, const axutil_env_t* env, axiom_output* om_output)
{
    if (!Present(env, om_node) || !Present(env, om_output))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        axis2c::AppendMarkup(om_output->writer, axis2c::SerializeTree(om_node));
        return AXIS2_SUCCESS;
    });
}

} // extern "C"
