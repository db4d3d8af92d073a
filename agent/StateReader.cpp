#include "StateReader.h"

#include "StateNames.h"

#include <Poco/Format.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace
{
std::string Cause()
{
    return std::strerror(errno);
}
} // namespace

StateReader::StateReader(const std::string& location)
    : path(location)
    , descriptor(-1)
    , exists(true)
    , unreadable(false)
{
    struct stat status;
    if (::lstat(path.c_str(), &status) != 0)
    {
        exists = errno != ENOENT;
        unreadable = exists;
        if (exists)
            problem = Poco::format("The state directory '%s' cannot be examined: %s", path, Cause());
        return;
    }
    if (S_ISLNK(status.st_mode) || !S_ISDIR(status.st_mode))
    {
        problem = Poco::format("The state directory '%s' is %s; the agent does not use it", path,
                               StateNames::Kind(status.st_mode));
        return;
    }
    if ((status.st_mode & 077) != 0)
    {
        problem = Poco::format("The state directory '%s' is open to other users (mode %s); the agent does not use "
                               "it. Check what it holds, then make it owner-only: chmod 0700 '%s'",
                               path, StateNames::Mode(status.st_mode), path);
        return;
    }
    descriptor = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0)
    {
        unreadable = true;
        problem = Poco::format("The state directory '%s' cannot be read: %s", path, Cause());
    }
}

StateReader::~StateReader()
{
    if (descriptor >= 0)
        ::close(descriptor);
}

const std::string& StateReader::Path() const
{
    return path;
}

bool StateReader::Exists() const
{
    return exists;
}

const std::string& StateReader::Problem() const
{
    return problem;
}

bool StateReader::Unreadable() const
{
    return unreadable;
}

StateReader::File StateReader::Open(const std::string& relative) const
{
    File file;
    struct stat found;
    if (descriptor < 0 || ::fstatat(descriptor, relative.c_str(), &found, AT_SYMLINK_NOFOLLOW) != 0)
    {
        if (descriptor >= 0 && errno != ENOENT && errno != ENOTDIR)
            file.problem = "it cannot be examined: " + Cause();
        return file;
    }
    // Looked at before it is opened: opening a device may do something of its own.
    if (!S_ISREG(found.st_mode))
    {
        file.problem = "it is " + StateNames::Kind(found.st_mode) + ", not a regular file";
        return file;
    }
    file.descriptor = ::openat(descriptor, relative.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat opened;
    if (file.descriptor < 0 || ::fstat(file.descriptor, &opened) != 0 || opened.st_ino != found.st_ino ||
        opened.st_dev != found.st_dev)
    {
        file.problem = file.descriptor < 0 ? "it cannot be opened: " + Cause() : "it changed while it was opened";
        if (file.descriptor >= 0)
            ::close(file.descriptor);
        file.descriptor = -1;
        return file;
    }
    file.size = static_cast<std::uint64_t>(opened.st_size);
    return file;
}

bool StateReader::Read(const std::string& relative, std::size_t bound, std::string& text, std::string& why) const
{
    text.clear();
    const File file = Open(relative);
    why = file.problem;
    if (file.descriptor < 0)
        return false;
    text.resize(static_cast<std::size_t>(std::min<std::uint64_t>(file.size, bound)));
    std::size_t done = 0;
    while (done < text.size())
    {
        const ssize_t count = ::read(file.descriptor, &text[done], text.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        done += static_cast<std::size_t>(count);
    }
    text.resize(done);
    ::close(file.descriptor);
    return true;
}

std::vector<std::string> StateReader::List(const std::string& name) const
{
    std::vector<std::string> names;
    const int folder =
        descriptor < 0 ? -1 : ::openat(descriptor, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    DIR* stream = folder >= 0 ? ::fdopendir(folder) : nullptr;
    if (!stream)
    {
        if (folder >= 0)
            ::close(folder);
        return names;
    }
    while (const dirent* entry = ::readdir(stream))
    {
        const std::string found = entry->d_name;
        if (found != "." && found != ".." && !StateNames::IsTemporary(found))
            names.push_back(found);
    }
    ::closedir(stream);
    std::sort(names.begin(), names.end());
    return names;
}

long StateReader::LockHolder() const
{
    const File lock = Open("lock");
    if (lock.descriptor < 0)
        return 0;
    struct stat status;
    const bool examined = ::fstat(lock.descriptor, &status) == 0;
    ::close(lock.descriptor);
    std::ifstream table("/proc/locks");
    if (!examined || !table)
        return -1;
    // "1: FLOCK  ADVISORY  WRITE 4242 08:01:131090 0 EOF"; a waiter's line has "->" after the
    // number. Taking a shared lock to test it instead would refuse a run that starts meanwhile.
    char device[48];
    std::snprintf(device, sizeof device, "%02x:%02x:%llu", major(status.st_dev), minor(status.st_dev),
                  static_cast<unsigned long long>(status.st_ino));
    std::string line;
    while (std::getline(table, line))
    {
        std::istringstream fields(line);
        std::string number, kind, mode, access, holder, file;
        fields >> number >> kind >> mode >> access >> holder >> file;
        if (kind == "FLOCK" && access == "WRITE" && file == device)
            return std::strtol(holder.c_str(), nullptr, 10);
    }
    return 0;
}
