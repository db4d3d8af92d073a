// The operations the agent does not call itself, exchanged for real through the engine with
// node-soap serving the project's WSDL: the request bindings must be what that server
// understands, and its replies must read into the response bindings.
#include "AXIS/adb_GetHostStatus.h"
#include "AXIS/adb_GetHostStatusResponse.h"
#include "AXIS/adb_GetHostsManagedByAgent.h"
#include "AXIS/adb_GetHostsManagedByAgentResponse.h"
#include "AXIS/adb_SendCustomResponse.h"
#include "AXIS/adb_SendCustomResponseResponse.h"
#include "AXIS/axis2_stub_ProxyAgentService.h"
#include "SoapServer.h"
#include "TempDirectory.h"

#include <Poco/JSON/Object.h>
#include <Poco/JSON/Parser.h>
#include <gtest/gtest.h>

#include <string>

namespace
{
const std::string actionBase = "http://orvex.example/Ostrel/OstrelProxyAgent/";

class FurtherOperations : public ::testing::Test
{
protected:
    FurtherOperations()
        : env(axutil_env_create_all((dir / "axis.log").c_str(), AXIS2_LOG_LEVEL_TRACE))
    {
    }

    ~FurtherOperations() override
    {
        if (stub)
            axis2_stub_free(stub, env);
        axutil_env_free(env);
    }

    void Connect(const SoapServer& server)
    {
        dir.Write("axis2/axis2.xml",
                  "<axisconfig name=\"Axis2/C\"><parameter name=\"SO_TIMEOUT\">10000</parameter></axisconfig>");
        stub = axis2_stub_create_ProxyAgentService(env, (dir / "axis2").c_str(), server.Uri().c_str());
        ASSERT_NE(stub, nullptr) << axutil_error_get_message(env->error);
    }

    /// One out-in exchange the way the service stub makes it: SOAP 1.1 with the operation's
    /// SOAP action, the reply's first body element returned (owned by the engine).
    axiom_node_t* Exchange(axiom_node_t* payload, const std::string& operation)
    {
        auto* options =
            const_cast<axis2_options_t*>(axis2_svc_client_get_options(axis2_stub_get_svc_client(stub, env), env));
        axutil_string_t* soapAction = axutil_string_create(env, (actionBase + operation).c_str());
        axis2_options_set_soap_action(options, env, soapAction);
        axis2_options_set_soap_version(options, env, AXIOM_SOAP11);
        axiom_node_t* reply =
            axis2_svc_client_send_receive_with_op_qname(axis2_stub_get_svc_client(stub, env), env, NULL, payload);
        axis2_options_set_soap_action(options, env, NULL);
        axis2_options_set_action(options, env, NULL);
        axutil_string_free(soapAction, env);
        EXPECT_NE(reply, nullptr) << axutil_error_get_message(env->error);
        return reply;
    }

    /// The arguments node-soap parsed from the only request so far.
    static Poco::JSON::Object::Ptr OnlyRequestArguments(const SoapServer& server, const std::string& operation)
    {
        const std::vector<SoapServer::Request> requests = server.Requests();
        EXPECT_EQ(requests.size(), 1u);
        if (requests.empty())
            return Poco::JSON::Object::Ptr(new Poco::JSON::Object);
        EXPECT_EQ(requests[0].operation, operation) << requests[0].body;
        EXPECT_EQ(requests[0].soapAction, "\"" + actionBase + operation + "\"");
        Poco::Dynamic::Var args = Poco::JSON::Parser().parse(requests[0].args);
        Poco::JSON::Object::Ptr object = args.extract<Poco::JSON::Object::Ptr>();
        return object ? object : Poco::JSON::Object::Ptr(new Poco::JSON::Object);
    }

    TempDirectory dir;
    axutil_env_t* env;
    axis2_stub_t* stub = nullptr;
};
} // namespace

TEST_F(FurtherOperations, GetHostsManagedByAgentReadsTheHostList)
{
    SoapServer server;
    server.Start();
    Connect(server);

    adb_GetHostsManagedByAgent_t* request =
        adb_GetHostsManagedByAgent_create_with_values(env, (axis2_char_t*)"agent-7");
    axiom_node_t* reply =
        Exchange(adb_GetHostsManagedByAgent_serialize(request, env, NULL, NULL, AXIS2_TRUE, NULL, NULL),
                 "GetHostsManagedByAgent");
    adb_GetHostsManagedByAgent_free(request, env);
    ASSERT_NE(reply, nullptr);
    EXPECT_EQ(OnlyRequestArguments(server, "GetHostsManagedByAgent")->getValue<std::string>("proxyAgentId"), "agent-7");

    adb_GetHostsManagedByAgentResponse_t* response = adb_GetHostsManagedByAgentResponse_create(env);
    ASSERT_EQ(adb_GetHostsManagedByAgentResponse_deserialize(response, env, &reply, NULL, AXIS2_FALSE), AXIS2_SUCCESS)
        << TempDirectory::Read(dir / "axis.log");
    adb_ArrayOfstring_t* hosts = adb_GetHostsManagedByAgentResponse_get_GetHostsManagedByAgentResult(response, env);
    ASSERT_NE(hosts, nullptr);
    ASSERT_EQ(adb_ArrayOfstring_sizeof_string(hosts, env), 2);
    EXPECT_STREQ(adb_ArrayOfstring_get_string_at(hosts, env, 0), "host-a");
    EXPECT_STREQ(adb_ArrayOfstring_get_string_at(hosts, env, 1), "host-b");
    adb_GetHostsManagedByAgentResponse_free(response, env);
}

TEST_F(FurtherOperations, HostListsOfOtherShapes)
{
    SoapServer server("{\"GetHostsManagedByAgent\": {\"result\": [\"db & co\", \"<edge>\", \"solo\"]}}");
    server.Start();
    Connect(server);

    struct Case
    {
        std::string scenario;
        int hosts; // -1: no result
    };
    for (const Case& c : {Case{"{\"result\": [\"db & co\", \"<edge>\", \"solo\"]}", 3}, Case{"{\"nil\": true}", -1},
                          Case{"{\"missing\": true}", -1}, Case{"{\"result\": []}", 0}})
    {
        server.SetScenario("{\"GetHostsManagedByAgent\": " + c.scenario + "}");
        adb_GetHostsManagedByAgent_t* request = adb_GetHostsManagedByAgent_create(env);
        axiom_node_t* reply =
            Exchange(adb_GetHostsManagedByAgent_serialize(request, env, NULL, NULL, AXIS2_TRUE, NULL, NULL),
                     "GetHostsManagedByAgent");
        adb_GetHostsManagedByAgent_free(request, env);
        ASSERT_NE(reply, nullptr) << c.scenario;

        adb_GetHostsManagedByAgentResponse_t* response = adb_GetHostsManagedByAgentResponse_create(env);
        ASSERT_EQ(adb_GetHostsManagedByAgentResponse_deserialize(response, env, &reply, NULL, AXIS2_FALSE),
                  AXIS2_SUCCESS);
        adb_ArrayOfstring_t* hosts = adb_GetHostsManagedByAgentResponse_get_GetHostsManagedByAgentResult(response, env);
        if (c.hosts < 0)
            EXPECT_EQ(hosts, nullptr) << c.scenario;
        else
            EXPECT_EQ(adb_ArrayOfstring_sizeof_string(hosts, env), c.hosts) << c.scenario;
        if (c.hosts == 3)
        {
            EXPECT_STREQ(adb_ArrayOfstring_get_string_at(hosts, env, 0), "db & co");
            EXPECT_STREQ(adb_ArrayOfstring_get_string_at(hosts, env, 1), "<edge>");
        }
        adb_GetHostsManagedByAgentResponse_free(response, env);
    }
}

TEST_F(FurtherOperations, GetHostStatusEchoesTheHostName)
{
    SoapServer server;
    server.Start();
    Connect(server);

    const std::string host = "web-01 <eu> & \"west\"";
    adb_GetHostStatus_t* request = adb_GetHostStatus_create_with_values(env, (axis2_char_t*)host.c_str());
    axiom_node_t* reply =
        Exchange(adb_GetHostStatus_serialize(request, env, NULL, NULL, AXIS2_TRUE, NULL, NULL), "GetHostStatus");
    adb_GetHostStatus_free(request, env);
    ASSERT_NE(reply, nullptr);
    EXPECT_EQ(OnlyRequestArguments(server, "GetHostStatus")->getValue<std::string>("hostName"), host);

    adb_GetHostStatusResponse_t* response = adb_GetHostStatusResponse_create(env);
    ASSERT_EQ(adb_GetHostStatusResponse_deserialize(response, env, &reply, NULL, AXIS2_FALSE), AXIS2_SUCCESS);
    EXPECT_EQ(adb_GetHostStatusResponse_get_GetHostStatusResult(response, env), host);
    adb_GetHostStatusResponse_free(response, env);
}

TEST_F(FurtherOperations, SendCustomResponseDeliversTheGuidAndTheXml)
{
    SoapServer server;
    server.Start();
    Connect(server);

    const std::string id = "7c9e6679-7425-40de-944b-e07fc1f90ae7";
    // The content is added to the request tree, which the engine frees with the exchange.
    axiom_node_t* content = axiom_node_create_from_buffer(env, (axis2_char_t*)"<report><state>done</state></report>");
    adb_SendCustomResponse_t* request = adb_SendCustomResponse_create_with_values(
        env, adb_guid_create_with_values(env, (axis2_char_t*)id.c_str()), content);
    axiom_node_t* reply = Exchange(adb_SendCustomResponse_serialize(request, env, NULL, NULL, AXIS2_TRUE, NULL, NULL),
                                   "SendCustomResponse");
    adb_SendCustomResponse_free(request, env);
    ASSERT_NE(reply, nullptr);

    Poco::JSON::Object::Ptr args = OnlyRequestArguments(server, "SendCustomResponse");
    EXPECT_EQ(args->getValue<std::string>("id"), id);
    EXPECT_NE(
        server.Requests()[0].body.find("<n:customResponse><report><state>done</state></report></n:customResponse>"),
        std::string::npos)
        << server.Requests()[0].body;

    adb_SendCustomResponseResponse_t* response = adb_SendCustomResponseResponse_create(env);
    EXPECT_EQ(adb_SendCustomResponseResponse_deserialize(response, env, &reply, NULL, AXIS2_FALSE), AXIS2_SUCCESS);
    adb_SendCustomResponseResponse_free(response, env);
}
