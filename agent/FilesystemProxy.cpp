#include "FilesystemProxy.h"

#include "WorkItem.h"
#include "WorkItemResponse.h"

#include <Poco/Format.h>
#include <Poco/Logger.h>

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
        return;
    }
    const std::string path = responsePath.toString();
    std::ofstream stream(path, std::ios::out | std::ios::trunc);
    if (stream)
    {
        stream << response << std::endl;
        stream.close();
    }
    if (!stream)
    {
        Poco::Logger& logger = Poco::Logger::get("Application");
        poco_error_f1(logger, "The work item response could not be written to '%s'", path);
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
