#include "SyscallFilter.h"

#include <Poco/Format.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <initializer_list>
#include <linux/netlink.h>
#include <sched.h>
#include <seccomp.h>
#include <stdexcept>
#include <string>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace
{
/// Flags of open that write, create or truncate: refused, whatever else the call asks for.
const unsigned long writeFlags[] = {O_WRONLY, O_RDWR, O_CREAT, O_TRUNC, O_APPEND};

/// Allowed whatever their arguments: reading and writing the descriptors already open (the
/// socket pair, the engine's log, the connection), sockets' own calls, waiting, memory, threads'
/// bookkeeping, signals handled in the process, identity queries, time and randomness, and
/// anonymous pipes (the address sanitizer probes memory through one).
const char* const allowed[] = {"read",
                               "readv",
                               "pread64",
                               "write",
                               "writev",
                               "recvfrom",
                               "recvmsg",
                               "recvmmsg",
                               "sendto",
                               "sendmsg",
                               "sendmmsg",
                               "connect",
                               "bind",
                               "getsockname",
                               "getpeername",
                               "setsockopt",
                               "getsockopt",
                               "shutdown",
                               "poll",
                               "ppoll",
                               "select",
                               "pselect6",
                               "epoll_create",
                               "epoll_create1",
                               "epoll_ctl",
                               "epoll_wait",
                               "epoll_pwait",
                               "epoll_pwait2",
                               "close",
                               "fstat",
                               "newfstatat",
                               "stat",
                               "lstat",
                               "statx",
                               "lseek",
                               "access",
                               "faccessat",
                               "faccessat2",
                               "readlink",
                               "readlinkat",
                               "getdents64",
                               "getcwd",
                               "mmap",
                               "munmap",
                               "mremap",
                               "mprotect",
                               "brk",
                               "madvise",
                               "futex",
                               "set_robust_list",
                               "rseq",
                               "set_tid_address",
                               "sched_yield",
                               "sched_getaffinity",
                               "exit",
                               "exit_group",
                               "rt_sigaction",
                               "rt_sigprocmask",
                               "rt_sigreturn",
                               "rt_sigtimedwait",
                               "rt_sigpending",
                               "sigaltstack",
                               "restart_syscall",
                               "getpid",
                               "gettid",
                               "getppid",
                               "getuid",
                               "geteuid",
                               "getgid",
                               "getegid",
                               "getresuid",
                               "getresgid",
                               "getgroups",
                               "clock_gettime",
                               "clock_getres",
                               "clock_nanosleep",
                               "nanosleep",
                               "gettimeofday",
                               "time",
                               "getrandom",
                               "uname",
                               "sysinfo",
                               "getrlimit",
                               "pipe",
                               "pipe2"};

class Rules
{
public:
    Rules()
        : context(::seccomp_init(SCMP_ACT_KILL_PROCESS))
    {
        if (!context)
            throw std::runtime_error("The network process cannot be confined: the seccomp filter cannot be made");
        // Calls of another ABI (32-bit ones on a 64-bit system) would escape the rules by their
        // numbers: they kill too.
        Check(::seccomp_attr_set(context, SCMP_FLTATR_ACT_BADARCH, SCMP_ACT_KILL_PROCESS), "the filter's attributes");
    }

    ~Rules()
    {
        ::seccomp_release(context);
    }

    Rules(const Rules&) = delete;
    Rules& operator=(const Rules&) = delete;

    /// Adds a rule for `name` with the argument comparisons given; a call this architecture does
    /// not have is left out.
    void Add(std::uint32_t action, const char* name, std::initializer_list<scmp_arg_cmp> comparisons = {})
    {
        const int number = ::seccomp_syscall_resolve_name(name);
        if (number == __NR_SCMP_ERROR)
            return;
        const std::vector<scmp_arg_cmp> list(comparisons);
        Check(::seccomp_rule_add_array(context, action, number, static_cast<unsigned>(list.size()),
                                       list.empty() ? nullptr : list.data()),
              std::string("the rule for ") + name);
    }

    void Load()
    {
        Check(::seccomp_load(context), "loading the filter");
    }

private:
    static void Check(int result, const std::string& what)
    {
        if (result < 0)
            throw std::runtime_error(Poco::format("The network process cannot be confined: seccomp, %s (%s)", what,
                                                  std::string(std::strerror(-result))));
    }

    scmp_filter_ctx context;
};

/// open and openat read-only: the flags argument is `flagsArgument`.
void AllowReading(Rules& rules, const char* name, unsigned flagsArgument)
{
    unsigned long all = 0;
    for (const unsigned long flag : writeFlags)
        all |= flag;
    rules.Add(SCMP_ACT_ALLOW, name, {SCMP_CMP(flagsArgument, SCMP_CMP_MASKED_EQ, all, 0)});
    // A library that tries to write a file gets an ordinary error it can report.
    for (const unsigned long flag : writeFlags)
        rules.Add(SCMP_ACT_ERRNO(EACCES), name, {SCMP_CMP(flagsArgument, SCMP_CMP_MASKED_EQ, flag, flag)});
}
} // namespace

void SyscallFilter::Install()
{
    Rules rules;
    for (const char* name : allowed)
        rules.Add(SCMP_ACT_ALLOW, name);
    AllowReading(rules, "open", 1);
    AllowReading(rules, "openat", 2);
    rules.Add(SCMP_ACT_ERRNO(ENOSYS), "openat2");
    // Threads only (the exchange's watchdog): a new process could leave the filter's parent.
    rules.Add(SCMP_ACT_ALLOW, "clone", {SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD, CLONE_THREAD)});
    // Its flags lie behind a pointer, out of the filter's reach.
    rules.Add(SCMP_ACT_ERRNO(ENOSYS), "clone3");
    // The server's address families, and the routing socket a lookup asks for the machine's
    // addresses; a local socket could reach another service of the machine (the name service
    // cache daemon is skipped then).
    rules.Add(SCMP_ACT_ALLOW, "socket", {SCMP_A0(SCMP_CMP_EQ, AF_INET, 0)});
    rules.Add(SCMP_ACT_ALLOW, "socket", {SCMP_A0(SCMP_CMP_EQ, AF_INET6, 0)});
    rules.Add(SCMP_ACT_ALLOW, "socket", {SCMP_A0(SCMP_CMP_EQ, AF_NETLINK, 0), SCMP_A2(SCMP_CMP_EQ, NETLINK_ROUTE, 0)});
    rules.Add(SCMP_ACT_ERRNO(EACCES), "socket", {SCMP_A0(SCMP_CMP_EQ, AF_UNIX, 0)});
    for (const unsigned long request : {static_cast<unsigned long>(FIONBIO), static_cast<unsigned long>(FIONREAD),
                                        static_cast<unsigned long>(TCGETS)})
        rules.Add(SCMP_ACT_ALLOW, "ioctl", {SCMP_A1(SCMP_CMP_EQ, request, 0)});
    for (const int command : {F_GETFD, F_SETFD, F_GETFL, F_SETFL})
        rules.Add(SCMP_ACT_ALLOW, "fcntl", {SCMP_A1(SCMP_CMP_EQ, static_cast<scmp_datum_t>(command), 0)});
    // Signals to the process itself only (abort, a thread's own); never to another process.
    const auto self = static_cast<scmp_datum_t>(::getpid());
    rules.Add(SCMP_ACT_ALLOW, "kill", {SCMP_A0(SCMP_CMP_EQ, self, 0)});
    rules.Add(SCMP_ACT_ALLOW, "tgkill", {SCMP_A0(SCMP_CMP_EQ, self, 0)});
    // Limits may be read, not changed.
    rules.Add(SCMP_ACT_ALLOW, "prlimit64", {SCMP_A2(SCMP_CMP_EQ, 0, 0)});
    rules.Load();
}
