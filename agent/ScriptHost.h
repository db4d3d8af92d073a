// The operating-system calls of the script runner (working directory, starting a script and
// waiting for it) behind one small seam, so that tests can make each of them fail.
// Failures are reported by exceptions: std::runtime_error or POCO's own.
#pragma once

#include <set>
#include <string>

class ScriptHost
{
public:
    virtual ~ScriptHost();

    /// The process's current working directory, ending in "/".
    virtual std::string CurrentDirectory();
    /// Changes the process's working directory; throws std::runtime_error naming the path and cause.
    virtual void ChangeDirectory(const std::string& path);
    /// Starts "/bin/sh <script>" sharing the agent's standard streams and environment; returns
    /// its process id.
    virtual long StartScript(const std::string& script);
    /// Waits for a started script and returns its exit status (non-zero also for a script killed
    /// by a signal).
    virtual int WaitForScript(long processId);

    /// The real operating system.
    static ScriptHost& System();

private:
    std::set<long> started;
};
