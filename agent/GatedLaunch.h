// Starts a program in a process group of its own that waits, before it execs, until the caller
// has recorded it: a caller killed at any moment leaves no program running that its record does
// not name. The child shares the agent's standard streams and environment and nothing else of
// its descriptors. Failures throw Poco::SystemException; what `starting` throws passes, and the
// program then never runs.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

class GatedLaunch
{
public:
    /// Starts `arguments` (the program's path first) with the umask `mask` when `setMask` is set;
    /// calls `starting` with the child's process id while the child waits; returns that id once
    /// the program runs (or the child has ended).
    static pid_t Launch(const std::vector<std::string>& arguments, bool setMask, mode_t mask,
                        const std::function<void(pid_t)>& starting);
};
