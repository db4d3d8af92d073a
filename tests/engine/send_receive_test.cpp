// SOAP exchanges over plain HTTP against a scripted peer: the request on
// the wire, the reply handling for every kind of answer, and the bounds on
// waiting for a peer that does not answer properly.
#include "RefusingPort.h"
#include "engine_test_support.h"
#include "test_peer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace
{

long MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}

class SendReceive : public ::testing::Test
{
protected:
    // Stub for `url` with an optional axis2.xml content in its client home.
    axis2_stub_t* MakeStub(const std::string& url, const std::string& config = "")
    {
        if (!config.empty())
            home.Write("axis2.xml", config);
        axis2_endpoint_ref_t* endpoint = axis2_endpoint_ref_create(holder.env, url.c_str());
        axis2_stub_t* stub =
            axis2_stub_create_with_endpoint_ref_and_client_home(holder.env, endpoint, home.path.c_str());
        if (!stub)
            axis2_endpoint_ref_free(endpoint, holder.env);
        return stub;
    }

    axiom_node_t* Payload(const char* agent = "agent-1")
    {
        axiom_node_t* root = nullptr;
        axiom_node_t* child = nullptr;
        axiom_namespace_t* ns = axiom_namespace_create(env(), "http://x/Ostrel", "n");
        axiom_element_create(env(), nullptr, "GetWorkItem", ns, &root);
        axiom_element_t* id = axiom_element_create(env(), root, "agentID", ns, &child);
        axiom_element_set_text(id, env(), agent, child);
        return root;
    }

    // One exchange with the SOAP action set the way generated stubs do it.
    axiom_node_t* Call(axis2_stub_t* stub, const char* action = "http://x/Ostrel/GetWorkItem")
    {
        axis2_options_t* options = OptionsOf(stub, env());
        axutil_string_t* soapAction = action ? axutil_string_create(env(), action) : nullptr;
        axis2_options_set_soap_action(options, env(), soapAction);
        axis2_options_set_soap_version(options, env(), AXIOM_SOAP11);
        axiom_node_t* reply = axis2_svc_client_send_receive_with_op_qname(axis2_stub_get_svc_client(stub, env()), env(),
                                                                          nullptr, Payload());
        axis2_options_set_soap_action(options, env(), nullptr);
        axis2_options_set_action(options, env(), nullptr);
        if (soapAction)
            axutil_string_free(soapAction, env());
        return reply;
    }

    const axutil_env_t* env() const
    {
        return holder.env;
    }

    EnvHolder holder;
    TempDir home;
};

TEST_F(SendReceive, PostsSoap11EnvelopeAndReturnsFirstBodyElement)
{
    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("\n <r:GetWorkItemResponse xmlns:r=\"http://x/Ostrel\">"
                                                          "<r:GetWorkItemResult>&lt;item/&gt;</r:GetWorkItemResult>"
                                                          "</r:GetWorkItemResponse>")));
    axis2_stub_t* stub = MakeStub(peer.Url());
    ASSERT_NE(nullptr, stub);
    axiom_node_t* reply = Call(stub);
    ASSERT_NE(nullptr, reply);
    EXPECT_EQ(AXIS2_ERROR_NONE, holder.Number());
    auto* element = static_cast<axiom_element_t*>(axiom_node_get_data_element(reply, env()));
    EXPECT_STREQ("GetWorkItemResponse", axiom_element_get_localname(element, env()));
    axiom_node_t* resultNode = nullptr;
    axiom_element_t* result = axiom_element_get_first_element(element, env(), reply, &resultNode);
    EXPECT_STREQ("<item/>", axiom_element_get_text(result, env(), resultNode));
    EXPECT_EQ(200, axis2_svc_client_get_http_status_code(axis2_stub_get_svc_client(stub, env()), env()));

    std::vector<std::string> requests = peer.Requests();
    ASSERT_EQ(1u, requests.size());
    const std::string& request = requests[0];
    EXPECT_EQ(0u, request.find("POST /Ostrel2 HTTP/1.1\r\n"));
    EXPECT_NE(std::string::npos, request.find("\r\nContent-Type: text/xml; charset=utf-8\r\n"));
    EXPECT_NE(std::string::npos, request.find("\r\nSOAPAction: \"http://x/Ostrel/GetWorkItem\"\r\n"));
    std::string body = request.substr(request.find("\r\n\r\n") + 4);
    EXPECT_NE(std::string::npos,
              body.find("<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\">"));
    EXPECT_NE(std::string::npos, body.find("<soapenv:Body><n:GetWorkItem xmlns:n=\"http://x/Ostrel\"><n:agentID>agent-1"
                                           "</n:agentID></n:GetWorkItem></soapenv:Body></soapenv:Envelope>"));
    axis2_stub_free(stub, env());
}

TEST_F(SendReceive, EmptySoapActionIsSentAsEmptyQuotes)
{
    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<r/>")));
    axis2_stub_t* stub = MakeStub(peer.Url());
    ASSERT_NE(nullptr, Call(stub, nullptr));
    EXPECT_NE(std::string::npos, peer.Requests().at(0).find("\r\nSOAPAction: \"\"\r\n"));
    axis2_stub_free(stub, env());
}

TEST_F(SendReceive, ReplyStaysValidUntilNextExchangeAndErrorNumberIsNotReset)
{
    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<first>1</first>")));
    axis2_stub_t* stub = MakeStub(peer.Url());
    // A caller inspects the number after the call: success must not clear it.
    AXIS2_ERROR_SET(holder.env->error, AXIS2_ERROR_INVALID_NULL_PARAM, AXIS2_FAILURE);
    axiom_node_t* first = Call(stub);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(AXIS2_ERROR_INVALID_NULL_PARAM, holder.Number());
    EXPECT_EQ("<first>1</first>", ToString(env(), first));
    ASSERT_NE(nullptr, Call(stub));
    // A reply node sent on as the next payload survives the reply's release.
    axis2_svc_client_t* client = axis2_stub_get_svc_client(stub, env());
    axiom_node_t* reply = axis2_svc_client_send_receive(client, env(), nullptr);
    ASSERT_NE(nullptr, axis2_svc_client_send_receive(client, env(), reply));
    EXPECT_NE(std::string::npos, peer.Requests().back().find("<soapenv:Body><first>1</first></soapenv:Body>"));
    axis2_stub_free(stub, env());
}

TEST_F(SendReceive, Soap12CarriesTheActionInTheContentType)
{
    TestPeer peer(TestPeer::Reply(
        200, "<e:Envelope xmlns:e=\"http://www.w3.org/2003/05/soap-envelope\"><e:Body><ok/></e:Body></e:Envelope>",
        "application/soap+xml"));
    axis2_stub_t* stub = MakeStub(peer.Url());
    axis2_options_t* options = OptionsOf(stub, env());
    axis2_options_set_soap_version(options, env(), AXIOM_SOAP12);
    axutil_string_t* action = axutil_string_create(env(), "urn:act");
    axis2_options_set_soap_action(options, env(), action);
    axutil_string_free(action, env());
    ASSERT_NE(nullptr, axis2_svc_client_send_receive(axis2_stub_get_svc_client(stub, env()), env(), Payload()));
    const std::string request = peer.Requests().at(0);
    EXPECT_NE(std::string::npos,
              request.find("Content-Type: application/soap+xml; charset=utf-8; action=\"urn:act\"\r\n"));
    EXPECT_EQ(std::string::npos, request.find("SOAPAction"));
    EXPECT_NE(std::string::npos, request.find("xmlns:soapenv=\"http://www.w3.org/2003/05/soap-envelope\""));
    axis2_stub_free(stub, env());
}

// A fault comes back as the Fault element, as from Axis2/C, and is also an
// error whose text names code and reason, whatever the HTTP status.
TEST_F(SendReceive, FaultComesBackAsTheFaultElementAndAnError)
{
    const std::string fault =
        TestPeer::Envelope("<s:Fault><faultcode>s:Server</faultcode><faultstring>Agent unknown</faultstring>"
                           "<detail><why>no such agent</why></detail></s:Fault>");
    for (int status : {500, 200})
    {
        TestPeer peer(TestPeer::Reply(status, fault));
        axis2_stub_t* stub = MakeStub(peer.Url());
        axis2_svc_client_t* client = axis2_stub_get_svc_client(stub, env());
        axiom_node_t* reply = Call(stub);
        ASSERT_NE(nullptr, reply) << status;
        EXPECT_STREQ("Fault", axiom_element_get_localname(
                                  static_cast<axiom_element_t*>(axiom_node_get_data_element(reply, env())), env()));
        EXPECT_TRUE(axis2_svc_client_get_last_response_has_fault(client, env()));
        EXPECT_EQ(AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR, holder.Number()) << status;
        EXPECT_NE(std::string::npos, holder.Message().find("s:Server: Agent unknown")) << holder.Message();
        EXPECT_NE(std::string::npos, holder.Message().find(peer.Url())) << holder.Message();

        axiom_soap_envelope_t* envelope = axis2_svc_client_get_last_response_soap_envelope(client, env());
        EXPECT_EQ(AXIOM_SOAP11, axiom_soap_envelope_get_soap_version(envelope, env()));
        axiom_soap_fault_t* parsed = axiom_soap_body_get_fault(axiom_soap_envelope_get_body(envelope, env()), env());
        EXPECT_EQ(reply, axiom_soap_fault_get_base_node(parsed, env()));
        EXPECT_STREQ("s:Server",
                     axiom_soap_fault_value_get_text(
                         axiom_soap_fault_code_get_value(axiom_soap_fault_get_code(parsed, env()), env()), env()));
        EXPECT_STREQ("Agent unknown",
                     axiom_soap_fault_text_get_text(axiom_soap_fault_reason_get_first_soap_fault_text(
                                                        axiom_soap_fault_get_reason(parsed, env()), env()),
                                                    env()));
        axiom_node_t* detail = axiom_soap_fault_detail_get_base_node(axiom_soap_fault_get_detail(parsed, env()), env());
        EXPECT_EQ("<detail><why>no such agent</why></detail>", ToString(env(), detail));
        axis2_stub_free(stub, env());
    }
}

// Only a Fault in the envelope's own namespace is one: an element of that name in another
// namespace, or in none, is an ordinary payload.
TEST_F(SendReceive, FaultElementOfAnotherNamespaceIsAPayload)
{
    for (const std::string& element :
         {std::string("<x:Fault xmlns:x=\"urn:not-soap\"><faultstring>no</faultstring></x:Fault>"),
          std::string("<Fault><faultstring>no</faultstring></Fault>")})
    {
        TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope(element)));
        axis2_stub_t* stub = MakeStub(peer.Url());
        axis2_svc_client_t* client = axis2_stub_get_svc_client(stub, env());
        axiom_node_t* reply = Call(stub);
        ASSERT_NE(nullptr, reply) << element;
        EXPECT_FALSE(axis2_svc_client_get_last_response_has_fault(client, env())) << element;
        EXPECT_EQ(AXIS2_ERROR_NONE, holder.Number()) << holder.Message();
        axiom_soap_envelope_t* envelope = axis2_svc_client_get_last_response_soap_envelope(client, env());
        EXPECT_EQ(nullptr, axiom_soap_body_get_fault(axiom_soap_envelope_get_body(envelope, env()), env()));
        axis2_stub_free(stub, env());
    }
}

TEST_F(SendReceive, Soap12FaultReadsThroughTheSameAccessors)
{
    TestPeer peer(
        TestPeer::Reply(500,
                        "<e:Envelope xmlns:e=\"http://www.w3.org/2003/05/soap-envelope\"><e:Body><e:Fault>"
                        "<e:Code><e:Value>e:Sender</e:Value><e:Subcode><e:Value>m:BadAgent</e:Value></e:Subcode>"
                        "</e:Code><e:Reason><e:Text xml:lang=\"de\">Unbekannt</e:Text>"
                        "<e:Text xml:lang=\"en\">Unknown agent</e:Text></e:Reason></e:Fault></e:Body></e:Envelope>",
                        "application/soap+xml"));
    axis2_stub_t* stub = MakeStub(peer.Url());
    axis2_svc_client_t* client = axis2_stub_get_svc_client(stub, env());
    ASSERT_NE(nullptr, Call(stub));
    EXPECT_TRUE(axis2_svc_client_get_last_response_has_fault(client, env()));
    EXPECT_NE(std::string::npos, holder.Message().find("e:Sender: Unbekannt")) << holder.Message();
    axiom_soap_envelope_t* envelope = axis2_svc_client_get_last_response_soap_envelope(client, env());
    EXPECT_EQ(AXIOM_SOAP12, axiom_soap_envelope_get_soap_version(envelope, env()));
    axiom_soap_body_t* body = axiom_soap_envelope_get_body(envelope, env());
    ASSERT_TRUE(axiom_soap_body_has_fault(body, env()));
    axiom_soap_fault_t* fault = axiom_soap_body_get_fault(body, env());
    axiom_soap_fault_code_t* code = axiom_soap_fault_get_code(fault, env());
    EXPECT_STREQ("e:Sender", axiom_soap_fault_value_get_text(axiom_soap_fault_code_get_value(code, env()), env()));
    axiom_soap_fault_sub_code_t* sub = axiom_soap_fault_code_get_sub_code(code, env());
    EXPECT_STREQ("m:BadAgent", axiom_soap_fault_value_get_text(axiom_soap_fault_sub_code_get_value(sub, env()), env()));
    EXPECT_EQ(nullptr, axiom_soap_fault_sub_code_get_sub_code(sub, env()));
    axiom_soap_fault_reason_t* reason = axiom_soap_fault_get_reason(fault, env());
    EXPECT_EQ(2, axutil_array_list_size(axiom_soap_fault_reason_get_all_soap_fault_texts(reason, env()), env()));
    axiom_soap_fault_text_t* english =
        axiom_soap_fault_reason_get_soap_fault_text(reason, env(), const_cast<char*>("en"));
    EXPECT_STREQ("Unknown agent", axiom_soap_fault_text_get_text(english, env()));
    EXPECT_STREQ("en", axiom_soap_fault_text_get_lang(english, env()));
    EXPECT_EQ(nullptr, axiom_soap_fault_get_detail(fault, env()));
    axis2_stub_free(stub, env());
}

TEST_F(SendReceive, ErrorStatusesAreTransportErrors)
{
    struct Case
    {
        int status;
        std::string body;
        std::string expected;
    } cases[] = {
        {500, TestPeer::Envelope("<r/>"), "HTTP 500"},
        {500, "<html>oops</html>", "HTTP 500"},
        {404, "not here", "HTTP 404"},
        {503, "", "HTTP 503"},
    };
    for (const Case& c : cases)
    {
        TestPeer peer(TestPeer::Reply(c.status, c.body));
        axis2_stub_t* stub = MakeStub(peer.Url());
        EXPECT_EQ(nullptr, Call(stub)) << c.status;
        EXPECT_EQ(AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR, holder.Number()) << c.status;
        EXPECT_NE(std::string::npos, holder.Message().find(c.expected)) << holder.Message();
        EXPECT_NE(std::string::npos, holder.Message().find(peer.Url())) << holder.Message();
        EXPECT_EQ(AXIS2_FAILURE, axutil_env_check_status(env()));
        axis2_stub_free(stub, env());
    }
}

TEST_F(SendReceive, RepliesThatAreNotEnvelopesAreRejected)
{
    const std::string replies[] = {
        "garbage that is no XML",
        "<html><body>Proxy login</body></html>",
        TestPeer::Envelope("<r>cut").substr(0, 60),
    };
    for (const std::string& body : replies)
    {
        TestPeer peer(TestPeer::Reply(200, body));
        axis2_stub_t* stub = MakeStub(peer.Url());
        AXIS2_ERROR_SET(holder.env->error, AXIS2_ERROR_NONE, AXIS2_SUCCESS);
        EXPECT_EQ(nullptr, Call(stub)) << body;
        EXPECT_EQ(AXIS2_ERROR_SOAP_MESSAGE_DOES_NOT_CONTAIN_AN_ENVELOPE, holder.Number()) << body;
        EXPECT_NE(std::string::npos, holder.Message().find(peer.Url())) << holder.Message();
        axis2_stub_free(stub, env());
    }
    TestPeer peer(TestPeer::Reply(200, "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"/>"));
    axis2_stub_t* stub = MakeStub(peer.Url());
    EXPECT_EQ(nullptr, Call(stub));
    EXPECT_EQ(AXIS2_ERROR_SOAP_ENVELOPE_OR_SOAP_BODY_NULL, holder.Number());
    axis2_stub_free(stub, env());
}

TEST_F(SendReceive, ReplyNestedTooDeeplyIsRefusedWithItsReason)
{
    std::string nested;
    for (int i = 0; i < 40000; ++i)
        nested += "<a>";
    for (int i = 0; i < 40000; ++i)
        nested += "</a>";
    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<r>" + nested + "</r>")));
    axis2_stub_t* stub = MakeStub(peer.Url());
    EXPECT_EQ(nullptr, Call(stub));
    EXPECT_EQ(AXIS2_ERROR_SOAP_MESSAGE_DOES_NOT_CONTAIN_AN_ENVELOPE, holder.Number());
    const std::string reason = "reply refused (elements nested deeper than 256 levels)";
    EXPECT_NE(std::string::npos, holder.Message().find(reason)) << holder.Message();
    EXPECT_NE(std::string::npos, holder.Log().find(reason)) << holder.Log();
    axis2_stub_free(stub, env());
}

// Writes `head`, then 16 KiB pieces of filler, framed as chunks or not, until the client goes
// away or 64 MiB have gone out.
TestPeer::Behaviour Endless(const std::string& head, bool chunked)
{
    return [=](TestPeer&, Poco::Net::StreamSocket& socket) {
        const std::string filler(16384, 'f');
        const std::string piece = chunked ? "4000\r\n" + filler + "\r\n" : filler;
        try
        {
            socket.sendBytes(head.data(), static_cast<int>(head.size()));
            for (int i = 0; i < 4096; ++i)
                for (size_t sent = 0; sent < piece.size();)
                {
                    int n = socket.sendBytes(piece.data() + sent, static_cast<int>(piece.size() - sent));
                    if (n <= 0)
                        return;
                    sent += static_cast<size_t>(n);
                }
        }
        catch (const Poco::Exception&)
        {
        }
    };
}

TEST_F(SendReceive, RepliesBeyondMaxReplySizeAreRefusedWhileRead)
{
    const size_t cap = 1024 * 1024;
    const std::string config = Axis2Xml("<parameter name=\"MAX_REPLY_SIZE\">1048576</parameter>"
                                        "<parameter name=\"SO_TIMEOUT\">20000</parameter>");
    const std::string xml = "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\n";
    struct
    {
        const char* what;
        TestPeer::Behaviour behaviour;
        const char* reason;
    } cases[] = {
        // Refused at the headers: the body that never comes is not waited for.
        {"declared length", TestPeer::Raw(xml + "Content-Length: 1048577\r\n\r\n<s:Envelope"),
         "reply of 1048577 bytes refused unread, more than the 1048576 bytes MAX_REPLY_SIZE allows"},
        {"chunked", Endless(xml + "Transfer-Encoding: chunked\r\n\r\n", true), "reply refused after "},
        {"until closed", Endless(xml + "Connection: close\r\n\r\n", false), "reply refused after "},
    };
    for (auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        TestPeer peer(c.behaviour);
        axis2_stub_t* stub = MakeStub(peer.Url(), config);
        ASSERT_NE(nullptr, stub) << holder.Message();
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(nullptr, Call(stub));
        EXPECT_LT(MillisecondsSince(start), 10000);
        EXPECT_EQ(AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR, holder.Number());
        const std::string message = holder.Message();
        EXPECT_NE(std::string::npos, message.find(c.reason)) << message;
        EXPECT_NE(std::string::npos, message.find(peer.Url())) << message;
        EXPECT_NE(std::string::npos, holder.Log().find(c.reason));
        // Refused within one read of crossing the cap.
        const size_t after = message.find("refused after ");
        if (after != std::string::npos)
        {
            EXPECT_LE(std::stoul(message.substr(after + 14)), cap + 16384) << message;
        }
        axis2_stub_free(stub, env());
    }

    // A reply of exactly MAX_REPLY_SIZE is whole.
    std::string envelope = TestPeer::Envelope("<r></r>");
    envelope.insert(envelope.find("</r>"), cap - envelope.size(), 'x');
    TestPeer peer(TestPeer::Reply(200, envelope));
    axis2_stub_t* stub = MakeStub(peer.Url(), config);
    axiom_node_t* reply = Call(stub);
    ASSERT_NE(nullptr, reply) << holder.Message();
    auto* element = static_cast<axiom_element_t*>(axiom_node_get_data_element(reply, env()));
    EXPECT_EQ(cap - TestPeer::Envelope("<r></r>").size(),
              std::string(axiom_element_get_text(element, env(), reply)).size());
    axis2_stub_free(stub, env());
}

TEST_F(SendReceive, AcceptedWithoutBodyGivesNullAndNoError)
{
    // Any 2xx without a body is an acknowledgement; the same empty body with an error status is not.
    for (const int status : {202, 200, 204})
    {
        AXIS2_ERROR_SET(holder.env->error, AXIS2_ERROR_NONE, AXIS2_SUCCESS);
        TestPeer peer(TestPeer::Reply(status, status == 204 ? "" : " \r\n"));
        axis2_stub_t* stub = MakeStub(peer.Url());
        EXPECT_EQ(nullptr, Call(stub)) << status;
        EXPECT_EQ(AXIS2_ERROR_NONE, holder.Number()) << status;
        EXPECT_EQ(status, axis2_svc_client_get_http_status_code(axis2_stub_get_svc_client(stub, env()), env()));
        axis2_stub_free(stub, env());
    }
    TestPeer refused(TestPeer::Reply(413, ""));
    axis2_stub_t* stub = MakeStub(refused.Url());
    EXPECT_EQ(nullptr, Call(stub));
    EXPECT_EQ(AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR, holder.Number());
    EXPECT_NE(std::string::npos, holder.Message().find("HTTP 413")) << holder.Message();
    axis2_stub_free(stub, env());
}

TEST_F(SendReceive, ConnectionFailuresNameCauseAndEndpoint)
{
    const RefusingPort refusing;
    std::string url = "http://127.0.0.1:" + std::to_string(refusing.Port()) + "/Ostrel2";
    axis2_stub_t* stub = MakeStub(url);
    EXPECT_EQ(nullptr, Call(stub));
    EXPECT_EQ(AXIS2_ERROR_SOCKET_ERROR, holder.Number());
    EXPECT_NE(std::string::npos, holder.Message().find("Connection refused: " + url)) << holder.Message();
    EXPECT_NE(std::string::npos, holder.Log().find("Connection refused"));
    axis2_stub_free(stub, env());

    stub = MakeStub("ftp://127.0.0.1/x");
    EXPECT_EQ(nullptr, Call(stub));
    EXPECT_EQ(AXIS2_ERROR_INVALID_ADDRESS, holder.Number());
    axis2_stub_free(stub, env());

    stub = MakeStub("http://no-such-host.invalid/Ostrel2");
    EXPECT_EQ(nullptr, Call(stub));
    EXPECT_EQ(AXIS2_ERROR_INVALID_ADDRESS, holder.Number());
    EXPECT_NE(std::string::npos, holder.Message().find("no-such-host.invalid")) << holder.Message();
    axis2_stub_free(stub, env());
}

TEST_F(SendReceive, PeerClosingWithoutReplyIsTransportError)
{
    TestPeer peer(TestPeer::Raw(""));
    axis2_stub_t* stub = MakeStub(peer.Url());
    EXPECT_EQ(nullptr, Call(stub));
    EXPECT_EQ(AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR, holder.Number());
    axis2_stub_free(stub, env());

    TestPeer truncating(TestPeer::Raw("HTTP/1.1 200 OK\r\nContent-Length: 500\r\n\r\n<s:Envelope"));
    stub = MakeStub(truncating.Url());
    EXPECT_EQ(nullptr, Call(stub));
    EXPECT_EQ(AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR, holder.Number());
    EXPECT_NE(std::string::npos, holder.Message().find("truncated")) << holder.Message();
    axis2_stub_free(stub, env());
}

TEST_F(SendReceive, SilentPeerTimesOutAfterSoTimeout)
{
    TestPeer peer(TestPeer::Silent());
    axis2_stub_t* stub = MakeStub(peer.Url(), Axis2Xml("<transportSender name=\"http\"><parameter name=\"SO_TIMEOUT\">"
                                                       "400</parameter></transportSender>"));
    ASSERT_NE(nullptr, stub);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(nullptr, Call(stub));
    long elapsed = MillisecondsSince(start);
    EXPECT_EQ(AXIS2_ERROR_RESPONSE_TIMED_OUT, holder.Number());
    EXPECT_NE(std::string::npos, holder.Message().find(peer.Url())) << holder.Message();
    EXPECT_GE(elapsed, 350);
    // Ten times SO_TIMEOUT: the point is that it ends, not how fast a loaded machine gets there.
    EXPECT_LT(elapsed, 4000);
    axis2_stub_free(stub, env());
}

TEST_F(SendReceive, OptionsTimeoutOverridesConfiguration)
{
    TestPeer peer(TestPeer::Silent());
    axis2_stub_t* stub = MakeStub(peer.Url(), Axis2Xml("<parameter name=\"SO_TIMEOUT\">30000</parameter>"));
    axis2_options_set_timeout_in_milli_seconds(OptionsOf(stub, env()), env(), 300);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(nullptr, Call(stub));
    // Far below the configured 30 s, ten times the option's 300 ms.
    EXPECT_LT(MillisecondsSince(start), 3000);
    EXPECT_EQ(AXIS2_ERROR_RESPONSE_TIMED_OUT, holder.Number());
    axis2_stub_free(stub, env());
}

TEST_F(SendReceive, OptionsTimeoutAlsoBoundsTheConnect)
{
    // A listener whose queue is full: the kernel drops further connection requests, so a connect
    // waits until the client gives up.
    Poco::Net::ServerSocket full(Poco::Net::SocketAddress("127.0.0.1", 0), 1);
    std::vector<Poco::Net::StreamSocket> queued(4);
    for (auto& socket : queued)
        socket.connectNB(full.address());
    const std::string url = "http://127.0.0.1:" + std::to_string(full.address().port()) + "/Ostrel2";
    axis2_stub_t* stub = MakeStub(url, Axis2Xml("<parameter name=\"SO_TIMEOUT\">30000</parameter>"
                                                "<parameter name=\"CONNECTION_TIMEOUT\">30000</parameter>"));
    auto* options =
        const_cast<axis2_options_t*>(axis2_svc_client_get_options(axis2_stub_get_svc_client(stub, env()), env()));
    axis2_options_set_timeout_in_milli_seconds(options, env(), 500);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(nullptr, Call(stub));
    EXPECT_LT(MillisecondsSince(start), 10000);
    EXPECT_EQ(AXIS2_ERROR_SOCKET_ERROR, holder.Number());
    EXPECT_NE(std::string::npos, holder.Message().find("Connection timed out after 500 ms: " + url))
        << holder.Message();
    axis2_stub_free(stub, env());
}

TEST_F(SendReceive, TricklingPeerCannotExtendTheExchangeBeyondSoTimeout)
{
    // Each byte arrives well within SO_TIMEOUT, the whole reply would not.
    TestPeer peer(TestPeer::Trickle(50));
    axis2_stub_t* stub = MakeStub(peer.Url(), Axis2Xml("<parameter name=\"SO_TIMEOUT\">700</parameter>"));
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(nullptr, Call(stub));
    long elapsed = MillisecondsSince(start);
    EXPECT_EQ(AXIS2_ERROR_RESPONSE_TIMED_OUT, holder.Number());
    EXPECT_LT(elapsed, 7000);
    axis2_stub_free(stub, env());
}

TEST_F(SendReceive, LargePayloadsTravelBothWays)
{
    const std::string big(3 * 1024 * 1024, 'q');
    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<r>" + big + "&amp;</r>")));
    axis2_stub_t* stub = MakeStub(peer.Url());
    axiom_node_t* root = nullptr;
    axiom_node_t* child = nullptr;
    axiom_element_create(env(), nullptr, "WorkItemComplete", nullptr, &root);
    axiom_element_t* response = axiom_element_create(env(), root, "response", nullptr, &child);
    axiom_element_set_text(response, env(), (big + "<doc/>").c_str(), child);
    axiom_node_t* reply = axis2_svc_client_send_receive(axis2_stub_get_svc_client(stub, env()), env(), root);
    ASSERT_NE(nullptr, reply);
    auto* element = static_cast<axiom_element_t*>(axiom_node_get_data_element(reply, env()));
    EXPECT_EQ(big + "&", axiom_element_get_text(element, env(), reply));
    EXPECT_NE(std::string::npos, peer.Requests().at(0).find(big + "&lt;doc/&gt;</response>"));
    // Sizes and addresses only: payloads never reach the log.
    EXPECT_EQ(std::string::npos, holder.Log().find("qqqqqqqq"));
    EXPECT_NE(std::string::npos, holder.Log().find(peer.Url()));
    axis2_stub_free(stub, env());
}

} // namespace
