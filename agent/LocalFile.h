// The files that the agent reads from and writes into directories that scripts (and whoever can
// write there) share with it: a symbolic link is never followed at the last component (unless the
// caller reads an administrator's file outside those directories), a FIFO or a device is never
// read, what is read is bounded, and a file that holds secrets is always one that this process
// created itself. Failures throw std::runtime_error naming the path.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

class LocalFile
{
public:
    struct Contents
    {
        bool found = false;      ///< something was at the path (and it was a regular file)
        std::string text;        ///< at most the limit's worth of the file's bytes from `start` on
        std::uint64_t size = 0;  ///< the file's whole size when it was opened
        std::uint64_t start = 0; ///< where in the file `text` begins
    };

    /// What a symbolic link at the last component of a path read means.
    enum class LastLink
    {
        /// A file in a directory the scripts share: a link there is planted, and not read.
        Refused,
        /// An administrator's file (config.xml): configuration management links it into place.
        Followed,
    };

    /// Reads at most `limit` bytes of the regular file at `path`. Nothing there (or a followed
    /// link that leads nowhere): `found` false. A symbolic link that `link` refuses, a directory,
    /// a FIFO or a device there: std::runtime_error, and nothing is read (opening never blocks).
    static Contents ReadRegular(const std::string& path, std::size_t limit, LastLink link = LastLink::Refused);

    /// Reads the regular file at `path` as ReadRegular does (no link followed), but only what
    /// lies from byte `from` on, or the whole file when it is shorter now (emptied and written
    /// anew); of that, the last `limit` bytes.
    static Contents ReadEnd(const std::string& path, std::uint64_t from, std::size_t limit);

    /// Replaces whatever is at `path` by a new file, created by this process (O_EXCL, no link
    /// followed) with `mode` less the umask, holding `content`. Throws when the old entry cannot
    /// be removed (a directory, say) or another one appears before the new file is created.
    static void CreateNew(const std::string& path, const std::string& content, mode_t mode);

    /// Removes the file or link at `path` (a link itself, never its target). Returns false when
    /// nothing is there (or the path cannot even be reached); throws when the entry stays.
    static bool Remove(const std::string& path);

    /// Writes all of `content` to the open descriptor, going on after interruptions.
    static void WriteAll(int descriptor, const std::string& content, const std::string& path);

private:
    /// Opens and reads as the readers above say, from the byte `startAt` picks for the file's
    /// size when it was opened.
    static Contents Read(const std::string& path, std::size_t limit, LastLink link,
                         const std::function<std::uint64_t(std::uint64_t)>& startAt);
};
