// A child process the agent forked and must reap: whether it has ended, and its end, described
// for a log line. The agent may reap children it does not know elsewhere (what scripts left), so
// a process id is only signalled while it is still this process's child: never one that was
// reaped and given to another process since.
#pragma once

#include <string>
#include <sys/types.h>

class ChildProcess
{
public:
    /// Whether `process` has ended, or is no child of this process any more.
    static bool Ended(pid_t process);

    /// Ends `process` (SIGKILL, unless it ended by itself; one whose socket just closed gets a
    /// moment to end when `ending`), reaps it and tells what became of it, given that `what`
    /// went wrong: "the network process was killed by SIGSEGV", "… ended with status 3 (what)",
    /// "what; the network process was killed".
    static std::string End(pid_t process, const std::string& what, bool ending);

    /// "SIGSEGV" and the like; "signal N" for one without a name.
    static std::string SignalName(int signal);
};
