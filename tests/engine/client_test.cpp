// Client-side descriptions and the client home: what generated stubs build at
// creation time, and how axis2.xml is read.
#include "engine_test_support.h"

#include "../../axis2c/src/client_config.h"

#include <gtest/gtest.h>

namespace
{

class Client : public ::testing::Test
{
protected:
    axis2_stub_t* Stub(const std::string& home)
    {
        endpoint = axis2_endpoint_ref_create(env, "http://127.0.0.1:9/Ostrel2");
        axis2_stub_t* stub = axis2_stub_create_with_endpoint_ref_and_client_home(env, endpoint, home.c_str());
        if (!stub)
            axis2_endpoint_ref_free(endpoint, env);
        return stub;
    }
    EnvHolder holder;
    const axutil_env_t* env = holder.env;
    axis2_endpoint_ref_t* endpoint = nullptr;
    TempDir home;
};

TEST_F(Client, StubHasAnonymousOutInOperationToPopulateFrom)
{
    axis2_stub_t* stub = Stub(home.File("missing-home"));
    ASSERT_NE(nullptr, stub);
    EXPECT_EQ(endpoint, axis2_options_get_to(OptionsOf(stub, env), env));
    EXPECT_STREQ("http://127.0.0.1:9/Ostrel2", axis2_endpoint_ref_get_address(endpoint, env));
    axis2_svc_t* svc = axis2_svc_client_get_svc(axis2_stub_get_svc_client(stub, env), env);
    axis2_op_t* anonymous = axis2_svc_get_op_with_name(svc, env, AXIS2_ANON_OUT_IN_OP);
    ASSERT_NE(nullptr, anonymous);
    EXPECT_STREQ(AXIS2_MEP_URI_OUT_IN, axis2_op_get_msg_exchange_pattern(anonymous, env));
    const char* labels[] = {AXIS2_MSG_OUT, AXIS2_MSG_IN, AXIS2_MSG_OUT_FAULT, AXIS2_MSG_IN_FAULT};
    axis2_msg_t* messages[4];
    for (int i = 0; i < 4; ++i)
        ASSERT_NE(nullptr, messages[i] = axis2_op_get_msg(anonymous, env, labels[i]));

    axutil_qname_t* name = axutil_qname_create(env, "ProxyAgentService", nullptr, nullptr);
    axis2_svc_set_qname(svc, env, name);
    axutil_qname_free(name, env);
    EXPECT_STREQ("ProxyAgentService", axis2_svc_get_name(svc, env));
    // Two operations sharing the anonymous operation's messages by reference.
    for (const char* opName : {"GetWorkItem", "WorkItemComplete"})
    {
        axutil_qname_t* opQName = axutil_qname_create(env, opName, "http://x/Ostrel", nullptr);
        axis2_op_t* op = axis2_op_create_with_qname(env, opQName);
        axutil_qname_free(opQName, env);
        axis2_op_set_msg_exchange_pattern(op, env, AXIS2_MEP_URI_OUT_IN);
        for (int i = 0; i < 4; ++i)
        {
            axis2_msg_increment_ref(messages[i], env);
            axis2_op_add_msg(op, env, labels[i], messages[i]);
        }
        EXPECT_EQ(AXIS2_SUCCESS, axis2_svc_add_op(svc, env, op));
    }
    axis2_op_t* op = axis2_svc_get_op_with_name(svc, env, "WorkItemComplete");
    ASSERT_NE(nullptr, op);
    EXPECT_EQ(messages[1], axis2_op_get_msg(op, env, AXIS2_MSG_IN));
    EXPECT_STREQ("WorkItemComplete|http://x/Ostrel",
                 axutil_qname_to_string(const_cast<axutil_qname_t*>(axis2_op_get_qname(op, env)), env));
    // Freed once each, with the stub (valgrind-clean).
    axis2_stub_free(stub, env);
}

TEST_F(Client, OptionsKeepTheirOwnSoapAction)
{
    axis2_options_t* options = axis2_options_create(env);
    EXPECT_EQ(nullptr, axis2_options_get_soap_action(options, env));
    axutil_string_t* action = axutil_string_create(env, "urn:act");
    axis2_options_set_soap_action(options, env, action);
    axutil_string_free(action, env);
    EXPECT_STREQ("urn:act", axutil_string_get_buffer(axis2_options_get_soap_action(options, env), env));
    axis2_options_set_soap_action(options, env, axis2_options_get_soap_action(options, env));
    EXPECT_STREQ("urn:act", axutil_string_get_buffer(axis2_options_get_soap_action(options, env), env));
    axis2_options_set_soap_action(options, env, nullptr);
    EXPECT_EQ(nullptr, axis2_options_get_soap_action(options, env));
    EXPECT_EQ(AXIOM_SOAP12, axis2_options_get_soap_version(options, env)); // Axis2/C's default
    EXPECT_EQ(AXIS2_FAILURE, axis2_options_set_soap_version(options, env, 3));
    EXPECT_EQ(AXIS2_ERROR_INVALID_SOAP_VERSION, env->error->error_number);
    EXPECT_EQ(AXIOM_SOAP12, axis2_options_get_soap_version(options, env));
    EXPECT_EQ(AXIS2_DEFAULT_TIMEOUT_MILLISECONDS, axis2_options_get_timeout_in_milli_seconds(options, env));
    axis2_options_set_action(options, env, "wsa");
    axis2_options_set_action(options, env, nullptr);
    EXPECT_EQ(nullptr, axis2_options_get_action(options, env));
    axis2_options_free(options, env);
}

TEST_F(Client, MalformedClientConfigurationRefusesTheStub)
{
    struct
    {
        std::string content;
        std::string expected;
    } cases[] = {
        {"<axisconfig><parameter name=\"SO_TIMEOUT\">1</parameter>", "not well-formed"},
        {"<config/>", "root element is 'config'"},
        {"<!DOCTYPE axisconfig [<!ENTITY t \"1\">]><axisconfig><parameter name=\"SO_TIMEOUT\">&t;</parameter>"
         "</axisconfig>",
         "holds a document type declaration"},
        {Axis2Xml("<parameter name=\"SO_TIMEOUT\">soon</parameter>"), "SO_TIMEOUT"},
        {Axis2Xml("<transportSender name=\"https\"><parameter name=\"CONNECTION_TIMEOUT\">-5"
                  "</parameter></transportSender>"),
         "CONNECTION_TIMEOUT"},
        {Axis2Xml("<parameter name=\"MAX_REPLY_SIZE\">64M</parameter>"), "MAX_REPLY_SIZE"},
        {Axis2Xml("<parameter name=\"SSL_MIN_PROTOCOL\">SSLv3</parameter>"), "SSL_MIN_PROTOCOL"},
        {Axis2Xml("<parameter name=\"SSL_CIPHER_LIST\"> </parameter>"), "SSL_CIPHER_LIST"},
    };
    for (const auto& c : cases)
    {
        home.Write("axis2.xml", c.content);
        AXIS2_ERROR_SET(holder.env->error, AXIS2_ERROR_NONE, AXIS2_SUCCESS);
        EXPECT_EQ(nullptr, Stub(home.path)) << c.content;
        EXPECT_EQ(AXIS2_ERROR_INVALID_STATE_CONF, holder.Number());
        EXPECT_EQ(AXIS2_FAILURE, axutil_env_check_status(env));
        EXPECT_NE(std::string::npos, holder.Message().find(c.expected)) << holder.Message();
        EXPECT_NE(std::string::npos, holder.Message().find(home.File("axis2.xml"))) << holder.Message();
    }
}

TEST(ClientConfiguration, DefaultsValuesAndTransportPrecedence)
{
    TempDir home;
    axis2c::TransportSettings defaults = axis2c::ClientConfiguration::Load(home.path).ForScheme("https");
    EXPECT_EQ(60000, defaults.soTimeoutMs);
    EXPECT_EQ(60000, defaults.connectionTimeoutMs);
    EXPECT_EQ("", defaults.serverCert);
    EXPECT_EQ(64u * 1024 * 1024, defaults.maxReplyBytes);
    EXPECT_EQ("TLSv1.2", defaults.minProtocol);
    EXPECT_EQ("ECDHE+AESGCM:ECDHE+CHACHA20", defaults.cipherList);

    home.Write(
        "axis2.xml",
        Axis2Xml("<parameter name=\"SO_TIMEOUT\">1000</parameter>"
                 "<transportReceiver name=\"http\"><parameter name=\"SO_TIMEOUT\">7</parameter></transportReceiver>"
                 "<transportSender name=\"https\" class=\"axis2_http_sender\">"
                 "  <parameter name=\"PROTOCOL\" locked=\"false\">HTTP/1.1</parameter>"
                 "  <parameter name=\"SO_TIMEOUT\"> 2500 </parameter>"
                 "  <parameter name=\"CONNECTION_TIMEOUT\">800</parameter>"
                 "  <parameter name=\"SERVER_CERT\">certs/ca.pem</parameter>"
                 "  <parameter name=\"KEY_FILE\">certs/client.pem</parameter>"
                 "  <parameter name=\"SSL_PASSPHRASE\">pass phrase</parameter>"
                 "  <parameter name=\"MAX_REPLY_SIZE\">1000000</parameter>"
                 "  <parameter name=\"SSL_MIN_PROTOCOL\">TLSv1</parameter>"
                 "  <parameter name=\"SSL_CIPHER_LIST\">AES128-SHA:@SECLEVEL=0</parameter>"
                 "</transportSender>"));
    axis2c::ClientConfiguration configuration = axis2c::ClientConfiguration::Load(home.path);
    axis2c::TransportSettings https = configuration.ForScheme("https");
    EXPECT_EQ(2500, https.soTimeoutMs);
    EXPECT_EQ(800, https.connectionTimeoutMs);
    EXPECT_EQ("certs/ca.pem", https.serverCert);
    EXPECT_EQ("certs/client.pem", https.keyFile);
    EXPECT_EQ("pass phrase", https.passphrase);
    EXPECT_EQ(1000000u, https.maxReplyBytes);
    EXPECT_EQ("TLSv1", https.minProtocol);
    EXPECT_EQ("AES128-SHA:@SECLEVEL=0", https.cipherList);
    axis2c::TransportSettings http = configuration.ForScheme("http");
    EXPECT_EQ(1000, http.soTimeoutMs);
    EXPECT_EQ(60000, http.connectionTimeoutMs);
    EXPECT_EQ("", http.serverCert);
}

} // namespace
