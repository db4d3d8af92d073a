// The agent in network mode against a real SOAP stack: node-soap serving the project's WSDL.
#include "AgentFixture.h"
#include "EncryptionHelpers.h"
#include "RefusingPort.h"
#include "SoapServer.h"

#include <Poco/DOM/AutoPtr.h>
#include <Poco/DOM/DOMParser.h>
#include <Poco/DOM/Document.h>
#include <Poco/DOM/NodeList.h>

#include <chrono>
#include <cstdlib>

namespace
{
const std::string serviceNamespace = "http://orvex.example/Ostrel";
const std::string canary = "canary-N3tw0rk-secret";

/// The text of the first element `name` of the service namespace in a recorded request body.
std::string ElementText(const std::string& body, const std::string& name)
{
    Poco::XML::DOMParser parser;
    Poco::XML::AutoPtr<Poco::XML::Document> document = parser.parseString(body);
    Poco::XML::AutoPtr<Poco::XML::NodeList> list = document->getElementsByTagNameNS(serviceNamespace, name);
    return list->length() ? list->item(0)->innerText() : "<absent>";
}

class NetworkMode : public AgentFixture
{
protected:
    /// Runs the agent against `server` with --name `agent` and the script root.
    AgentResult RunAgainst(const std::string& host, const std::vector<std::string>& more = {},
                           const std::string& agent = "agent-1")
    {
        std::vector<std::string> arguments{"--host", host, "--name", agent, "--script", "scripts"};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return Run(arguments);
    }

    static std::string Host(const SoapServer& server)
    {
        return "127.0.0.1:" + std::to_string(server.Port());
    }

    void ExpectFourErrorLines(const std::string& endpoint)
    {
        const std::string log = Log();
        EXPECT_NE(log.find("Error|\n\n\n\n\n"), std::string::npos) << log;
        EXPECT_NE(log.find("Error|Error returned by axis2: "), std::string::npos) << log;
        EXPECT_TRUE(Logged("Error", "This error code may indicate an incorrect endpoint address " + endpoint +
                                        ", or a certificate issue."))
            << log;
        EXPECT_NE(log.find("Error|Consult axis2 log file at axis2/logs for more detail\n\n\n\n\n"), std::string::npos);
    }
};
} // namespace

TEST_F(NetworkMode, WorkItemIsFetchedRunAndReported)
{
    Script("Setup/01_run.sh", "cp properties.xml ../seen.xml\necho 'from the script' >> tarvellog.txt\n");
    SoapServer server(SoapServer::WorkItemScenario(WorkItemXml(
        "wi-7", "Setup",
        {{"HostName", "vm-01"}, {"Secret", EncryptionHelpers_Encrypt(canary)}, {"Secret.IsEncrypted", "true"}})));
    server.Start();
    const AgentResult result = RunAgainst(Host(server));
    EXPECT_EQ(result.status, 0) << Log();

    const std::vector<SoapServer::Request> requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].operation, "GetWorkItem");
    EXPECT_EQ(requests[0].soapAction, "\"http://orvex.example/Ostrel/OstrelProxyAgent/GetWorkItem\"");
    EXPECT_EQ(requests[0].contentType, "text/xml; charset=utf-8");
    EXPECT_EQ(ElementText(requests[0].body, "agentID"), "agent-1");
    EXPECT_EQ(requests[1].operation, "WorkItemComplete");
    EXPECT_EQ(requests[1].soapAction, "\"http://orvex.example/Ostrel/OstrelProxyAgent/WorkItemComplete\"");
    EXPECT_EQ(ElementText(requests[1].body, "response"), "<workItemResponse id=\"wi-7\">\n"
                                                         "\t<task type=\"Setup\">\n"
                                                         "\t\t<result succeeded=\"true\">\n"
                                                         "\t\t\t<message/>\n"
                                                         "\t\t</result>\n"
                                                         "\t</task>\n"
                                                         "</workItemResponse>\n");

    EXPECT_NE(Read("scripts/seen.xml").find(canary), std::string::npos);
    EXPECT_TRUE(Logged("Information", "The Orvex endpoint is http://" + Host(server) + "/Ostrel2."));
    EXPECT_TRUE(Logged("Information", "from the script"));
    EXPECT_TRUE(Logged("Information", "Successfully sent the work item response for id=wi-7"));
    for (const std::string& text : {Log(), Read("tarvel-axis.log"), result.out, result.err,
                                    Read("scripts/workitem.xml"), requests[0].body, requests[1].body})
        EXPECT_EQ(text.find(canary), std::string::npos);
}

TEST_F(NetworkMode, FinalStageEndsTheRunWith255)
{
    Script("Setup/01_run.sh", "true\n");
    work.Write("conf/config.xml", "<stages><stage id='Setup'>True</stage></stages>");
    SoapServer server(SoapServer::WorkItemScenario(WorkItemXml("wi-11", "Setup")));
    server.Start();
    const AgentResult result = RunAgainst(Host(server));
    EXPECT_EQ(result.status, 255) << Log();
    EXPECT_TRUE(Logged("Information", "found termination node"));
    EXPECT_TRUE(Logged("Information", "Successfully sent the work item response for id=wi-11"));
}

TEST_F(NetworkMode, AgentIdWithMarkupArrivesIntact)
{
    SoapServer server;
    server.Start();
    const AgentResult result = RunAgainst(Host(server), {}, "a&b<c>\"d'");
    EXPECT_EQ(result.status, 1);
    const std::vector<SoapServer::Request> requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(ElementText(requests[0].body, "agentID"), "a&b<c>\"d'");
}

TEST_F(NetworkMode, EncodingDeclarationOfTheWorkItemIsIgnored)
{
    work.Write("scripts/Setup/.keep", "");
    std::string item = WorkItemXml("wi-8", "Setup", {{"Note", "encoding=\"x\" stays"}});
    item.replace(item.find("encoding=\"UTF-8\""), 16, "encoding=\"utf-16\"");
    SoapServer server(SoapServer::WorkItemScenario(item));
    server.Start();
    const AgentResult result = RunAgainst(Host(server));
    EXPECT_EQ(result.status, 0) << Log();
    EXPECT_TRUE(Logged("Information", "note -> encoding=\"x\" stays")) << Log();
}

TEST_F(NetworkMode, NoWorkItemInEveryForm)
{
    SoapServer server;
    server.Start();
    for (const std::string scenario : {"{\"GetWorkItem\": {\"missing\": true}}", "{\"GetWorkItem\": {\"nil\": true}}",
                                       "{\"GetWorkItem\": {\"empty\": true}}"})
    {
        Remove("agent.log");
        server.SetScenario(scenario);
        const AgentResult result = RunAgainst(Host(server));
        EXPECT_EQ(result.status, 1) << scenario;
        EXPECT_NE(Log().find("Information|No workitem currently available\n\n\n\n\n"), std::string::npos) << Log();
        EXPECT_EQ(Log().find("Error|"), std::string::npos) << Log();
    }
}

TEST_F(NetworkMode, NoServerListening)
{
    const RefusingPort refusing;
    const std::string host = "127.0.0.1:" + std::to_string(refusing.Port());
    const AgentResult result = RunAgainst(host);
    EXPECT_EQ(result.status, 1);
    ExpectFourErrorLines("http://" + host + "/Ostrel2");
}

TEST_F(NetworkMode, FaultAndHttpErrorAreFailedExchanges)
{
    SoapServer server;
    server.Start();
    for (const std::string scenario :
         {"{\"GetWorkItem\": {\"fault\": {\"code\": \"soap:Server\", \"string\": \"database down\"}}}",
          "{\"GetWorkItem\": {\"httpStatus\": 500, \"body\": \"oops\"}}", "{\"GetWorkItem\": {\"garbage\": true}}"})
    {
        Remove("agent.log");
        server.SetScenario(scenario);
        const AgentResult result = RunAgainst(Host(server));
        EXPECT_EQ(result.status, 1) << scenario;
        ExpectFourErrorLines(server.Uri());
    }
}

TEST_F(NetworkMode, SilentServerIsAbandonedAfterTheTimeout)
{
    work.Write("axis2/axis2.xml",
               "<axisconfig name=\"Axis2/C\"><parameter name=\"SO_TIMEOUT\">1500</parameter></axisconfig>");
    SoapServer server("{\"GetWorkItem\": {\"hang\": true}}");
    server.Start();
    const auto start = std::chrono::steady_clock::now();
    const AgentResult result = RunAgainst(Host(server));
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(result.status, 1);
    // The bound is the point: an order of magnitude above the time-out, for a loaded machine.
    EXPECT_LT(seconds, 15.0);
    ExpectFourErrorLines(server.Uri());
}

TEST_F(NetworkMode, MalformedClientHomeStopsTheStart)
{
    work.Write("axis2/axis2.xml", "<axisconfig name=\"Axis2/C\"><parameter name=\"SO_TIMEOUT\">soon</parameter>");
    SoapServer server;
    server.Start();
    const AgentResult result = RunAgainst(Host(server));
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(Log().find("Error|Error! "), std::string::npos) << Log();
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(NetworkMode, FailedCompletionIsKeptAndKeepsTheStatus)
{
    work.Write("scripts/Setup/.keep", "");
    SoapServer server(
        SoapServer::WorkItemScenario(WorkItemXml("wi-9", "Setup"), "{\"httpStatus\": 503, \"body\": \"busy\"}"));
    server.Start();
    const AgentResult result = RunAgainst(Host(server));
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(
        Log().find(
            "Warning|The work item response for id=wi-9 did not reach the server (HTTP transport error: HTTP 503"),
        std::string::npos)
        << Log();
    EXPECT_EQ(Log().find("Successfully sent"), std::string::npos) << Log();
    EXPECT_EQ(server.Requests().size(), 2u);
    EXPECT_EQ(StateFiles("outbox").size(), 1u);
}

TEST_F(NetworkMode, HttpsNeedsTheServersCertificate)
{
    // A private CA and a server certificate for localhost, made for this test.
    const std::string make =
        "cd '" + work.Path() +
        "' && "
        "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=TestCA -keyout ca.key -out ca.pem 2>/dev/null && "
        "openssl req -newkey rsa:2048 -nodes -subj /CN=localhost -keyout server.key -out server.csr 2>/dev/null && "
        "printf 'subjectAltName=DNS:localhost,IP:127.0.0.1\\n' > san.ext && "
        "openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile san.ext "
        "-out server.pem 2>/dev/null";
    ASSERT_EQ(std::system(make.c_str()), 0);
    work.Write("scripts/Setup/.keep", "");
    SoapServer server(SoapServer::WorkItemScenario(WorkItemXml("wi-10", "Setup")), work / "server.pem",
                      work / "server.key");
    server.Start();
    const std::string host = "localhost:" + std::to_string(server.Port());

    AgentResult result = RunAgainst(host, {"--ssl"});
    EXPECT_EQ(result.status, 1);
    ExpectFourErrorLines("https://" + host + "/Ostrel2");
    EXPECT_TRUE(server.Requests().empty());

    work.Write("axis2/axis2.xml", "<axisconfig name=\"Axis2/C\"><transportSender name=\"https\">"
                                  "<parameter name=\"SERVER_CERT\">" +
                                      (work / "ca.pem") + "</parameter></transportSender></axisconfig>");
    Remove("agent.log");
    result = RunAgainst(host, {"--ssl"});
    EXPECT_EQ(result.status, 0) << Log();
    EXPECT_EQ(server.Requests().size(), 2u);
}
