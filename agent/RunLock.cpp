#include "RunLock.h"

#include "OwnDirectory.h"
#include "StateDirectory.h"

#include <Poco/Format.h>
#include <Poco/String.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const char lockName[] = "lock";

std::string Cause(int error = errno)
{
    return std::strerror(error);
}

int Flock(int descriptor)
{
    int result;
    do
        result = ::flock(descriptor, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    return result;
}
} // namespace

RunLock::RunLock(StateDirectory& state)
    : descriptor(-1)
{
    const int directory = state.descriptor;
    const std::string shown = state.File(lockName);
    // Each turn either takes the lock, is refused, or finds that another run changed "lock"
    // between the look and the open (a new file, a replaced stranger): then it looks again.
    for (int attempt = 0; attempt < 5; ++attempt)
    {
        struct stat found;
        if (::fstatat(directory, lockName, &found, AT_SYMLINK_NOFOLLOW) != 0)
        {
            if (errno != ENOENT)
                throw std::runtime_error(Poco::format("The lock file '%s' cannot be examined: %s", shown, Cause()));
            descriptor = ::openat(directory, lockName, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (descriptor >= 0)
            {
                Take(state);
                return;
            }
            if (errno != EEXIST)
                throw std::runtime_error(Poco::format("The lock file '%s' cannot be created: %s", shown, Cause()));
            continue;
        }
        const std::string why = OwnDirectory::Foreign(found, false);
        if (!why.empty())
        {
            if (Replace(state, found, why))
                return;
            continue;
        }
        descriptor = ::openat(directory, lockName, O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        struct stat opened;
        if (descriptor >= 0 && ::fstat(descriptor, &opened) == 0 && OwnDirectory::Same(opened, found))
        {
            Take(state);
            return;
        }
        if (descriptor < 0 && errno != ENOENT)
            throw std::runtime_error(Poco::format("The lock file '%s' cannot be opened: %s", shown, Cause()));
        if (descriptor >= 0)
            ::close(descriptor);
        descriptor = -1;
    }
    throw std::runtime_error(Poco::format("The lock file '%s' cannot be used: it keeps changing", shown));
}

RunLock::~RunLock()
{
    if (descriptor >= 0)
        ::close(descriptor);
}

void RunLock::Take(StateDirectory& state)
{
    if (Flock(descriptor) != 0)
    {
        const int cause = errno;
        char holder[32] = {0};
        const ssize_t count = ::pread(descriptor, holder, sizeof holder - 1, 0);
        ::close(descriptor);
        descriptor = -1;
        if (cause != EWOULDBLOCK)
            throw std::runtime_error(
                Poco::format("The lock file '%s' cannot be locked: %s", state.File(lockName), Cause(cause)));
        const std::string process = Poco::trim(std::string(holder, count > 0 ? static_cast<std::size_t>(count) : 0));
        throw std::runtime_error(Poco::format("Another run of the agent (process %s) is in progress; this run ends",
                                              process.empty() ? std::string("unknown") : process));
    }
    // Only a note for the message of a refused run: a few bytes at offset 0, which a reader sees
    // whole or not at all; a failure to write them does not matter.
    const std::string self = std::to_string(::getpid()) + "\n";
    const bool noted = ::ftruncate(descriptor, 0) == 0 &&
                       ::pwrite(descriptor, self.data(), self.size(), 0) == static_cast<ssize_t>(self.size());
    static_cast<void>(noted);
}

bool RunLock::Replace(StateDirectory& state, const struct stat& found, const std::string& why)
{
    const int directory = state.descriptor;
    // Not of the temporary files' shape: those are cleared by the run that holds the lock, and
    // this one is half of an exchange that another run may be making.
    const std::string swap = ".lock-" + std::to_string(::getpid()) + ".swap";
    ::unlinkat(directory, swap.c_str(), 0);
    const int fresh = ::openat(directory, swap.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fresh < 0)
        throw std::runtime_error(Poco::format("The lock file '%s' cannot be created: %s", state.File(swap), Cause()));
    if (Flock(fresh) != 0)
    {
        const std::string cause = Cause();
        ::close(fresh);
        ::unlinkat(directory, swap.c_str(), 0);
        throw std::runtime_error(Poco::format("The lock file '%s' cannot be locked: %s", state.File(swap), cause));
    }
    // The exchange puts the new, locked file in place in one step and gives back what was there,
    // which is set aside only if it is still the stranger that was examined; anything else (the
    // lock of a run that replaced the stranger first) is put back untouched.
    if (::renameat2(directory, swap.c_str(), directory, lockName, RENAME_EXCHANGE) != 0)
    {
        const int cause = errno;
        // No exchange on this file system: a plain replacement (the stranger is dropped, not kept).
        const bool replaced =
            (cause == EINVAL || cause == ENOENT) &&
            ::renameat2(directory, swap.c_str(), directory, lockName, cause == ENOENT ? RENAME_NOREPLACE : 0) == 0;
        if (!replaced)
        {
            ::close(fresh);
            ::unlinkat(directory, swap.c_str(), 0);
            if (cause == ENOENT)
                return false;
            throw std::runtime_error(Poco::format("The lock file '%s' (%s) cannot be replaced: %s",
                                                  state.File(lockName), why, Cause(cause)));
        }
        descriptor = fresh;
        Take(state);
        return true;
    }
    struct stat previous;
    if (::fstatat(directory, swap.c_str(), &previous, AT_SYMLINK_NOFOLLOW) != 0 || !OwnDirectory::Same(previous, found))
    {
        const bool putBack = ::renameat2(directory, swap.c_str(), directory, lockName, RENAME_EXCHANGE) == 0;
        const std::string cause = Cause();
        ::close(fresh);
        if (!putBack)
            throw std::runtime_error(
                Poco::format("The lock file '%s' cannot be put back: %s", state.File(lockName), cause));
        ::unlinkat(directory, swap.c_str(), 0);
        return false;
    }
    descriptor = fresh;
    Take(state);
    state.MoveAside(directory, "", swap, lockName, why);
    return true;
}
