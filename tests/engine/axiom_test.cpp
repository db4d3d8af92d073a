// The AXIOM tree: building it the way generated bindings do, serialising it,
// and reading XML back into it.
#include "engine_test_support.h"

#include <gtest/gtest.h>

namespace
{

class Axiom : public ::testing::Test
{
protected:
    axiom_element_t* Element(axiom_node_t* node)
    {
        return static_cast<axiom_element_t*>(axiom_node_get_data_element(node, env));
    }
    axiom_node_t* Parse(const std::string& xml)
    {
        std::string copy = xml;
        return axiom_node_create_from_buffer(env, &copy[0]);
    }
    EnvHolder holder;
    const axutil_env_t* env = holder.env;
};

TEST_F(Axiom, SerialisesNamespacesWhereTheyAreNeeded)
{
    axiom_node_t* root = nullptr;
    axiom_node_t* node = nullptr;
    axiom_namespace_t* ns = axiom_namespace_create(env, "http://x/Ostrel", "n");
    axiom_element_t* rootElement = axiom_element_create(env, nullptr, "Request", ns, &root);
    axiom_element_set_namespace(rootElement, env, ns, root);
    // Same prefix and URI as the parent: no second declaration.
    axiom_element_create(env, root, "a", axiom_namespace_create(env, "http://x/Ostrel", "n"), &node);
    // Another namespace, used but not declared by anyone: declared on use.
    axiom_node_t* other = nullptr;
    axiom_element_create(env, root, "b", axiom_namespace_create(env, "http://y/", "m"), &other);
    axiom_node_t* inner = nullptr;
    axiom_element_create(env, other, "c", axiom_namespace_create(env, "http://y/", "m"), &inner);
    // Default namespace, and an element without namespace under it.
    axiom_node_t* defaulted = nullptr;
    axiom_element_create(env, root, "d", axiom_namespace_create(env, "http://z/", nullptr), &defaulted);
    axiom_element_create(env, defaulted, "plain", nullptr, &node);
    EXPECT_EQ("<n:Request xmlns:n=\"http://x/Ostrel\"><n:a/><m:b xmlns:m=\"http://y/\"><m:c/></m:b>"
              "<d xmlns=\"http://z/\"><plain xmlns=\"\"/></d></n:Request>",
              ToString(env, root));
    // A subtree on its own declares what its ancestors declared.
    EXPECT_EQ("<m:c xmlns:m=\"http://y/\"/>", ToString(env, inner));
    axiom_node_free_tree(root, env);
}

TEST_F(Axiom, EscapesTextAndAttributesButNotDataSources)
{
    axiom_node_t* root = nullptr;
    axiom_element_t* element = axiom_element_create(env, nullptr, "r", nullptr, &root);
    axiom_namespace_t* xsi = axiom_namespace_create(env, "http://www.w3.org/2001/XMLSchema-instance", "xsi");
    axiom_element_add_attribute(element, env, axiom_attribute_create(env, "nil", "1", xsi), root);
    axiom_element_add_attribute(element, env, axiom_attribute_create(env, "q", "a\"<&>\n", nullptr), root);
    axiom_node_t* text = nullptr;
    axiom_text_create(env, root, "1 < 2 & \"3\" > 0", &text);
    axiom_node_t* source = nullptr;
    axiom_data_source_t* data = axiom_data_source_create(env, root, &source);
    const char raw[] = "<n:agentID>a&amp;b</n:agentID>";
    axutil_stream_write(axiom_data_source_get_stream(data, env), env, raw, sizeof raw - 1);
    EXPECT_EQ("<r xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:nil=\"1\" "
              "q=\"a&quot;&lt;&amp;&gt;&#xA;\">1 &lt; 2 &amp; \"3\" &gt; 0"
              "<n:agentID>a&amp;b</n:agentID></r>",
              ToString(env, root));
    EXPECT_STREQ("1", axiom_element_get_attribute_value_by_name(element, env, (axis2_char_t*)"nil"));
    EXPECT_STREQ("1", axiom_element_get_attribute_value_by_name(element, env, (axis2_char_t*)"xsi:nil"));
    EXPECT_EQ(nullptr, axiom_element_get_attribute_value_by_name(element, env, (axis2_char_t*)"type"));
    axiom_node_free_tree(root, env);
}

TEST_F(Axiom, TextIsJoinedFromTextChildrenAndNullWithoutAny)
{
    axiom_node_t* root = nullptr;
    axiom_node_t* node = nullptr;
    axiom_element_t* element = axiom_element_create(env, nullptr, "r", nullptr, &root);
    EXPECT_EQ(nullptr, axiom_element_get_text(element, env, root));
    axiom_text_create(env, root, "ab", &node);
    axiom_element_create(env, root, "child", nullptr, &node);
    axiom_text_create(env, root, "cd", &node);
    EXPECT_STREQ("abcd", axiom_element_get_text(element, env, root));
    axiom_element_set_text(element, env, "new", root);
    EXPECT_EQ("<r><child/>new</r>", ToString(env, root));
    axiom_node_free_tree(root, env);
}

TEST_F(Axiom, TreeEditing)
{
    axiom_node_t* root = nullptr;
    axiom_node_t* a = nullptr;
    axiom_node_t* b = nullptr;
    axiom_element_create(env, nullptr, "r", nullptr, &root);
    axiom_element_create(env, root, "a", nullptr, &a);
    axiom_element_create(env, root, "b", nullptr, &b);
    EXPECT_EQ(AXIS2_FAILURE, axiom_node_add_child(a, env, root)); // would make a cycle
    axiom_node_detach(a, env);
    EXPECT_EQ(nullptr, axiom_node_get_parent(a, env));
    axiom_node_add_child(b, env, a);
    EXPECT_EQ("<r><b><a/></b></r>", ToString(env, root));
    axiom_node_free_tree(b, env); // a subtree leaves its parent intact
    EXPECT_EQ("<r/>", ToString(env, root));
    axiom_node_free_tree(root, env);
}

TEST_F(Axiom, ReadsNamespacesPrefixesEntitiesAndCdata)
{
    axiom_node_t* root =
        Parse("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
              "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\" xmlns=\"http://d/\">"
              "<s:Body><Resp a=\"1 &amp; 2\" s:b=\"x\"><Result xmlns:i=\"http://i/\" i:nil=\"true\">"
              "&lt;workitem id=&quot;7&quot;&gt;<![CDATA[<raw & text>]]>&#x41;</Result></Resp></s:Body>"
              "</s:Envelope>");
    ASSERT_NE(nullptr, root) << holder.Message();
    axiom_node_t* body = axiom_node_get_first_element(root, env);
    axiom_node_t* resp = axiom_node_get_first_element(body, env);
    axutil_qname_t* respName = axiom_element_get_qname(Element(resp), env, resp);
    EXPECT_STREQ("Resp|http://d/", axutil_qname_to_string(respName, env));
    EXPECT_STREQ("1 & 2", axiom_element_get_attribute_value_by_name(Element(resp), env, (axis2_char_t*)"a"));
    EXPECT_STREQ("x", axiom_element_get_attribute_value_by_name(Element(resp), env, (axis2_char_t*)"s:b"));
    axutil_qname_t* wanted = axutil_qname_create(env, "Result", "http://d/", nullptr);
    axiom_node_t* resultNode = nullptr;
    axiom_element_t* result = axiom_element_get_first_child_with_qname(Element(resp), env, wanted, resp, &resultNode);
    axutil_qname_free(wanted, env);
    ASSERT_NE(nullptr, result);
    EXPECT_STREQ("<workitem id=\"7\"><raw & text>A", axiom_element_get_text(result, env, resultNode));
    EXPECT_STREQ("true", axiom_element_get_attribute_value_by_name(result, env, (axis2_char_t*)"nil"));
    axiom_namespace_t* i = axiom_element_find_namespace_uri(result, env, "i", resultNode);
    ASSERT_NE(nullptr, i);
    EXPECT_STREQ("http://i/", axiom_namespace_get_uri(i, env));
    axiom_namespace_t* s =
        axiom_element_find_namespace(result, env, resultNode, "http://schemas.xmlsoap.org/soap/envelope/", nullptr);
    ASSERT_NE(nullptr, s);
    EXPECT_STREQ("s", axiom_namespace_get_prefix(s, env));
    // Written back out, the tree reads the same.
    std::string again = ToString(env, root);
    axiom_node_t* reparsed = Parse(again);
    ASSERT_NE(nullptr, reparsed);
    EXPECT_EQ(again, ToString(env, reparsed));
    axiom_node_free_tree(reparsed, env);
    axiom_node_free_tree(root, env);
}

TEST_F(Axiom, ReadsMultiMegabyteTextQuickly)
{
    std::string big;
    big.reserve(10 * 1024 * 1024 + 64);
    for (int i = 0; big.size() < 10 * 1024 * 1024; ++i)
        big += "line &amp; &lt;x&gt; \n" + std::to_string(i);
    std::string xml = "<r><t>" + big + "</t></r>";
    axiom_node_t* root = Parse(xml);
    ASSERT_NE(nullptr, root);
    axiom_node_t* t = axiom_node_get_first_element(root, env);
    const char* text = axiom_element_get_text(Element(t), env, t);
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(std::string::npos, std::string(text).find("&amp;"));
    EXPECT_NE(std::string::npos, std::string(text).find("line & <x> \n12345"));
    axiom_node_free_tree(root, env);
}

TEST_F(Axiom, RejectsMalformedDocumentsAndDoctypes)
{
    const char* bad[] = {"",
                         "<a>",
                         "<a></b>",
                         "text only",
                         "<a/><b/>",
                         "<p:a/>",
                         "<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>",
                         "<a>&undefined;</a>"};
    for (const char* xml : bad)
    {
        EXPECT_EQ(nullptr, Parse(xml)) << xml;
        EXPECT_EQ(AXIS2_ERROR_INVALID_DOCUMENT_STATE_ROOT_NULL, holder.Number()) << xml;
    }
}

std::string Nested(size_t levels, const std::string& innermost = "")
{
    std::string xml;
    for (size_t i = 0; i < levels; ++i)
        xml += "<a>";
    xml += innermost;
    for (size_t i = 0; i < levels; ++i)
        xml += "</a>";
    return xml;
}

TEST_F(Axiom, NestingIsBoundedAt256Levels)
{
    axiom_node_t* deepest = Parse(Nested(255, "<b xmlns=\"http://b/\" x=\"1\"/>"));
    ASSERT_NE(nullptr, deepest) << holder.Message();
    axiom_node_free_tree(deepest, env);
    // One level more, as an element with content, an empty-element tag, or in a document that
    // would fail further on anyway: refused with the reason, however deep it goes.
    const std::string refused[] = {Nested(257), Nested(256, "<b/>"), Nested(300, "<b></c>"),
                                   "<?xml version=\"1.0\"?><!-- x -->" + Nested(1000000)};
    for (const std::string& xml : refused)
    {
        SCOPED_TRACE(xml.substr(0, 40));
        EXPECT_EQ(nullptr, Parse(xml));
        EXPECT_EQ(AXIS2_ERROR_INVALID_DOCUMENT_STATE_ROOT_NULL, holder.Number());
        EXPECT_NE(std::string::npos, holder.Message().find("nested deeper than 256 levels")) << holder.Message();
    }
}

TEST_F(Axiom, PrefixesRedeclaredInNestedScopesResolveToTheInnermost)
{
    axiom_node_t* root = Parse("<p:a xmlns:p=\"http://one/\" xmlns=\"http://d/\">"
                               "<p:b xmlns:p=\"http://two/\"><p:c p:at=\"v\"/><e xmlns=\"\"/></p:b>"
                               "<p:d/><f/><xml:g xml:lang=\"en\"/></p:a>");
    ASSERT_NE(nullptr, root) << holder.Message();
    // localname|uri|prefix of an element.
    auto name = [&](axiom_node_t* node) {
        std::string text = axiom_element_get_localname(Element(node), env);
        axiom_namespace_t* ns = axiom_element_get_namespace(Element(node), env, node);
        if (ns)
            text += std::string("|") + axiom_namespace_get_uri(ns, env) + "|" + axiom_namespace_get_prefix(ns, env);
        return text;
    };
    axiom_node_t* b = axiom_node_get_first_element(root, env);
    axiom_node_t* c = axiom_node_get_first_element(b, env);
    axiom_node_t* e = axiom_node_get_next_sibling(c, env);
    axiom_node_t* d = axiom_node_get_next_sibling(b, env);
    axiom_node_t* f = axiom_node_get_next_sibling(d, env);
    axiom_node_t* g = axiom_node_get_next_sibling(f, env);
    EXPECT_EQ("a|http://one/|p", name(root));
    EXPECT_EQ("b|http://two/|p", name(b));
    EXPECT_EQ("c|http://two/|p", name(c));
    EXPECT_EQ("e", name(e));
    EXPECT_EQ("d|http://one/|p", name(d));
    EXPECT_EQ("f|http://d/|", name(f));
    EXPECT_EQ("g|http://www.w3.org/XML/1998/namespace|xml", name(g));
    // The tree written out declares each binding where it is needed and reads the same again.
    const std::string text = ToString(env, root);
    axiom_node_t* again = Parse(text);
    ASSERT_NE(nullptr, again) << text;
    EXPECT_EQ(text, ToString(env, again));
    axiom_node_free_tree(again, env);
    axiom_node_free_tree(root, env);
}

TEST_F(Axiom, NamespaceObjectsSharedAcrossElementsAreFreedOnce)
{
    // Runs clean under valgrind: the generated-code pattern of handing one
    // namespace to several calls, and of declaring fresh ones.
    axiom_node_t* root = nullptr;
    axiom_node_t* child = nullptr;
    axiom_namespace_t* ns = axiom_namespace_create(env, "http://x/", "n");
    axiom_element_t* element = axiom_element_create(env, nullptr, "a", ns, &root);
    axiom_element_set_namespace(element, env, ns, root);
    axiom_element_create(env, root, "b", ns, &child);
    axiom_element_declare_namespace(element, env, root, ns);
    axiom_element_declare_namespace_assume_param_ownership(element, env, axiom_namespace_create(env, "http://q/", "q"));
    // Clashing prefix: refused, and the namespace is still released.
    EXPECT_EQ(AXIS2_FAILURE, axiom_element_declare_namespace_assume_param_ownership(
                                 element, env, axiom_namespace_create(env, "http://other/", "q")));
    axiom_namespace_free(ns, env); // still held by the tree: no effect
    EXPECT_EQ("<n:a xmlns:n=\"http://x/\" xmlns:q=\"http://q/\"><n:b/></n:a>", ToString(env, root));
    axiom_node_t* detached = axiom_node_detach(child, env);
    axiom_node_free_tree(root, env);
    EXPECT_EQ("<n:b xmlns:n=\"http://x/\"/>", ToString(env, detached));
    axiom_node_free_tree(detached, env);
}

} // namespace
