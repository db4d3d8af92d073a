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
} // namespace

void StrictModes::Check(const std::string& path, const std::string& what)
{
    struct stat status;
    if (::stat(path.c_str(), &status) != 0)
        throw std::runtime_error(
            Poco::format("The %s '%s' cannot be examined: %s", what, path, std::string(std::strerror(errno))));
    if (status.st_uid != 0 && status.st_uid != ::geteuid())
        throw std::runtime_error(
            Poco::format("The %s '%s' belongs to another user (uid %u); the task's scripts are not run", what, path,
                         static_cast<unsigned>(status.st_uid)));
    const bool othersWrite = (status.st_mode & S_IWOTH) != 0;
    const bool groupWrites = (status.st_mode & S_IWGRP) != 0 && status.st_gid != 0;
    if (othersWrite || groupWrites)
        throw std::runtime_error(Poco::format("The %s '%s' is writable by %s (mode %s); the task's scripts are not run",
                                              what, path, std::string(othersWrite ? "other users" : "its group"),
                                              Mode(status.st_mode)));
}
