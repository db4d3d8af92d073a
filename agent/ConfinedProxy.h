// The network proxy whose exchanges run in a child process that gives up root and confines
// itself before it touches the network (NetworkChild, Confinement): name resolution, TLS, HTTP,
// SOAP, the work item's XML and the decryption of its values all happen there, and this process
// only reads the child's small, checked ProxyMessages. The child is forked, without exec, by
// Initialize and again by the first exchange after a child died. A child that dies, overruns the
// exchange's own time-outs (plus a margin) or breaks the protocol is killed and reaped, and the
// exchange failed: GetWorkItem logs the cause and returns null, Deliver keeps the response with
// the cause as its reason. Log messages of the child are logged here through the same loggers.
// Initialize throws std::runtime_error when the first child cannot start (the engine cannot be
// created, the confinement fails), with the child's text.
#pragma once

#include "ICourier.h"
#include "IProxy.h"

#include <functional>
#include <memory>
#include <string>
#include <sys/types.h>

class ChildChannel;
class ProxyMessage;

class ConfinedProxy : public IProxy, public ICourier
{
public:
    /// What the child runs with its end of the socket pair and the agent's process id; its value
    /// is the child's exit status.
    using Body = std::function<int(int socket, pid_t parent)>;

    /// The engine's client home ("axis2"), the service's endpoint URI and the engine's log file.
    ConfinedProxy(const std::string& home, const std::string& endpoint, const std::string& logFile);
    /// A child that runs `body` in place of the engine; `marginMilliseconds` is what a child may
    /// take beyond the exchange's own time-outs (and to start).
    ConfinedProxy(Body body, const std::string& endpoint, long marginMilliseconds);
    ~ConfinedProxy() override;

    WorkItem* GetWorkItem(const std::string& agentId) override;
    void Initialize() override;
    void SendWorkItemComplete(const WorkItemResponse& response) override;
    Outbox::Delivery Deliver(const std::string& document, std::string& reason, long timeoutMilliseconds = 0) override;

    /// The process id of the running child; 0 when none runs.
    pid_t ChildId() const;

private:
    /// Forks a child and waits for its greeting; throws std::runtime_error with the cause.
    void Start();
    /// Starts a child where none runs; one that ended while idle is reaped, logged and replaced.
    void StartIfNeeded();
    /// Sends `request` (if any) and waits, for at most `boundMilliseconds` in all, for the answer,
    /// logging the child's log messages meanwhile. Throws ChildChannel::Failure, or
    /// std::runtime_error for a log message of the wrong shape.
    ProxyMessage Exchange(const ProxyMessage* request, long boundMilliseconds);
    void Relay(ProxyMessage& log) const;
    /// Kills the child if it still runs, reaps it and tells what became of it, given `what` went
    /// wrong on the channel.
    std::string Abandon(const std::string& what);

    Body body;
    std::string endpointUri;
    long marginMilliseconds;
    long connectMilliseconds;
    long replyMilliseconds;
    pid_t child;
    std::unique_ptr<ChildChannel> channel;
};
