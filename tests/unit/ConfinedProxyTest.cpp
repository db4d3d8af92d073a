// The agent's side of the confined network process, against children that lie: every message
// of the wrong shape or size, a child that hangs or crashes, is a failed exchange with the cause
// logged, the child killed and reaped, and the next exchange gets a new child. And the work item
// that crosses the socket comes out as the parser made it.
#include "ConfinedProxy.h"
#include "ChildChannel.h"
#include "EncryptionHelpers.h"
#include "ProxyMessage.h"
#include "WorkItem.h"

#include <Poco/AutoPtr.h>
#include <Poco/Channel.h>
#include <Poco/Logger.h>
#include <Poco/Message.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <memory>
#include <sstream>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
const std::string endpoint = "http://server.invalid/Ostrel2";

/// Keeps what is logged on a logger: "<priority>|<text>" per message.
class Recorder : public Poco::Channel
{
public:
    void log(const Poco::Message& message) override
    {
        lines += std::to_string(message.getPriority()) + "|" + message.getText() + "\n";
    }
    std::string lines;
};

/// A frame as the channel sends one: its length (4 bytes, least significant first), then `payload`.
std::string Frame(const std::string& payload)
{
    std::string frame;
    for (int shift = 0; shift < 32; shift += 8)
        frame += static_cast<char>((payload.size() >> shift) & 0xFF);
    return frame + payload;
}

std::string Frame(const ProxyMessage& message)
{
    return Frame(message.Bytes());
}

void WriteAll(int socket, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size())
    {
        const ssize_t sent = ::send(socket, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (sent <= 0)
            return;
        done += static_cast<std::size_t>(sent);
    }
}

/// A child that greets with time-outs of 100 ms, takes one request, answers with `bytes` as they
/// are and then waits for the agent to end it, or with `hangUp` ends at once.
ConfinedProxy::Body Answering(const std::string& bytes, bool hangUp = false)
{
    return [bytes, hangUp](int socket, pid_t) {
        ChildChannel channel(socket, false);
        channel.Send(ProxyMessage::Hello(100, 100));
        channel.Receive();
        WriteAll(socket, bytes);
        if (hangUp)
            return 0;
        try
        {
            for (;;)
                channel.Receive();
        }
        catch (const ChildChannel::Failure&)
        {
        }
        return 0;
    };
}

bool Exists(pid_t process)
{
    return process > 0 && (::kill(process, 0) == 0 || errno != ESRCH);
}

class ConfinedProxyTest : public ::testing::Test
{
protected:
    ConfinedProxyTest()
        : recorder(new Recorder)
    {
        Poco::Logger& logger = Poco::Logger::get("Application.Proxy");
        logger.setChannel(recorder);
        logger.setLevel(Poco::Message::PRIO_INFORMATION);
    }

    ~ConfinedProxyTest() override
    {
        Poco::Logger::get("Application.Proxy").setChannel(nullptr);
    }

    /// Asks a child that answers with `bytes` for work; expects a failed exchange whose logged
    /// cause holds `cause`, and no child left.
    void ExpectRefused(const std::string& bytes, const std::string& cause, bool hangUp = false)
    {
        recorder->lines.clear();
        ConfinedProxy proxy(Answering(bytes, hangUp), endpoint, 5000);
        proxy.Initialize();
        const pid_t child = proxy.ChildId();
        ASSERT_GT(child, 0);
        EXPECT_EQ(proxy.GetWorkItem("agent-1"), nullptr);
        EXPECT_NE(recorder->lines.find("3|The exchange with " + endpoint + " failed: "), std::string::npos)
            << recorder->lines;
        EXPECT_NE(recorder->lines.find(cause), std::string::npos) << recorder->lines;
        EXPECT_EQ(proxy.ChildId(), 0);
        EXPECT_FALSE(Exists(child)) << "the child " << child << " was left";
    }

    Poco::AutoPtr<Recorder> recorder;
};

ProxyMessage NoItemWithExtra()
{
    ProxyMessage message(ProxyMessage::Type::NoItem);
    message.PutNumber(0);
    return message;
}

ProxyMessage ItemWith(const std::vector<std::tuple<std::string, std::string, bool>>& properties,
                      const std::vector<std::string>& undecryptable = {})
{
    ProxyMessage message(ProxyMessage::Type::Item);
    message.PutText("wi-1");
    message.PutText("Setup");
    message.PutNumber(properties.size());
    for (const auto& property : properties)
    {
        message.PutText(std::get<0>(property));
        message.PutText(std::get<1>(property));
        message.PutByte(std::get<2>(property) ? 1 : 0);
    }
    message.PutNumber(undecryptable.size());
    for (const std::string& name : undecryptable)
        message.PutText(name);
    return message;
}
} // namespace

TEST(ProxyMessageItem, CrossesAsTheParserMadeIt)
{
    WorkItem parsed;
    parsed.Parse("<workitem id=\"wi-&amp;7\"><task type=\"Set up\"/>"
                 "<parameter name=\"HostName\">vm-01</parameter>"
                 "<parameter name=\"Secret\">" +
                 EncryptionHelpers_Encrypt("s3cret\n\"x\"") +
                 "</parameter><parameter name=\"Secret.IsEncrypted\">true</parameter>"
                 "<parameter name=\"Broken\">not base64!</parameter>"
                 "<parameter name=\"Broken.IsEncrypted\">true</parameter>"
                 "<parameter name=\"Empty\"></parameter><parameter>nameless</parameter></workitem>");
    ASSERT_EQ(parsed.UndecryptableProperties().size(), 1u);

    ProxyMessage received = ProxyMessage::FromBytes(ProxyMessage::Item(parsed).Bytes());
    const std::unique_ptr<WorkItem> rebuilt = received.TakeItem();
    EXPECT_EQ(rebuilt->id, parsed.id);
    EXPECT_EQ(rebuilt->task, parsed.task);
    EXPECT_EQ(rebuilt->AllProperties(), parsed.AllProperties());
    EXPECT_EQ(rebuilt->VisibleProperties(), parsed.VisibleProperties());
    EXPECT_EQ(rebuilt->UndecryptableProperties(), parsed.UndecryptableProperties());
    std::ostringstream before;
    std::ostringstream after;
    parsed.ExportWorkitemAsXml(before);
    parsed.ExportPropertiesAsXml(before);
    rebuilt->ExportWorkitemAsXml(after);
    rebuilt->ExportPropertiesAsXml(after);
    EXPECT_EQ(after.str(), before.str());
}

TEST(ProxyMessageItem, EveryCutOfAMessageIsRefused)
{
    WorkItem parsed;
    parsed.Parse("<workitem id=\"wi-1\"><task type=\"Setup\"/><parameter name=\"a\">1</parameter>"
                 "<parameter name=\"b\">x</parameter><parameter name=\"b.isencrypted\">true</parameter></workitem>");
    const std::string whole = ProxyMessage::Item(parsed).Bytes();
    for (std::size_t length = 1; length < whole.size(); ++length)
    {
        ProxyMessage cut = ProxyMessage::FromBytes(whole.substr(0, length));
        EXPECT_THROW(cut.TakeItem(), std::runtime_error) << "cut at " << length;
    }
    ProxyMessage longer = ProxyMessage::FromBytes(whole + "x");
    EXPECT_THROW(longer.TakeItem(), std::runtime_error);
}

TEST_F(ConfinedProxyTest, OversizedOrMalformedMessagesAreRefused)
{
    const std::string cases[][2] = {
        {std::string("\xff\xff\xff\x7f", 4), "an oversized message"},
        {std::string("\x01\x00\x00\x0a", 4), "an oversized message"},
        {Frame(""), "an empty message"},
        {Frame("\x63"), "a message of the unknown type 99"},
        {Frame(ProxyMessage::Outcome(Outbox::Delivery::Accepted, "")), "another type than a work item"},
        {Frame(NoItemWithExtra()), "left over"},
        {Frame(ItemWith({{"a", "1", true}, {"a", "2", true}})), "a property named twice"},
        {Frame(ItemWith({{"a", "", true}}, {"a"})), "no hidden, empty property"},
        {Frame(ItemWith({{"a", "1", false}}, {"a"})), "no hidden, empty property"},
        {Frame(ItemWith({{"a", "", false}}, {"b"})), "no hidden, empty property"},
        {Frame(ItemWith({{"a", "", false}}, {"a", "a"})), "out of bounds"},
        {Frame(ProxyMessage::Log(Poco::Message::PRIO_ERROR, "Elsewhere.Forged", "x")), "unknown logger"},
        {Frame(ProxyMessage::Log(0, "Application.Proxy", "x")), "without a priority"},
        {Frame(ProxyMessage::Log(9, "Application.Proxy", "x")), "out of bounds"},
    };
    for (const auto& entry : cases)
    {
        SCOPED_TRACE(entry[1]);
        ExpectRefused(entry[0], entry[1]);
    }
    ExpectRefused(Frame(std::string(100, '\x05')).substr(0, 20),
                  "the network process ended with status 0 (end of stream in the middle of a message)", true);
    ExpectRefused("", "the network process ended with status 0 (end of stream)", true);
}

TEST_F(ConfinedProxyTest, FlagOutOfBoundsIsRefused)
{
    ProxyMessage message(ProxyMessage::Type::Item);
    message.PutText("wi-1");
    message.PutText("Setup");
    message.PutNumber(1);
    message.PutText("a");
    message.PutText("1");
    message.PutByte(2);
    message.PutNumber(0);
    ExpectRefused(Frame(message), "a property flag out of bounds");
}

TEST_F(ConfinedProxyTest, ChildThatDoesNotAnswerIsKilledAtTheExchangesBound)
{
    ConfinedProxy proxy(Answering(""), endpoint, 300);
    proxy.Initialize();
    const pid_t child = proxy.ChildId();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(proxy.GetWorkItem("agent-1"), nullptr);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // The bound is the two time-outs the child announced and the margin: 0.5 s.
    EXPECT_GE(seconds, 0.45);
    EXPECT_LT(seconds, 20.0);
    EXPECT_NE(recorder->lines.find("failed: no answer within 500 ms; the network process was killed"),
              std::string::npos)
        << recorder->lines;
    EXPECT_FALSE(Exists(child));

    // A delivery that the child does not answer stays kept, with the cause as its reason.
    std::string reason;
    EXPECT_EQ(proxy.Deliver("<workItemResponse/>", reason), Outbox::Delivery::Kept);
    EXPECT_EQ(reason, "no answer within 500 ms; the network process was killed");
}

TEST_F(ConfinedProxyTest, CrashedChildIsAFailedExchangeAndTheNextGetsANewOne)
{
    // A child sees `crash` as it was when it was forked.
    bool crash = true;
    ConfinedProxy proxy(
        [&crash](int socket, pid_t) {
            ChildChannel channel(socket, false);
            channel.Send(ProxyMessage::Hello(100, 100));
            channel.Receive();
            if (crash)
                ::raise(SIGSEGV);
            channel.Send(ProxyMessage(ProxyMessage::Type::NoItem));
            channel.Receive();
            return 0;
        },
        endpoint, 5000);
    proxy.Initialize();
    const pid_t crashing = proxy.ChildId();
    EXPECT_EQ(proxy.GetWorkItem("agent-1"), nullptr);
    EXPECT_NE(recorder->lines.find("failed: the network process was killed by SIGSEGV"), std::string::npos)
        << recorder->lines;
    EXPECT_FALSE(Exists(crashing));
    EXPECT_EQ(proxy.ChildId(), 0);

    crash = false;
    recorder->lines.clear();
    EXPECT_EQ(proxy.GetWorkItem("agent-1"), nullptr);
    EXPECT_EQ(recorder->lines, "");
    EXPECT_GT(proxy.ChildId(), 0);
    EXPECT_NE(proxy.ChildId(), crashing);
}

TEST_F(ConfinedProxyTest, ChildThatCannotStartStopsTheStartWithItsText)
{
    ConfinedProxy proxy(
        [](int socket, pid_t) {
            ChildChannel channel(socket, false);
            channel.Send(ProxyMessage::Text(ProxyMessage::Type::StartFailed, "Error! axis2/axis2.xml: malformed"));
            return 1;
        },
        endpoint, 5000);
    try
    {
        proxy.Initialize();
        ADD_FAILURE() << "no exception";
    }
    catch (const std::runtime_error& error)
    {
        EXPECT_STREQ(error.what(), "Error! axis2/axis2.xml: malformed");
    }
    EXPECT_EQ(proxy.ChildId(), 0);
}

TEST_F(ConfinedProxyTest, ChildsLogIsLoggedHereWithoutForgedLines)
{
    ConfinedProxy proxy(Answering(Frame(ProxyMessage::Log(Poco::Message::PRIO_ERROR, "Application.Proxy",
                                                          "reason\nError|forged line\n\n\n\n")) +
                                  Frame(ProxyMessage::Log(Poco::Message::PRIO_DEBUG, "Application.Proxy", "quiet")) +
                                  Frame(ProxyMessage(ProxyMessage::Type::NoItem))),
                        endpoint, 5000);
    proxy.Initialize();
    EXPECT_EQ(proxy.GetWorkItem("agent-1"), nullptr);
    // The line breaks at the end stay as the agent's own messages have them; the debug message
    // is below the logger's level here as it would be in the child.
    EXPECT_EQ(recorder->lines, "3|reason\\nError|forged line\n\n\n\n\n");
}

TEST_F(ConfinedProxyTest, ParserErrorComesBackAsItsText)
{
    ConfinedProxy proxy(Answering(Frame(ProxyMessage::Text(ProxyMessage::Type::Error, "Syntax error at line 1"))),
                        endpoint, 5000);
    proxy.Initialize();
    try
    {
        delete proxy.GetWorkItem("agent-1");
        ADD_FAILURE() << "no exception";
    }
    catch (const std::runtime_error& error)
    {
        EXPECT_STREQ(error.what(), "Syntax error at line 1");
    }
    // An unreadable item is no failure of the child: it goes on serving.
    EXPECT_GT(proxy.ChildId(), 0);
    EXPECT_EQ(recorder->lines, "");
}

TEST_F(ConfinedProxyTest, DeliveryOutcomeAndItsBounds)
{
    {
        ConfinedProxy proxy(Answering(Frame(ProxyMessage::Outcome(Outbox::Delivery::Rejected, "HTTP 413"))), endpoint,
                            5000);
        proxy.Initialize();
        std::string reason;
        EXPECT_EQ(proxy.Deliver("<workItemResponse/>", reason), Outbox::Delivery::Rejected);
        EXPECT_EQ(reason, "HTTP 413");
    }
    {
        // "Set aside" is the outbox's own verdict, never an exchange's.
        ConfinedProxy proxy(Answering(Frame(ProxyMessage::Outcome(Outbox::Delivery::SetAside, ""))), endpoint, 5000);
        proxy.Initialize();
        const pid_t child = proxy.ChildId();
        std::string reason;
        EXPECT_EQ(proxy.Deliver("<workItemResponse/>", reason), Outbox::Delivery::Kept);
        EXPECT_EQ(reason.find("a malformed message: a number out of bounds"), 0u) << reason;
        EXPECT_FALSE(Exists(child));
    }
}
