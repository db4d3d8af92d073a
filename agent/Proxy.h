// The proxy that talks to the management server's SOAP service ProxyAgentService through the
// Axis2/C engine: one GetWorkItem exchange per agent ID, one WorkItemComplete per response.
// Initialize throws std::runtime_error when the engine or the stub cannot be created; failed
// exchanges are logged on "Application.Proxy" and never throw.
#pragma once

#include "ICourier.h"
#include "IProxy.h"
#include "Outbox.h"

#include <string>

struct axutil_env;
struct axis2_stub;
struct axis2_svc_client;

class Proxy : public IProxy, public ICourier
{
public:
    /// The engine's client home ("axis2"), the service's endpoint URI and the engine's log file.
    Proxy(const std::string& home, const std::string& endpoint, const std::string& logFile);
    ~Proxy() override;

    WorkItem* GetWorkItem(const std::string& agentId) override;
    void Initialize() override;
    void SendWorkItemComplete(const WorkItemResponse& response) override;

    /// Sends one response document with WorkItemComplete and tells how it went. Accepted: a 2xx
    /// reply with the operation's response element, or with nothing (no body, an empty Body).
    /// Rejected, for good: a SOAP fault of the client side (Client, Sender, or any code but the
    /// server's), or an HTTP 4xx without a fault other than 408 and 429. Kept, for a later try:
    /// everything a retry may mend (no connection, a time-out, HTTP 5xx, a Server or Receiver
    /// fault, a reply that cannot be read or holds another element). `reason` says why it was
    /// not accepted. A positive `timeoutMilliseconds` bounds this one exchange. The engine's
    /// error state is left as it was, so that the next GetWorkItem is judged on its own.
    Outbox::Delivery Deliver(const std::string& document, std::string& reason, long timeoutMilliseconds = 0) override;

    /// The engine's bounds of one exchange, from the client home: the connection time-out and
    /// SO_TIMEOUT (ms) of the endpoint's scheme; the defaults when they cannot be read.
    void TimeOuts(long& connectMilliseconds, long& replyMilliseconds) const;

    /// Writes `entry` to the engine's log, which opens its file now: a process that confines
    /// itself afterwards may no longer open it.
    void OpenEngineLog(const std::string& entry);

    /// Removes the encoding declaration of the XML declaration at the start of `text`: the text
    /// is already decoded, and a declaration such as utf-16 would make the parser misread it.
    void SanitizeWorkItem(std::string& text);

private:
    /// The outcome of the exchange just made, from the engine's record of it; `responseElement`
    /// tells whether the reply held the operation's response element.
    Outbox::Delivery Judge(axis2_svc_client* client, bool responseElement, std::string& reason);

    std::string clientHome;
    std::string endpointUri;
    std::string axisLogFile;
    int axisLogLevel;
    axutil_env* env;
    axis2_stub* stub;
};
