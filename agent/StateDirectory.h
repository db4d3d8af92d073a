// The agent's own durable state: one owner-only directory whose files are replaced atomically
// (a temporary file, fsync, rename, fsync of the directory), so that a crash or a power cut
// leaves either the old or the new content of a file, never part of one. Every failure throws
// std::runtime_error naming the path.
#pragma once

#include <string>
#include <vector>

class StateDirectory
{
public:
    /// Opens the directory at `location`, creating it (and missing parents) owner-only. Refuses a
    /// symbolic link, something that is not a directory, or a directory of another user; a looser
    /// mode is tightened to 0700. Temporary files that a crash left behind are removed.
    explicit StateDirectory(const std::string& location);
    virtual ~StateDirectory();

    StateDirectory(const StateDirectory&) = delete;
    StateDirectory& operator=(const StateDirectory&) = delete;

    /// The directory, absolute, without a trailing "/".
    const std::string& Path() const;
    /// The path of `relative` below the directory.
    std::string File(const std::string& relative) const;

    /// Creates the sub-directory `name`, owner-only, when it is missing.
    void MakeDirectory(const std::string& name) const;
    /// Replaces the file `relative` atomically and durably by one holding `content`.
    void Write(const std::string& relative, const std::string& content);
    /// The whole content of the file `relative`; false when there is none.
    bool Read(const std::string& relative, std::string& content) const;
    /// Removes the file `relative` durably; false when there was none.
    bool Remove(const std::string& relative);
    /// Moves the file `from` to `to` (both relative, same file system) durably.
    void Move(const std::string& from, const std::string& to);
    /// The names of the files in the sub-directory `name`, in byte order; temporary files are
    /// left out. Empty when the sub-directory is missing.
    std::vector<std::string> List(const std::string& name) const;

protected:
    /// Called after a temporary file is written and synced, before it is renamed into place.
    virtual void BeforeRename(const std::string& temporary);

private:
    void RemoveTemporaryFiles(const std::string& directory) const;
    static void SyncDirectory(const std::string& directory);

    std::string path;
};
