#include "ScriptHost.h"

#include "GatedLaunch.h"
#include "StopSignals.h"

#include <Poco/Exception.h>
#include <Poco/Format.h>
#include <Poco/Logger.h>
#include <Poco/Path.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <limits>
#include <poll.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
using Clock = std::chrono::steady_clock;

mode_t scriptUmask = 022;
bool scriptUmaskSet = false;

/// A descriptor that becomes readable when the process ends, or -1 where the kernel has none
/// (then the wait falls back to polling).
int ProcessDescriptor(pid_t processId)
{
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, processId, 0));
#else
    static_cast<void>(processId);
    return -1;
#endif
}

/// The processes a script started: its group, and whatever left the group but still runs below
/// the agent; what already ran below the agent before the script started is not the script's.
class ScriptTree
{
public:
    ScriptTree(pid_t scriptGroup, std::set<ProcessTable::Identity> before)
        : group(scriptGroup)
        , self(::getpid())
        , earlier(std::move(before))
    {
    }

    /// Sends `signal` to the group and to each of the script's processes outside it.
    void Signal(int signal) const
    {
        ::kill(-group, signal);
        for (const ProcessTable::Entry& entry : ProcessTable::Descendants(self, earlier))
        {
            if (!entry.Zombie() && entry.group != group)
                ::kill(entry.pid, signal);
        }
    }

    /// Whether any of the script's processes has not ended; called once the script itself was
    /// waited for. Reaps those that ended and were left to the agent, so that none waits as a
    /// zombie.
    bool Remaining() const
    {
        const std::vector<ProcessTable::Entry> all = ProcessTable::All();
        bool remaining = false;
        for (const ProcessTable::Entry& entry : all)
        {
            if (entry.group == group && !entry.Zombie())
                remaining = true;
        }
        for (const ProcessTable::Entry& entry : ProcessTable::Descendants(self, earlier, all))
        {
            if (!entry.Zombie())
                remaining = true;
            else if (entry.parent == self)
                ::waitpid(entry.pid, nullptr, WNOHANG);
        }
        return remaining;
    }

private:
    pid_t group;
    pid_t self;
    std::set<ProcessTable::Identity> earlier;
};

void BecomeSubreaper()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    if (::prctl(PR_SET_CHILD_SUBREAPER, 1) != 0)
    {
        Poco::Logger& logger = Poco::Logger::get("Application");
        poco_warning_f1(logger,
                        "The agent cannot become the subreaper of its scripts (%s): a process that leaves a "
                        "script's process group is not stopped with it",
                        std::string(std::strerror(errno)));
    }
}

/// Reaps the agent's children that ended and are no script it waits for: processes that scripts
/// left running and that were handed to the agent when their parents ended.
void ReapLeftovers(const std::map<long, std::set<ProcessTable::Identity>>& waitedFor)
{
    if (!ProcessTable::MayHaveChildren())
        return;
    const pid_t self = ::getpid();
    for (const ProcessTable::Entry& entry : ProcessTable::All())
    {
        if (entry.parent == self && entry.Zombie() && waitedFor.count(entry.pid) == 0)
            ::waitpid(entry.pid, nullptr, WNOHANG);
    }
}

int Milliseconds(Clock::duration duration)
{
    const auto count = std::chrono::duration_cast<std::chrono::milliseconds>(duration).count();
    return count < 0 ? 0 : count > 60000 ? 60000 : static_cast<int>(count) + 1;
}
} // namespace

ScriptHost::~ScriptHost() = default;

std::string ScriptHost::CurrentDirectory()
{
    return Poco::Path::current();
}

void ScriptHost::ChangeDirectory(const std::string& path)
{
    if (::chdir(path.c_str()) != 0)
        throw std::runtime_error(
            Poco::format("Cannot change the working directory to '%s': %s", path, std::string(std::strerror(errno))));
}

long ScriptHost::StartScript(const std::string& script, const std::function<void(long)>& starting)
{
    // What Poco::Process::launch did, without its cost: it closed every descriptor up to the
    // limit one call at a time (20,000 calls, tens of milliseconds, where the limit is high);
    // GatedLaunch closes them in one call, and lets the script run only once `starting` has
    // recorded it.
    BecomeSubreaper();
    // Usually nothing runs below the agent yet; a walk through /proc only when something may.
    std::set<ProcessTable::Identity> before;
    if (ProcessTable::MayHaveChildren())
        before = ProcessTable::DescendantIdentities(::getpid());
    const pid_t processId = GatedLaunch::Launch({"/bin/sh", script}, scriptUmaskSet, scriptUmask, [&](pid_t child) {
        if (starting)
            starting(child);
    });
    started.emplace(processId, std::move(before));
    return processId;
}

ScriptEnd ScriptHost::WaitForScript(long processId, const ScriptLimits& limits)
{
    const auto found = started.find(processId);
    if (found == started.end())
        throw std::runtime_error(Poco::format("No script was started as process %ld", processId));
    const pid_t process = static_cast<pid_t>(processId);
    const ScriptTree tree(process, std::move(found->second));
    started.erase(found);

    ScriptEnd end;
    const Clock::time_point start = Clock::now();
    const bool limited = limits.timeoutSeconds > 0;
    const Clock::time_point deadline = start + std::chrono::seconds(limited ? limits.timeoutSeconds : 0);
    const auto grace = std::chrono::seconds(limits.graceSeconds > 0 ? limits.graceSeconds : 0);
    bool stopping = false;
    bool killed = false;
    Clock::time_point killAt;
    const auto stop = [&](int signal) {
        tree.Signal(signal);
        stopping = true;
        killAt = Clock::now() + grace;
    };

    const int descriptor = ProcessDescriptor(process);
    int status = 0;
    for (;;)
    {
        const pid_t waited = ::waitpid(process, &status, WNOHANG);
        if (waited == process)
            break;
        if (waited < 0 && errno != EINTR)
        {
            if (descriptor >= 0)
                ::close(descriptor);
            throw Poco::SystemException("Cannot wait for process", std::to_string(processId));
        }
        const Clock::time_point now = Clock::now();
        if (!stopping && StopSignals::Received() != 0)
        {
            end.stopSignal = StopSignals::Received();
            stop(end.stopSignal);
        }
        else if (!stopping && limited && now >= deadline)
        {
            end.timedOut = true;
            stop(SIGTERM);
        }
        else if (stopping && !killed && now >= killAt)
        {
            tree.Signal(SIGKILL);
            killed = true;
        }

        int timeout = -1;
        if (stopping && !killed)
            timeout = Milliseconds(killAt - now);
        else if (!stopping && limited)
            timeout = Milliseconds(deadline - now);
        if (descriptor < 0)
            timeout = timeout < 0 || timeout > 100 ? 100 : timeout;
        pollfd watched[2] = {{descriptor, POLLIN, 0}, {StopSignals::WakeDescriptor(), POLLIN, 0}};
        ::poll(watched, 2, timeout);
        if (watched[1].revents & POLLIN)
            StopSignals::Drain();
    }
    if (descriptor >= 0)
        ::close(descriptor);

    // After a stop, what the script started goes too, in its group or out of it: the rest gets
    // the grace period the script had, then SIGKILL. Being the subreaper, the agent reaps what
    // was orphaned; SIGKILL is sent again while anything is left, for what was forked meanwhile.
    if (stopping)
    {
        while (!killed && tree.Remaining() && Clock::now() < killAt)
            ::usleep(50000);
        const Clock::time_point settled = Clock::now() + std::chrono::seconds(2);
        while (tree.Remaining() && Clock::now() < settled)
        {
            tree.Signal(SIGKILL);
            ::usleep(10000);
        }
    }
    ReapLeftovers(started);
    // A script killed by a signal gives 256 + the signal's number, as POCO reported it.
    end.status = WIFEXITED(status) ? WEXITSTATUS(status) : 256 + WTERMSIG(status);
    return end;
}

bool ScriptHost::CanBeScriptGroup(long group)
{
    // 0 and -1 would signal the agent's own group or every process there is, 1 is init's.
    return group > 1 && group <= std::numeric_limits<pid_t>::max() && group != ::getpid() && group != ::getpgrp();
}

int ScriptHost::StopOrphanedGroup(long groupId, int graceSeconds)
{
    if (!CanBeScriptGroup(groupId))
        throw std::runtime_error(Poco::format("%ld cannot be the process group of a script", groupId));
    const pid_t group = static_cast<pid_t>(groupId);
    ::kill(-group, SIGTERM);
    // Not the agent's children: their parent (init, say) reaps them, and a zombie left unreaped
    // counts as gone.
    const Clock::time_point killAt = Clock::now() + std::chrono::seconds(graceSeconds > 0 ? graceSeconds : 0);
    while (!ProcessTable::LiveMembers(group).empty() && Clock::now() < killAt)
        ::usleep(50000);
    if (ProcessTable::LiveMembers(group).empty())
        return 0;
    const Clock::time_point settled = Clock::now() + std::chrono::seconds(2);
    while (!ProcessTable::LiveMembers(group).empty() && Clock::now() < settled)
    {
        ::kill(-group, SIGKILL);
        ::usleep(10000);
    }
    return ProcessTable::LiveMembers(group).empty() ? 1 : -1;
}

void ScriptHost::SetScriptUmask(mode_t mask)
{
    scriptUmask = mask;
    scriptUmaskSet = true;
}

ScriptHost& ScriptHost::System()
{
    static ScriptHost system;
    return system;
}
