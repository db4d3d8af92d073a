// Client programs written the way Axis2/C's own samples are (echo, fault,
// math) and a client of a stub in the shape Axis2/C's code generator writes
// (proxy_agent_client), built against the engine and run as separate
// processes against the node-soap services: what a program written for
// Axis2/C gets from this engine, and what went over the wire. The same tests
// run the programs built in the tree and those built from an installation of
// the engine with pkg-config (CLIENTS_DIR).
#include "SoapServer.h"
#include "TempDirectory.h"

#include <Poco/Pipe.h>
#include <Poco/PipeStream.h>
#include <Poco/Process.h>
#include <Poco/StreamCopier.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

struct ProgramRun
{
    int status;
    std::string output;
};

class ClientPrograms : public ::testing::Test
{
protected:
    void
    SetUp() override
    {
        server.Start();
    }

    std::string
    Service(const std::string &name) const
    {
        return "http://127.0.0.1:" + std::to_string(server.Port()) + "/axis2/services/" + name;
    }

    // Runs a client program in a fresh working directory with AXIS2C_HOME set (to the test's
    // client home unless `clientHome` is given).
    ProgramRun
    Start(const std::string &program, const std::vector<std::string> &args,
          const std::string &clientHome = "")
    {
        Poco::Pipe out;
        Poco::Process::Env environment{
            {"AXIS2C_HOME", clientHome.empty() ? home.Path() : clientHome}};
        Poco::ProcessHandle handle =
            Poco::Process::launch(std::string(CLIENTS_DIR) + "/" + program, args, work.Path(),
                                  nullptr, &out, &out, environment);
        Poco::PipeInputStream stream(out);
        std::string output;
        Poco::StreamCopier::copyToString(stream, output);
        return {handle.wait(), output};
    }

    SoapServer server;
    TempDirectory home;
    TempDirectory work;
};

TEST_F(ClientPrograms, EchoOverSoap11)
{
    const ProgramRun run = Start("echo_client", {Service("echo"), "11", "Hello <World> & all"});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("echoed: Hello <World> & all\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("addressing not engaged: Module not available"), std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("robust ping delivered"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("fire-and-forget ping sent (error 0)"), std::string::npos)
        << run.output;

    const std::vector<SoapServer::Request> requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].operation, "echoString");
    EXPECT_EQ(requests[0].soapAction, "\"http://example.org/samples/echoString\"");
    EXPECT_EQ(requests[0].contentType.rfind("text/xml", 0), 0u) << requests[0].contentType;
    EXPECT_NE(requests[0].body.find("Hello &lt;World&gt; &amp; all"), std::string::npos)
        << requests[0].body;
    EXPECT_EQ(requests[1].operation, "ping");
    EXPECT_EQ(requests[2].operation, "ping");
}

TEST_F(ClientPrograms, EchoOverSoap12)
{
    const ProgramRun run = Start("echo_client", {Service("echo12"), "12", "over SOAP 1.2"});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("echoed: over SOAP 1.2\n"), std::string::npos) << run.output;

    const std::vector<SoapServer::Request> requests = server.Requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(
        requests[0].contentType,
        "application/soap+xml; charset=utf-8; action=\"http://example.org/samples/echoString\"");
    EXPECT_EQ(requests[0].soapAction, "");
    EXPECT_NE(requests[0].body.find("\"http://www.w3.org/2003/05/soap-envelope\""),
              std::string::npos);
}

TEST_F(ClientPrograms, EchoToAServerThatIsGoneFails)
{
    const ProgramRun run =
        Start("echo_client", {"http://127.0.0.1:9/axis2/services/echo", "12", "x"});
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find("echo client invoke FAILED: Could not connect to the server"),
              std::string::npos)
        << run.output;
}

TEST_F(ClientPrograms, Soap11FaultThroughTheFaultAccessors)
{
    const ProgramRun run =
        Start("fault_client", {Service("math"), "11", "http://example.org/samples/div", "div",
                               "param1=3", "param2=0"});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("fault received (SOAP 1.1, node is the Fault)\n"
                              "code: soap:Client\n"
                              "reason: division by zero\n"
                              "detail: param2 is 0\n"
                              "error 76: HTTP transport error: SOAP fault (HTTP 500"),
              std::string::npos)
        << run.output;
}

TEST_F(ClientPrograms, Soap12FaultThroughTheFaultAccessors)
{
    const ProgramRun run =
        Start("fault_client", {Service("echo12"), "12", "http://example.org/samples/echoString",
                               "echoString", "text=fault"});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("fault received (SOAP 1.2, node is the Fault)\n"
                              "code: soap:Sender\n"
                              "reason: echo refuses the word fault\n"),
              std::string::npos)
        << run.output;
}

TEST_F(ClientPrograms, MathStubBuiltWithTheXmlWriter)
{
    ProgramRun run = Start("math_client", {Service("math"), "add", "3", "4.5"});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("add 3 4.5 = 7.5\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(
                  "reply: <addResponse xmlns=\"http://example.org/samples\"><result>7.5</result>"
                  "</addResponse>"),
              std::string::npos)
        << run.output;
    const std::vector<SoapServer::Request> requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_NE(requests[0].body.find(
                  "<ns1:add xmlns:ns1=\"http://example.org/samples\"><ns1:param1>3</ns1:param1>"
                  "<ns1:param2>4.5</ns1:param2></ns1:add>"),
              std::string::npos)
        << requests[0].body;

    run = Start("math_client", {Service("math"), "div", "1", "0"});
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(
        run.output.find("math client invoke FAILED: HTTP transport error: SOAP fault (HTTP 500"),
        std::string::npos)
        << run.output;
}

TEST_F(ClientPrograms, ClientHomeNamingAMissingFileIsAnError)
{
    home.Write("axis2.xml", "<axisconfig name=\"Axis2/C\"/>");
    const ProgramRun run =
        Start("math_client", {Service("math"), "add", "1", "2"}, home / "no-such-axis2.xml");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find("Client configuration file (axis2.xml) not found: " +
                              (home / "no-such-axis2.xml")),
              std::string::npos)
        << run.output;
    EXPECT_EQ(Start("math_client", {Service("math"), "add", "1", "2"}, home / "axis2.xml").status,
              0);
    EXPECT_EQ(Start("math_client", {Service("math"), "add", "1", "2"}).status, 0);
}

TEST_F(ClientPrograms, GeneratedStubGetsTheHostStatus)
{
    const ProgramRun run =
        Start("proxy_agent_client", {server.Uri(), "GetHostStatus", "vm-17 <&>"});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, "GetHostStatus(vm-17 <&>) = vm-17 <&>\n");

    // The operation object's request as the service expects it: its SOAP action, the binding's
    // element with the text escaped, and node-soap's reading of it.
    const std::vector<SoapServer::Request> requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].operation, "GetHostStatus");
    EXPECT_EQ(requests[0].soapAction,
              "\"http://orvex.example/Ostrel/OstrelProxyAgent/GetHostStatus\"");
    EXPECT_NE(requests[0].body.find("<n:GetHostStatus xmlns:n=\"http://orvex.example/Ostrel\">"
                                    "<n:hostName>vm-17 &lt;&amp;&gt;</n:hostName>"
                                    "</n:GetHostStatus>"),
              std::string::npos)
        << requests[0].body;
    EXPECT_EQ(requests[0].args, "{\"hostName\":\"vm-17 <&>\"}");
}

TEST_F(ClientPrograms, GeneratedStubGetsTheWorkItemOrNone)
{
    const std::string item = "<workItem id=\"7\"><task>a &amp; b</task></workItem>";
    server.SetScenario(SoapServer::WorkItemScenario(item));
    ProgramRun run = Start("proxy_agent_client", {server.Uri(), "GetWorkItem", "agent-1"});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, "GetWorkItem(agent-1) = " + item + "\n");

    server.SetScenario(R"({"GetWorkItem": {"nil": true}})");
    run = Start("proxy_agent_client", {server.Uri(), "GetWorkItem", "agent-1"});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, "GetWorkItem(agent-1) = (none)\n");

    server.SetScenario("{}"); // no work: the response element without a child
    run = Start("proxy_agent_client", {server.Uri(), "GetWorkItem", "agent-1"});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, "GetWorkItem(agent-1) = (none)\n");

    const std::vector<SoapServer::Request> requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].operation, "GetWorkItem");
    EXPECT_EQ(requests[0].args, "{\"agentID\":\"agent-1\"}");
}

TEST_F(ClientPrograms, GeneratedStubReportsFaultsAndUnexpectedReplies)
{
    server.SetScenario(
        R"({"GetHostStatus": {"fault": {"code": "soap:Server", "string": "host store offline"}}})");
    ProgramRun run = Start("proxy_agent_client", {server.Uri(), "GetHostStatus", "vm-17"});
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_EQ(run.output.rfind("GetHostStatus invoke FAILED (error 76): HTTP transport error: SOAP "
                               "fault (HTTP 500",
                               0),
              0u)
        << run.output;
    EXPECT_NE(run.output.find("host store offline"), std::string::npos) << run.output;

    // A reply whose body is not the operation's response: the binding refuses it and the stub
    // logs why, through the engine's log.
    server.SetScenario(
        R"({"GetHostStatus": {"raw": "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body><Other xmlns=\"http://orvex.example/Ostrel\"/></s:Body></s:Envelope>"}})");
    run = Start("proxy_agent_client", {server.Uri(), "GetHostStatus", "vm-17"});
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_EQ(run.output.rfind("GetHostStatus invoke FAILED", 0), 0u) << run.output;
    const std::string log = TempDirectory::Read(work / "proxy_agent_client.log");
    EXPECT_NE(log.find("Failed in building adb object for GetHostStatusResponse : Expected "
                       "GetHostStatusResponse|http://orvex.example/Ostrel but returned "
                       "Other|http://orvex.example/Ostrel"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("NULL returned from the GetHostStatusResponse_deserialize"),
              std::string::npos)
        << log;
}

} // namespace
