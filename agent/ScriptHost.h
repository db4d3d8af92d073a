// The operating-system calls of the script runner (working directory, starting a script and
// waiting for it) behind one small seam, so that tests can make each of them fail.
// Failures are reported by exceptions: std::runtime_error or POCO's own.
#pragma once

#include <sys/types.h>

#include <set>
#include <string>

/// Bounds on one script's run.
struct ScriptLimits
{
    /// Seconds a script may run; 0 for no limit.
    int timeoutSeconds = 0;
    /// Seconds between asking a script's process group to stop and killing it.
    int graceSeconds = 10;
};

/// How a script's run ended.
struct ScriptEnd
{
    /// The exit status; 256 + N for a script killed by signal N.
    int status = 0;
    /// The stop signal the agent received and passed on to the script, or 0.
    int stopSignal = 0;
    /// Whether the script overran its time limit and was stopped.
    bool timedOut = false;
};

class ScriptHost
{
public:
    virtual ~ScriptHost();

    /// The process's current working directory, ending in "/".
    virtual std::string CurrentDirectory();
    /// Changes the process's working directory; throws std::runtime_error naming the path and cause.
    virtual void ChangeDirectory(const std::string& path);
    /// Starts "/bin/sh <script>" in a process group of its own, sharing the agent's standard
    /// streams and environment and with the umask the agent was started with; returns its
    /// process id (which is also the group's id).
    virtual long StartScript(const std::string& script);
    /// Waits for a started script. A stop signal received meanwhile (StopSignals) is passed on
    /// to the script's process group, and so is SIGTERM when the time limit passes; whatever of
    /// the group is left after the grace period is killed. Returns when the script has ended
    /// and, after a stop, its whole group is gone.
    virtual ScriptEnd WaitForScript(long processId, const ScriptLimits& limits);

    /// The umask the scripts run with (the agent's own is stricter).
    static void SetScriptUmask(mode_t mask);

    /// The real operating system.
    static ScriptHost& System();

private:
    std::set<long> started;
};
