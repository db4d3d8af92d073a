// Building a tree from a memory buffer: reader, builder and document. The
// whole buffer is parsed at the first request for the root, with the same
// parser (and limits) as replies.
#include "axiom_internal.h"
#include "internal.h"

#include <axiom_stax_builder.h>

#include <new>
#include <string>

using axis2c::Guard;
using axis2c::Present;

struct axiom_xml_reader
{
    std::string bytes;
};

struct axiom_document
{
    axiom_xml_reader* reader = nullptr;
    axiom_node* root = nullptr; // built on request; freed with the builder unless given away
    bool built = false;
};

struct axiom_stax_builder
{
    axiom_xml_reader* reader = nullptr; // owned
    axiom_document document;
};

extern "C"
{
axiom_xml_reader_t* axiom_xml_reader_create_for_memory(const axutil_env_t* env, void* container, int size,
                                                       const axis2_char_t*, int type)
{
    if (type != AXIS2_XML_PARSER_TYPE_BUFFER)
    {
        axis2c::SetError(env, AXIS2_ERROR_XML_PARSER_INVALID_MEM_TYPE,
                         "the reader reads memory buffers only (AXIS2_XML_PARSER_TYPE_BUFFER)");
        return nullptr;
    }
    if (!Present(env, container))
        return nullptr;
    return Guard<axiom_xml_reader_t*>(env, nullptr, [&] {
        auto* reader = new axiom_xml_reader();
        reader->bytes.assign(static_cast<const char*>(container), size > 0 ? size : 0);
        return reader;
    });
}

void axiom_xml_reader_free(axiom_xml_reader_t* parser, const axutil_env_t*)
{
    delete parser;
}

axiom_stax_builder_t* axiom_stax_builder_create(const axutil_env_t* env, axiom_xml_reader_t* parser)
{
    if (!Present(env, parser))
        return nullptr;
    auto* builder = new (std::nothrow) axiom_stax_builder();
    if (!builder)
    {
        axis2c::SetError(env, AXIS2_ERROR_NO_MEMORY);
        return nullptr;
    }
    builder->reader = parser;
    builder->document.reader = parser;
    return builder;
}

axiom_document_t* axiom_stax_builder_get_document(axiom_stax_builder_t* builder, const axutil_env_t* env)
{
    return Present(env, builder) ? &builder->document : nullptr;
}

void axiom_stax_builder_free(axiom_stax_builder_t* builder, const axutil_env_t* env)
{
    if (!builder)
        return;
    if (builder->document.root)
        axiom_node_free_tree(builder->document.root, env);
    axiom_stax_builder_free_self(builder, env);
}

void axiom_stax_builder_free_self(axiom_stax_builder_t* builder, const axutil_env_t* env)
{
    if (!builder)
        return;
    axiom_xml_reader_free(builder->reader, env);
    delete builder;
}

axiom_node_t* axiom_document_get_root_element(axiom_document_t* document, const axutil_env_t* env)
{
    if (!Present(env, document))
        return nullptr;
    if (document->built)
        return document->root;
    return Guard<axiom_node_t*>(env, nullptr, [&]() -> axiom_node_t* {
        const std::string& bytes = document->reader->bytes;
        try
        {
            document->root = axis2c::ParseDocument(bytes.data(), bytes.size());
        }
        catch (const std::bad_alloc&)
        {
            throw;
        }
        catch (const std::exception& error)
        {
            axis2c::SetError(env, AXIS2_ERROR_INVALID_DOCUMENT_STATE_ROOT_NULL, error.what());
            AXIS2C_LOG(env, AXIS2_LOG_LEVEL_ERROR, std::string("XML is not well-formed: ") + error.what());
        }
        document->built = true;
        return document->root;
    });
}

axiom_node_t* axiom_document_build_all(axiom_document_t* document, const axutil_env_t* env)
{
    return axiom_document_get_root_element(document, env);
}

} // extern "C"
