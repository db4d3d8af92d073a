#include "TaskDirectory.h"

#include <Poco/File.h>
#include <Poco/Format.h>

#include <stdexcept>

TaskDirectory::TaskDirectory(const std::string& scriptRoot, const std::string& task)
    : path(scriptRoot)
{
    if (!Accepts(task))
        throw std::runtime_error(Poco::format(
            "The task '%s' is refused: its name leads outside the root script directory", task));
    path.append(Poco::Path(task));
    path.makeAbsolute();
    path.makeDirectory();
}

bool TaskDirectory::Accepts(const std::string& task)
{
    std::string::size_type start = 0;
    while (start <= task.size())
    {
        std::string::size_type end = task.find('/', start);
        if (end == std::string::npos)
            end = task.size();
        if (task.compare(start, end - start, "..") == 0)
            return false;
        start = end + 1;
    }
    return true;
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
