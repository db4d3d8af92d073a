// How the proxy judges the server's reply to a report, for the replies the test SOAP server cannot
// make: SOAP 1.2 codes, refined fault codes and the HTTP statuses between the obvious ones.
#include "Proxy.h"
#include "TempDirectory.h"
#include "test_peer.h"

#include <Poco/Logger.h>

#include <gtest/gtest.h>

namespace
{
std::string Fault11(const std::string& code)
{
    return TestPeer::Envelope("<s:Fault><faultcode>" + code + "</faultcode><faultstring>why</faultstring></s:Fault>");
}

std::string Fault12(const std::string& code)
{
    return "<e:Envelope xmlns:e=\"http://www.w3.org/2003/05/soap-envelope\"><e:Body><e:Fault><e:Code><e:Value>" + code +
           "</e:Value></e:Code><e:Reason><e:Text xml:lang=\"en\">why</e:Text></e:Reason></e:Fault></e:Body>"
           "</e:Envelope>";
}

struct Case
{
    int status;
    std::string body;
    Outbox::Delivery expected;
};
} // namespace

TEST(ProxyDelivery, ReplyDecidesWhetherTheReportIsTakenKeptOrRefused)
{
    Poco::Logger::get("Application.Proxy").setLevel(Poco::Message::PRIO_FATAL);
    using Delivery = Outbox::Delivery;
    const Case cases[] = {
        {200, TestPeer::Envelope("<WorkItemCompleteResponse xmlns=\"http://orvex.example/Ostrel\"/>"),
         Delivery::Accepted},
        {204, "", Delivery::Accepted},
        {200, TestPeer::Envelope(" "), Delivery::Accepted},
        {200, TestPeer::Envelope("<WorkItemCompleteResponse/>"), Delivery::Kept},
        {200, "<html>login</html>", Delivery::Kept},
        {500, Fault11("soap:Server.Database"), Delivery::Kept},
        {500, Fault11(" Server "), Delivery::Kept},
        {500, Fault12("e:Receiver"), Delivery::Kept},
        {200, Fault11("soap:Server"), Delivery::Kept},
        {500, Fault11("soap:Client.Authentication"), Delivery::Rejected},
        {500, Fault12("e:Sender"), Delivery::Rejected},
        {500, Fault11("soap:VersionMismatch"), Delivery::Rejected},
        {500, Fault11("soap:MustUnderstand"), Delivery::Rejected},
        {400, Fault11("soap:Server"), Delivery::Kept},
        {404, "not here", Delivery::Rejected},
        {401, "", Delivery::Rejected},
        {408, "", Delivery::Kept},
        {429, "slow down", Delivery::Kept},
        {301, "", Delivery::Kept},
        {502, "", Delivery::Kept},
        {500, TestPeer::Envelope("<WorkItemCompleteResponse xmlns=\"http://orvex.example/Ostrel\"/>"), Delivery::Kept},
    };
    TempDirectory work;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.status) + " " + c.body);
        TestPeer peer(TestPeer::Reply(c.status, c.body));
        Proxy proxy(work / "axis2", peer.Url(), work / "axis.log");
        proxy.Initialize();
        std::string reason;
        EXPECT_EQ(proxy.Deliver("<workItemResponse id=\"wi-1\"/>", reason), c.expected);
        EXPECT_EQ(reason.empty(), c.expected == Delivery::Accepted) << reason;
        EXPECT_EQ(peer.Requests().size(), 1u);
    }
}
