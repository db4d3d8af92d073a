#include "WorkItemResponse.h"
#include "TempDirectory.h"

#include <Poco/DOM/AutoPtr.h>
#include <Poco/DOM/DOMParser.h>
#include <Poco/DOM/Document.h>
#include <Poco/DOM/Element.h>
#include <Poco/DOM/NodeList.h>
#include <Poco/Exception.h>
#include <Poco/Path.h>

#include <gtest/gtest.h>

#include <sstream>

namespace
{
std::string Text(const WorkItemResponse& response)
{
    std::ostringstream out;
    out << response;
    return out.str();
}

/// Runs a test body with the working directory set to a temporary one.
class InDirectory
{
public:
    explicit InDirectory(const std::string& directory)
        : previous(Poco::Path::current())
    {
        EXPECT_EQ(::chdir(directory.c_str()), 0);
    }
    ~InDirectory()
    {
        EXPECT_EQ(::chdir(previous.c_str()), 0);
    }

private:
    std::string previous;
};
} // namespace

TEST(WorkItemResponse, SuccessWithoutResultsFile)
{
    TempDirectory root;
    const WorkItemResponse response{"wi-42", true, "Setup", "", root.Path()};
    EXPECT_EQ(Text(response), "<workItemResponse id=\"wi-42\">\n"
                              "\t<task type=\"Setup\">\n"
                              "\t\t<result succeeded=\"true\">\n"
                              "\t\t\t<message/>\n"
                              "\t\t</result>\n"
                              "\t</task>\n"
                              "</workItemResponse>\n");
}

TEST(WorkItemResponse, CopiesResultParametersInDocumentOrder)
{
    TempDirectory root;
    root.Write("External/results.xml",
               "<results xmlns:r='urn:r'>\n  <parameter name='vmState'>ready</parameter>\n"
               "  <group><r:parameter name='Note'>done &amp; dusted</r:parameter></group>\n"
               "  <parameter>nameless</parameter><parameter Name='wrongCase'>x</parameter>\n"
               "  <Parameter name='ignored'>no</Parameter><parameter name='nested'><b>inner</b></parameter>\n"
               "  <parameter name='empty'/></results>");
    const WorkItemResponse response{"wi-42", true, "Setup", "", root.Path()};
    EXPECT_EQ(Text(response), "<workItemResponse id=\"wi-42\">\n"
                              "\t<task type=\"Setup\">\n"
                              "\t\t<result succeeded=\"true\">\n"
                              "\t\t\t<message/>\n"
                              "\t\t\t<parameter name=\"vmState\">ready</parameter>\n"
                              "\t\t\t<parameter name=\"Note\">done &amp; dusted</parameter>\n"
                              "\t\t\t<parameter name=\"\">nameless</parameter>\n"
                              "\t\t\t<parameter name=\"\">x</parameter>\n"
                              "\t\t\t<parameter name=\"nested\"/>\n"
                              "\t\t\t<parameter name=\"empty\"/>\n"
                              "\t\t</result>\n"
                              "\t</task>\n"
                              "</workItemResponse>\n");
}

TEST(WorkItemResponse, RootElementCanBeAParameter)
{
    TempDirectory root;
    root.Write("External/results.xml", "<parameter name='outer'>o<parameter name='inner'>i</parameter></parameter>");
    const std::string text = Text({"1", true, "T", "", root.Path()});
    EXPECT_NE(text.find("<parameter name=\"outer\">o</parameter>\n\t\t\t<parameter name=\"inner\">i</parameter>"),
              std::string::npos)
        << text;
}

TEST(WorkItemResponse, FailureMessageIsEscapedAndReadsBack)
{
    TempDirectory root;
    const std::string message = "script failed: <b> & \"quoted\"\nsecond line";
    const std::string text = Text({"9", false, "Setup", message, root.Path()});
    EXPECT_NE(
        text.find("<result succeeded=\"false\">\n\t\t\t<message>script failed: &lt;b&gt; &amp; &quot;quoted&quot;"),
        std::string::npos)
        << text;
    Poco::XML::DOMParser parser;
    Poco::XML::AutoPtr<Poco::XML::Document> document = parser.parseString(text);
    const Poco::XML::AutoPtr<Poco::XML::NodeList> messages = document->getElementsByTagName("message");
    EXPECT_EQ(messages->item(0)->innerText(), message);
}

TEST(WorkItemResponse, MessageWithBytesXmlCannotCarryStillGivesAWholeDocument)
{
    TempDirectory root;
    const std::string text = Text({"9", false, "Setup", "bad \x01 and \xff\xfe and cut \xc3", root.Path()});
    EXPECT_NE(text.find("</workItemResponse>\n"), std::string::npos) << text;
    Poco::XML::DOMParser parser;
    Poco::XML::AutoPtr<Poco::XML::Document> document;
    ASSERT_NO_THROW(document = parser.parseString(text));
    const Poco::XML::AutoPtr<Poco::XML::NodeList> messages = document->getElementsByTagName("message");
    EXPECT_EQ(messages->item(0)->innerText(), "bad \xef\xbf\xbd and \xef\xbf\xbd\xef\xbf\xbd and cut \xef\xbf\xbd");
}

TEST(WorkItemResponse, ReadsTheResultsFileAfreshOnEveryWrite)
{
    TempDirectory root;
    const WorkItemResponse response{"1", true, "T", "", root.Path()};
    EXPECT_EQ(Text(response).find("<parameter"), std::string::npos);
    root.Write("External/results.xml", "<r><parameter name='late'>here</parameter></r>");
    EXPECT_NE(Text(response).find("<parameter name=\"late\">here</parameter>"), std::string::npos);
}

TEST(WorkItemResponse, EmptyScriptRootMeansTheWorkingDirectory)
{
    TempDirectory root;
    root.Write("External/results.xml", "<r><parameter name='cwd'>yes</parameter></r>");
    InDirectory inRoot(root.Path());
    EXPECT_NE(Text({"1", false, "T", "m", ""}).find("name=\"cwd\""), std::string::npos);
    EXPECT_NE(Text({"1", true, "T", "", "."}).find("name=\"cwd\""), std::string::npos);
}

TEST(WorkItemResponse, UnreadableResultsFileThrowsBeforeWriting)
{
    for (const std::string& content : {std::string(), std::string("<open>"), std::string("garbage")})
    {
        TempDirectory root;
        root.Write("External/results.xml", content);
        std::ostringstream out;
        EXPECT_THROW(out << WorkItemResponse({"1", true, "T", "", root.Path()}), Poco::Exception);
        EXPECT_EQ(out.str(), "");
    }
    TempDirectory root;
    root.MakeDirectory("External/results.xml");
    std::ostringstream out;
    EXPECT_ANY_THROW(out << WorkItemResponse({"1", true, "T", "", root.Path()}));
    EXPECT_EQ(out.str(), "");

    // Without reading results the failure can still be reported.
    WorkItemResponse withoutResults{"1", false, "T", "m", root.Path()};
    withoutResults.readResults = false;
    EXPECT_NE(Text(withoutResults).find("<message>m</message>"), std::string::npos);
}

TEST(WorkItemResponse, ResultsFileNestedTooDeepIsRefusedBeforeWriting)
{
    TempDirectory root;
    std::string deep;
    for (int i = 0; i < 200000; ++i)
        deep += "<x>";
    root.Write("External/results.xml", "<r><parameter name='a'>b</parameter>" + deep);
    std::ostringstream out;
    EXPECT_THROW(out << WorkItemResponse({"1", true, "T", "", root.Path()}), Poco::Exception);
    EXPECT_EQ(out.str(), "");
}
