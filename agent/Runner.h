// Runs the scripts of one task: the entries of the task directory whose names start with two
// digits and "_" and that are executable (or have ".bat" in their name), in byte order, each
// through "/bin/sh" in the task directory, stopping at the first one that fails. However they end,
// the lines they added to tarvellog.txt are relayed to the log (see TaskFiles::RelayLog).
// Failures throw std::runtime_error (RunInterrupted when the agent is asked to stop); the working
// directory is restored on every exit.
#pragma once

#include "ScriptHost.h"

#include <Poco/Path.h>

#include <functional>
#include <locale>
#include <string>
#include <vector>

class TaskDirectory;

class Runner
{
public:
    explicit Runner(const std::string& root);
    /// A runner whose process and directory calls go to `scriptHost` (tests fail them on purpose),
    /// each script bounded by `scriptLimits`.
    Runner(const std::string& root, ScriptHost& scriptHost, const ScriptLimits& scriptLimits = ScriptLimits());
    ~Runner();

    /// Runs the task's scripts. Throws "The path '%s' is not a directory!" for a missing task
    /// directory, a refusal for a task directory outside the root or open to other users (then
    /// nothing runs), "Failure executing script '%s'" for a script that fails or is no regular
    /// file, "Script '%s' did not finish within %d s" for one that overruns its time limit, and
    /// RunInterrupted when a stop signal arrives. `starting` is called with each script's name
    /// and process id (its process group's) before the script runs; when it throws, the script
    /// does not run and the task fails.
    void Execute(const std::string& task) const;
    void Execute(const std::string& task, const std::function<void(const std::string&, long)>& starting) const;

    /// The selection rule for one directory entry, given as its full path.
    bool IsFileToExecute(const Poco::Path& entry) const;

private:
    /// Runs `scripts`, checked, in `directory`.
    void Run(const TaskDirectory& directory, const std::vector<std::string>& scripts,
             const std::function<void(const std::string&, long)>& starting) const;

    std::locale locale;
    Poco::Path scriptRoot;
    ScriptHost& host;
    ScriptLimits limits;
};

/// `text` with "A"–"Z" lowered (classic locale).
std::string ToLower(std::string text);
