#include "GatedLaunch.h"

#include "StopSignals.h"

#include <Poco/Exception.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{
/// Both ends of a pipe, closed when it goes.
struct Pipe
{
    Pipe()
    {
        if (::pipe2(ends, O_CLOEXEC) != 0)
            throw Poco::SystemException("Cannot create a pipe");
    }
    ~Pipe()
    {
        Close(0);
        Close(1);
    }
    void Close(int end)
    {
        if (ends[end] >= 0)
            ::close(ends[end]);
        ends[end] = -1;
    }
    int ends[2] = {-1, -1};
};
} // namespace

pid_t GatedLaunch::Launch(const std::vector<std::string>& arguments, bool setMask, mode_t mask,
                          const std::function<void(pid_t)>& starting)
{
    // vfork spares copying the agent's page tables (a fork cost about a millisecond a script),
    // but it suspends the thread that calls it until the child execs: a helper thread calls it,
    // and this one records the child while the child waits at the gate. The child runs on the
    // suspended helper's stack, reads only what is prepared here and makes system calls only;
    // the stop signals are blocked in it until just before exec, so that the agent's handler
    // never runs in a child that shares the agent's memory.
    std::vector<char*> argv;
    std::vector<std::string> copies(arguments);
    for (std::string& argument : copies)
        argv.push_back(&argument[0]);
    argv.push_back(nullptr);
    const long descriptorLimit = ::sysconf(_SC_OPEN_MAX);
    Pipe told;
    Pipe gate;
    pid_t processId = -1;
    int cause = 0;

    std::thread launcher([&] {
        const StopSignals::Blocked blocked;
        const pid_t child = ::vfork();
        if (child == 0)
        {
            // A group of its own: a stop or a time limit reaches the program and everything it
            // started, and a terminal's Ctrl-C reaches the agent alone, which passes it on.
            ::setpgid(0, 0);
            // Its own copy of the gate's other end would keep the gate from ever closing.
            ::close(gate.ends[1]);
            const pid_t self = ::getpid();
            char go = 0;
            ssize_t count = ::write(told.ends[1], &self, sizeof self);
            if (count == static_cast<ssize_t>(sizeof self))
            {
                do
                    count = ::read(gate.ends[0], &go, 1);
                while (count < 0 && errno == EINTR);
            }
            // No word from the agent: it died, or the start could not be recorded.
            if (count != 1)
                _exit(127);
            if (setMask)
                ::umask(mask);
            // The scripts inherit the standard streams only, not the agent's log or work files.
            if (::close_range(3, ~0U, 0) != 0)
            {
                for (long descriptor = 3; descriptor < descriptorLimit; ++descriptor)
                    ::close(static_cast<int>(descriptor));
            }
            blocked.RestoreInChild();
            ::execv(argv[0], argv.data());
            _exit(72);
        }
        cause = errno;
        processId = child;
        // Unblocks the reader below when there is no child to write.
        told.Close(1);
    });

    pid_t child = -1;
    ssize_t count = 0;
    do
        count = ::read(told.ends[0], &child, sizeof child);
    while (count < 0 && errno == EINTR);
    if (count != static_cast<ssize_t>(sizeof child))
    {
        launcher.join();
        if (processId > 0)
            ::waitpid(processId, nullptr, 0);
        errno = cause;
        throw Poco::SystemException("Cannot fork process for", arguments.front());
    }
    // Set on both sides, so that the group exists whichever comes first.
    ::setpgid(child, child);
    try
    {
        if (starting)
            starting(child);
    }
    catch (...)
    {
        gate.Close(1);
        launcher.join();
        ::waitpid(child, nullptr, 0);
        throw;
    }
    const char go = 1;
    const bool opened = ::write(gate.ends[1], &go, 1) == 1;
    gate.Close(1);
    launcher.join();
    if (!opened)
    {
        ::waitpid(child, nullptr, 0);
        throw Poco::SystemException("Cannot start", arguments.front());
    }
    return child;
}
