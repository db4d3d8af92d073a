#include "WorkItem.h"
#include "EncryptionHelpers.h"

#include <Poco/DOM/AutoPtr.h>
#include <Poco/DOM/DOMParser.h>
#include <Poco/DOM/Document.h>
#include <Poco/DOM/Element.h>
#include <Poco/DOM/NodeList.h>
#include <Poco/Exception.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace
{
const std::string secret = "pa55-w0rd";

std::string Example()
{
    return "<workitem id=\"7\"><task type=\"Setup\">"
           "<parameter name=\"HostName\">vm-01</parameter>"
           "<parameter name=\"UserData\">" +
           EncryptionHelpers_Encrypt(secret) +
           "</parameter>"
           "<parameter name=\"UserData.IsEncrypted\">true</parameter>"
           "</task></workitem>";
}

WorkItem Parsed(const std::string& text)
{
    WorkItem item;
    item.Parse(text);
    return item;
}

std::string Dump(const WorkItem& item)
{
    std::ostringstream out;
    out << item;
    return out.str();
}

std::string WorkitemXml(const WorkItem& item)
{
    std::ostringstream out;
    item.ExportWorkitemAsXml(out);
    return out.str();
}

std::string PropertiesXml(const WorkItem& item)
{
    std::ostringstream out;
    item.ExportPropertiesAsXml(out);
    return out.str();
}
} // namespace

TEST(WorkItemParse, ReadsIdTaskAndProperties)
{
    WorkItem item = Parsed(Example());
    EXPECT_EQ(item.id, "7");
    EXPECT_EQ(item.task, "Setup");
    EXPECT_EQ(item.GetProperty("hostname"), "vm-01");
    EXPECT_EQ(item.GetProperty("HostName"), "");
    EXPECT_EQ(item.GetProperty("userdata"), secret);
    EXPECT_EQ(item.GetProperty("userdata.isencrypted"), "true");
    EXPECT_EQ(item.GetProperty("unknown"), "");
    EXPECT_EQ(Dump(item), "WorkItem: task=Setup, id=7\nhostname -> vm-01\nuserdata.isencrypted -> true\n");
}

TEST(WorkItemParse, FoldsNamesAndKeepsTheFirstOfEqualNames)
{
    WorkItem item = Parsed("<w><parameter name='Foo'>first</parameter><parameter name='FOO'>second</parameter>"
                           "<parameter name='\xc3\x84rger'>umlaut</parameter></w>");
    EXPECT_EQ(item.GetProperty("foo"), "first");
    // Only A-Z are folded: other bytes stay as they are.
    EXPECT_EQ(item.GetProperty("\xc3\x84rger"), "umlaut");
    EXPECT_EQ(Dump(item), "WorkItem: task=, id=\nfoo -> first\n\xc3\x84rger -> umlaut\n");
}

TEST(WorkItemParse, TakesInnerTextWithItsWhitespace)
{
    WorkItem item =
        Parsed("<w><parameter name='spaced'> a b </parameter><parameter name='blank'> \n\t </parameter>"
               "<parameter name='nested'>a<b>b</b>c</parameter><parameter name='entity'>&lt;&amp;&#65;</parameter>"
               "<parameter name='empty'/></w>");
    EXPECT_EQ(item.GetProperty("spaced"), " a b ");
    EXPECT_EQ(item.GetProperty("blank"), "");
    EXPECT_EQ(item.GetProperty("nested"), "abc");
    EXPECT_EQ(item.GetProperty("entity"), "<&A");
    EXPECT_EQ(item.GetProperty("empty"), "");
}

TEST(WorkItemParse, FindsParametersAndTaskAnywhere)
{
    WorkItem item = Parsed("<!-- comment first --><?pi data?><root id='r1'><parameter name='outside'>o</parameter>"
                           "<x><task type='First'><y><parameter name='deep'>d</parameter></y></task></x>"
                           "<task type='Second'/><Parameter name='case'>ignored</Parameter></root>");
    EXPECT_EQ(item.id, "r1");
    EXPECT_EQ(item.task, "First");
    EXPECT_EQ(item.GetProperty("outside"), "o");
    EXPECT_EQ(item.GetProperty("deep"), "d");
    EXPECT_EQ(item.GetProperty("case"), "");

    WorkItem rootTask = Parsed("<task type='RootTask' id='5'><task type='Inner'/></task>");
    EXPECT_EQ(rootTask.task, "RootTask");
    EXPECT_EQ(rootTask.id, "5");
}

TEST(WorkItemParse, MissingPiecesGiveEmptyStrings)
{
    WorkItem item = Parsed("<root><parameter>no attributes</parameter><parameter other='x'>no name</parameter></root>");
    EXPECT_EQ(item.id, "");
    EXPECT_EQ(item.task, "");
    // Both give the empty name; the first wins, and the empty name sorts first.
    EXPECT_EQ(item.GetProperty(""), "no attributes");
}

TEST(WorkItemParse, EncryptionMarkers)
{
    const std::string a = EncryptionHelpers_Encrypt("plain-a");
    const std::string marker = EncryptionHelpers_Encrypt("plain-marker");
    WorkItem item = Parsed("<w><parameter name='a'>" + a + "</parameter><parameter name='a.isencrypted'>" + marker +
                           "</parameter><parameter name='a.isencrypted.isencrypted'>false</parameter>"
                           "<parameter name='lonely.isencrypted'>true</parameter></w>");
    EXPECT_EQ(item.GetProperty("a"), "plain-a");
    EXPECT_EQ(item.GetProperty("a.isencrypted"), "plain-marker");
    EXPECT_EQ(item.GetProperty("a.isencrypted.isencrypted"), "false");
    EXPECT_EQ(item.GetProperty("lonely.isencrypted"), "true");
    // A marker of "false" still marks; the decrypted properties are gone from the dump.
    EXPECT_EQ(Dump(item), "WorkItem: task=, id=\na.isencrypted.isencrypted -> false\nlonely.isencrypted -> true\n");
}

TEST(WorkItemParse, MalformedDocumentsThrowAndLeaveTheItemEmpty)
{
    for (const std::string& text :
         {std::string(), std::string("<open>"), std::string("not xml"), std::string("<a></b>")})
    {
        WorkItem item;
        EXPECT_THROW(item.Parse(text), Poco::Exception) << text;
        EXPECT_EQ(Dump(item), "WorkItem: task=, id=\n");
    }
    std::ifstream closed;
    WorkItem item;
    EXPECT_THROW(item.Parse(closed), Poco::Exception);
}

TEST(WorkItemParse, DoesNotReadExternalEntities)
{
    WorkItem item;
    try
    {
        item.Parse(
            "<!DOCTYPE w [<!ENTITY x SYSTEM \"file:///etc/hostname\">]><w><parameter name='p'>&x;</parameter></w>");
    }
    catch (const Poco::Exception&)
    {
    }
    EXPECT_EQ(item.GetProperty("p"), "");
}

TEST(WorkItemExport, WorkitemDocumentByteForByte)
{
    WorkItem item = Parsed(Example());
    EXPECT_EQ(WorkitemXml(item), "<workitem id=\"7\" type=\"Setup\">\n"
                                 "\t<properties>\n"
                                 "\t\t<property name=\"hostname\" value=\"vm-01\"/>\n"
                                 "\t\t<property name=\"userdata.isencrypted\" value=\"true\"/>\n"
                                 "\t</properties>\n"
                                 "</workitem>\n");
}

TEST(WorkItemExport, PropertiesDocumentByteForByte)
{
    WorkItem item = Parsed(Example());
    EXPECT_EQ(PropertiesXml(item), "<properties>\n"
                                   "\t<property name=\"hostname\" value=\"vm-01\"/>\n"
                                   "\t<property name=\"userdata\" value=\"" +
                                       secret +
                                       "\"/>\n"
                                       "\t<property name=\"userdata.isencrypted\" value=\"true\"/>\n"
                                       "</properties>\n");
}

TEST(WorkItemExport, EmptyItems)
{
    WorkItem item = Parsed("<w id='1'><task type='T'/></w>");
    EXPECT_EQ(WorkitemXml(item), "<workitem id=\"1\" type=\"T\">\n\t<properties/>\n</workitem>\n");
    EXPECT_EQ(PropertiesXml(item), "<properties/>\n");
}

TEST(WorkItemExport, EscapedValuesReadBackUnchangedInKeyOrder)
{
    const std::string tricky = "a&b<c>\"d'\ne\rf\tg";
    WorkItem item = Parsed("<w><parameter name='z'>last</parameter><parameter name='m'>"
                           "a&amp;b&lt;c&gt;\"d'&#10;e&#13;f&#9;g"
                           "</parameter><parameter>nameless</parameter></w>");
    ASSERT_EQ(item.GetProperty("m"), tricky);

    Poco::XML::DOMParser parser;
    Poco::XML::AutoPtr<Poco::XML::Document> document = parser.parseString(PropertiesXml(item));
    Poco::XML::AutoPtr<Poco::XML::NodeList> list = document->getElementsByTagName("property");
    ASSERT_EQ(list->length(), 3u);
    const auto attribute = [&](unsigned long index, const std::string& name) {
        return static_cast<Poco::XML::Element*>(list->item(index))->getAttribute(name);
    };
    EXPECT_EQ(attribute(0, "name"), "");
    EXPECT_EQ(attribute(0, "value"), "nameless");
    EXPECT_EQ(attribute(1, "name"), "m");
    EXPECT_EQ(attribute(1, "value"), tricky);
    EXPECT_EQ(attribute(2, "name"), "z");
}

TEST(WorkItemExport, ValueXmlCannotCarryFailsBeforeWritingAndHidesTheValue)
{
    // What decryption under a wrong key gives: bytes that are neither UTF-8 nor XML characters.
    for (const std::string& bad : {std::string("bad\x01value"), std::string("bad\xffvalue"), std::string("cut\xc3")})
    {
        WorkItem item = Parsed("<w><parameter name='secret'>" + EncryptionHelpers_Encrypt(bad) +
                               "</parameter><parameter name='secret.isencrypted'/></w>");
        std::ostringstream out;
        try
        {
            item.ExportPropertiesAsXml(out);
            FAIL() << "no exception";
        }
        catch (const std::runtime_error& exc)
        {
            const std::string what = exc.what();
            EXPECT_NE(what.find("'secret'"), std::string::npos) << what;
            EXPECT_EQ(what.find("value\x01"), std::string::npos);
            EXPECT_EQ(what.find(bad), std::string::npos);
        }
        EXPECT_EQ(out.str(), "");
        // The work item document never holds the decrypted value, so it is not affected.
        EXPECT_NO_THROW(WorkitemXml(item));
    }
}

TEST(WorkItemExport, DecryptedValuesNeverLeaveThePropertiesDocument)
{
    WorkItem item = Parsed(Example());
    EXPECT_EQ(Dump(item).find(secret), std::string::npos);
    EXPECT_EQ(WorkitemXml(item).find(secret), std::string::npos);
    EXPECT_NE(PropertiesXml(item).find(secret), std::string::npos);
}
