// The agent's one source of work items and one sink of work item responses. The application owns
// exactly one proxy per run and deletes it through this interface.
#pragma once

#include <Poco/Path.h>

#include <string>

class WorkItem;
struct WorkItemResponse;

class IProxy
{
public:
    virtual ~IProxy();

    /// A new work item owned by the caller, or null when there is none for `agentId` (or the
    /// exchange failed, which the proxy has logged). Parser exceptions pass through.
    virtual WorkItem* GetWorkItem(const std::string& agentId) = 0;

    /// Prepares the proxy; called once before the first GetWorkItem of a network proxy.
    virtual void Initialize() = 0;

    /// Delivers one response. An exception from writing the response document passes through;
    /// the network proxy logs a failed exchange, the filesystem proxy throws std::runtime_error
    /// when the response cannot be written to its file or standard output.
    virtual void SendWorkItemComplete(const WorkItemResponse& response) = 0;

    /// Where responses go; only the filesystem proxy uses it.
    virtual void SetWorkItemResponsePath(Poco::Path path);
};
