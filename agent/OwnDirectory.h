// What the agent's own entries in its state directory are, and how that directory is opened:
// one component at a time without following a link, each directory above it checked as the
// strict modes check a script's, and refused unless it is the agent's and owner-only. Failures
// throw std::runtime_error with a message that says what to do.
#pragma once

#include <sys/stat.h>

#include <string>
#include <vector>

class OwnDirectory
{
public:
    /// Opens the directory at `path` (absolute, no trailing "/"), creating it and missing
    /// parents owner-only; `realPath` receives its path with the links above it resolved.
    /// Returns the descriptor (O_DIRECTORY, close-on-exec). The directories above may belong to
    /// `trustedOwner` too (the script root's owner, who can change the scripts anyway).
    static int Open(const std::string& path, std::string& realPath, uid_t trustedOwner);
    /// The names in the open directory `descriptor`, in byte order, without "." and "..";
    /// `shown` names it in an error.
    static std::vector<std::string> Entries(int descriptor, const std::string& shown);
    /// Why the entry described by `status` is not one the agent made (a link, another kind than
    /// a `directory` or a regular file, another owner, modes open to others, a second name), or
    /// empty.
    static std::string Foreign(const struct stat& status, bool directory);
    /// Whether the two describe the same file.
    static bool Same(const struct stat& one, const struct stat& other);
};
