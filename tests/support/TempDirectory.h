// A directory below the system's temporary directory that lives as long as the object, with
// small helpers to write and read files in it. Removal failures are ignored on purpose: a test
// must not fail while cleaning up.
#pragma once

#include <string>

class TempDirectory
{
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    /// The directory's absolute path, without a trailing "/".
    const std::string& Path() const;
    /// `relative` below the directory.
    std::string operator/(const std::string& relative) const;

    /// Writes `content` to `relative`, creating parent directories; `mode` sets the permissions.
    std::string Write(const std::string& relative, const std::string& content, unsigned mode = 0644) const;
    /// Creates the directory `relative` with its parents.
    std::string MakeDirectory(const std::string& relative) const;
    bool Exists(const std::string& relative) const;

    /// The whole content of a file (empty when it cannot be read).
    static std::string Read(const std::string& path);

private:
    std::string path;
};
