#include "StopSignals.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const int stopSignals[] = {SIGTERM, SIGINT, SIGHUP};

volatile sig_atomic_t received = 0;
volatile sig_atomic_t deferring = 0;
/// Seconds a deferral waits after a stop signal; -1 for as long as it takes.
volatile sig_atomic_t limitSeconds = -1;
volatile sig_atomic_t limitRunning = 0;
volatile sig_atomic_t companion = 0;
int wakeRead = -1;
int wakeWrite = -1;

/// The lines of NoteOnStop in two sets: the handler reads the one noteSet names (-1: none) while
/// the other is written. Each line has a spare line end before it, for a file whose last line
/// was cut short.
char notes[2][3][StopSignals::noteLimit + 1];
std::size_t noteLengths[2][3];
std::size_t noteClocks[2][3];
volatile sig_atomic_t noteSet = -1;
int noteDirectory = -1;
const char* noteName = nullptr;
long long noteStart = 0;

/// Writes the seconds since noteStart, right-aligned, into the clockWidth bytes at `field`.
void FillClock(char* field)
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    long long milliseconds = static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000 - noteStart;
    if (milliseconds < 0 || milliseconds >= 1000000000000LL)
        milliseconds = 0;
    std::size_t at = StopSignals::clockWidth;
    for (int digit = 0; digit < 5 || milliseconds > 0; ++digit)
    {
        if (digit == 3)
            field[--at] = '.';
        else
        {
            field[--at] = static_cast<char>('0' + milliseconds % 10);
            milliseconds /= 10;
        }
    }
    while (at > 0)
        field[--at] = ' ';
}

/// Appends the noted line for `signal`; only async-signal-safe calls.
void AppendNote(int signal)
{
    const int set = noteSet;
    const int which = signal == SIGTERM ? 0 : signal == SIGINT ? 1 : 2;
    if (set < 0 || noteDirectory < 0 || noteLengths[set][which] == 0)
        return;
    char* line = notes[set][which];
    FillClock(line + 1 + noteClocks[set][which]);
    // Looked at before it is opened, as the run's own append does: opening a device may do
    // something of its own.
    struct stat found;
    if (::fstatat(noteDirectory, noteName, &found, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(found.st_mode))
        return;
    const int file = ::openat(noteDirectory, noteName,
                              O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    if (file < 0)
        return;
    struct stat status;
    if (::fstat(file, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
        (status.st_mode & 077) == 0 && status.st_nlink == 1)
    {
        char last = '\n';
        if (status.st_size > 0 && ::pread(file, &last, 1, status.st_size - 1) != 1)
            last = '\n';
        const std::size_t skip = last == '\n' ? 1 : 0;
        const ssize_t ignored = ::write(file, line + skip, noteLengths[set][which] + 1 - skip);
        static_cast<void>(ignored);
    }
    ::close(file);
}

void WriteMessage(const char* text)
{
    const ssize_t ignored = ::write(STDERR_FILENO, text, std::strlen(text));
    static_cast<void>(ignored);
}

[[noreturn]] void Stopped(int signal, const char* why)
{
    // The exchange it may be in the middle of ends with the agent.
    if (companion > 0)
        ::kill(companion, SIGKILL);
    AppendNote(signal);
    WriteMessage(signal == SIGTERM  ? "tarvel: stopped by SIGTERM"
                 : signal == SIGINT ? "tarvel: stopped by SIGINT"
                                    : "tarvel: stopped by SIGHUP");
    WriteMessage(why);
    _exit(1);
}

/// Only async-signal-safe calls here.
void OnStopSignal(int signal)
{
    const int savedErrno = errno;
    if (received == 0)
        received = signal;
    // Nothing is half done outside a work item: what the state directory holds is whole, a
    // response already stored is delivered by the next run.
    if (!deferring)
        Stopped(signal, "\n");
    if (limitSeconds == 0)
        Stopped(received, "; the work in progress was not waited for\n");
    if (limitSeconds > 0 && !limitRunning)
    {
        limitRunning = 1;
        ::alarm(static_cast<unsigned>(limitSeconds));
    }
    const char byte = static_cast<char>(signal);
    const ssize_t ignored = ::write(wakeWrite, &byte, 1);
    static_cast<void>(ignored);
    errno = savedErrno;
}

void OnLimit(int)
{
    // Only the limit of a deferral arms the alarm; any other SIGALRM is no reason to stop.
    if (limitRunning && received != 0)
        Stopped(received, "; the work in progress did not end within the grace period\n");
}
} // namespace

void StopSignals::Install()
{
    if (wakeRead < 0)
    {
        int descriptors[2];
        if (::pipe2(descriptors, O_CLOEXEC | O_NONBLOCK) == 0)
        {
            wakeRead = descriptors[0];
            wakeWrite = descriptors[1];
        }
    }
    for (const int signal : stopSignals)
    {
        struct sigaction previous;
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        struct sigaction action;
        std::memset(&action, 0, sizeof action);
        action.sa_handler = OnStopSignal;
        sigfillset(&action.sa_mask);
        // No SA_RESTART: a blocking call returns, so that its caller looks at Received().
        action.sa_flags = 0;
        ::sigaction(signal, &action, nullptr);
    }
    struct sigaction limit;
    std::memset(&limit, 0, sizeof limit);
    limit.sa_handler = OnLimit;
    sigfillset(&limit.sa_mask);
    ::sigaction(SIGALRM, &limit, nullptr);
}

int StopSignals::Received()
{
    return received;
}

int StopSignals::WakeDescriptor()
{
    return wakeRead;
}

void StopSignals::Drain()
{
    char buffer[64];
    while (wakeRead >= 0 && ::read(wakeRead, buffer, sizeof buffer) > 0)
    {
    }
}

void StopSignals::NoteOnStop(int directory, const char* name, const std::string (&lines)[3], std::size_t clockAt,
                             long long startMilliseconds)
{
    const int set = noteSet == 0 ? 1 : 0;
    for (int which = 0; which < 3; ++which)
    {
        const std::string& line = lines[which];
        const bool fits = line.size() <= noteLimit && clockAt + clockWidth <= line.size();
        noteLengths[set][which] = fits ? line.size() : 0;
        noteClocks[set][which] = clockAt;
        notes[set][which][0] = '\n';
        if (fits)
            line.copy(notes[set][which] + 1, line.size());
    }
    noteDirectory = directory;
    noteName = name;
    noteStart = startMilliseconds;
    noteSet = set;
}

void StopSignals::ClearNote()
{
    noteSet = -1;
}

void StopSignals::KillOnStop(pid_t process)
{
    companion = process;
}

std::string StopSignals::Name(int signal)
{
    switch (signal)
    {
    case SIGTERM: return "SIGTERM";
    case SIGINT: return "SIGINT";
    case SIGHUP: return "SIGHUP";
    case SIGKILL: return "SIGKILL";
    default: return "signal " + std::to_string(signal);
    }
}

StopSignals::Deferral::Deferral()
    : active(true)
    , previous(deferring)
{
    deferring = 1;
}

StopSignals::Deferral::Deferral(int seconds)
    : Deferral()
{
    limitSeconds = seconds < 0 ? 0 : seconds;
}

StopSignals::Deferral::~Deferral()
{
    End();
}

void StopSignals::Deferral::EndLimit()
{
    if (!active)
        return;
    limitSeconds = -1;
    ::alarm(0);
    limitRunning = 0;
}

void StopSignals::Deferral::End()
{
    if (!active)
        return;
    EndLimit();
    deferring = previous;
    active = false;
}

StopSignals::Blocked::Blocked()
{
    sigset_t blocked;
    sigemptyset(&blocked);
    for (const int signal : stopSignals)
        sigaddset(&blocked, signal);
    ::pthread_sigmask(SIG_BLOCK, &blocked, &previous);
}

StopSignals::Blocked::~Blocked()
{
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

void StopSignals::Blocked::RestoreInChild() const
{
    // The child's dispositions are its own (vfork shares memory, not the signal handlers).
    for (const int signal : stopSignals)
    {
        struct sigaction current;
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler != SIG_IGN)
        {
            struct sigaction standard;
            std::memset(&standard, 0, sizeof standard);
            standard.sa_handler = SIG_DFL;
            ::sigaction(signal, &standard, nullptr);
        }
    }
    ::sigprocmask(SIG_SETMASK, &previous, nullptr);
}
