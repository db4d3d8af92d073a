// Serves work items from local files, in the order given and each once, and writes responses to
// one local file (truncated per response) or to standard output: the agent without a server.
// A file that cannot be parsed throws from GetWorkItem; a response that cannot be written throws
// std::runtime_error from SendWorkItemComplete.
#pragma once

#include "IProxy.h"

#include <Poco/Path.h>

#include <cstddef>
#include <string>
#include <vector>

class FilesystemProxy : public IProxy
{
public:
    FilesystemProxy();
    ~FilesystemProxy() override;

    /// Serves the next work item file, whatever the agent ID; null once every file was served.
    WorkItem* GetWorkItem(const std::string& agentId) override;
    void Initialize() override;
    void SendWorkItemComplete(const WorkItemResponse& response) override;
    /// A path without a file name means standard output; a relative one is resolved per response.
    void SetWorkItemResponsePath(Poco::Path path) override;

    /// Adds a work item file, made absolute against the current directory. Throws
    /// std::runtime_error "The path '%s' is not a file" when the path names no file.
    void AppendWorkItem(const std::string& path);

private:
    std::size_t nextIndex;
    std::vector<Poco::Path> workItemPaths;
    Poco::Path responsePath;
};
