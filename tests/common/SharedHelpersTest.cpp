// The helpers the agent and its engine share: measuring and parsing a document from outside, and
// escaping text for XML.
#include "LogText.h"
#include "XmlDocument.h"
#include "XmlEscape.h"
#include "XmlShape.h"

#include <Poco/DOM/Element.h>
#include <Poco/DOM/NodeList.h>
#include <Poco/XML/XMLException.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace
{
std::string Repeat(char c, std::size_t count)
{
    return std::string(count, c);
}

std::size_t Longest(const std::string& text)
{
    return XmlShape::Of(text).longestMarkup;
}

std::size_t Depth(const std::string& text)
{
    return XmlShape::Of(text).depth;
}
} // namespace

TEST(XmlShape, CountsWholeTagsCommentsAndTextOutsideTheRoot)
{
    EXPECT_EQ(Longest(""), 0u);
    // A ">" inside a quoted value does not end the tag.
    EXPECT_EQ(Longest("<w a='>>' b=\"'\">x</w>"), 16u);
    EXPECT_EQ(Longest("<w><!-- <a> --></w>"), 12u);
    EXPECT_EQ(Longest("<?pi <x>?><w/>"), 10u);
    EXPECT_EQ(Longest("<w/>" + Repeat(' ', 20)), 20u);
    EXPECT_EQ(Longest(Repeat('0', 30)), 30u);
    // Unterminated: the piece runs to the end.
    EXPECT_EQ(Longest("<w a='" + Repeat('x', 40)), 46u);
    // Content, nested or in CDATA sections, is not markup.
    EXPECT_EQ(Longest("<w><v>" + Repeat('x', 100) + "</v><![CDATA[" + Repeat('<', 100) + "]]></w>"), 4u);
}

TEST(XmlShape, MeasuresNestingWithoutParsing)
{
    EXPECT_EQ(Depth(""), 0u);
    EXPECT_EQ(Depth("<a/>"), 1u);
    EXPECT_EQ(Depth("<a><b/><c><d>x</d></c></a>"), 3u);
    EXPECT_EQ(Depth("<a><!-- <b><c> --><![CDATA[<d><e>]]><?pi <f>?><g x='<h>'/></a>"), 2u);
    std::string deep;
    for (int i = 0; i < 257; ++i)
        deep += "<e>";
    EXPECT_EQ(Depth(deep), 257u);
    EXPECT_THROW(XmlDocument::CheckShape(deep, "The work item"), Poco::XML::XMLException);
    EXPECT_NO_THROW(XmlDocument::CheckShape(deep.substr(3), "The work item"));
}

TEST(XmlDocument, RefusesEveryDocumentTypeDeclaration)
{
    const std::string refusal = "The work item holds a document type declaration, which is not accepted; it is "
                                "not read";
    std::string wide = "\xFF\xFE";
    for (const char c : std::string("<!DOCTYPE w><w/>"))
        wide += std::string(1, c) + '\0';
    for (const std::string& text :
         {std::string("<!DOCTYPE w><w/>"),
          std::string("<?xml version='1.0'?><!-- c --><!DOCTYPE w [<!ENTITY e 'x'>]><w>&e;</w>"),
          std::string("<!DOCTYPE w SYSTEM 'file:///etc/hostname'><w/>"), wide})
    {
        try
        {
            XmlDocument::Parse(text, "The work item", XmlDocument::KeepWhitespace);
            ADD_FAILURE() << "accepted: " << text;
        }
        catch (const Poco::XML::XMLException& error)
        {
            EXPECT_EQ(error.message(), refusal) << text;
        }
    }
}

TEST(XmlDocument, BuildsTheTreeWithCommentsCdataAndNamespaces)
{
    const std::string text = "<?xml version='1.0'?><!-- before --><r xmlns:p='urn:p'>\n <p:a><![CDATA[<x>]]></p:a>"
                             "<!-- inside --></r>";
    const auto kept = XmlDocument::Parse(text, "The results file", XmlDocument::KeepWhitespace);
    ASSERT_NE(kept->documentElement(), nullptr);
    EXPECT_EQ(kept->firstChild()->nodeType(), Poco::XML::Node::COMMENT_NODE);
    const Poco::XML::Node* first = kept->documentElement()->firstChild();
    EXPECT_EQ(first->nodeType(), Poco::XML::Node::TEXT_NODE);
    EXPECT_EQ(kept->documentElement()->lastChild()->nodeType(), Poco::XML::Node::COMMENT_NODE);
    const auto dropped = XmlDocument::Parse(text, "The results file", XmlDocument::DropWhitespace);
    const Poco::XML::Node* element = dropped->documentElement()->firstChild();
    EXPECT_EQ(element->localName(), "a");
    EXPECT_EQ(element->namespaceURI(), "urn:p");
    EXPECT_EQ(element->innerText(), "<x>");
    EXPECT_THROW(XmlDocument::Parse("<r><a></r>", "The results file", XmlDocument::KeepWhitespace),
                 Poco::XML::XMLException);
}

TEST(XmlEscape, EscapesWhatEachDocumentAsksFor)
{
    const std::string value = "a<b>&\"'\t\n\r";
    std::string text;
    XmlEscape::Append(text, value, XmlEscape::Nothing);
    EXPECT_EQ(text, "a&lt;b&gt;&amp;\"'\t\n\r");
    std::string lines;
    XmlEscape::Append(lines, value, XmlEscape::Quote | XmlEscape::LineFeed | XmlEscape::CarriageReturn);
    EXPECT_EQ(lines, "a&lt;b&gt;&amp;&quot;'\t&#xA;&#xD;");
    std::string attribute;
    XmlEscape::Append(attribute, value, XmlEscape::Attribute);
    EXPECT_EQ(attribute, "a&lt;b&gt;&amp;&quot;'&#x9;&#xA;&#xD;");
    EXPECT_FALSE(XmlEscape::Needed("plain 'text'\t\n", XmlEscape::Quote));
    EXPECT_TRUE(XmlEscape::Needed("say \"x\"", XmlEscape::Quote));
}

TEST(XmlEscape, EachFlagEscapesItsOwnCharacterOnly)
{
    // The serialiser asks for the carriage return alone in element text: written raw, it would
    // reach the receiver's parser as a line feed.
    const std::string value = "\"\t\n\r";
    const std::pair<unsigned, std::string> cases[] = {{XmlEscape::Quote, "&quot;\t\n\r"},
                                                      {XmlEscape::Tab, "\"&#x9;\n\r"},
                                                      {XmlEscape::LineFeed, "\"\t&#xA;\r"},
                                                      {XmlEscape::CarriageReturn, "\"\t\n&#xD;"}};
    for (const auto& [flag, expected] : cases)
    {
        std::string text;
        XmlEscape::Append(text, value, flag);
        EXPECT_EQ(text, expected) << "flag " << flag;
    }
}

TEST(LogText, EscapesWhatCouldStartALine)
{
    EXPECT_EQ(LogText::Escape("plain text, é and \\ stay"), "plain text, é and \\ stay");
    EXPECT_EQ(LogText::Escape("a\nb\rc\td"), "a\\nb\\rc\\td");
    EXPECT_EQ(LogText::Escape(std::string("\0\x1b[31m\x7f", 7)), "\\x00\\x1b[31m\\x7f");
}
