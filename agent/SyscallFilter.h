// The seccomp filter of the confined network process: an allow-list of the system calls that a
// name lookup, a TCP or TLS connection, an HTTP exchange with its watchdog thread, memory, time
// and the socket pair to the agent need. Files open read-only (a write flag is refused with
// EACCES), threads start (a clone without CLONE_THREAD, a new process, is not allowed; clone3
// answers ENOSYS so that the C library falls back to clone), signals go only to the process
// itself. Nothing that writes a file by name, executes a program, changes an owner or a mode,
// traces, mounts or signals another process is allowed.
//
// Any other system call kills the process (SIGSYS) rather than failing with EPERM: a call the
// exchange does not make is either a bug or an attacker's, and neither should go on down a path
// nobody planned for; the agent logs the death as the exchange's failure, naming the signal.
// Install throws std::runtime_error when the filter cannot be built or loaded.
#pragma once

class SyscallFilter
{
public:
    /// Loads the filter into the calling process, for good; PR_SET_NO_NEW_PRIVS must be set.
    static void Install();
};
