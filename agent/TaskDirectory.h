// Where a task's files live: the script root with the task name appended, absolute, in directory
// form. Computed here only, for every part that needs it. A task name that would lead outside the
// script root (a ".." component) or that names the script root itself (no task, "", ".") is
// refused with std::runtime_error, and so is a task directory whose real path lies outside the
// script root's (a symbolic link leading out).
#pragma once

#include "StrictModes.h"

#include <Poco/Path.h>

#include <string>

class TaskDirectory
{
public:
    /// Resolves `task` below `scriptRoot` against the current working directory. A leading "/"
    /// still stays below the root. Throws for a name that Accepts refuses.
    TaskDirectory(const std::string& scriptRoot, const std::string& task);

    /// False for a task name that would lead outside the script root or names the root itself.
    static bool Accepts(const std::string& task);

    /// The directory, absolute, ending in "/".
    const Poco::Path& Path() const;
    /// The path of the file `name` in the directory.
    std::string File(const std::string& name) const;
    /// Whether a directory exists at the path.
    bool Exists() const;

    /// For a directory that exists: throws std::runtime_error when its real path is not below the
    /// script root's real path, or when the script root, the task directory or a directory
    /// between them fails StrictModes. Returns the checks that trust the script root's owner, for
    /// the scripts.
    StrictModes Verify() const;

private:
    /// Why `task` is refused, or empty.
    static std::string Refusal(const std::string& task);

    std::string task;
    Poco::Path root;
    Poco::Path path;
};
