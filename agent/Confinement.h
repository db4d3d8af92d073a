// What the network process gives up before it reads a byte from the network: root (for the
// system user "tarvel", or "nobody" where the packages did not create it; a process started
// as another user stays that user), every capability and supplementary group, the gaining of
// privileges through exec (PR_SET_NO_NEW_PRIVS), and every system call an exchange does not
// need (SyscallFilter). Apply throws std::runtime_error naming the step that failed; the
// caller must then end the process, never go on unconfined.
#pragma once

#include <sys/types.h>

class Confinement
{
public:
    /// Confines the calling process, which must be single-threaded; `parent` is the process that
    /// forked it, checked again once the credentials changed (a changed uid clears the
    /// parent-death signal, which is set anew).
    static void Apply(pid_t parent);
};
