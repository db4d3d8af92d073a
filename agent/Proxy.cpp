#include "Proxy.h"

#include "AXIS/axis2_stub_ProxyAgentService.h"
#include "LogText.h"
#include "WorkItem.h"
#include "client_config.h"

#include <Poco/Format.h>
#include <Poco/Logger.h>
#include <Poco/String.h>

#include <memory>
#include <stdexcept>

namespace
{
Poco::Logger& ProxyLogger()
{
    return Poco::Logger::get("Application.Proxy");
}

std::string EngineErrorText(const axutil_env_t* env)
{
    const axis2_char_t* text = env && env->error ? axutil_error_get_message(env->error) : nullptr;
    return text ? text : "";
}

/// The SOAP Body of the last reply, or null when none was read.
axiom_soap_body_t* LastBody(axis2_svc_client_t* client, const axutil_env_t* env)
{
    axiom_soap_envelope_t* envelope = client ? axis2_svc_client_get_last_response_soap_envelope(client, env) : nullptr;
    return envelope ? axiom_soap_envelope_get_body(envelope, env) : nullptr;
}

/// The name of the first element in the last reply's Body, as "{namespace}local"; empty when
/// the Body holds none.
std::string FirstBodyElement(axis2_svc_client_t* client, const axutil_env_t* env)
{
    axiom_soap_body_t* soapBody = LastBody(client, env);
    axiom_node_t* body = soapBody ? axiom_soap_body_get_base_node(soapBody, env) : nullptr;
    for (axiom_node_t* node = body ? axiom_node_get_first_child(body, env) : nullptr; node;
         node = axiom_node_get_next_sibling(node, env))
    {
        if (axiom_node_get_node_type(node, env) != AXIOM_ELEMENT)
            continue;
        auto* element = static_cast<axiom_element_t*>(axiom_node_get_data_element(node, env));
        axutil_qname_t* qname = element ? axiom_element_get_qname(element, env, node) : nullptr;
        const axis2_char_t* uri = qname ? axutil_qname_get_uri(qname, env) : nullptr;
        const axis2_char_t* local = qname ? axutil_qname_get_localpart(qname, env) : nullptr;
        // The server's text in a log line: a bound, whatever the reply allowed.
        std::string name = std::string("{") + (uri ? uri : "") + "}" + (local ? local : "");
        if (name.size() > 200)
            name = name.substr(0, 200) + "...";
        return name;
    }
    return std::string();
}

/// Whether the last reply's fault is the server's own passing failure: a SOAP 1.1 "Server" or
/// SOAP 1.2 "Receiver" code, or a dotted refinement of one ("Server.Database"). Every other code
/// (Client, Sender, VersionMismatch, MustUnderstand, one of the server's own) says the message
/// itself was refused.
bool ServerSideFault(axis2_svc_client_t* client, const axutil_env_t* env)
{
    axiom_soap_body_t* body = LastBody(client, env);
    axiom_soap_fault_t* fault = body ? axiom_soap_body_get_fault(body, env) : nullptr;
    axiom_soap_fault_code_t* code = fault ? axiom_soap_fault_get_code(fault, env) : nullptr;
    axiom_soap_fault_value_t* value = code ? axiom_soap_fault_code_get_value(code, env) : nullptr;
    const axis2_char_t* text = value ? axiom_soap_fault_value_get_text(value, env) : nullptr;
    std::string name = Poco::trim(std::string(text ? text : ""));
    const std::size_t colon = name.find(':');
    if (colon != std::string::npos)
        name.erase(0, colon + 1);
    name = name.substr(0, name.find('.'));
    return name == "Server" || name == "Receiver";
}

/// Whether an HTTP status without a fault refuses the message for good: a 4xx, except the two
/// that say "not now" (408 Request Timeout, 429 Too Many Requests).
bool RefusingStatus(int status)
{
    return status >= 400 && status < 500 && status != 408 && status != 429;
}
} // namespace

Proxy::Proxy(const std::string& home, const std::string& endpoint, const std::string& logFile)
    : clientHome(home)
    , endpointUri(endpoint)
    , axisLogFile(logFile)
    , axisLogLevel(6)
    , env(nullptr)
    , stub(nullptr)
{
}

Proxy::~Proxy()
{
    if (env)
    {
        if (stub)
            axis2_stub_free(stub, env);
        axutil_env_free(env);
    }
}

void Proxy::Initialize()
{
    env = axutil_env_create_all(axisLogFile.c_str(), static_cast<axutil_log_levels_t>(axisLogLevel));
    if (!env)
        throw std::runtime_error("Error! The SOAP engine's environment could not be created");
    stub = axis2_stub_create_ProxyAgentService(env, clientHome.c_str(), endpointUri.c_str());
    if (axutil_env_check_status(env) != AXIS2_SUCCESS || !stub)
    {
        const std::string text = EngineErrorText(env);
        throw std::runtime_error(text.empty() ? "Error!" : "Error! " + text);
    }
}

WorkItem* Proxy::GetWorkItem(const std::string& agentId)
{
    Poco::Logger& logger = ProxyLogger();
    adb_GetWorkItem_t* request = adb_GetWorkItem_create_with_values(env, const_cast<axis2_char_t*>(agentId.c_str()));
    adb_GetWorkItemResponse_t* response = axis2_stub_op_ProxyAgentService_GetWorkItem(stub, env, request);

    // Judged by the error number as the exchange left it; the text is taken before the records are
    // freed, and they are freed before the text is parsed, so that a large reply is not held twice.
    const int errorNumber = env->error->error_number;
    const bool failed = errorNumber != AXIS2_ERROR_NONE && errorNumber != AXIS2_ERROR_INVALID_NULL_PARAM;
    const axis2_char_t* result = failed ? nullptr : adb_GetWorkItemResponse_get_GetWorkItemResult(response, env);
    std::string text(result ? result : "");
    const std::string errorText = failed ? EngineErrorText(env) : std::string();
    adb_GetWorkItem_free(request, env);
    adb_GetWorkItemResponse_free(response, env);

    if (failed)
    {
        poco_error(logger, "\n\n\n\n");
        poco_error(logger, "Error returned by axis2: " + LogText::Escape(errorText));
        poco_error(logger, "This error code may indicate an incorrect endpoint address " + endpointUri +
                               ", or a certificate issue.");
        poco_error(logger, "Consult axis2 log file at axis2/logs for more detail\n\n\n\n");
        return nullptr;
    }
    if (!result)
    {
        poco_information(logger, "\n\n\n\n");
        poco_information(logger, "No workitem currently available\n\n\n\n");
        return nullptr;
    }
    SanitizeWorkItem(text);
    auto item = std::make_unique<WorkItem>();
    item->Parse(text);
    return item.release();
}

void Proxy::SendWorkItemComplete(const WorkItemResponse& response)
{
    DeliverOnce(response, endpointUri);
}

Outbox::Delivery Proxy::Deliver(const std::string& document, std::string& reason, long timeoutMilliseconds)
{
    axis2_svc_client_t* client = axis2_stub_get_svc_client(stub, env);
    auto* options = client ? const_cast<axis2_options_t*>(axis2_svc_client_get_options(client, env)) : nullptr;
    if (options && timeoutMilliseconds > 0)
        axis2_options_set_timeout_in_milli_seconds(options, env, timeoutMilliseconds);
    const int previousError = env->error->error_number;
    const int previousStatus = env->error->status_code;
    // Judged by what this exchange alone records.
    AXIS2_ERROR_SET(env->error, AXIS2_ERROR_NONE, AXIS2_SUCCESS);

    adb_WorkItemComplete_t* request =
        adb_WorkItemComplete_create_with_values(env, const_cast<axis2_char_t*>(document.c_str()));
    adb_WorkItemCompleteResponse_t* reply = axis2_stub_op_ProxyAgentService_WorkItemComplete(stub, env, request);
    const Outbox::Delivery delivery = Judge(client, reply != nullptr, reason);
    adb_WorkItemComplete_free(request, env);
    adb_WorkItemCompleteResponse_free(reply, env);

    // The agent sets no time-out of its own anywhere else: back to none, so that the client
    // home's SO_TIMEOUT applies again.
    if (options && timeoutMilliseconds > 0)
        axis2_options_set_timeout_in_milli_seconds(options, env, 0);
    env->error->error_number = previousError;
    env->error->status_code = previousStatus;
    return delivery;
}

Outbox::Delivery Proxy::Judge(axis2_svc_client_t* client, bool responseElement, std::string& reason)
{
    const int status = client ? axis2_svc_client_get_http_status_code(client, env) : 0;
    const int errorNumber = env->error->error_number;
    // As for GetWorkItem: a null argument the bindings noted is no outcome of the exchange.
    const bool failed = errorNumber != AXIS2_ERROR_NONE && errorNumber != AXIS2_ERROR_INVALID_NULL_PARAM;
    if (client && axis2_svc_client_get_last_response_has_fault(client, env))
    {
        reason = EngineErrorText(env);
        return ServerSideFault(client, env) ? Outbox::Delivery::Kept : Outbox::Delivery::Rejected;
    }
    if (responseElement)
        return Outbox::Delivery::Accepted;
    if (status >= 200 && status < 300 && !failed)
    {
        // Nothing in the Body (or no body at all) is an acknowledgement; an element other than
        // the operation's response is a reply the agent cannot read, and a later try may fare
        // better than calling it accepted.
        const std::string element = FirstBodyElement(client, env);
        if (element.empty())
            return Outbox::Delivery::Accepted;
        reason = Poco::format("HTTP %d with the element %s in place of the operation's WorkItemCompleteResponse: %s",
                              status, element, endpointUri);
        return Outbox::Delivery::Kept;
    }
    reason = EngineErrorText(env);
    return RefusingStatus(status) ? Outbox::Delivery::Rejected : Outbox::Delivery::Kept;
}

void Proxy::TimeOuts(long& connectMilliseconds, long& replyMilliseconds) const
{
    axis2c::TransportSettings settings;
    try
    {
        const std::string scheme = Poco::toLower(endpointUri.substr(0, endpointUri.find(':')));
        settings = axis2c::ClientConfiguration::Load(clientHome).ForScheme(scheme);
    }
    catch (const std::exception&)
    {
        // The engine read the same file when it was created; the defaults are what it uses then.
    }
    connectMilliseconds = settings.connectionTimeoutMs;
    replyMilliseconds = settings.soTimeoutMs;
}

void Proxy::OpenEngineLog(const std::string& entry)
{
    if (env && env->log)
        AXIS2_LOG_INFO(env->log, "%s", entry.c_str());
}

void Proxy::SanitizeWorkItem(std::string& text)
{
    // Only the XML declaration at the very start may carry the encoding; a value further on that
    // happens to contain "encoding=" is content and stays untouched.
    const std::size_t declaration = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    if (text.compare(declaration, 5, "<?xml") != 0)
        return;
    const std::size_t end = text.find("?>", declaration);
    const std::size_t start = text.find("encoding=", declaration);
    if (start == std::string::npos || (end != std::string::npos && start > end))
        return;
    const std::size_t open = text.find_first_of("\"'", start);
    const std::size_t close = open == std::string::npos || (end != std::string::npos && open > end)
                                  ? std::string::npos
                                  : text.find_first_of("\"'", open + 1);
    if (close == std::string::npos || (end != std::string::npos && close > end))
        text.erase(start, end == std::string::npos ? std::string::npos : end - start);
    else
        text.erase(start, close - start + 1);
}
