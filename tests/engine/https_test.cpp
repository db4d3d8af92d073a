// HTTPS exchanges: the server certificate is checked against SERVER_CERT or
// the system store, and KEY_FILE supplies a client certificate. The CA and
// certificates are made with the openssl command line for each run.
#include "engine_test_support.h"
#include "test_peer.h"

#include <axis2_http_transport.h>

#include <gtest/gtest.h>

#include <Poco/Net/Context.h>
#include <Poco/Net/NetSSL.h>
#include <Poco/Net/SecureServerSocket.h>
#include <Poco/Net/SocketAddress.h>

#include <cstdlib>

namespace {

class Https : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Poco::Net::initializeSSL();
    pki = new TempDir();
    const std::string d = pki->path;
    const std::string ec = " -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 ";
    pki->Write("server.ext", "subjectAltName=DNS:localhost,IP:127.0.0.1\nbasicConstraints=CA:FALSE\n");
    pki->Write("client.ext", "basicConstraints=CA:FALSE\nextendedKeyUsage=clientAuth\n");
    std::string script =
        "cd '" + d + "' && "
        "openssl req -x509" + ec + "-nodes -keyout ca.key -out ca.pem -days 2 -subj '/CN=Engine Test CA' && "
        "openssl req" + ec + "-nodes -keyout server.key -out server.csr -subj '/CN=localhost' && "
        "openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -out server.pem -days 2 -extfile server.ext && "
        "openssl req" + ec + "-passout pass:s3cret -keyout client.key -out client.csr -subj '/CN=agent' && "
        "openssl x509 -req -in client.csr -CA ca.pem -CAkey ca.key -CAcreateserial -out client.pem -days 2 -extfile client.ext && "
        "cat client.pem client.key > client-bundle.pem";
    ready = std::system(("(" + script + ") >/dev/null 2>&1").c_str()) == 0;
  }

  static void TearDownTestSuite() {
    delete pki;
    pki = nullptr;
    Poco::Net::uninitializeSSL();
  }

  void SetUp() override {
    if (!ready) GTEST_SKIP() << "openssl could not make the test certificates";
  }

  // HTTPS peer; with `requireClientCert` it insists on a certificate signed
  // by the test CA.
  static Poco::Net::ServerSocket ServerSocket(bool requireClientCert = false) {
    Poco::Net::Context::Params params;
    params.privateKeyFile = pki->File("server.key");
    params.certificateFile = pki->File("server.pem");
    params.verificationMode =
        requireClientCert ? Poco::Net::Context::VERIFY_STRICT : Poco::Net::Context::VERIFY_NONE;
    if (requireClientCert) params.caLocation = pki->File("ca.pem");
    Poco::Net::Context::Ptr context =
        new Poco::Net::Context(Poco::Net::Context::TLS_SERVER_USE, params);
    // The client certificate names the agent, not the client's address.
    context->enableExtendedCertificateVerification(false);
    return Poco::Net::SecureServerSocket(Poco::Net::SocketAddress("127.0.0.1", 0), 16, context);
  }

  axiom_node_t* Exchange(const std::string& url, const std::string& parameters) {
    TempDir home;
    home.Write("axis2.xml", Axis2Xml("<transportSender name=\"https\" class=\"axis2_http_sender\">" +
                                     parameters + "<parameter name=\"SO_TIMEOUT\">3000</parameter>"
                                     "</transportSender>"));
    axis2_endpoint_ref_t* endpoint = axis2_endpoint_ref_create(holder.env, url.c_str());
    stub = axis2_stub_create_with_endpoint_ref_and_client_home(holder.env, endpoint,
                                                                home.path.c_str());
    if (!stub) return nullptr;
    axiom_node_t* payload = nullptr;
    axiom_element_create(holder.env, nullptr, "Ping", nullptr, &payload);
    return axis2_svc_client_send_receive(axis2_stub_get_svc_client(stub, holder.env), holder.env,
                                         payload);
  }

  void TearDown() override { axis2_stub_free(stub, holder.env); }

  static std::string Parameter(const std::string& name, const std::string& value) {
    return "<parameter name=\"" + name + "\">" + value + "</parameter>";
  }

  static TempDir* pki;
  static bool ready;
  EnvHolder holder;
  axis2_stub_t* stub = nullptr;
};

TempDir* Https::pki = nullptr;
bool Https::ready = false;

TEST_F(Https, ServerTrustedThroughServerCertIsAccepted) {
  TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket());
  axiom_node_t* reply =
      Exchange(peer.Url("https"), Parameter("SERVER_CERT", pki->File("ca.pem")));
  ASSERT_NE(nullptr, reply) << holder.Message();
  EXPECT_EQ("<pong/>", ToString(holder.env, reply));
  ASSERT_EQ(1u, peer.Requests().size());
  EXPECT_NE(std::string::npos, peer.Requests()[0].find("<soapenv:Body><Ping/></soapenv:Body>"));
}

TEST_F(Https, HostNameIsCheckedAgainstTheCertificate) {
  TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket());
  std::string url = "https://localhost:" + std::to_string(peer.Port()) + "/Ostrel2";
  EXPECT_NE(nullptr, Exchange(url, Parameter("SERVER_CERT", pki->File("ca.pem"))))
      << holder.Message();
}

TEST_F(Https, UntrustedServerIsRefusedWithCertificateError) {
  TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket());
  // Without SERVER_CERT the system store is used, which does not know the test CA.
  EXPECT_EQ(nullptr, Exchange(peer.Url("https"), ""));
  EXPECT_EQ(AXIS2_ERROR_SSL_ENGINE, holder.Number());
  EXPECT_NE(std::string::npos, holder.Message().find("certificate")) << holder.Message();
  EXPECT_NE(std::string::npos, holder.Message().find(peer.Url("https"))) << holder.Message();
  EXPECT_TRUE(peer.Requests().empty());
}

TEST_F(Https, ServerCertificateOfAnotherCaIsRefused) {
  TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket());
  // The client certificate is no CA: nothing chains to it.
  EXPECT_EQ(nullptr, Exchange(peer.Url("https"), Parameter("SERVER_CERT", pki->File("client.pem"))));
  EXPECT_EQ(AXIS2_ERROR_SSL_ENGINE, holder.Number());
}

TEST_F(Https, MissingServerCertFileIsReported) {
  EXPECT_EQ(nullptr, Exchange("https://127.0.0.1:1/Ostrel2",
                              Parameter("SERVER_CERT", pki->File("absent.pem"))));
  EXPECT_EQ(AXIS2_ERROR_SSL_NO_CA_FILE, holder.Number());
  EXPECT_NE(std::string::npos, holder.Message().find("absent.pem")) << holder.Message();
}

// A program written for Axis2/C may give the TLS parameters as option
// properties; they win over axis2.xml.
TEST_F(Https, ServerCertAsOptionPropertyReplacesTheConfiguration) {
  TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket());
  TempDir home;
  home.Write("axis2.xml", Axis2Xml(Parameter("SERVER_CERT", pki->File("absent.pem"))));
  axis2_svc_client_t* client = axis2_svc_client_create(holder.env, home.path.c_str());
  ASSERT_NE(nullptr, client) << holder.Message();
  auto* options = const_cast<axis2_options_t*>(axis2_svc_client_get_options(client, holder.env));
  axis2_options_set_to(options, holder.env, axis2_endpoint_ref_create(holder.env, peer.Url("https").c_str()));
  axis2_options_set_property(options, holder.env, AXIS2_SSL_SERVER_CERT,
                             axutil_property_create_with_args(holder.env, 0, AXIS2_TRUE, nullptr,
                                                              axutil_strdup(holder.env, pki->File("ca.pem").c_str())));
  axiom_node_t* payload = nullptr;
  axiom_element_create(holder.env, nullptr, "Ping", nullptr, &payload);
  axiom_node_t* reply = axis2_svc_client_send_receive(client, holder.env, payload);
  EXPECT_NE(nullptr, reply) << holder.Message();
  axis2_svc_client_free(client, holder.env);
}

TEST_F(Https, ClientCertificateFromKeyFileWithPassphrase) {
  TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket(true));
  const std::string trust = Parameter("SERVER_CERT", pki->File("ca.pem"));
  EXPECT_NE(nullptr, Exchange(peer.Url("https"),
                              trust + Parameter("KEY_FILE", pki->File("client-bundle.pem")) +
                                  Parameter("SSL_PASSPHRASE", "s3cret")))
      << holder.Message();
}

TEST_F(Https, ClientCertificateProblemsFailTheExchange) {
  TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket(true));
  const std::string trust = Parameter("SERVER_CERT", pki->File("ca.pem"));
  EXPECT_EQ(nullptr, Exchange(peer.Url("https"), trust));
  EXPECT_NE(AXIS2_ERROR_NONE, holder.Number());
  axis2_stub_free(stub, holder.env);
  stub = nullptr;

  EXPECT_EQ(nullptr, Exchange(peer.Url("https"),
                              trust + Parameter("KEY_FILE", pki->File("client-bundle.pem")) +
                                  Parameter("SSL_PASSPHRASE", "wrong")));
  EXPECT_EQ(AXIS2_ERROR_SSL_ENGINE, holder.Number());
  EXPECT_NE(std::string::npos, holder.Message().find("SSL_PASSPHRASE")) << holder.Message();
}

}  // namespace
