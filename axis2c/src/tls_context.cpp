// TLS context set-up. The context is configured directly rather than through
// POCO's SSLManager configuration, whose passphrase and certificate handlers
// would consult an application configuration this library does not have.
#include "tls_context.h"

#include "http_transport.h"

#include <axutil_error.h>

#include <Poco/Exception.h>
#include <Poco/Net/IPAddress.h>
#include <Poco/Net/NetSSL.h>
#include <Poco/Net/SSLException.h>
#include <Poco/Net/SSLManager.h>

#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#include <cstring>
#include <memory>
#include <mutex>
#include <new>

namespace axis2c
{

namespace
{

void InitializeOnce()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Poco::Net::initializeSSL();
        // Balanced at process exit, after every client is gone. uninitializeSSL
        // uses the SSLManager singleton, so it is created first and therefore
        // destroyed after the finalizer has run.
        Poco::Net::SSLManager::instance();
        static struct Finalizer
        {
            ~Finalizer()
            {
                Poco::Net::uninitializeSSL();
            }
        } finalizer;
    });
}

int PassphraseCallback(char* buffer, int size, int, void* userData)
{
    const auto* passphrase = static_cast<const std::string*>(userData);
    if (!passphrase || size <= 0)
        return 0;
    int length = static_cast<int>(passphrase->size());
    if (length >= size)
        length = size - 1;
    std::memcpy(buffer, passphrase->data(), static_cast<size_t>(length));
    buffer[length] = '\0';
    return length;
}

std::string OpenSslError()
{
    unsigned long code = ERR_get_error();
    ERR_clear_error();
    if (!code)
        return "unknown error";
    char text[256];
    ERR_error_string_n(code, text, sizeof text);
    return text;
}

using Bio = std::unique_ptr<BIO, decltype(&BIO_free)>;

// A read-only view of the contents; they outlive it.
Bio MemoryBio(const TlsFile& file)
{
    Bio bio(BIO_new_mem_buf(file.Contents().data(), static_cast<int>(file.Contents().size())), &BIO_free);
    if (!bio)
        throw std::bad_alloc();
    return bio;
}

// The contents read with the configuration, or, for a path that replaced the
// configured one since (an option property), the file as it is now.
std::shared_ptr<const TlsFile> ContentsOf(const std::string& path, const std::shared_ptr<const TlsFile>& kept)
{
    if (kept && kept->Path() == path)
        return kept;
    return TlsFile::Read(path);
}

std::string Unreadable(const char* parameter, const TlsFile& file)
{
    return std::string(parameter) + " " + file.Path() + " cannot be read" +
           (file.Problem().empty() ? "" : ": " + file.Problem());
}

// Every certificate and revocation list of a PEM bundle, text between them
// allowed, goes into the context's trust store; a bundle without any is
// refused, as OpenSSL refuses such a CA file.
void TrustCertificates(SSL_CTX* context, const TlsFile& file)
{
    ERR_clear_error();
    Bio bio = MemoryBio(file);
    // An empty password rather than none: an encrypted item must not make
    // OpenSSL ask on the terminal.
    char noPassword[] = "";
    std::unique_ptr<STACK_OF(X509_INFO), void (*)(STACK_OF(X509_INFO)*)> items(
        PEM_X509_INFO_read_bio(bio.get(), nullptr, nullptr, noPassword),
        [](STACK_OF(X509_INFO) * stack) { sk_X509_INFO_pop_free(stack, X509_INFO_free); });
    X509_STORE* store = SSL_CTX_get_cert_store(context);
    int count = 0;
    bool added = items != nullptr;
    for (int i = 0; added && i < sk_X509_INFO_num(items.get()); ++i)
    {
        const X509_INFO* item = sk_X509_INFO_value(items.get(), i);
        if (item->x509)
        {
            added = X509_STORE_add_cert(store, item->x509) == 1;
            ++count;
        }
        if (added && item->crl)
        {
            added = X509_STORE_add_crl(store, item->crl) == 1;
            ++count;
        }
    }
    if (added && count == 0)
    {
        ERR_raise(ERR_LIB_X509, X509_R_NO_CERTIFICATE_OR_CRL_FOUND);
        added = false;
    }
    // Worded as when the path itself was handed to OpenSSL through POCO, for
    // whoever matches the text.
    if (!added)
        throw TransportFailure(AXIS2_ERROR_SSL_NO_CA_FILE, "cannot set up TLS with SERVER_CERT '" + file.Path() +
                                                               "': SSL context exception: Cannot load CA "
                                                               "file/directory at " +
                                                               file.Path() + ": " + OpenSslError());
}

// The first certificate of the file is the client's, any further ones the
// chain that leads to the server's CA.
bool UseCertificateChain(SSL_CTX* context, const TlsFile& file, std::string* passphrase)
{
    Bio bio = MemoryBio(file);
    std::unique_ptr<X509, decltype(&X509_free)> leaf(
        PEM_read_bio_X509_AUX(bio.get(), nullptr, PassphraseCallback, passphrase), &X509_free);
    if (!leaf || SSL_CTX_use_certificate(context, leaf.get()) != 1 || SSL_CTX_clear_chain_certs(context) != 1)
        return false;
    while (X509* issuer = PEM_read_bio_X509(bio.get(), nullptr, PassphraseCallback, passphrase))
    {
        if (SSL_CTX_add0_chain_cert(context, issuer) != 1)
        {
            X509_free(issuer);
            return false;
        }
    }
    // The end of the file ends the loop; anything else is a damaged certificate.
    const unsigned long last = ERR_peek_last_error();
    if (ERR_GET_LIB(last) != ERR_LIB_PEM || ERR_GET_REASON(last) != PEM_R_NO_START_LINE)
        return false;
    ERR_clear_error();
    return true;
}

bool UsePrivateKey(SSL_CTX* context, const TlsFile& file, std::string* passphrase)
{
    Bio bio = MemoryBio(file);
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
        PEM_read_bio_PrivateKey(bio.get(), nullptr, PassphraseCallback, passphrase), &EVP_PKEY_free);
    // Also refused when the key does not belong to the certificate.
    return key && SSL_CTX_use_PrivateKey(context, key.get()) == 1;
}

void UseClientCertificate(SSL_CTX* context, const TransportSettings& settings)
{
    const std::string& keyFile = settings.keyFile;
    const std::shared_ptr<const TlsFile> file = ContentsOf(keyFile, settings.keyFileContents);
    if (!file->Readable())
        throw TransportFailure(AXIS2_ERROR_SSL_ENGINE, Unreadable("KEY_FILE", *file));
    std::string passphrase = settings.passphrase;
    ERR_clear_error();
    std::string problem;
    if (!UseCertificateChain(context, *file, &passphrase))
        problem = "no usable certificate in KEY_FILE " + keyFile + " (" + OpenSslError() + ")";
    else if (!UsePrivateKey(context, *file, &passphrase))
        problem = "private key in KEY_FILE " + keyFile + " cannot be loaded; wrong or missing SSL_PASSPHRASE? (" +
                  OpenSslError() + ")";
    else if (SSL_CTX_check_private_key(context) != 1)
        problem = "private key in KEY_FILE " + keyFile + " does not match its certificate";
    OPENSSL_cleanse(&passphrase[0], passphrase.size());
    if (!problem.empty())
        throw TransportFailure(AXIS2_ERROR_SSL_ENGINE, problem);
}

// The TLS 1.3 suites, all forward-secret AEAD; named so that a system-wide
// OpenSSL configuration cannot widen them.
const char kTls13Suites[] = "TLS_AES_256_GCM_SHA384:TLS_CHACHA20_POLY1305_SHA256:TLS_AES_128_GCM_SHA256";

int ProtocolVersion(const std::string& name)
{
    if (name == "TLSv1")
        return TLS1_VERSION;
    if (name == "TLSv1.1")
        return TLS1_1_VERSION;
    if (name == "TLSv1.3")
        return TLS1_3_VERSION;
    return TLS1_2_VERSION;
}

void ApplyPolicy(SSL_CTX* context, const TransportSettings& settings)
{
    if (SSL_CTX_set_min_proto_version(context, ProtocolVersion(settings.minProtocol)) != 1 ||
        SSL_CTX_set_ciphersuites(context, kTls13Suites) != 1)
        throw TransportFailure(AXIS2_ERROR_SSL_ENGINE, "cannot set the TLS protocol policy (" + OpenSslError() + ")");
    if (SSL_CTX_set_cipher_list(context, settings.cipherList.c_str()) != 1)
        throw TransportFailure(AXIS2_ERROR_INVALID_STATE_CONF, "SSL_CIPHER_LIST '" + settings.cipherList +
                                                                   "' names no cipher this OpenSSL offers (" +
                                                                   OpenSslError() + ")");
}

bool HasSubjectAltName(X509* certificate)
{
    int critical = 0;
    auto* names = static_cast<GENERAL_NAMES*>(X509_get_ext_d2i(certificate, NID_subject_alt_name, &critical, nullptr));
    const bool any = names && sk_GENERAL_NAME_num(names) > 0;
    GENERAL_NAMES_free(names);
    return any;
}

// OpenSSL's chain verification, which also matches the host set on the
// context, and then the rule OpenSSL leaves out: a certificate with any
// subjectAltName (an IP address one only, say) is never matched on its
// common name.
int VerifyChainAndHost(X509_STORE_CTX* store, void* argument)
{
    auto* problem = static_cast<std::string*>(argument);
    int ok = X509_verify_cert(store);
    X509_VERIFY_PARAM* param = X509_STORE_CTX_get0_param(store);
    const char* host = X509_VERIFY_PARAM_get0_host(param, 0);
    if (ok == 1 && host)
    {
        X509* leaf = X509_STORE_CTX_get0_cert(store);
        if (HasSubjectAltName(leaf) &&
            X509_check_host(leaf, host, 0, X509_CHECK_FLAG_NEVER_CHECK_SUBJECT | X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS,
                            nullptr) != 1)
        {
            X509_STORE_CTX_set_error(store, X509_V_ERR_HOSTNAME_MISMATCH);
            ok = 0;
        }
    }
    if (ok != 1 && problem)
    {
        const int error = X509_STORE_CTX_get_error(store);
        *problem = X509_verify_cert_error_string(error);
        if (error == X509_V_ERR_HOSTNAME_MISMATCH || error == X509_V_ERR_IP_ADDRESS_MISMATCH)
        {
            char* ip = X509_VERIFY_PARAM_get1_ip_asc(param);
            *problem += std::string(": the certificate does not name ") + (host ? host : ip ? ip : "");
            OPENSSL_free(ip);
        }
    }
    return ok;
}

// The host is matched by OpenSSL during the handshake, an IP address only
// against IP address subjectAltNames; partial wildcards ("w*.example") are
// not accepted.
void CheckHost(SSL_CTX* context, const std::string& host, std::string* problem)
{
    X509_VERIFY_PARAM* param = SSL_CTX_get0_param(context);
    Poco::Net::IPAddress address;
    const bool set = Poco::Net::IPAddress::tryParse(host, address)
                         ? X509_VERIFY_PARAM_set1_ip_asc(param, host.c_str()) == 1
                         : X509_VERIFY_PARAM_set1_host(param, host.c_str(), host.size()) == 1;
    if (!set)
        throw TransportFailure(AXIS2_ERROR_INVALID_ADDRESS,
                               "host '" + host + "' cannot be checked against a certificate");
    X509_VERIFY_PARAM_set_hostflags(param, X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
    SSL_CTX_set_cert_verify_callback(context, VerifyChainAndHost, problem);
}

} // namespace

Poco::Net::Context::Ptr MakeClientContext(const TransportSettings& settings, const std::string& host,
                                          std::string* problem)
{
    InitializeOnce();
    Poco::Net::Context::Params params;
    // The configured list is applied, and checked, below.
    params.cipherList = kDefaultCipherList;
    params.verificationMode = Poco::Net::Context::VERIFY_STRICT;
    params.verificationDepth = 9;
    // A configured CA file goes into the context's store below, from the
    // contents read with the configuration.
    params.loadDefaultCAs = settings.serverCert.empty();
    std::shared_ptr<const TlsFile> trust;
    if (!settings.serverCert.empty())
    {
        trust = ContentsOf(settings.serverCert, settings.serverCertContents);
        if (!trust->Readable())
            throw TransportFailure(AXIS2_ERROR_SSL_NO_CA_FILE, Unreadable("SERVER_CERT", *trust));
    }
    Poco::Net::Context::Ptr context;
    try
    {
        context = new Poco::Net::Context(Poco::Net::Context::TLS_CLIENT_USE, params);
    }
    catch (const Poco::Exception& error)
    {
        throw TransportFailure(AXIS2_ERROR_SSL_ENGINE, "cannot set up TLS with SERVER_CERT '" + settings.serverCert +
                                                           "': " + error.displayText());
    }
    if (trust)
        TrustCertificates(context->sslContext(), *trust);
    // POCO's own check after the handshake matches an IP address against DNS
    // names and the common name too; OpenSSL's during the handshake is the one.
    context->enableExtendedCertificateVerification(false);
    ApplyPolicy(context->sslContext(), settings);
    CheckHost(context->sslContext(), host, problem);
    if (!settings.keyFile.empty())
        UseClientCertificate(context->sslContext(), settings);
    return context;
}

} // namespace axis2c
