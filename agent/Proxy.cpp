#include "Proxy.h"

#include "AXIS/axis2_stub_ProxyAgentService.h"
#include "LogText.h"
#include "WorkItem.h"
#include "WorkItemResponse.h"

#include <Poco/Logger.h>

#include <memory>
#include <sstream>
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
    std::ostringstream stream;
    stream << response;
    std::string reason;
    if (Deliver(stream.str(), reason) != Outbox::Delivery::Accepted)
    {
        // The server's copy of the outcome is lost: say so, with the engine's reason.
        Poco::Logger& logger = ProxyLogger();
        poco_error(logger,
                   "The work item response could not be delivered to " + endpointUri + ": " + LogText::Escape(reason));
    }
}

Outbox::Delivery Proxy::Deliver(const std::string& document, std::string& reason, long timeoutMilliseconds)
{
    axis2_svc_client_t* client = axis2_stub_get_svc_client(stub, env);
    auto* options = client ? const_cast<axis2_options_t*>(axis2_svc_client_get_options(client, env)) : nullptr;
    if (options && timeoutMilliseconds > 0)
        axis2_options_set_timeout_in_milli_seconds(options, env, timeoutMilliseconds);
    const int previousError = env->error->error_number;
    const int previousStatus = env->error->status_code;

    adb_WorkItemComplete_t* request =
        adb_WorkItemComplete_create_with_values(env, const_cast<axis2_char_t*>(document.c_str()));
    adb_WorkItemCompleteResponse_t* reply = axis2_stub_op_ProxyAgentService_WorkItemComplete(stub, env, request);
    const bool fault = client && axis2_svc_client_get_last_response_has_fault(client, env);
    Outbox::Delivery delivery = Outbox::Delivery::Accepted;
    if (fault || !reply)
    {
        reason = EngineErrorText(env);
        delivery = fault ? Outbox::Delivery::Rejected : Outbox::Delivery::Kept;
    }
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
