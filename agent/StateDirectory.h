// The agent's own durable state: one owner-only directory, opened once without following a link
// after the directories above it passed the strict modes check, and used only through that
// descriptor (openat, renameat, unlinkat), so that swapping a path later changes nothing. The
// run's lock is taken before anything in it changes. Files are replaced atomically (a temporary
// file, rename); a synced write also syncs the file and the directory, so that a power cut
// leaves the old or the new content, never part of one. An entry the agent did not make (another
// owner, a link, a FIFO, loose modes, too large) is never used: it is moved to "broken/" and
// logged. Failures throw std::runtime_error naming the path.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <sys/types.h>

#include <string>
#include <vector>

namespace Poco
{
class Logger;
}
class RunHistory;
class RunLock;

class StateDirectory
{
public:
    enum class Durability
    {
        Synced,  ///< on disk when the call returns
        Unsynced ///< atomic, but a power cut may undo it
    };

    /// Opens the directory at `location`, creating it owner-only (and missing parents) when it is
    /// missing, takes the run's lock and only then removes the temporary files that a crash left.
    /// Throws for a directory above it that fails the strict modes, for a link or something that
    /// is no directory, for another user's directory or one open to others (the message says how
    /// to fix it), and when another run holds the lock. Entries set aside are logged on `logger`.
    /// The directories above may belong to `trustedOwner` too (the script root's owner).
    StateDirectory(const std::string& location, Poco::Logger& logger, uid_t trustedOwner = 0);
    virtual ~StateDirectory();

    StateDirectory(const StateDirectory&) = delete;
    StateDirectory& operator=(const StateDirectory&) = delete;

    /// Where a run keeps its state: `setting` (tarvel.state), else ".tarvel" in `scriptRoot`; made
    /// absolute from the working directory.
    static std::string Location(const std::string& setting, const std::string& scriptRoot);

    /// The directory, absolute, without a trailing "/" (for messages; nothing is opened by it).
    const std::string& Path() const;
    /// The path of `relative` below the directory, for messages.
    std::string File(const std::string& relative) const;
    /// Whether `path` (absolute) is the directory or lies below it, by name or by its real path.
    bool Contains(const std::string& path) const;

    /// Creates the sub-directory `name`, owner-only, when it is missing; one that is not the
    /// agent's own is set aside and created anew.
    void MakeDirectory(const std::string& name);
    /// Replaces the file `relative` ("name" or "directory/name") atomically by one holding
    /// `content`, durably unless told otherwise.
    void Write(const std::string& relative, const std::string& content, Durability durability = Durability::Synced);
    /// The content of the file `relative`. False when there is none, and when it is not the
    /// agent's own, larger than `limit` or unreadable: then it is set aside.
    bool Read(const std::string& relative, std::string& content, std::size_t limit);
    /// Removes the file `relative`; false when there was none.
    bool Remove(const std::string& relative, Durability durability = Durability::Synced);
    /// Moves the file `from` to `to` durably.
    void Move(const std::string& from, const std::string& to);
    /// The names in the sub-directory `name`, in byte order, the agent's temporary files left
    /// out. Empty when the sub-directory is missing (or was set aside).
    std::vector<std::string> List(const std::string& name);
    /// Moves the entry `name` of the sub-directory `directory` ("" for the top) to "broken/" and
    /// logs `why` at error priority. `name` may be any name found there.
    void SetAside(const std::string& directory, const std::string& name, const std::string& why);

protected:
    /// Called after a temporary file is written (and synced), before it is renamed into place.
    virtual void BeforeRename(const std::string& temporary);

private:
    friend class RunLock;
    friend class RunHistory;

    /// The descriptor of the sub-directory `name` ("" for the top), checked as the agent's own;
    /// -1 when it is missing and `create` is false.
    int Directory(const std::string& name, bool create);
    /// Removes the temporary files of the agent's own shape in the directory `name`.
    void RemoveTemporaryFiles(const std::string& name);
    /// Moves `name` from the directory `from` (shown as `directory`) to "broken/", logged as
    /// `shown` with `why`.
    void MoveAside(int from, const std::string& directory, const std::string& name, const std::string& shown,
                   const std::string& why);
    void Close();

    std::string path;
    std::string realPath;
    Poco::Logger& logger;
    int descriptor;
    std::map<std::string, int> directories;
    std::unique_ptr<RunLock> lock;
};
