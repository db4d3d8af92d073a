// The helpers the agent and its engine share: measuring a document from outside before it is
// parsed, and escaping text for XML.
#include "LogText.h"
#include "XmlEscape.h"
#include "XmlShape.h"
#include "XmlText.h"

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
    EXPECT_THROW(XmlText::CheckShape(deep, "The work item"), Poco::XML::XMLException);
    EXPECT_NO_THROW(XmlText::CheckShape(deep.substr(3), "The work item"));
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
