// Where a task's files live: the script root with the task name appended, absolute, in directory
// form. Computed here only, for every part that needs it. A task name with a ".." component
// would lead outside the script root and is refused with std::runtime_error.
#pragma once

#include <Poco/Path.h>

#include <string>

class TaskDirectory
{
public:
    /// Resolves `task` below `scriptRoot` against the current working directory. A leading "/"
    /// still stays below the root; "" and "." name the root itself.
    TaskDirectory(const std::string& scriptRoot, const std::string& task);

    /// False for a task name that would lead outside the script root.
    static bool Accepts(const std::string& task);

    /// The directory, absolute, ending in "/".
    const Poco::Path& Path() const;
    /// The path of the file `name` in the directory.
    std::string File(const std::string& name) const;
    /// Whether a directory exists at the path.
    bool Exists() const;

private:
    Poco::Path path;
};
