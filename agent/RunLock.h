// One run of the agent at a time: an exclusive flock on "lock" in the state directory, held for
// the whole run and released by the kernel when the process ends, however it ends, so a lock
// left by a dead run never blocks. The file names the holder's process id for the message of a
// run that is refused. A "lock" that is not the agent's own (another user's file, a link, a FIFO)
// may be held open by whoever planted it: it is swapped for a new one of the agent's and set aside,
// so that it cannot block every run.
#pragma once

#include <sys/stat.h>

#include <string>

class StateDirectory;

class RunLock
{
public:
    /// Takes the lock in `state`'s directory, through its descriptor. Throws std::runtime_error
    /// naming the other run's process id when another run holds it, or the cause when the file
    /// cannot be used.
    explicit RunLock(StateDirectory& state);
    ~RunLock();

    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

private:
    /// Locks the open file, or throws naming the run that holds it.
    void Take(StateDirectory& state);
    /// Puts a new locked file of the agent's in place of the foreign `found`, atomically; false
    /// when "lock" turned out to be something else by then (a run that started meanwhile).
    bool Replace(StateDirectory& state, const struct stat& found, const std::string& why);

    int descriptor;
};
