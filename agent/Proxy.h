// The proxy that talks to the management server's SOAP service ProxyAgentService through the
// Axis2/C engine: one GetWorkItem exchange per agent ID, one WorkItemComplete per response.
// Initialize throws std::runtime_error when the engine or the stub cannot be created; failed
// exchanges are logged on "Application.Proxy" and never throw.
#pragma once

#include "IProxy.h"
#include "Outbox.h"

#include <string>

struct axutil_env;
struct axis2_stub;

class Proxy : public IProxy
{
public:
    /// The engine's client home ("axis2"), the service's endpoint URI and the engine's log file.
    Proxy(const std::string& home, const std::string& endpoint, const std::string& logFile);
    ~Proxy() override;

    WorkItem* GetWorkItem(const std::string& agentId) override;
    void Initialize() override;
    void SendWorkItemComplete(const WorkItemResponse& response) override;

    /// Sends one response document with WorkItemComplete and tells how it went: accepted,
    /// rejected (the server answered with a SOAP fault) or kept (it did not get through: no
    /// connection, a time-out, an HTTP error, an unreadable reply). `reason` gets the engine's
    /// text. A positive `timeoutMilliseconds` bounds this one exchange. The engine's error state
    /// is left as it was, so that the next GetWorkItem is judged on its own.
    Outbox::Delivery Deliver(const std::string& document, std::string& reason, long timeoutMilliseconds = 0);

    /// Removes the encoding declaration of the XML declaration at the start of `text`: the text
    /// is already decoded, and a declaration such as utf-16 would make the parser misread it.
    void SanitizeWorkItem(std::string& text);

private:
    std::string clientHome;
    std::string endpointUri;
    std::string axisLogFile;
    int axisLogLevel;
    axutil_env* env;
    axis2_stub* stub;
};
