// Runs the scripts of one task: the entries of the task directory whose names start with two
// digits and "_" and that are executable (or have ".bat" in their name), in byte order, each
// through "/bin/sh" in the task directory, stopping at the first one that fails.
// Failures throw std::runtime_error; the working directory is restored on every exit.
#pragma once

#include <Poco/Path.h>

#include <locale>
#include <string>

class ScriptHost;

class Runner
{
public:
    explicit Runner(const std::string& scriptRoot);
    /// A runner whose process and directory calls go to `host` (tests fail them on purpose).
    Runner(const std::string& scriptRoot, ScriptHost& host);
    ~Runner();

    /// Runs the task's scripts. Throws "The path '%s' is not a directory!" for a missing task
    /// directory, "Failure executing script '%s'" for a script that fails, and a message naming
    /// the directory when the working directory cannot be changed (then nothing runs).
    void Execute(const std::string& task) const;

    /// The selection rule for one directory entry, given as its full path.
    bool IsFileToExecute(const Poco::Path& entry) const;

private:
    std::locale locale;
    Poco::Path scriptRoot;
    ScriptHost& host;
};

/// `text` with "A"–"Z" lowered (classic locale).
std::string ToLower(std::string text);
