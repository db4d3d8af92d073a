// Reply interpretation. Anything but a SOAP envelope is a transport error
// for failure statuses and a broken envelope for success statuses, so the
// caller learns whether the server or the exchange went wrong.
#include "soap_reply.h"

#include "internal.h"

namespace axis2c
{

std::string StatusText(const HttpReply& reply)
{
    return "HTTP " + std::to_string(reply.status) + (reply.reason.empty() ? "" : " " + reply.reason);
}

axiom_node* Reject(const axutil_env_t* env, int number, const std::string& detail)
{
    SetError(env, number, detail);
    AXIS2C_LOG(env, AXIS2_LOG_LEVEL_ERROR, MessageForNumber(number) + std::string(": ") + detail);
    return nullptr;
}

SoapReply Interpret(const axutil_env_t* env, const HttpReply& reply, const std::string& uri)
{
    SoapReply result;
    // Any 2xx is the server's acknowledgement; what it carries is looked at below.
    const bool success = reply.status >= 200 && reply.status < 300;
    auto notEnvelope = [&](int number, const std::string& why) {
        if (success)
            Reject(env, number, why + " (" + StatusText(reply) + "): " + uri);
        else
            Reject(env, AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR, StatusText(reply) + ", " + why + ": " + uri);
        return std::move(result);
    };

    // Looked at in place: a trimmed copy would double a large reply.
    // A 2xx reply without a body (202 Accepted, or 200 from a service whose operation returns
    // nothing) took the request and has nothing to say: no payload, no error.
    if (reply.body.find_first_not_of(" \t\n\v\f\r") == std::string::npos)
    {
        if (success)
        {
            result.accepted = true;
            return result;
        }
        return notEnvelope(AXIS2_ERROR_SOAP_MESSAGE_DOES_NOT_CONTAIN_AN_ENVELOPE, "empty reply");
    }
    try
    {
        result.tree.reset(ParseDocument(reply.body.data(), reply.body.size()));
    }
    catch (const std::bad_alloc&)
    {
        throw;
    }
    catch (const DocumentRefused& error)
    {
        return notEnvelope(AXIS2_ERROR_SOAP_MESSAGE_DOES_NOT_CONTAIN_AN_ENVELOPE,
                           std::string("reply refused (") + error.what() + ")");
    }
    catch (const std::exception& error)
    {
        return notEnvelope(AXIS2_ERROR_SOAP_MESSAGE_DOES_NOT_CONTAIN_AN_ENVELOPE,
                           std::string("reply is not well-formed XML (") + error.what() + ")");
    }
    result.envelope = ViewEnvelope(result.tree.get());
    if (!result.envelope)
    {
        axiom_element* root = ElementOf(result.tree.get());
        return notEnvelope(AXIS2_ERROR_SOAP_MESSAGE_DOES_NOT_CONTAIN_AN_ENVELOPE,
                           "reply is not a SOAP envelope (root element '" + (root ? root->localname : std::string()) +
                               "')");
    }
    axiom_soap_body* body = result.envelope->body;
    if (!body)
        return notEnvelope(AXIS2_ERROR_SOAP_ENVELOPE_OR_SOAP_BODY_NULL, "SOAP envelope without a Body");
    for (axiom_node* child = body->node->firstChild; child && !result.payload; child = child->next)
        if (ElementOf(child))
            result.payload = child;
    if (body->fault)
    {
        result.fault = true;
        Reject(env, AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR,
               "SOAP fault (" + StatusText(reply) + ") " + DescribeFault(body->fault) + ": " + uri);
        return result;
    }
    if (!success)
    {
        result.payload = nullptr;
        Reject(env, AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR, StatusText(reply) + ": " + uri);
        return result;
    }
    result.accepted = true;
    return result;
}

} // namespace axis2c
