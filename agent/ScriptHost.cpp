#include "ScriptHost.h"

#include "StopSignals.h"

#include <Poco/Exception.h>
#include <Poco/Format.h>
#include <Poco/Path.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <poll.h>
#include <stdexcept>
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

/// Whether any process of the group is still there.
bool GroupAlive(pid_t group)
{
    return ::kill(-group, 0) == 0 || errno == EPERM;
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

long ScriptHost::StartScript(const std::string& script)
{
    // What Poco::Process::launch did, without its cost: it closed every descriptor up to the
    // limit one call at a time (20,000 calls, tens of milliseconds, where the limit is high);
    // close_range does it in one. vfork spares copying the agent's page tables, since the child
    // only closes descriptors and execs. Everything is prepared before the child exists.
    std::string shell = "/bin/sh";
    std::string argument = script;
    char* const arguments[] = {&shell[0], &argument[0], nullptr};
    const long descriptorLimit = ::sysconf(_SC_OPEN_MAX);
    const bool restoreUmask = scriptUmaskSet;
    const mode_t mask = scriptUmask;
    const pid_t processId = ::vfork();
    if (processId < 0)
        throw Poco::SystemException("Cannot fork process for", shell);
    if (processId == 0)
    {
        // A group of its own: a stop or a time limit reaches the script and everything it
        // started, and a terminal's Ctrl-C reaches the agent alone, which passes it on.
        ::setpgid(0, 0);
        if (restoreUmask)
            ::umask(mask);
        // The scripts inherit the standard streams only, not the agent's log or work files.
        if (::close_range(3, ~0U, 0) != 0)
        {
            for (long descriptor = 3; descriptor < descriptorLimit; ++descriptor)
                ::close(static_cast<int>(descriptor));
        }
        ::execv(arguments[0], arguments);
        _exit(72);
    }
    started.insert(processId);
    return processId;
}

ScriptEnd ScriptHost::WaitForScript(long processId, const ScriptLimits& limits)
{
    const auto found = started.find(processId);
    if (found == started.end())
        throw std::runtime_error(Poco::format("No script was started as process %ld", processId));
    started.erase(found);
    const pid_t process = static_cast<pid_t>(processId);

    ScriptEnd end;
    const Clock::time_point start = Clock::now();
    const bool limited = limits.timeoutSeconds > 0;
    const Clock::time_point deadline = start + std::chrono::seconds(limited ? limits.timeoutSeconds : 0);
    const auto grace = std::chrono::seconds(limits.graceSeconds > 0 ? limits.graceSeconds : 0);
    bool stopping = false;
    bool killed = false;
    Clock::time_point killAt;
    const auto stop = [&](int signal) {
        ::kill(-process, signal);
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
            ::kill(-process, SIGKILL);
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

    // After a stop, what the script started goes too: the rest of its group gets the grace
    // period the script had, then SIGKILL.
    if (stopping)
    {
        while (!killed && GroupAlive(process) && Clock::now() < killAt)
            ::usleep(20000);
        if (GroupAlive(process))
            ::kill(-process, SIGKILL);
        // SIGKILL cannot be caught; the group's orphans are reaped by init in a moment.
        const Clock::time_point settled = Clock::now() + std::chrono::seconds(2);
        while (GroupAlive(process) && Clock::now() < settled)
            ::usleep(10000);
    }
    // A script killed by a signal gives 256 + the signal's number, as POCO reported it.
    end.status = WIFEXITED(status) ? WEXITSTATUS(status) : 256 + WTERMSIG(status);
    return end;
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
