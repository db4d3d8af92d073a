// The client home's axis2.xml: transport and TLS parameters for exchanges.
// A parameter inside <transportSender name="X"> applies to scheme X and
// overrides the same parameter given elsewhere in the file.
#pragma once

#include "tls_file.h"

#include <cstddef>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace axis2c
{

// Client-home parameters of this engine beyond Axis2/C's own.
// Largest reply accepted, in bytes; a larger one is refused while it is read.
constexpr const char kMaxReplySize[] = "MAX_REPLY_SIZE";
// OpenSSL cipher list for TLS 1.2 and older, for a server that has no
// forward-secret AEAD suite.
constexpr const char kSslCipherList[] = "SSL_CIPHER_LIST";
// Oldest protocol offered: TLSv1, TLSv1.1, TLSv1.2 or TLSv1.3.
constexpr const char kSslMinProtocol[] = "SSL_MIN_PROTOCOL";

// ECDHE key exchange with AES-GCM or ChaCha20-Poly1305 (ECDSA or RSA
// certificates); TLS 1.3 suites are all forward-secret AEAD anyway.
constexpr const char kDefaultCipherList[] = "ECDHE+AESGCM:ECDHE+CHACHA20";

struct TransportSettings
{
    long soTimeoutMs = 60000;
    long connectionTimeoutMs = 60000;
    size_t maxReplyBytes = 64u * 1024u * 1024u;
    std::string serverCert;
    std::string keyFile;
    // What the configuration's SERVER_CERT and KEY_FILE held when the client
    // was created; null when they name no file. A path given later (an option
    // property) differs from the one kept here and is read when it is used.
    std::shared_ptr<const TlsFile> serverCertContents;
    std::shared_ptr<const TlsFile> keyFileContents;
    std::string passphrase;
    std::string cipherList = kDefaultCipherList;
    std::string minProtocol = "TLSv1.2";
};

// What is wrong with a configuration file, naming the file.
class ConfigurationError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class ClientConfiguration
{
public:
    // Defaults when `clientHome` is empty or a directory without axis2.xml.
    // Throws ConfigurationMissing (client_home.h) when it names a file that does
    // not exist, ConfigurationError for a file that is unreadable or malformed.
    // The files that SERVER_CERT and KEY_FILE name are read here; one that
    // cannot be read is no error yet (see TlsFile).
    static ClientConfiguration Load(const std::string& clientHome);

    TransportSettings ForScheme(const std::string& scheme) const;

private:
    using Parameters = std::map<std::string, std::string>;
    void ReadTlsFiles();

    Parameters general;
    std::map<std::string, Parameters> byTransport;
    // By path, each file read once however many transports name it.
    std::map<std::string, std::shared_ptr<const TlsFile>> tlsFiles;
};

} // namespace axis2c
