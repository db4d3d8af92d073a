// TLS client contexts built from the client configuration: server
// verification against SERVER_CERT or the system CA store, host name
// checking, the protocol and cipher policy, and the optional client
// certificate from KEY_FILE. Both files are taken from the contents read with
// the configuration; nothing is opened here unless an option property named
// another file since.
#pragma once

#include "client_config.h"

#include <Poco/Net/Context.h>

namespace axis2c
{

// A context for one exchange with `host`: the server's certificate must
// chain to a trusted CA and name `host` (an IP address only in an IP address
// subjectAltName, a DNS name only in DNS subjectAltNames, or in the subject's
// common name when the certificate has no subjectAltName at all). What the
// verification found wrong is written to `*problem`, which must outlive the
// context. Throws TransportFailure (SSL_NO_CA_FILE, SSL_ENGINE,
// INVALID_STATE_CONF).
Poco::Net::Context::Ptr MakeClientContext(const TransportSettings& settings, const std::string& host,
                                          std::string* problem);

} // namespace axis2c
