// Checks the node-soap test server and its fixture from the outside, with a plain
// HTTP client, before any agent code is tested against them.
#include "SoapServer.h"

#include <Poco/AutoPtr.h>
#include <Poco/DOM/DOMParser.h>
#include <Poco/DOM/Document.h>
#include <Poco/DOM/Element.h>
#include <Poco/DOM/NodeList.h>
#include <Poco/File.h>
#include <Poco/JSON/Object.h>
#include <Poco/JSON/Parser.h>
#include <Poco/Net/Context.h>
#include <Poco/Net/HTTPClientSession.h>
#include <Poco/Net/HTTPRequest.h>
#include <Poco/Net/HTTPResponse.h>
#include <Poco/Net/HTTPSClientSession.h>
#include <Poco/Net/NetException.h>
#include <Poco/Net/SSLManager.h>
#include <Poco/Pipe.h>
#include <Poco/Process.h>
#include <Poco/StreamCopier.h>
#include <Poco/TemporaryFile.h>
#include <Poco/Timespan.h>
#include <Poco/URI.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace
{

const std::string kNs = "http://orvex.example/Ostrel";
const std::string kEnvNs = "http://schemas.xmlsoap.org/soap/envelope/";
const std::string kXsiNs = "http://www.w3.org/2001/XMLSchema-instance";
const std::string kGetWorkItemAction = "\"http://orvex.example/Ostrel/OstrelProxyAgent/GetWorkItem\"";

std::string GetWorkItemEnvelope(const std::string& agentId)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
           "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body>"
           "<o:GetWorkItem xmlns:o=\"" +
           kNs + "\"><o:agentID>" + agentId +
           "</o:agentID></o:GetWorkItem>"
           "</s:Body></s:Envelope>";
}

struct Reply
{
    int status = 0;
    std::string contentType;
    std::string body;
};

Reply Exchange(Poco::Net::HTTPClientSession& session, const std::string& method, const std::string& path,
               const std::string& soapAction, const std::string& body)
{
    Poco::Net::HTTPRequest req(method, path, Poco::Net::HTTPMessage::HTTP_1_1);
    if (method == Poco::Net::HTTPRequest::HTTP_POST)
    {
        req.setContentType("text/xml; charset=utf-8");
        req.set("SOAPAction", soapAction);
        req.setContentLength(static_cast<std::streamsize>(body.size()));
    }
    session.sendRequest(req) << body;
    Poco::Net::HTTPResponse resp;
    std::istream& in = session.receiveResponse(resp);
    Reply r;
    r.status = resp.getStatus();
    r.contentType = resp.getContentType();
    Poco::StreamCopier::copyToString(in, r.body);
    return r;
}

Reply Post(const SoapServer& server, const std::string& soapAction, const std::string& body, int timeoutSeconds = 10)
{
    Poco::Net::HTTPClientSession session("127.0.0.1", server.Port());
    session.setTimeout(Poco::Timespan(timeoutSeconds, 0));
    return Exchange(session, Poco::Net::HTTPRequest::HTTP_POST, "/Ostrel2", soapAction, body);
}

Poco::AutoPtr<Poco::XML::Document> Parse(const std::string& xml)
{
    Poco::XML::DOMParser parser; // namespace-aware: undeclared prefixes fail here
    return parser.parseString(xml);
}

// The only element of that name in the document, or null.
Poco::XML::Element* Only(Poco::XML::Document& doc, const std::string& ns, const std::string& local)
{
    Poco::AutoPtr<Poco::XML::NodeList> list = doc.getElementsByTagNameNS(ns, local);
    EXPECT_LE(list->length(), 1u) << local;
    return list->length() == 1 ? static_cast<Poco::XML::Element*>(list->item(0)) : nullptr;
}

TEST(SoapServer, StartsOnAFreePortServesTheWsdlAndDiesWithTheFixture)
{
    unsigned short port = 0;
    {
        SoapServer server;
        server.Start();
        port = server.Port();
        ASSERT_GT(port, 0);
        EXPECT_EQ(server.Uri(), "http://127.0.0.1:" + std::to_string(port) + "/Ostrel2");

        Poco::Net::HTTPClientSession session("127.0.0.1", port);
        const Reply wsdl = Exchange(session, Poco::Net::HTTPRequest::HTTP_GET, "/Ostrel2?wsdl", "", "");
        EXPECT_EQ(wsdl.status, 200);
        EXPECT_NE(wsdl.body.find("<wsdl:service name=\"ProxyAgentService\">"), std::string::npos);
    }
    Poco::Net::HTTPClientSession session("127.0.0.1", port);
    session.setTimeout(Poco::Timespan(2, 0));
    EXPECT_THROW(Exchange(session, Poco::Net::HTTPRequest::HTTP_GET, "/Ostrel2?wsdl", "", ""), Poco::Net::NetException);
}

TEST(SoapServer, WorkItemTravelsEscapedAndTheRequestIsRecorded)
{
    const std::string workItem = "<?xml version=\"1.0\"?><workitem id=\"1\">a &amp; b</workitem>";
    Poco::JSON::Object scenario;
    Poco::JSON::Object entry;
    entry.set("result", workItem);
    scenario.set("GetWorkItem", entry);
    std::ostringstream json;
    scenario.stringify(json);
    SoapServer server(json.str());
    server.Start();

    const std::string sent = GetWorkItemEnvelope("agent-7");
    const Reply reply = Post(server, kGetWorkItemAction, sent);
    ASSERT_EQ(reply.status, 200) << reply.body;
    EXPECT_NE(reply.body.find("&lt;workitem id=&quot;1&quot;&gt;a &amp;amp; b"), std::string::npos) << reply.body;
    auto doc = Parse(reply.body);
    Poco::XML::Element* result = Only(*doc, kNs, "GetWorkItemResult");
    ASSERT_NE(result, nullptr) << reply.body;
    EXPECT_EQ(result->innerText(), workItem);

    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].operation, "GetWorkItem");
    EXPECT_EQ(requests[0].soapAction, kGetWorkItemAction);
    EXPECT_EQ(requests[0].contentType, "text/xml; charset=utf-8");
    EXPECT_EQ(requests[0].body, sent);
    const auto args = Poco::JSON::Parser().parse(requests[0].args).extract<Poco::JSON::Object::Ptr>();
    EXPECT_EQ(args->getValue<std::string>("agentID"), "agent-7");
}

TEST(SoapServer, NilEmptyAndMissingResultsFollowTheScenarioOfTheMoment)
{
    SoapServer server(R"({"GetWorkItem": {"nil": true}})");
    server.Start();

    auto nil = Parse(Post(server, kGetWorkItemAction, GetWorkItemEnvelope("a")).body);
    Poco::XML::Element* result = Only(*nil, kNs, "GetWorkItemResult");
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->getAttributeNS(kXsiNs, "nil"), "true");

    server.SetScenario(R"({"GetWorkItem": {"empty": true}})");
    auto empty = Parse(Post(server, kGetWorkItemAction, GetWorkItemEnvelope("a")).body);
    result = Only(*empty, kNs, "GetWorkItemResult");
    ASSERT_NE(result, nullptr);
    EXPECT_FALSE(result->hasAttributeNS(kXsiNs, "nil"));
    EXPECT_EQ(result->innerText(), "");

    server.SetScenario("{}"); // GetWorkItem then answers without a result: no work
    auto missing = Parse(Post(server, kGetWorkItemAction, GetWorkItemEnvelope("a")).body);
    EXPECT_NE(Only(*missing, kNs, "GetWorkItemResponse"), nullptr);
    EXPECT_EQ(Only(*missing, kNs, "GetWorkItemResult"), nullptr);
    EXPECT_EQ(server.Requests().size(), 3u);
}

TEST(SoapServer, FaultIsASoap11FaultWithStatus500)
{
    SoapServer server(R"({"GetWorkItem": {"fault": {"code": "soap:Server", "string": "no <work>"}}})");
    server.Start();
    const Reply reply = Post(server, kGetWorkItemAction, GetWorkItemEnvelope("a"));
    EXPECT_EQ(reply.status, 500);
    auto doc = Parse(reply.body);
    Poco::XML::Element* fault = Only(*doc, kEnvNs, "Fault");
    ASSERT_NE(fault, nullptr) << reply.body;
    ASSERT_NE(fault->getChildElement("faultcode"), nullptr) << reply.body;
    EXPECT_EQ(fault->getChildElement("faultcode")->innerText(), "soap:Server");
    ASSERT_NE(fault->getChildElement("faultstring"), nullptr) << reply.body;
    EXPECT_EQ(fault->getChildElement("faultstring")->innerText(), "no <work>");
}

TEST(SoapServer, HttpStatusIsAPlainHttpError)
{
    SoapServer server(R"({"GetWorkItem": {"httpStatus": 503, "body": "Service Unavailable"}})");
    server.Start();
    const Reply reply = Post(server, kGetWorkItemAction, GetWorkItemEnvelope("a"));
    EXPECT_EQ(reply.status, 503);
    EXPECT_EQ(reply.body, "Service Unavailable");
    EXPECT_EQ(reply.contentType.find("xml"), std::string::npos);
}

TEST(SoapServer, HangNeverAnswersButIsRecorded)
{
    SoapServer server(R"({"GetWorkItem": {"hang": true}})");
    server.Start();
    EXPECT_THROW(Post(server, kGetWorkItemAction, GetWorkItemEnvelope("a"), 1), Poco::TimeoutException);
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0].operation, "GetWorkItem");
}

TEST(SoapServer, ServesHttpsWithTheGivenCertificate)
{
    const std::string dir = Poco::TemporaryFile::tempName();
    Poco::File(dir).createDirectories();
    Poco::TemporaryFile::registerForDeletion(dir);
    const std::string cert = dir + "/cert.pem";
    const std::string key = dir + "/key.pem";
    Poco::Pipe quiet; // openssl's progress dots would only clutter the test log
    const int rc =
        Poco::Process::launch("openssl",
                              {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj", "/CN=127.0.0.1",
                               "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", key, "-out", cert},
                              nullptr, nullptr, &quiet)
            .wait();
    ASSERT_EQ(rc, 0) << "the openssl command failed to make a test certificate";

    SoapServer server(R"({"GetWorkItem": {"result": "<workitem id=\"2\"/>"}})", cert, key);
    server.Start();
    ASSERT_EQ(server.Uri().rfind("https://127.0.0.1:", 0), 0u) << server.Uri();

    Poco::Net::initializeSSL();
    Poco::Net::Context::Ptr context =
        new Poco::Net::Context(Poco::Net::Context::TLS_CLIENT_USE, "", "", cert, Poco::Net::Context::VERIFY_RELAXED);
    Poco::Net::HTTPSClientSession session("127.0.0.1", server.Port(), context);
    session.setTimeout(Poco::Timespan(10, 0));
    const Reply reply =
        Exchange(session, Poco::Net::HTTPRequest::HTTP_POST, "/Ostrel2", kGetWorkItemAction, GetWorkItemEnvelope("t"));
    ASSERT_EQ(reply.status, 200) << reply.body;
    auto doc = Parse(reply.body);
    Poco::XML::Element* result = Only(*doc, kNs, "GetWorkItemResult");
    ASSERT_NE(result, nullptr) << reply.body;
    EXPECT_EQ(result->innerText(), "<workitem id=\"2\"/>");
    Poco::Net::uninitializeSSL();
}

} // namespace
