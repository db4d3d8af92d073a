#include "FilesystemProxy.h"

#include "WorkItem.h"
#include "WorkItemResponse.h"

#include <Poco/Format.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>

FilesystemProxy::FilesystemProxy()
    : nextIndex(0)
{
}

FilesystemProxy::~FilesystemProxy() = default;

WorkItem* FilesystemProxy::GetWorkItem(const std::string&)
{
    if (nextIndex >= workItemPaths.size())
        return nullptr;
    auto item = std::make_unique<WorkItem>();
    // Move on before opening, so that a file that fails is never served again.
    const Poco::Path& path = workItemPaths[nextIndex++];
    std::ifstream stream(path.toString(), std::ios::in);
    item->Parse(stream);
    return item.release();
}

void FilesystemProxy::Initialize()
{
}

void FilesystemProxy::SendWorkItemComplete(const WorkItemResponse& response)
{
    if (responsePath.getFileName().empty())
    {
        std::cout << response << std::endl;
        if (!std::cout)
            throw std::runtime_error("The work item response cannot be written to standard output");
        return;
    }
    const std::string path = responsePath.toString();
    errno = 0;
    std::ofstream stream(path, std::ios::out | std::ios::trunc);
    if (stream)
    {
        stream << response << std::endl;
        stream.close();
    }
    if (!stream)
    {
        const int cause = errno;
        throw std::runtime_error(Poco::format("The work item response cannot be written to '%s': %s", path,
                                              std::string(cause ? std::strerror(cause) : "write error")));
    }
}

void FilesystemProxy::SetWorkItemResponsePath(Poco::Path path)
{
    responsePath = path;
}

void FilesystemProxy::AppendWorkItem(const std::string& path)
{
    Poco::Path absolute(path);
    absolute.makeAbsolute();
    if (absolute.getFileName().empty())
        throw std::runtime_error(Poco::format("The path '%s' is not a file", absolute.toString()));
    workItemPaths.push_back(absolute);
}
