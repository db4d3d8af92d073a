#include "HeldDirectory.h"

#include <Poco/Format.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
std::string Cause()
{
    return std::strerror(errno);
}
} // namespace

HeldDirectory::HeldDirectory(const std::string& directory)
    : path(directory)
    , descriptor(-1)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    // The real path has no link in it, so that O_NOFOLLOW refuses only a link put there since.
    char resolved[PATH_MAX];
    if (!::realpath(path.c_str(), resolved))
        throw std::runtime_error(Poco::format("The directory '%s' cannot be opened: %s", path, Cause()));
    // O_PATH: a directory the agent may not read is held all the same.
    descriptor = ::open(resolved, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0)
        throw std::runtime_error(Poco::format("The directory '%s' cannot be opened: %s", path, Cause()));
}

HeldDirectory::~HeldDirectory()
{
    if (descriptor >= 0)
        ::close(descriptor);
}

const std::string& HeldDirectory::Path() const
{
    return path;
}

bool HeldDirectory::RemoveFile(const std::string& name) const
{
    if (::unlinkat(descriptor, name.c_str(), 0) == 0)
        return true;
    if (errno == ENOENT || errno == ENOTDIR)
        return false;
    // What this process cannot even reach (a directory it may not search) it cannot have made.
    struct stat status;
    if (errno == EACCES && ::fstatat(descriptor, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    throw std::runtime_error(Poco::format("'%s%s' cannot be removed: %s", path, name, Cause()));
}
