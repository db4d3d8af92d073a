#include "ChildProcess.h"

#include <Poco/Format.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <sys/wait.h>
#include <thread>

namespace
{
/// Whether `process` is still a child of this process (running or waiting to be reaped).
bool StillOurs(pid_t process)
{
    siginfo_t info;
    std::memset(&info, 0, sizeof info);
    return ::waitid(P_PID, static_cast<id_t>(process), &info, WEXITED | WNOHANG | WNOWAIT) == 0;
}
} // namespace

bool ChildProcess::Ended(pid_t process)
{
    siginfo_t info;
    std::memset(&info, 0, sizeof info);
    return ::waitid(P_PID, static_cast<id_t>(process), &info, WEXITED | WNOHANG | WNOWAIT) != 0 ||
           info.si_pid == process;
}

std::string ChildProcess::End(pid_t process, const std::string& what, bool ending)
{
    // A process that ended closed its socket a moment before it can be reaped.
    for (int round = 0; ending && round < 200 && !Ended(process); ++round)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const bool endedAlone = Ended(process);
    if (!endedAlone && StillOurs(process))
        ::kill(process, SIGKILL);
    int status = 0;
    pid_t waited;
    do
        waited = ::waitpid(process, &status, 0);
    while (waited < 0 && errno == EINTR);
    if (waited != process)
        return what + "; the network process has ended";
    if (!endedAlone)
        return what + "; the network process was killed";
    if (WIFSIGNALED(status))
        return "the network process was killed by " + SignalName(WTERMSIG(status));
    return Poco::format("the network process ended with status %d (%s)", WEXITSTATUS(status), what);
}

std::string ChildProcess::SignalName(int signal)
{
    const char* abbreviation = ::sigabbrev_np(signal);
    return abbreviation ? std::string("SIG") + abbreviation : Poco::format("signal %d", signal);
}
