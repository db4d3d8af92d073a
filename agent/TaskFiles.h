// The files through which a work item and its task's scripts meet: properties.xml (every property,
// secrets decrypted) in the task directory and workitem.xml in the script root, written before the
// scripts run; tarvellog.txt and tarvelerror.txt, which the scripts leave behind. A file the agent
// writes is always a new one it created itself (never a planted file or a link's target); a file
// it reads must be a regular file and is read only up to a bound. Failures throw
// std::runtime_error naming the file, never a property's value.
#pragma once

#include "TaskDirectory.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace Poco
{
class Logger;
}
class WorkItem;

class TaskFiles
{
public:
    /// The files of the task in `directory`, whose script root is `scriptRoot`.
    TaskFiles(const std::string& scriptRoot, const TaskDirectory& directory);

    /// Writes properties.xml (owner-only) into the task directory, when it exists, and
    /// workitem.xml into the script root, when it exists.
    void Write(const WorkItem& item) const;
    /// Removes properties.xml; one that is not there is not an error, one that stays is.
    void RemoveProperties() const;

    /// Where tarvellog.txt stands before a run's first script: its size, when it was last written,
    /// and its last bytes, by which RelayLog tells lines added from a file written anew.
    struct LogMark
    {
        std::uint64_t size = 0;
        std::int64_t modifiedSeconds = 0;
        long modifiedNanoseconds = 0;
        std::string tail;
    };
    /// The mark of tarvellog.txt now (an empty one when it is missing or not a regular file).
    LogMark MarkLog() const;
    /// Logs each line that the scripts added to tarvellog.txt since `mark` (all of it when a
    /// script wrote it anew: shorter now, or its old last bytes changed, or rewritten to the same
    /// size) as one information message (pieces of at most 255 characters, control characters
    /// escaped). Of more than relayLimit bytes only the last whole lines within the limit, after
    /// one message saying how much was left out. A file that is not a regular file is not read:
    /// logged as an error instead.
    void RelayLog(Poco::Logger& logger, const LogMark& mark) const;

    /// The failure message once tarvelerror.txt had its say: `error`, " - " and the file's first
    /// line; or, when that line is "OVERRIDE_ERROR_CONTEXT", the second line alone. Without the
    /// file (or with one that is not a regular file, which is logged) `error` itself. The line
    /// taken is logged at error priority.
    std::string ApplyErrorFile(const std::string& error, Poco::Logger& logger) const;

    /// How much of tarvellog.txt one run relays.
    static constexpr std::size_t relayLimit = 1024 * 1024;

private:
    std::string scriptRoot;
    const TaskDirectory& directory;
};
