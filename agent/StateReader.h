// A look into the agent's state directory that changes nothing and demands nothing of whoever
// looks: no lock is taken, nothing is created, moved or removed, and any user who may read the
// directory may use it (the agent itself demands to own it). What is found there is input: no
// link is followed, a FIFO or device is never opened for reading, and no file is read beyond a
// bound. Failures to read are reported, never thrown, except by the constructor's callers' choice.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class StateReader
{
public:
    /// Opens the directory at `path` for reading. Check Exists() and Problem() before anything else.
    explicit StateReader(const std::string& path);
    ~StateReader();

    StateReader(const StateReader&) = delete;
    StateReader& operator=(const StateReader&) = delete;

    const std::string& Path() const;
    /// False when nothing is at the path: no run has made it yet.
    bool Exists() const;
    /// Why the directory cannot be read, or why the agent refuses to use it (a link, not a
    /// directory, open to other users); empty when neither.
    const std::string& Problem() const;
    /// Whether the problem is that this user may not read it (as opposed to what the agent refuses).
    bool Unreadable() const;

    /// A file of the directory ("name" or "folder/name") as it was opened.
    struct File
    {
        int descriptor = -1;
        std::uint64_t size = 0;
        std::string problem; ///< why it is not read: not a regular file, a link, cannot be opened
    };
    /// Opens the regular file `relative` for reading, without following a link or blocking on a
    /// FIFO. Missing: descriptor -1 and no problem. The caller closes the descriptor.
    File Open(const std::string& relative) const;
    /// At most the first `bound` bytes of the regular file `relative`; false when it is missing or
    /// no regular file (then `problem` may say why).
    bool Read(const std::string& relative, std::size_t bound, std::string& text, std::string& problem) const;
    /// The names in the folder `name`, in byte order; empty when it is missing or not a directory.
    std::vector<std::string> List(const std::string& name) const;
    /// The process that holds the run's lock: its id, 0 when none does, -1 when that cannot be told
    /// (the kernel's table of locks, /proc/locks, cannot be read). Asking takes no lock.
    long LockHolder() const;

private:
    std::string path;
    int descriptor;
    bool exists;
    bool unreadable;
    std::string problem;
};
