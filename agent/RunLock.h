// One run of the agent at a time: an exclusive flock on a file in the state directory, held for
// the whole run and released by the kernel when the process ends, however it ends, so a lock
// left by a dead run never blocks. The file names the holder's process id for the message of a
// run that is refused.
#pragma once

#include <string>

class RunLock
{
public:
    /// Takes the lock on the file at `file` (created owner-only when missing). Throws
    /// std::runtime_error naming the other run's process id when another run holds it, or the
    /// cause when the file cannot be used.
    explicit RunLock(const std::string& file);
    ~RunLock();

    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

private:
    int descriptor;
};
