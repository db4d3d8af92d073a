// What a confined process can still do and what ends it: each probe runs in a forked process that
// confines itself first (as root it becomes an unprivileged user too) and tells by its exit
// status how a call went; a call the filter forbids kills it with SIGSYS.
#include "Confinement.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{
/// Exit statuses of a probe.
const int succeeded = 10;
const int refused = 11;
const int unconfined = 12;

/// Runs `probe` in a confined child; its wait status.
int RunConfined(const std::function<int()>& probe)
{
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child == 0)
    {
        int status = unconfined;
        try
        {
            Confinement::Apply(parent);
            status = probe();
        }
        catch (...)
        {
        }
        ::_exit(status);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

/// `result` and errno as a probe's exit status: succeeded, refused with `expected`, or the errno.
int Outcome(long result, int expected)
{
    if (result >= 0)
        return succeeded;
    return errno == expected ? refused : errno;
}

::testing::AssertionResult Exited(int status, int code)
{
    if (WIFEXITED(status) && WEXITSTATUS(status) == code)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << (WIFSIGNALED(status)
                                                 ? "killed by signal " + std::to_string(WTERMSIG(status))
                                                 : "exit status " + std::to_string(WEXITSTATUS(status)));
}

::testing::AssertionResult KilledBySigsys(int status)
{
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGSYS)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << (WIFSIGNALED(status)
                                                 ? "killed by signal " + std::to_string(WTERMSIG(status))
                                                 : "exit status " + std::to_string(WEXITSTATUS(status)));
}

std::string StatusField(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
    {
        if (line.compare(0, name.size() + 1, name + ":") == 0)
            return line.substr(line.find_first_not_of(" \t", name.size() + 1));
    }
    return std::string();
}
} // namespace

TEST(SyscallFilter, ConfinedProcessIsUnprivileged)
{
    EXPECT_TRUE(Exited(RunConfined([] {
                           const bool root = ::getuid() == 0 || ::geteuid() == 0 || ::getgid() == 0;
                           const bool confined = StatusField("NoNewPrivs") == "1" && StatusField("Seccomp") == "2" &&
                                                 StatusField("CapEff") == "0000000000000000" &&
                                                 StatusField("CapPrm") == "0000000000000000";
                           return !root && confined ? succeeded : unconfined;
                       }),
                       succeeded));
}

TEST(SyscallFilter, FilesOpenOnlyForReading)
{
    char path[] = "/tmp/tarvel-filter-XXXXXX";
    const int file = ::mkstemp(path);
    ASSERT_GE(file, 0);
    ::close(file);
    ::chmod(path, 0666);
    const std::string name = path;
    EXPECT_TRUE(Exited(RunConfined([] { return Outcome(::open("/etc/passwd", O_RDONLY | O_CLOEXEC), 0); }), succeeded));
    for (const int flags : {O_WRONLY, O_RDWR, O_RDONLY | O_APPEND, O_RDONLY | O_TRUNC, O_RDONLY | O_CREAT})
    {
        SCOPED_TRACE(flags);
        EXPECT_TRUE(Exited(RunConfined([&] { return Outcome(::open(name.c_str(), flags, 0600), EACCES); }), refused));
        EXPECT_TRUE(Exited(RunConfined([&] { return Outcome(::openat(AT_FDCWD, name.c_str(), flags, 0600), EACCES); }),
                           refused));
    }
    // Nor are files written, removed or changed by name.
    EXPECT_TRUE(KilledBySigsys(RunConfined([&] { return Outcome(::unlink(name.c_str()), 0); })));
    EXPECT_TRUE(KilledBySigsys(RunConfined([&] { return Outcome(::chmod(name.c_str(), 0777), 0); })));
    EXPECT_TRUE(KilledBySigsys(RunConfined([&] { return Outcome(::chown(name.c_str(), 0, 0), 0); })));
    EXPECT_TRUE(KilledBySigsys(RunConfined([&] { return Outcome(::truncate(name.c_str(), 0), 0); })));
    struct stat after;
    ASSERT_EQ(::stat(path, &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0666u);
    ::unlink(path);
}

TEST(SyscallFilter, ThreadsStartButProcessesDoNot)
{
    EXPECT_TRUE(Exited(RunConfined([] {
                           int value = 0;
                           std::thread thread([&] { value = succeeded; });
                           thread.join();
                           return value;
                       }),
                       succeeded));
    // clone3 says it does not exist, so that the C library falls back to clone.
    EXPECT_TRUE(Exited(RunConfined([] { return Outcome(::syscall(SYS_clone3, nullptr, 0), ENOSYS); }), refused));
    EXPECT_TRUE(KilledBySigsys(RunConfined([] { return Outcome(::fork(), 0); })));
    EXPECT_TRUE(KilledBySigsys(RunConfined([] {
        char* const arguments[] = {const_cast<char*>("/bin/true"), nullptr};
        return Outcome(::execv("/bin/true", arguments), 0);
    })));
}

TEST(SyscallFilter, SignalsOnlyToItself)
{
    EXPECT_TRUE(Exited(RunConfined([] { return Outcome(::kill(::getpid(), 0), 0); }), succeeded));
    EXPECT_TRUE(KilledBySigsys(RunConfined([] { return Outcome(::kill(::getppid(), 0), 0); })));
    EXPECT_TRUE(KilledBySigsys(RunConfined([] { return Outcome(::kill(1, 0), 0); })));
    // abort() still ends it as an abort.
    const int status = RunConfined([] {
        std::abort();
        return 0;
    });
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT) << status;
}

TEST(SyscallFilter, NetworkSocketsOnly)
{
    EXPECT_TRUE(
        Exited(RunConfined([] { return Outcome(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0), 0); }), succeeded));
    EXPECT_TRUE(Exited(RunConfined([] { return Outcome(::socket(AF_INET6, SOCK_DGRAM, 0), 0); }), succeeded));
    // A local socket could reach another service of the machine.
    EXPECT_TRUE(Exited(RunConfined([] { return Outcome(::socket(AF_UNIX, SOCK_STREAM, 0), EACCES); }), refused));
    EXPECT_TRUE(KilledBySigsys(RunConfined([] { return Outcome(::socket(AF_PACKET, SOCK_RAW, 0), 0); })));
    EXPECT_TRUE(KilledBySigsys(RunConfined([] { return Outcome(::setuid(0), 0); })));
}
