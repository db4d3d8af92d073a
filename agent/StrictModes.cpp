#include "StrictModes.h"

#include <Poco/Format.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
std::string Mode(mode_t mode)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

struct stat Examine(const std::string& path, const std::string& what)
{
    struct stat status;
    if (::stat(path.c_str(), &status) != 0)
        throw std::runtime_error(
            Poco::format("The %s '%s' cannot be examined: %s", what, path, std::string(std::strerror(errno))));
    return status;
}

void CheckWriters(const struct stat& status, const std::string& path, const std::string& what)
{
    const bool othersWrite = (status.st_mode & S_IWOTH) != 0;
    const bool groupWrites = (status.st_mode & S_IWGRP) != 0 && status.st_gid != 0;
    if (othersWrite || groupWrites)
        throw std::runtime_error(Poco::format("The %s '%s' is writable by %s (mode %s); the task's scripts are not run",
                                              what, path, std::string(othersWrite ? "other users" : "its group"),
                                              Mode(status.st_mode)));
}
} // namespace

StrictModes::StrictModes(uid_t scriptRootOwner)
    : rootOwner(scriptRootOwner)
{
}

StrictModes StrictModes::ForScriptRoot(const std::string& realRoot)
{
    const std::string what = "root script directory";
    const struct stat status = Examine(realRoot, what);
    CheckWriters(status, realRoot, what);
    return StrictModes(status.st_uid);
}

StrictModes StrictModes::Trusting(uid_t owner)
{
    return StrictModes(owner);
}

void StrictModes::Check(const std::string& path, const std::string& what) const
{
    const struct stat status = Examine(path, what);
    if (status.st_uid != 0 && status.st_uid != ::geteuid() && status.st_uid != rootOwner)
        throw std::runtime_error(Poco::format("The %s '%s' belongs to another user (uid %u) than root, the agent's "
                                              "or the root script directory's owner (uid %u); the task's scripts are "
                                              "not run",
                                              what, path, static_cast<unsigned>(status.st_uid),
                                              static_cast<unsigned>(rootOwner)));
    CheckWriters(status, path, what);
}
