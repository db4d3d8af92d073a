// The operating-system calls of the script runner (working directory, starting a script and
// waiting for it) behind one small seam, so that tests can make each of them fail.
// Failures are reported by exceptions: std::runtime_error or POCO's own.
#pragma once

#include "ProcessTable.h"

#include <sys/types.h>

#include <functional>
#include <map>
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
    /// process id (which is also the group's id). `starting` is called with that id before the
    /// script runs at all; when it throws, the script never runs and the exception passes. The
    /// agent becomes the subreaper of what the script starts, so that a process that leaves the
    /// script's group (setsid, setpgid) and is orphaned stays below the agent.
    virtual long StartScript(const std::string& script, const std::function<void(long)>& starting = nullptr);
    /// Waits for a started script. A stop signal received meanwhile (StopSignals) is passed on
    /// to the script's process group and to every process the script started that left it, and
    /// so is SIGTERM when the time limit passes; whatever is left after the grace period is
    /// killed. Returns when the script has ended and, after a stop, all of that is gone. After
    /// a normal end what the script left running (a service it started) runs on.
    virtual ScriptEnd WaitForScript(long processId, const ScriptLimits& limits);

    /// Whether `group` may be signalled as a script's process group: a process id above 1 that
    /// is neither the agent's own nor its group's.
    static bool CanBeScriptGroup(long group);
    /// Stops the process group `group` that no run of this agent waits for (a script of a run
    /// that was killed): SIGTERM, then SIGKILL for what is left after `graceSeconds`. Returns
    /// how it ended: 0 nothing was left after SIGTERM, 1 SIGKILL was needed, -1 processes of
    /// the group survived even that. Throws std::runtime_error for a group CanBeScriptGroup
    /// refuses.
    static int StopOrphanedGroup(long group, int graceSeconds);

    /// The umask the scripts run with (the agent's own is stricter).
    static void SetScriptUmask(mode_t mask);

    /// The real operating system.
    static ScriptHost& System();

private:
    /// The scripts started and not yet waited for, each with what already ran below the agent
    /// when it started: that is left alone when the script is stopped.
    std::map<long, std::set<ProcessTable::Identity>> started;
};
