// The XML writer, the memory reader with its builder, and option properties:
// the edges a client program can reach that the client programs do not.
#include "engine_test_support.h"

#include <axis2_http_transport.h>

#include <gtest/gtest.h>

namespace
{

char* Text(const char* text)
{
    return const_cast<char*>(text);
}

TEST(XmlWriter, EscapesTextAndAttributesAndWritesEmptyElementsShort)
{
    EnvHolder holder;
    const axutil_env_t* env = holder.env;
    axiom_xml_writer_t* writer =
        axiom_xml_writer_create_for_memory(env, nullptr, AXIS2_FALSE, 0, AXIS2_XML_PARSER_TYPE_BUFFER);
    axiom_xml_writer_write_start_document(writer, env);
    axiom_xml_writer_write_start_element_with_namespace_prefix(writer, env, Text("a"), Text("urn:x"), Text("p"));
    axiom_xml_writer_write_attribute(writer, env, Text("q"), Text("\"<&>\""));
    axiom_xml_writer_write_start_element_with_namespace_prefix(writer, env, Text("b"), Text("urn:x"), Text("p"));
    axiom_xml_writer_write_characters(writer, env, Text("1 < 2 & \"3\""));
    axiom_xml_writer_write_end_element(writer, env);
    axiom_xml_writer_write_empty_element(writer, env, Text("c"));
    axiom_xml_writer_write_end_document(writer, env);
    const std::string xml = static_cast<char*>(axiom_xml_writer_get_xml(writer, env));
    EXPECT_EQ("<?xml version=\"1.0\" encoding=\"UTF-8\"?><p:a xmlns:p=\"urn:x\" q=\"&quot;&lt;&amp;&gt;&quot;\">"
              "<p:b>1 &lt; 2 &amp; \"3\"</p:b><c/></p:a>",
              xml);
    EXPECT_EQ(xml.size(), axiom_xml_writer_get_xml_size(writer, env));

    // Nothing open: an end tag or an attribute is refused, not written.
    EXPECT_EQ(AXIS2_FAILURE, axiom_xml_writer_write_end_element(writer, env));
    EXPECT_EQ(AXIS2_ERROR_OM_ELEMENT_INVALID_STATE, holder.Number());
    EXPECT_EQ(AXIS2_FAILURE, axiom_xml_writer_write_attribute(writer, env, Text("late"), Text("1")));
    EXPECT_EQ(xml, static_cast<char*>(axiom_xml_writer_get_xml(writer, env)));
    axiom_xml_writer_free(writer, env);

    EXPECT_EQ(nullptr, axiom_xml_writer_create_for_memory(env, nullptr, 0, 0, AXIS2_XML_PARSER_TYPE_FILE));
    EXPECT_EQ(AXIS2_ERROR_XML_PARSER_INVALID_MEM_TYPE, holder.Number());
}

TEST(XmlReader, BuildsTreesFromMemoryAndRefusesWhatIsNotXml)
{
    EnvHolder holder;
    const axutil_env_t* env = holder.env;
    const std::string good = "<r xmlns=\"urn:y\"><v>&lt;7&gt;</v></r>";
    axiom_stax_builder_t* builder = axiom_stax_builder_create(
        env, axiom_xml_reader_create_for_memory(env, const_cast<char*>(good.data()), static_cast<int>(good.size()),
                                                "UTF-8", AXIS2_XML_PARSER_TYPE_BUFFER));
    axiom_node_t* root = axiom_document_build_all(axiom_stax_builder_get_document(builder, env), env);
    ASSERT_NE(nullptr, root);
    EXPECT_EQ(root, axiom_document_get_root_element(axiom_stax_builder_get_document(builder, env), env));
    EXPECT_EQ(good, ToString(env, root));
    axiom_stax_builder_free_self(builder, env); // the tree is now the caller's
    axiom_node_free_tree(root, env);

    const std::string bad = "<r><unclosed></r>";
    builder = axiom_stax_builder_create(env, axiom_xml_reader_create_for_memory(env, const_cast<char*>(bad.data()),
                                                                                static_cast<int>(bad.size()), nullptr,
                                                                                AXIS2_XML_PARSER_TYPE_BUFFER));
    EXPECT_EQ(nullptr, axiom_document_build_all(axiom_stax_builder_get_document(builder, env), env));
    EXPECT_EQ(AXIS2_ERROR_INVALID_DOCUMENT_STATE_ROOT_NULL, holder.Number());
    axiom_stax_builder_free(builder, env);

    EXPECT_EQ(nullptr, axiom_xml_reader_create_for_memory(env, const_cast<char*>(good.data()), 3, nullptr,
                                                          AXIS2_XML_PARSER_TYPE_DOC));
    EXPECT_EQ(AXIS2_ERROR_XML_PARSER_INVALID_MEM_TYPE, holder.Number());
}

int freed = 0;
void CountingFree(void* value, const axutil_env_t* env)
{
    ++freed;
    AXIS2_FREE(env->allocator, value);
}

TEST(OptionProperties, OwnedByTheOptionsAndReleasedByTheirRule)
{
    EnvHolder holder;
    const axutil_env_t* env = holder.env;
    axis2_options_t* options = axis2_options_create(env);
    freed = 0;
    axutil_property_t* first = axutil_property_create_with_args(env, AXIS2_SCOPE_REQUEST, AXIS2_TRUE, CountingFree,
                                                                axutil_strdup(env, "/etc/ca.pem"));
    axis2_options_set_property(options, env, AXIS2_SSL_SERVER_CERT, first);
    EXPECT_EQ(first, axis2_options_get_property(options, env, AXIS2_SSL_SERVER_CERT));
    axutil_property_t* second = axutil_property_create(env);
    axutil_property_set_value(second, env, axutil_strdup(env, "/etc/other.pem"));
    axis2_options_set_property(options, env, AXIS2_SSL_SERVER_CERT, second); // replaces and frees the first
    EXPECT_EQ(1, freed);
    EXPECT_STREQ(
        "/etc/other.pem",
        static_cast<char*>(axutil_property_get_value(
            static_cast<axutil_property_t*>(axis2_options_get_property(options, env, AXIS2_SSL_SERVER_CERT)), env)));
    EXPECT_EQ(AXIS2_FAILURE, axis2_options_set_http_method(options, env, AXIS2_HTTP_GET));
    EXPECT_EQ(AXIS2_ERROR_UNSUPPORTED_TYPE, holder.Number());
    EXPECT_EQ(AXIS2_SUCCESS, axis2_options_set_http_method(options, env, AXIS2_HTTP_POST));
    EXPECT_EQ(AXIS2_FAILURE, axis2_options_set_enable_rest(options, env, AXIS2_TRUE));
    EXPECT_EQ(AXIS2_SUCCESS, axis2_options_set_enable_mtom(options, env, AXIS2_FALSE));
    axis2_options_free(options, env); // frees the second property and its string
}

} // namespace
