// The service client: SOAP envelope around the payload, one HTTP(S)
// exchange, and the reply kept for the caller (payload, envelope, fault).
#include "axiom_internal.h"
#include "client_config.h"
#include "client_home.h"
#include "client_model.h"
#include "http_transport.h"
#include "internal.h"
#include "soap_reply.h"

#include <axiom_soap_const.h>
#include <axis2_const.h>
#include <axis2_http_transport.h>
#include <axis2_svc_client.h>

#include <Poco/File.h>
#include <Poco/String.h>

#include <algorithm>
#include <memory>

using axis2c::Guard;
using axis2c::Present;

struct axis2_svc_client
{
    axis2_svc_t* svc = nullptr;
    axis2_options_t* options = nullptr; // owned
    axis2c::ClientConfiguration configuration;
    axiom_node* payload = nullptr; // taken over from the last exchange
    axis2c::Tree reply;            // tree of the last reply
    axis2c::EnvelopeView envelope; // its envelope view
    bool lastFault = false;
    int lastStatus = 0;
};

namespace
{

axis2_op_t* MakeAnonymousOperation(const axutil_env_t* env, const char* name, const char* pattern, bool withMessages)
{
    axutil_qname_t* qname = axutil_qname_create(env, name, nullptr, nullptr);
    if (!qname)
        return nullptr;
    axis2_op_t* op = axis2_op_create_with_qname(env, qname);
    axutil_qname_free(qname, env);
    if (!op)
        return nullptr;
    axis2_op_set_msg_exchange_pattern(op, env, pattern);
    const char* const labels[][2] = {
        {AXIS2_MSG_OUT, "out"}, {AXIS2_MSG_IN, "in"}, {AXIS2_MSG_OUT_FAULT, "out"}, {AXIS2_MSG_IN_FAULT, "in"}};
    for (const auto& label : labels)
    {
        if (!withMessages)
            break;
        axis2_msg_t* msg = axis2_msg_create(env);
        if (!msg)
        {
            axis2_op_free(op, env);
            return nullptr;
        }
        axis2_msg_set_name(msg, env, label[0]);
        axis2_msg_set_direction(msg, env, label[1]);
        if (axis2_op_add_msg(op, env, label[0], msg) != AXIS2_SUCCESS)
        {
            axis2_msg_free(msg, env);
            axis2_op_free(op, env);
            return nullptr;
        }
    }
    return op;
}

bool AddAnonymousOperations(const axutil_env_t* env, axis2_svc_t* svc)
{
    const struct
    {
        const char* name;
        const char* pattern;
        bool messages;
    } operations[] = {{AXIS2_ANON_OUT_IN_OP, AXIS2_MEP_URI_OUT_IN, true},
                      {AXIS2_ANON_OUT_ONLY_OP, AXIS2_MEP_URI_OUT_ONLY, false},
                      {AXIS2_ANON_ROBUST_OUT_ONLY_OP, AXIS2_MEP_URI_ROBUST_OUT_ONLY, false}};
    for (const auto& operation : operations)
    {
        axis2_op_t* op = MakeAnonymousOperation(env, operation.name, operation.pattern, operation.messages);
        if (!op || axis2_svc_add_op(svc, env, op) != AXIS2_SUCCESS)
        {
            axis2_op_free(op, env);
            return false;
        }
    }
    return true;
}

void ForgetLastExchange(axis2_svc_client* client, const axiom_node* nextPayload)
{
    // A payload taken from the last reply must outlive that reply's tree.
    if (nextPayload && client->reply)
    {
        const axiom_node* top = nextPayload;
        while (top->parent)
            top = top->parent;
        if (top == client->reply.get())
            axis2c::Unlink(const_cast<axiom_node*>(nextPayload));
    }
    client->envelope.reset();
    client->reply.reset();
    // A payload the caller hands in again must survive until it is sent.
    if (client->payload && client->payload != nextPayload && !client->payload->parent)
        axis2c::DeleteTree(client->payload);
    client->payload = nullptr;
    client->lastFault = false;
    client->lastStatus = 0;
}

std::string SchemeOf(const std::string& uri)
{
    size_t colon = uri.find(':');
    return colon == std::string::npos ? std::string() : Poco::toLower(uri.substr(0, colon));
}

// Option properties replace the client configuration's TLS parameters.
void ApplyProperties(const axis2_options* options, axis2c::TransportSettings& settings)
{
    if (const char* text = axis2c::PropertyText(options, AXIS2_SSL_SERVER_CERT))
        settings.serverCert = text;
    if (const char* text = axis2c::PropertyText(options, AXIS2_SSL_KEY_FILE))
        settings.keyFile = text;
    if (const char* text = axis2c::PropertyText(options, AXIS2_SSL_PASSPHRASE))
        settings.passphrase = text;
}

// One exchange; the outcome is kept in the client. Returns false when the
// request could not be exchanged at all (error recorded).
bool Exchange(const axutil_env_t* env, axis2_svc_client* client, const axutil_qname_t* opQname,
              const axiom_node_t* payload, axis2c::SoapReply* outcome)
{
    ForgetLastExchange(client, payload);
    auto* body = const_cast<axiom_node*>(payload);
    if (body && !body->parent)
        client->payload = body;

    const axis2_options_t* options = client->options;
    if (!options->to || options->to->address.empty())
    {
        axis2c::Reject(env, AXIS2_ERROR_INVALID_ADDRESS, "no endpoint address in the options");
        return false;
    }
    if (opQname && !axis2_svc_get_op_with_qname(client->svc, env, opQname))
        AXIS2C_LOG(env, AXIS2_LOG_LEVEL_DEBUG, "operation not described on the service; sending anyway");

    axis2c::HttpPost post;
    post.uri = options->to->address;
    const bool soap12 = options->soapVersion == AXIOM_SOAP12;
    std::string action = options->soapAction ? axutil_string_get_buffer(options->soapAction, env) : "";
    // Without WS-Addressing the action is all a service can dispatch on.
    if (action.empty() && options->hasAction)
        action = options->action;
    if (soap12)
    {
        post.contentType = std::string(AXIOM_SOAP12_CONTENT_TYPE) + "; charset=utf-8";
        if (!action.empty())
            post.contentType += "; action=\"" + action + "\"";
        post.sendSoapAction = false;
    }
    else
    {
        post.contentType = std::string(AXIOM_SOAP11_CONTENT_TYPE) + "; charset=utf-8";
        post.soapAction = action;
    }
    post.body = std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><soapenv:Envelope "
                            "xmlns:soapenv=\"") +
                (soap12 ? AXIOM_SOAP12_SOAP_ENVELOPE_NAMESPACE_URI : AXIOM_SOAP11_SOAP_ENVELOPE_NAMESPACE_URI) +
                "\"><soapenv:Body>" + (body ? axis2c::SerializeTree(body) : std::string()) +
                "</soapenv:Body></soapenv:Envelope>";
    post.settings = client->configuration.ForScheme(SchemeOf(post.uri));
    // A caller's own deadline bounds the connect as well: a short delivery
    // must not wait out CONNECTION_TIMEOUT for an unreachable server.
    if (options->timeoutMs > 0)
    {
        post.settings.soTimeoutMs = options->timeoutMs;
        post.settings.connectionTimeoutMs = std::min(post.settings.connectionTimeoutMs, options->timeoutMs);
    }
    ApplyProperties(options, post.settings);

    AXIS2C_LOG(env, AXIS2_LOG_LEVEL_DEBUG,
               "sending " + std::to_string(post.body.size()) + " bytes to " + post.uri +
                   (soap12 ? " (SOAP 1.2, action \"" : " (SOAP 1.1, SOAPAction \"") + action + "\")");
    axis2c::HttpReply reply;
    try
    {
        reply = axis2c::PostOnce(post);
    }
    catch (const axis2c::TransportFailure& failure)
    {
        axis2c::Reject(env, failure.number, failure.what());
        return false;
    }
    AXIS2C_LOG(env, AXIS2_LOG_LEVEL_DEBUG,
               "received " + axis2c::StatusText(reply) + " with " + std::to_string(reply.body.size()) + " bytes from " +
                   post.uri);
    *outcome = axis2c::Interpret(env, reply, post.uri);
    client->lastStatus = reply.status;
    client->lastFault = outcome->fault;
    client->reply = std::move(outcome->tree);
    client->envelope = std::move(outcome->envelope);
    return true;
}

void Refuse(const axutil_env_t* env, int number, const std::string& what)
{
    axis2c::Reject(env, number, what);
}

} // namespace

extern "C"
{
axis2_svc_client_t* axis2_svc_client_create(const axutil_env_t* env, const axis2_char_t* client_home)
{
    return Guard<axis2_svc_client_t*>(env, nullptr, [&]() -> axis2_svc_client_t* {
        auto client = std::make_unique<axis2_svc_client>();
        const std::string home = client_home ? client_home : "";
        try
        {
            client->configuration = axis2c::ClientConfiguration::Load(home);
        }
        catch (const axis2c::ConfigurationMissing& error)
        {
            axis2c::Reject(env, AXIS2_ERROR_CONFIG_NOT_FOUND, error.what());
            return nullptr;
        }
        catch (const axis2c::ConfigurationError& error)
        {
            axis2c::Reject(env, AXIS2_ERROR_INVALID_STATE_CONF, error.what());
            return nullptr;
        }
        const std::string file = axis2c::LocateConfiguration(home).path;
        if (!file.empty() && !Poco::File(file).exists())
            AXIS2C_LOG(env, AXIS2_LOG_LEVEL_INFO, "no " + file + "; the transport defaults apply");
        axutil_qname_t* name = axutil_qname_create(env, AXIS2_ANON_SERVICE, nullptr, nullptr);
        client->svc = name ? axis2_svc_create_with_qname(env, name) : nullptr;
        axutil_qname_free(name, env);
        client->options = axis2_options_create(env);
        if (!client->svc || !client->options || !AddAnonymousOperations(env, client->svc))
        {
            axis2_svc_free(client->svc, env);
            axis2_options_free(client->options, env);
            return nullptr;
        }
        if (client_home)
            AXIS2C_LOG(env, AXIS2_LOG_LEVEL_DEBUG, std::string("client home ") + client_home);
        return client.release();
    });
}

void axis2_svc_client_free(axis2_svc_client_t* svc_client, const axutil_env_t* env)
{
    if (!svc_client)
        return;
    ForgetLastExchange(svc_client, nullptr);
    axis2_svc_free(svc_client->svc, env);
    axis2_options_free(svc_client->options, env);
    delete svc_client;
}

axis2_svc_t* axis2_svc_client_get_svc(const axis2_svc_client_t* svc_client, const axutil_env_t* env)
{
    if (!Present(env, svc_client))
        return nullptr;
    return svc_client->svc;
}

const axis2_options_t* axis2_svc_client_get_options(const axis2_svc_client_t* svc_client, const axutil_env_t* env)
{
    if (!Present(env, svc_client))
        return nullptr;
    return svc_client->options;
}

axis2_status_t axis2_svc_client_set_options(axis2_svc_client_t* svc_client, const axutil_env_t* env,
                                            const axis2_options_t* options)
{
    if (!Present(env, svc_client) || !Present(env, options))
        return AXIS2_FAILURE;
    if (options != svc_client->options)
        axis2_options_free(svc_client->options, env);
    svc_client->options = const_cast<axis2_options_t*>(options);
    return AXIS2_SUCCESS;
}

axiom_node_t* axis2_svc_client_send_receive_with_op_qname(axis2_svc_client_t* svc_client, const axutil_env_t* env,
                                                          const axutil_qname_t* op_qname, const axiom_node_t* payload)
{
    if (!Present(env, svc_client))
        return nullptr;
    return Guard<axiom_node_t*>(env, nullptr, [&]() -> axiom_node_t* {
        axis2c::SoapReply outcome;
        if (!Exchange(env, svc_client, op_qname, payload, &outcome))
            return nullptr;
        return outcome.payload;
    });
}

axiom_node_t* axis2_svc_client_send_receive(axis2_svc_client_t* svc_client, const axutil_env_t* env,
                                            const axiom_node_t* payload)
{
    return axis2_svc_client_send_receive_with_op_qname(svc_client, env, nullptr, payload);
}

axis2_status_t axis2_svc_client_send_robust_with_op_qname(axis2_svc_client_t* svc_client, const axutil_env_t* env,
                                                          const axutil_qname_t* op_qname, const axiom_node_t* payload)
{
    if (!Present(env, svc_client))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        axis2c::SoapReply outcome;
        if (!Exchange(env, svc_client, op_qname, payload, &outcome) || !outcome.accepted)
            return AXIS2_FAILURE;
        return AXIS2_SUCCESS;
    });
}

axis2_status_t axis2_svc_client_send_robust(axis2_svc_client_t* svc_client, const axutil_env_t* env,
                                            const axiom_node_t* payload)
{
    return axis2_svc_client_send_robust_with_op_qname(svc_client, env, nullptr, payload);
}

void axis2_svc_client_fire_and_forget_with_op_qname(axis2_svc_client_t* svc_client, const axutil_env_t* env,
                                                    const axutil_qname_t* op_qname, const axiom_node_t* payload)
{
    axis2_svc_client_send_robust_with_op_qname(svc_client, env, op_qname, payload);
}

void axis2_svc_client_fire_and_forget(axis2_svc_client_t* svc_client, const axutil_env_t* env,
                                      const axiom_node_t* payload)
{
    axis2_svc_client_send_robust_with_op_qname(svc_client, env, nullptr, payload);
}

void axis2_svc_client_send_receive_non_blocking_with_op_qname(axis2_svc_client_t*, const axutil_env_t* env,
                                                              const axutil_qname_t*, const axiom_node_t*,
                                                              axis2_callback_t*)
{
    Refuse(env, AXIS2_ERROR_UNSUPPORTED_TYPE,
           "non-blocking exchanges with callbacks; use axis2_svc_client_send_receive");
}

void axis2_svc_client_send_receive_non_blocking(axis2_svc_client_t* svc_client, const axutil_env_t* env,
                                                const axiom_node_t* payload, axis2_callback_t* callback)
{
    axis2_svc_client_send_receive_non_blocking_with_op_qname(svc_client, env, nullptr, payload, callback);
}

axis2_status_t axis2_svc_client_engage_module(axis2_svc_client_t* svc_client, const axutil_env_t* env,
                                              const axis2_char_t* module_name)
{
    if (!Present(env, svc_client) || !Present(env, module_name))
        return AXIS2_FAILURE;
    Refuse(env, AXIS2_ERROR_MODULE_NOT_FOUND,
           std::string("module '") + module_name + "' (this engine has no modules" +
               (axutil_strcmp(module_name, AXIS2_MODULE_ADDRESSING) == 0 ? ", no WS-Addressing)" : ")"));
    return AXIS2_FAILURE;
}

axiom_soap_envelope_t* axis2_svc_client_get_last_response_soap_envelope(const axis2_svc_client_t* svc_client,
                                                                        const axutil_env_t* env)
{
    if (!Present(env, svc_client))
        return nullptr;
    return svc_client->envelope.get();
}

axis2_bool_t axis2_svc_client_get_last_response_has_fault(const axis2_svc_client_t* svc_client, const axutil_env_t* env)
{
    if (!Present(env, svc_client))
        return AXIS2_FALSE;
    return svc_client->lastFault ? AXIS2_TRUE : AXIS2_FALSE;
}

int axis2_svc_client_get_http_status_code(axis2_svc_client_t* svc_client, const axutil_env_t* env)
{
    if (!Present(env, svc_client))
        return 0;
    return svc_client->lastStatus;
}

} // extern "C"
