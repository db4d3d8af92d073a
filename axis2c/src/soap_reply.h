// Taking an HTTP reply apart into SOAP envelope, payload, fault or error.
#pragma once

#include "http_transport.h"
#include "soap_envelope.h"

#include <axutil_env.h>

#include <string>

namespace axis2c
{

struct TreeDeleter
{
    void operator()(axiom_node* node) const
    {
        DeleteTree(node);
    }
};
using Tree = std::unique_ptr<axiom_node, TreeDeleter>;

struct SoapReply
{
    Tree tree;                     // the parsed reply, when it was XML
    EnvelopeView envelope;         // its view, when it was a SOAP envelope
    axiom_node* payload = nullptr; // first Body element (the Fault for a fault)
    bool fault = false;
    bool accepted = false; // no error recorded: the server took the message
};

// Records the error (and logs it) for anything but an accepted reply; a
// fault is recorded as AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR with its code
// and reason, whatever the HTTP status.
SoapReply Interpret(const axutil_env_t* env, const HttpReply& reply, const std::string& uri);

// Records `number` with `detail` and logs both; returns null.
axiom_node* Reject(const axutil_env_t* env, int number, const std::string& detail);

std::string StatusText(const HttpReply& reply);

} // namespace axis2c
