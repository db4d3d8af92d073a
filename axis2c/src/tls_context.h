// TLS client contexts built from the client configuration: server
// verification against SERVER_CERT or the system CA store, host name
// checking, and the optional client certificate from KEY_FILE.
#pragma once

#include "client_config.h"

#include <Poco/Net/Context.h>

namespace axis2c {

// Throws TransportFailure (SSL_NO_CA_FILE; SSL_ENGINE for an unusable client certificate).
Poco::Net::Context::Ptr MakeClientContext(const TransportSettings& settings);

}  // namespace axis2c
