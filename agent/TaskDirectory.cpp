#include "TaskDirectory.h"

#include <Poco/File.h>
#include <Poco/Format.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace
{
std::string RealPath(const std::string& path)
{
    char resolved[PATH_MAX];
    if (!::realpath(path.c_str(), resolved))
        throw std::runtime_error(
            Poco::format("The path '%s' cannot be resolved: %s", path, std::string(std::strerror(errno))));
    return resolved;
}
} // namespace

TaskDirectory::TaskDirectory(const std::string& scriptRoot, const std::string& taskName)
    : task(taskName)
    , root(scriptRoot)
    , path(scriptRoot)
{
    const std::string refusal = Refusal(task);
    if (!refusal.empty())
        throw std::runtime_error(Poco::format("The task '%s' is refused: %s", task, refusal));
    root.makeAbsolute();
    root.makeDirectory();
    path.append(Poco::Path(task));
    path.makeAbsolute();
    path.makeDirectory();
}

bool TaskDirectory::Accepts(const std::string& task)
{
    return Refusal(task).empty();
}

std::string TaskDirectory::Refusal(const std::string& task)
{
    bool namesDirectory = false;
    std::string::size_type start = 0;
    while (start <= task.size())
    {
        std::string::size_type end = task.find('/', start);
        if (end == std::string::npos)
            end = task.size();
        const std::string::size_type length = end - start;
        if (task.compare(start, length, "..") == 0)
            return "its name leads outside the root script directory";
        // Empty and "." components add nothing to the path.
        if (length > 0 && task.compare(start, length, ".") != 0)
            namesDirectory = true;
        start = end + 1;
    }
    return namesDirectory ? std::string() : "it names the root script directory itself";
}

const Poco::Path& TaskDirectory::Path() const
{
    return path;
}

std::string TaskDirectory::File(const std::string& name) const
{
    Poco::Path file(path);
    file.setFileName(name);
    return file.toString();
}

bool TaskDirectory::Exists() const
{
    Poco::File directory(path);
    return directory.exists() && directory.isDirectory();
}

StrictModes TaskDirectory::Verify() const
{
    const std::string realRoot = RealPath(root.toString());
    const std::string realTask = RealPath(path.toString());
    const std::string below = realRoot == "/" ? realRoot : realRoot + "/";
    if (realTask.compare(0, below.size(), below) != 0 || realTask.size() == below.size())
        throw std::runtime_error(
            Poco::format("The task '%s' is refused: its directory '%s' lies outside the root script directory '%s'",
                         task, realTask, realRoot));

    const StrictModes modes = StrictModes::ForScriptRoot(realRoot);
    // Whoever may write to a directory on the way could swap the task directory for another.
    for (std::string::size_type slash = realTask.find('/', below.size()); slash != std::string::npos;
         slash = realTask.find('/', slash + 1))
        modes.Check(realTask.substr(0, slash), "directory");
    modes.Check(realTask, "task directory");
    return modes;
}
