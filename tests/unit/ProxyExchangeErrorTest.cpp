// A failed exchange must not fail the next one: without --name the agent asks for the
// byte-swapped UUID first, and a server that refuses that ID still has work for the other.
#include "Proxy.h"
#include "TempDirectory.h"
#include "WorkItem.h"
#include "test_peer.h"

#include <Poco/Logger.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace
{
const std::string faultReply = TestPeer::Envelope(
    "<soap:Fault xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><faultcode>soap:Client</faultcode>"
    "<faultstring>unknown agent</faultstring></soap:Fault>");
const std::string itemReply = TestPeer::Envelope(
    "<GetWorkItemResponse xmlns=\"http://orvex.example/Ostrel\"><GetWorkItemResult>"
    "&lt;workitem id=\"wi-2\"&gt;&lt;task type=\"Setup\"/&gt;&lt;/workitem&gt;</GetWorkItemResult></GetWorkItemResponse>");
} // namespace

TEST(ProxyExchangeError, RefusedFirstAgentIdDoesNotHideTheWorkOfTheSecond)
{
    Poco::Logger::get("Application.Proxy").setLevel(Poco::Message::PRIO_FATAL);
    std::atomic<int> served{0};
    TestPeer peer([&](TestPeer& self, Poco::Net::StreamSocket& socket) {
        const bool first = served++ == 0;
        TestPeer::Reply(first ? 500 : 200, first ? faultReply : itemReply)(self, socket);
    });
    TempDirectory work;
    Proxy proxy(work / "axis2", peer.Url(), work / "axis.log");
    proxy.Initialize();

    EXPECT_EQ(proxy.GetWorkItem("swizzled-id"), nullptr);
    const std::unique_ptr<WorkItem> item(proxy.GetWorkItem("uuid"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->id, "wi-2");
    EXPECT_EQ(peer.Requests().size(), 2u);
}
