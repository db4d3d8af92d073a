// HTTPS exchanges: the server certificate is checked against SERVER_CERT or
// the system store and must name the host, KEY_FILE supplies a client
// certificate, and the protocol and ciphers follow the client home. The CA
// and certificates are made with the openssl command line for each run.
#include "engine_test_support.h"
#include "test_peer.h"

#include <axis2_http_transport.h>

#include <gtest/gtest.h>

#include <Poco/Net/Context.h>
#include <Poco/Net/NetSSL.h>
#include <Poco/Net/SecureServerSocket.h>
#include <Poco/Net/SocketAddress.h>

#include <openssl/ssl.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

class Https : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        Poco::Net::initializeSSL();
        pki = new TempDir();
        const std::string d = pki->path;
        const std::string ec = " -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 ";
        pki->Write("server.ext", "subjectAltName=DNS:localhost,IP:127.0.0.1\nbasicConstraints=CA:FALSE\n");
        pki->Write("client.ext", "basicConstraints=CA:FALSE\nextendedKeyUsage=clientAuth\n");
        std::string script =
            "cd '" + d +
            "' && "
            "openssl req -x509" +
            ec +
            "-nodes -keyout ca.key -out ca.pem -days 2 -subj '/CN=Engine Test CA' && "
            "openssl req" +
            ec +
            "-nodes -keyout server.key -out server.csr -subj '/CN=localhost' && "
            "openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -out server.pem -days 2 -extfile server.ext && "
            "openssl req" +
            ec +
            "-passout pass:s3cret -keyout client.key -out client.csr -subj '/CN=agent' && "
            "openssl x509 -req -in client.csr -CA ca.pem -CAkey ca.key -CAcreateserial -out client.pem -days 2 -extfile client.ext && "
            "cat client.pem client.key > client-bundle.pem";
        // Server certificates that name the host in one way each (the key is shared), and one
        // with an RSA key for the suites with RSA key exchange.
        const struct
        {
            const char* name;
            const char* subject;
            const char* extensions;
        } issued[] = {
            {"dns-ip", "/CN=server", "subjectAltName=DNS:127.0.0.1"},
            {"wildcard-ip", "/CN=server", "subjectAltName=DNS:*.0.0.1"},
            {"cn-ip", "/CN=127.0.0.1", "basicConstraints=CA:FALSE"},
            {"ip-cn-localhost", "/CN=localhost", "subjectAltName=IP:127.0.0.1"},
            {"cn-localhost", "/CN=localhost", "basicConstraints=CA:FALSE"},
            {"partial-wildcard", "/CN=server", "subjectAltName=DNS:local*"},
        };
        for (const auto& certificate : issued)
        {
            const std::string name = certificate.name;
            pki->Write(name + ".ext", std::string(certificate.extensions) + "\n");
            script += " && openssl req -new -key server.key -out " + name + ".csr -subj '" + certificate.subject +
                      "' && openssl x509 -req -in " + name +
                      ".csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -out " + name + ".pem -extfile " + name +
                      ".ext";
        }
        script += " && openssl req -newkey rsa:2048 -nodes -keyout rsa.key -out rsa.csr -subj '/CN=rsa'"
                  " && openssl x509 -req -in rsa.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2"
                  " -out rsa.pem -extfile server.ext";
        ready = std::system(("(" + script + ") >/dev/null 2>&1").c_str()) == 0;
    }

    static void TearDownTestSuite()
    {
        delete pki;
        pki = nullptr;
        Poco::Net::uninitializeSSL();
    }

    void SetUp() override
    {
        if (!ready)
            GTEST_SKIP() << "openssl could not make the test certificates";
    }

    // HTTPS peer; with `requireClientCert` it insists on a certificate signed
    // by the test CA.
    static Poco::Net::ServerSocket ServerSocket(bool requireClientCert = false,
                                                const std::string& certificate = "server")
    {
        Poco::Net::Context::Params params;
        params.privateKeyFile = pki->File(certificate == "rsa" ? "rsa.key" : "server.key");
        params.certificateFile = pki->File(certificate + ".pem");
        params.verificationMode =
            requireClientCert ? Poco::Net::Context::VERIFY_STRICT : Poco::Net::Context::VERIFY_NONE;
        if (requireClientCert)
            params.caLocation = pki->File("ca.pem");
        Poco::Net::Context::Ptr context = new Poco::Net::Context(Poco::Net::Context::TLS_SERVER_USE, params);
        // The client certificate names the agent, not the client's address.
        context->enableExtendedCertificateVerification(false);
        return Poco::Net::SecureServerSocket(Poco::Net::SocketAddress("127.0.0.1", 0), 16, context);
    }

    // HTTPS peer on the RSA certificate that offers only `ciphers`, up to `maxVersion`.
    static Poco::Net::ServerSocket OldServerSocket(const std::string& ciphers, int maxVersion)
    {
        Poco::Net::Context::Params params;
        params.privateKeyFile = pki->File("rsa.key");
        params.certificateFile = pki->File("rsa.pem");
        params.verificationMode = Poco::Net::Context::VERIFY_NONE;
        params.cipherList = ciphers;
        Poco::Net::Context::Ptr context = new Poco::Net::Context(Poco::Net::Context::TLS_SERVER_USE, params);
        SSL_CTX_set_min_proto_version(context->sslContext(), TLS1_VERSION);
        SSL_CTX_set_max_proto_version(context->sslContext(), maxVersion);
        return Poco::Net::SecureServerSocket(Poco::Net::SocketAddress("127.0.0.1", 0), 16, context);
    }

    std::string Url(const TestPeer& peer, const std::string& host) const
    {
        return "https://" + host + ":" + std::to_string(peer.Port()) + "/Ostrel2";
    }

    // A stub for `url` whose client home holds `configuration` as axis2.xml.
    bool CreateStub(const std::string& url, const std::string& configuration)
    {
        TempDir home;
        home.Write("axis2.xml", configuration);
        axis2_endpoint_ref_t* endpoint = axis2_endpoint_ref_create(holder.env, url.c_str());
        stub = axis2_stub_create_with_endpoint_ref_and_client_home(holder.env, endpoint, home.path.c_str());
        return stub != nullptr;
    }

    axiom_node_t* Send()
    {
        axiom_node_t* payload = nullptr;
        axiom_element_create(holder.env, nullptr, "Ping", nullptr, &payload);
        return axis2_svc_client_send_receive(axis2_stub_get_svc_client(stub, holder.env), holder.env, payload);
    }

    axiom_node_t* Exchange(const std::string& url, const std::string& parameters)
    {
        if (!CreateStub(url, Axis2Xml("<transportSender name=\"https\" class=\"axis2_http_sender\">" + parameters +
                                      "<parameter name=\"SO_TIMEOUT\">3000</parameter>"
                                      "</transportSender>")))
            return nullptr;
        return Send();
    }

    void FreeStub()
    {
        axis2_stub_free(stub, holder.env);
        stub = nullptr;
    }

    void TearDown() override
    {
        axis2_stub_free(stub, holder.env);
    }

    static std::string Parameter(const std::string& name, const std::string& value)
    {
        return "<parameter name=\"" + name + "\">" + value + "</parameter>";
    }

    static TempDir* pki;
    static bool ready;
    EnvHolder holder;
    axis2_stub_t* stub = nullptr;
};

TempDir* Https::pki = nullptr;
bool Https::ready = false;

TEST_F(Https, ServerTrustedThroughServerCertIsAccepted)
{
    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket());
    axiom_node_t* reply = Exchange(peer.Url("https"), Parameter("SERVER_CERT", pki->File("ca.pem")));
    ASSERT_NE(nullptr, reply) << holder.Message();
    EXPECT_EQ("<pong/>", ToString(holder.env, reply));
    ASSERT_EQ(1u, peer.Requests().size());
    EXPECT_NE(std::string::npos, peer.Requests()[0].find("<soapenv:Body><Ping/></soapenv:Body>"));
}

TEST_F(Https, HostNameIsCheckedAgainstTheCertificate)
{
    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket());
    std::string url = "https://localhost:" + std::to_string(peer.Port()) + "/Ostrel2";
    EXPECT_NE(nullptr, Exchange(url, Parameter("SERVER_CERT", pki->File("ca.pem")))) << holder.Message();
}

TEST_F(Https, IpAddressMatchesOnlyAnIpAddressSubjectAltName)
{
    const std::string trust = Parameter("SERVER_CERT", pki->File("ca.pem"));
    // A DNS name spelled like the address, a wildcard over it, the common name alone.
    for (const char* certificate : {"dns-ip", "wildcard-ip", "cn-ip"})
    {
        SCOPED_TRACE(certificate);
        TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket(false, certificate));
        EXPECT_EQ(nullptr, Exchange(Url(peer, "127.0.0.1"), trust));
        EXPECT_EQ(AXIS2_ERROR_SSL_ENGINE, holder.Number());
        EXPECT_NE(std::string::npos,
                  holder.Message().find("IP address mismatch: the certificate does not name 127.0.0.1"))
            << holder.Message();
        EXPECT_NE(std::string::npos, holder.Log().find("IP address mismatch"));
        EXPECT_TRUE(peer.Requests().empty());
        FreeStub();
    }
    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket(false, "ip-cn-localhost"));
    EXPECT_NE(nullptr, Exchange(Url(peer, "127.0.0.1"), trust)) << holder.Message();
}

TEST_F(Https, DnsNameMatchesDnsNamesAndTheCommonNameOnlyWithoutThem)
{
    const std::string trust = Parameter("SERVER_CERT", pki->File("ca.pem"));
    struct
    {
        const char* certificate;
        bool accepted;
    } cases[] = {
        {"ip-cn-localhost", false},  // has a subjectAltName: the common name does not count
        {"partial-wildcard", false}, // "local*" is no wildcard label
        {"cn-localhost", true},      // no subjectAltName at all
        {"server", true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.certificate);
        TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket(false, c.certificate));
        axiom_node_t* reply = Exchange(Url(peer, "localhost"), trust);
        if (c.accepted)
        {
            EXPECT_NE(nullptr, reply) << holder.Message();
        }
        else
        {
            EXPECT_EQ(nullptr, reply);
            EXPECT_EQ(AXIS2_ERROR_SSL_ENGINE, holder.Number());
            EXPECT_NE(std::string::npos,
                      holder.Message().find("hostname mismatch: the certificate does not name localhost"))
                << holder.Message();
            EXPECT_TRUE(peer.Requests().empty());
        }
        FreeStub();
    }
}

TEST_F(Https, OnlyForwardSecretAeadSuitesUnlessTheClientHomeWidensThem)
{
    const std::string trust = Parameter("SERVER_CERT", pki->File("ca.pem"));
    struct
    {
        const char* what;
        std::string serverCiphers;
        int serverMax;
        std::string clientParameters;
        bool accepted;
    } cases[] = {
        {"RSA key exchange, CBC, SHA-1", "AES128-SHA", TLS1_2_VERSION, "", false},
        {"the same, allowed for an old server", "AES128-SHA", TLS1_2_VERSION,
         Parameter("SSL_CIPHER_LIST", "AES128-SHA"), true},
        {"ECDHE without AEAD", "ECDHE-RSA-AES128-SHA256", TLS1_2_VERSION, "", false},
        {"ECDHE with AES-GCM", "ECDHE-RSA-AES128-GCM-SHA256", TLS1_2_VERSION, "", true},
        {"ECDHE with ChaCha20-Poly1305", "ECDHE-RSA-CHACHA20-POLY1305", TLS1_2_VERSION, "", true},
        {"TLS 1.1", "ECDHE-RSA-AES128-SHA:@SECLEVEL=0", TLS1_1_VERSION, "", false},
        {"TLS 1.1, allowed for an old server", "ECDHE-RSA-AES128-SHA:@SECLEVEL=0", TLS1_1_VERSION,
         Parameter("SSL_MIN_PROTOCOL", "TLSv1.1") + Parameter("SSL_CIPHER_LIST", "ECDHE-RSA-AES128-SHA:@SECLEVEL=0"),
         true},
        {"TLS 1.3", "ECDHE-RSA-AES128-GCM-SHA256", TLS1_3_VERSION, "", true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")),
                      OldServerSocket(c.serverCiphers, c.serverMax));
        axiom_node_t* reply = Exchange(peer.Url("https"), trust + c.clientParameters);
        if (c.accepted)
        {
            EXPECT_NE(nullptr, reply) << holder.Message();
        }
        else
        {
            EXPECT_EQ(nullptr, reply);
            EXPECT_EQ(AXIS2_ERROR_SSL_ENGINE, holder.Number()) << holder.Message();
            EXPECT_NE(std::string::npos, holder.Message().find("(offered TLSv1.2 or later, SSL_CIPHER_LIST '"))
                << holder.Message();
            EXPECT_TRUE(peer.Requests().empty());
        }
        FreeStub();
    }

    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket());
    EXPECT_EQ(nullptr, Exchange(peer.Url("https"), trust + Parameter("SSL_CIPHER_LIST", "NO-SUCH-CIPHER")));
    EXPECT_EQ(AXIS2_ERROR_INVALID_STATE_CONF, holder.Number());
    EXPECT_NE(std::string::npos, holder.Message().find("SSL_CIPHER_LIST 'NO-SUCH-CIPHER'")) << holder.Message();
}

TEST_F(Https, UntrustedServerIsRefusedWithCertificateError)
{
    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket());
    // Without SERVER_CERT the system store is used, which does not know the test CA.
    EXPECT_EQ(nullptr, Exchange(peer.Url("https"), ""));
    EXPECT_EQ(AXIS2_ERROR_SSL_ENGINE, holder.Number());
    EXPECT_NE(std::string::npos, holder.Message().find("certificate")) << holder.Message();
    EXPECT_NE(std::string::npos, holder.Message().find(peer.Url("https"))) << holder.Message();
    EXPECT_TRUE(peer.Requests().empty());
}

TEST_F(Https, ServerCertificateOfAnotherCaIsRefused)
{
    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket());
    // The client certificate is no CA: nothing chains to it.
    EXPECT_EQ(nullptr, Exchange(peer.Url("https"), Parameter("SERVER_CERT", pki->File("client.pem"))));
    EXPECT_EQ(AXIS2_ERROR_SSL_ENGINE, holder.Number());
}

// A program written for Axis2/C may give the TLS parameters as option
// properties; they win over axis2.xml.
TEST_F(Https, ServerCertAsOptionPropertyReplacesTheConfiguration)
{
    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket());
    TempDir home;
    home.Write("axis2.xml", Axis2Xml(Parameter("SERVER_CERT", pki->File("absent.pem"))));
    axis2_svc_client_t* client = axis2_svc_client_create(holder.env, home.path.c_str());
    ASSERT_NE(nullptr, client) << holder.Message();
    auto* options = const_cast<axis2_options_t*>(axis2_svc_client_get_options(client, holder.env));
    axis2_options_set_to(options, holder.env, axis2_endpoint_ref_create(holder.env, peer.Url("https").c_str()));
    axis2_options_set_property(
        options, holder.env, AXIS2_SSL_SERVER_CERT,
        axutil_property_create_with_args(holder.env, 0, AXIS2_TRUE, nullptr,
                                         axutil_strdup(holder.env, pki->File("ca.pem").c_str())));
    axiom_node_t* payload = nullptr;
    axiom_element_create(holder.env, nullptr, "Ping", nullptr, &payload);
    axiom_node_t* reply = axis2_svc_client_send_receive(client, holder.env, payload);
    EXPECT_NE(nullptr, reply) << holder.Message();
    axis2_svc_client_free(client, holder.env);
}

TEST_F(Https, ClientCertificateFromKeyFileWithPassphrase)
{
    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket(true));
    const std::string trust = Parameter("SERVER_CERT", pki->File("ca.pem"));
    EXPECT_NE(nullptr, Exchange(peer.Url("https"), trust + Parameter("KEY_FILE", pki->File("client-bundle.pem")) +
                                                       Parameter("SSL_PASSPHRASE", "s3cret")))
        << holder.Message();
}

TEST_F(Https, ServerThatRequiresAClientCertificateRefusesAnExchangeWithout)
{
    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket(true));
    EXPECT_EQ(nullptr, Exchange(peer.Url("https"), Parameter("SERVER_CERT", pki->File("ca.pem"))));
    EXPECT_NE(AXIS2_ERROR_NONE, holder.Number());
}

// The certificate and key files are read when the client is created: a
// process that cannot open them any more (rights dropped) still uses them.
TEST_F(Https, TrustAndClientCertificateAreReadWhenTheClientIsCreated)
{
    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket(true));
    TempDir files;
    files.Write("ca.pem", ReadFile(pki->File("ca.pem")));
    files.Write("client-bundle.pem", ReadFile(pki->File("client-bundle.pem")));
    // The trust for every transport, the client certificate for https only.
    ASSERT_TRUE(CreateStub(peer.Url("https"), Axis2Xml(Parameter("SERVER_CERT", files.File("ca.pem")) +
                                                       "<transportSender name=\"https\" class=\"axis2_http_sender\">" +
                                                       Parameter("KEY_FILE", files.File("client-bundle.pem")) +
                                                       Parameter("SSL_PASSPHRASE", "s3cret") + "</transportSender>")))
        << holder.Message();
    Poco::File(files.path).remove(true);
    for (int exchange = 1; exchange <= 2; ++exchange)
    {
        SCOPED_TRACE(exchange);
        axiom_node_t* reply = Send();
        ASSERT_NE(nullptr, reply) << holder.Message();
        EXPECT_EQ("<pong/>", ToString(holder.env, reply));
    }
    EXPECT_EQ(2u, peer.Requests().size());
}

TEST_F(Https, CaBundleWithSeveralCertificatesAndTextBetweenThem)
{
    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket());
    TempDir files;
    files.Write("bundle.pem", "Trusted by the agent\n# the client's own certificate first\n" +
                                  ReadFile(pki->File("client.pem")) + "\nEngine Test CA\n=============\n" +
                                  ReadFile(pki->File("ca.pem")) + ReadFile(pki->File("rsa.pem")) + "end of bundle\n");
    EXPECT_NE(nullptr, Exchange(peer.Url("https"), Parameter("SERVER_CERT", files.File("bundle.pem"))))
        << holder.Message();
}

// Each problem fails the exchange, not the creation of the client, and the
// exchange fails before anything is sent.
TEST_F(Https, UnusableTrustOrKeyFilesFailTheExchange)
{
    TestPeer peer(TestPeer::Reply(200, TestPeer::Envelope("<pong/>")), ServerSocket(true));
    TempDir files;
    files.Write("text.pem", "no certificate in here\n");
    files.Write("mismatch.pem", ReadFile(pki->File("client.pem")) + ReadFile(pki->File("server.key")));
    files.Write("fifo/.keep", "");
    files.Write("empty.pem", "");
    ASSERT_EQ(0, ::symlink("/dev/zero", files.File("zero.pem").c_str()));
    ASSERT_EQ(0, ::mkfifo(files.File("fifo.pem").c_str(), 0600));
    files.Write("huge.pem", "");
    ASSERT_EQ(0, ::truncate(files.File("huge.pem").c_str(), 5 * 1024 * 1024));
    const std::string trust = Parameter("SERVER_CERT", pki->File("ca.pem"));
    const std::string client = Parameter("KEY_FILE", pki->File("client-bundle.pem"));
    struct
    {
        const char* what;
        std::string parameters;
        int number;
        std::string text;
    } cases[] = {
        {"SERVER_CERT without a certificate", Parameter("SERVER_CERT", files.File("text.pem")) + client,
         AXIS2_ERROR_SSL_NO_CA_FILE,
         "cannot set up TLS with SERVER_CERT '" + files.File("text.pem") + "': SSL context exception: Cannot load CA"},
        {"SERVER_CERT of an encrypted key alone", Parameter("SERVER_CERT", pki->File("client.key")) + client,
         AXIS2_ERROR_SSL_NO_CA_FILE, "cannot set up TLS with SERVER_CERT '" + pki->File("client.key") + "'"},
        {"SERVER_CERT empty", Parameter("SERVER_CERT", files.File("empty.pem")), AXIS2_ERROR_SSL_NO_CA_FILE,
         "no certificate or crl found"},
        {"SERVER_CERT missing", Parameter("SERVER_CERT", files.File("absent.pem")), AXIS2_ERROR_SSL_NO_CA_FILE,
         "SERVER_CERT " + files.File("absent.pem") + " cannot be read"},
        {"SERVER_CERT a directory", Parameter("SERVER_CERT", files.File("fifo")), AXIS2_ERROR_SSL_NO_CA_FILE,
         "SERVER_CERT " + files.File("fifo") + " cannot be read"},
        {"SERVER_CERT too large", Parameter("SERVER_CERT", files.File("huge.pem")), AXIS2_ERROR_SSL_NO_CA_FILE,
         "SERVER_CERT " + files.File("huge.pem") + " cannot be read"},
        {"KEY_FILE missing", trust + Parameter("KEY_FILE", files.File("absent.pem")), AXIS2_ERROR_SSL_ENGINE,
         "KEY_FILE " + files.File("absent.pem") + " cannot be read"},
        {"KEY_FILE a FIFO", trust + Parameter("KEY_FILE", files.File("fifo.pem")), AXIS2_ERROR_SSL_ENGINE,
         "KEY_FILE " + files.File("fifo.pem") + " cannot be read"},
        {"KEY_FILE a link to a device", trust + Parameter("KEY_FILE", files.File("zero.pem")), AXIS2_ERROR_SSL_ENGINE,
         "KEY_FILE " + files.File("zero.pem") + " cannot be read"},
        {"KEY_FILE empty", trust + Parameter("KEY_FILE", files.File("empty.pem")), AXIS2_ERROR_SSL_ENGINE,
         "no usable certificate in KEY_FILE " + files.File("empty.pem") + " ("},
        {"KEY_FILE without a certificate", trust + Parameter("KEY_FILE", files.File("text.pem")),
         AXIS2_ERROR_SSL_ENGINE, "no usable certificate in KEY_FILE " + files.File("text.pem") + " ("},
        {"no passphrase", trust + client, AXIS2_ERROR_SSL_ENGINE,
         "private key in KEY_FILE " + pki->File("client-bundle.pem") +
             " cannot be loaded; wrong or missing SSL_PASSPHRASE? ("},
        {"wrong passphrase", trust + client + Parameter("SSL_PASSPHRASE", "wrong"), AXIS2_ERROR_SSL_ENGINE,
         "private key in KEY_FILE " + pki->File("client-bundle.pem") +
             " cannot be loaded; wrong or missing SSL_PASSPHRASE? ("},
        {"key of another certificate", trust + Parameter("KEY_FILE", files.File("mismatch.pem")),
         AXIS2_ERROR_SSL_ENGINE, "key values mismatch"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(CreateStub(peer.Url("https"),
                               Axis2Xml("<transportSender name=\"https\">" + c.parameters + "</transportSender>")))
            << holder.Message();
        EXPECT_EQ(nullptr, Send());
        EXPECT_EQ(c.number, holder.Number()) << holder.Message();
        EXPECT_NE(std::string::npos, holder.Message().find(c.text)) << holder.Message();
        FreeStub();
    }
    EXPECT_TRUE(peer.Requests().empty());
}

} // namespace
