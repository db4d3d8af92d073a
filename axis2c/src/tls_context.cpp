// TLS context set-up. The context is configured directly rather than through
// POCO's SSLManager configuration, whose passphrase and certificate handlers
// would consult an application configuration this library does not have.
#include "tls_context.h"

#include "http_transport.h"

#include <axutil_error.h>

#include <Poco/Exception.h>
#include <Poco/File.h>
#include <Poco/Net/NetSSL.h>
#include <Poco/Net/SSLManager.h>
#include <Poco/Net/SSLException.h>

#include <openssl/err.h>
#include <openssl/ssl.h>

#include <cstring>
#include <mutex>

namespace axis2c {

namespace {

void InitializeOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    Poco::Net::initializeSSL();
    // Balanced at process exit, after every client is gone. uninitializeSSL
    // uses the SSLManager singleton, so it is created first and therefore
    // destroyed after the finalizer has run.
    Poco::Net::SSLManager::instance();
    static struct Finalizer {
      ~Finalizer() { Poco::Net::uninitializeSSL(); }
    } finalizer;
  });
}

int PassphraseCallback(char* buffer, int size, int, void* userData) {
  const auto* passphrase = static_cast<const std::string*>(userData);
  if (!passphrase || size <= 0) return 0;
  int length = static_cast<int>(passphrase->size());
  if (length >= size) length = size - 1;
  std::memcpy(buffer, passphrase->data(), static_cast<size_t>(length));
  buffer[length] = '\0';
  return length;
}

std::string OpenSslError() {
  unsigned long code = ERR_get_error();
  ERR_clear_error();
  if (!code) return "unknown error";
  char text[256];
  ERR_error_string_n(code, text, sizeof text);
  return text;
}

bool Readable(const std::string& path) {
  try {
    Poco::File file(path);
    return file.exists() && file.isFile() && file.canRead();
  } catch (const Poco::Exception&) {
    return false;
  }
}

void UseClientCertificate(SSL_CTX* context, const TransportSettings& settings) {
  const std::string& keyFile = settings.keyFile;
  if (!Readable(keyFile))
    throw TransportFailure(AXIS2_ERROR_SSL_ENGINE,
                           "KEY_FILE " + keyFile + " cannot be read");
  std::string passphrase = settings.passphrase;
  SSL_CTX_set_default_passwd_cb(context, PassphraseCallback);
  SSL_CTX_set_default_passwd_cb_userdata(context, &passphrase);
  std::string problem;
  if (SSL_CTX_use_certificate_chain_file(context, keyFile.c_str()) != 1)
    problem = "no usable certificate in KEY_FILE " + keyFile + " (" + OpenSslError() + ")";
  else if (SSL_CTX_use_PrivateKey_file(context, keyFile.c_str(), SSL_FILETYPE_PEM) != 1)
    problem = "private key in KEY_FILE " + keyFile +
              " cannot be loaded; wrong or missing SSL_PASSPHRASE? (" + OpenSslError() + ")";
  else if (SSL_CTX_check_private_key(context) != 1)
    problem = "private key in KEY_FILE " + keyFile + " does not match its certificate";
  SSL_CTX_set_default_passwd_cb_userdata(context, nullptr);
  if (!problem.empty()) throw TransportFailure(AXIS2_ERROR_SSL_ENGINE, problem);
}

}  // namespace

Poco::Net::Context::Ptr MakeClientContext(const TransportSettings& settings) {
  InitializeOnce();
  Poco::Net::Context::Params params;
  params.verificationMode = Poco::Net::Context::VERIFY_STRICT;
  params.verificationDepth = 9;
  if (settings.serverCert.empty()) {
    params.loadDefaultCAs = true;
  } else {
    if (!Readable(settings.serverCert))
      throw TransportFailure(AXIS2_ERROR_SSL_NO_CA_FILE,
                             "SERVER_CERT " + settings.serverCert + " cannot be read");
    params.caLocation = settings.serverCert;
    params.loadDefaultCAs = false;
  }
  Poco::Net::Context::Ptr context;
  try {
    context = new Poco::Net::Context(Poco::Net::Context::TLS_CLIENT_USE, params);
  } catch (const Poco::Exception& error) {
    throw TransportFailure(settings.serverCert.empty() ? AXIS2_ERROR_SSL_ENGINE
                                                       : AXIS2_ERROR_SSL_NO_CA_FILE,
                           "cannot set up TLS with SERVER_CERT '" + settings.serverCert +
                               "': " + error.displayText());
  }
  context->enableExtendedCertificateVerification(true);
  if (!settings.keyFile.empty()) UseClientCertificate(context->sslContext(), settings);
  return context;
}

}  // namespace axis2c
