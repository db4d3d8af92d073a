#include "RunLock.h"

#include <Poco/Format.h>
#include <Poco/String.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/file.h>
#include <unistd.h>

RunLock::RunLock(const std::string& file)
    : descriptor(::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600))
{
    if (descriptor < 0)
        throw std::runtime_error(
            Poco::format("The lock file '%s' cannot be opened: %s", file, std::string(std::strerror(errno))));
    int result;
    do
        result = ::flock(descriptor, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result != 0)
    {
        const int cause = errno;
        char holder[32] = {0};
        const ssize_t count = ::pread(descriptor, holder, sizeof holder - 1, 0);
        ::close(descriptor);
        if (cause != EWOULDBLOCK)
            throw std::runtime_error(
                Poco::format("The lock file '%s' cannot be locked: %s", file, std::string(std::strerror(cause))));
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

RunLock::~RunLock()
{
    ::close(descriptor);
}
