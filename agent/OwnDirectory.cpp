#include "OwnDirectory.h"

#include "StateNames.h"
#include "StrictModes.h"

#include <Poco/Format.h>
#include <Poco/Path.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace
{
std::string Cause()
{
    return std::strerror(errno);
}

/// Creates the missing directories of `path` (absolute) owner-only, as the agent's own.
void CreateParents(const std::string& path)
{
    for (std::string::size_type slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1))
    {
        struct stat status;
        if (::lstat(path.substr(0, slash).c_str(), &status) == 0 || errno != ENOENT)
            continue;
        if (::mkdir(path.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST)
            throw std::runtime_error(
                Poco::format("The directory '%s' cannot be created: %s", path.substr(0, slash), Cause()));
    }
}

/// Opens the directory `real` (a real path) one component at a time without following a link,
/// checking each as the strict modes do. A sticky directory of root's or the agent's (/tmp) may be
/// writable by others: they cannot rename or remove what they do not own there.
int OpenAbove(const std::string& real, const StrictModes& modes)
{
    int descriptor = ::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
    std::string shown = "/";
    std::string::size_type start = 1;
    while (descriptor >= 0)
    {
        struct stat status;
        if (::fstat(descriptor, &status) != 0)
        {
            const std::string cause = Cause();
            ::close(descriptor);
            throw std::runtime_error(Poco::format("The directory '%s' cannot be examined: %s", shown, cause));
        }
        const bool sticky = (status.st_mode & S_ISVTX) != 0 && (status.st_uid == 0 || status.st_uid == ::geteuid());
        if (!sticky)
        {
            try
            {
                modes.Check(shown, "directory above the state directory");
            }
            catch (...)
            {
                ::close(descriptor);
                throw;
            }
        }
        if (start >= real.size())
            return descriptor;
        std::string::size_type end = real.find('/', start);
        if (end == std::string::npos)
            end = real.size();
        const std::string name = real.substr(start, end - start);
        const bool last = end == real.size();
        // The last one is opened for reading too, so that a new state directory can be synced.
        int next =
            ::openat(descriptor, name.c_str(), (last ? O_RDONLY : O_PATH) | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0 && last && errno == EACCES)
            next = ::openat(descriptor, name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        ::close(descriptor);
        descriptor = next;
        shown = real.substr(0, end);
        start = end + 1;
    }
    throw std::runtime_error(Poco::format("The directory '%s' cannot be opened: %s", shown, Cause()));
}
} // namespace

int OwnDirectory::Open(const std::string& path, std::string& realPath, uid_t trustedOwner)
{
    const std::string::size_type slash = path.rfind('/');
    const std::string parent = slash == 0 ? std::string("/") : path.substr(0, slash);
    const std::string name = path.substr(slash + 1);
    if (slash == std::string::npos || name.empty() || name == "." || name == "..")
        throw std::runtime_error(Poco::format("The state directory '%s' is refused: it names no directory", path));
    CreateParents(path);
    char real[PATH_MAX];
    if (!::realpath(parent.c_str(), real))
        throw std::runtime_error(Poco::format("The directory '%s' cannot be resolved: %s", parent, Cause()));
    realPath = std::string(real) == "/" ? "/" + name : std::string(real) + "/" + name;
    const int above = OpenAbove(real, StrictModes::Trusting(trustedOwner));
    // A parent that could be opened only by its path cannot be synced (EBADF); nothing more to do.
    if (::mkdirat(above, name.c_str(), 0700) == 0)
        ::fsync(above);
    const int descriptor = ::openat(above, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    const int cause = errno;
    ::close(above);
    if (descriptor < 0 && (cause == ELOOP || cause == ENOTDIR))
        throw std::runtime_error(
            Poco::format("The state directory '%s' is not a directory (a link is not followed)", path));
    if (descriptor < 0)
        throw std::runtime_error(
            Poco::format("The state directory '%s' cannot be opened: %s", path, std::string(std::strerror(cause))));
    struct stat status;
    std::string refusal;
    if (::fstat(descriptor, &status) != 0)
        refusal = Poco::format("The state directory '%s' cannot be examined: %s", path, Cause());
    else if (status.st_uid != ::geteuid())
        refusal = Poco::format(
            "The state directory '%s' belongs to another user (uid %u); it is not used. Give it to the agent's "
            "user (chown) after checking what it holds, or name another one in tarvel.state",
            path, static_cast<unsigned>(status.st_uid));
    else if ((status.st_mode & 077) != 0)
        refusal = Poco::format("The state directory '%s' is open to other users (mode %s); it is not used. Check "
                               "what it holds, then make it owner-only: chmod 0700 '%s'",
                               path, StateNames::Mode(status.st_mode), path);
    if (refusal.empty())
        return descriptor;
    ::close(descriptor);
    throw std::runtime_error(refusal);
}

/// The names in the open directory `descriptor`, in byte order, without "." and "..".
std::vector<std::string> OwnDirectory::Entries(int descriptor, const std::string& shown)
{
    std::vector<std::string> names;
    const int copy = ::dup(descriptor);
    DIR* stream = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!stream)
    {
        const std::string cause = Cause();
        if (copy >= 0)
            ::close(copy);
        throw std::runtime_error(Poco::format("The directory '%s' cannot be listed: %s", shown, cause));
    }
    ::rewinddir(stream);
    while (const dirent* entry = ::readdir(stream))
    {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(stream);
    std::sort(names.begin(), names.end());
    return names;
}

std::string OwnDirectory::Foreign(const struct stat& status, bool directory)
{
    const mode_t type = status.st_mode & S_IFMT;
    if (type == S_IFLNK)
        return "it is a symbolic link";
    if (directory != (type == S_IFDIR) || (!directory && type != S_IFREG))
        return "it is " + StateNames::Kind(status.st_mode) + ", not " + (directory ? "a directory" : "a regular file");
    if (status.st_uid != ::geteuid())
        return Poco::format("it belongs to another user (uid %u)", static_cast<unsigned>(status.st_uid));
    if ((status.st_mode & 077) != 0)
        return "other users may use it (mode " + StateNames::Mode(status.st_mode) + ")";
    if (!directory && status.st_nlink != 1)
        return Poco::format("it has %u names (a hard link)", static_cast<unsigned>(status.st_nlink));
    return std::string();
}

bool OwnDirectory::Same(const struct stat& one, const struct stat& other)
{
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}
