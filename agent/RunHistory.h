// The run history: "history" in the state directory, one JSON object per line, one line per run.
// A run appends its line with one write(O_APPEND) through the state directory's descriptor, so a
// reader sees whole lines or none; the file is bounded to the newest runLimit runs or byteLimit
// bytes, whichever is smaller, and only a run that would pass the bound rewrites it (the newest
// lines, by a temporary file and rename, without a sync: the history is a record for people and
// tools, not what any decision of the agent rests on). That run keeps fewer than the bounds allow
// (trimRuns, trimBytes), so that the runs after it append again instead of each rewriting the file. A "history" that is not the agent's own is
// set aside to "broken/". Reading trusts nothing: only the last bytes of a file are read, lines that
// are too long, cut short or not of the shape written here are skipped and counted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Poco
{
class Logger;
}
class RunRecord;
class StateDirectory;

class RunHistory
{
public:
    static const char fileName[];
    static constexpr std::size_t runLimit = 1000;
    static constexpr std::size_t byteLimit = 1024 * 1024;
    /// What a run that would pass a bound keeps: the newest lines within both of these.
    static constexpr std::size_t trimRuns = 900;
    static constexpr std::size_t trimBytes = 896 * 1024;
    /// More than any line written here takes (its texts are cut to bounds).
    static constexpr std::size_t lineLimit = 64 * 1024;

    /// One run as a line records it.
    struct Entry
    {
        std::string start; ///< UTC, ISO 8601 with milliseconds
        double seconds = 0;
        int status = 0;
        std::int64_t processId = 0;
        std::string agentId; ///< empty: no agent ID was asked
        bool item = false;   ///< whether the run fetched a work item
        std::string id;
        std::string task;
        /// How the item was answered: "succeeded", "failed", or empty when it was not.
        std::string answer;
        std::string outcome;
        std::string error;
        std::int64_t kept = 0;     ///< negative: not known (written as null)
        std::int64_t rejected = 0; ///< negative: not known (written as null)
        /// Why a report of this run did not get through (kept) or was refused.
        std::string problem;
    };

    /// The lines of a history read back.
    struct Lines
    {
        std::vector<Entry> entries; ///< oldest first
        std::size_t skipped = 0;    ///< lines that were no entry (damaged, cut, too long, wrong types)
        bool cutShort = false;      ///< the last line has no line end: a write cut short
        std::uint64_t unread = 0;   ///< bytes before the part read (the file is larger than the bound)
    };

    /// A time as the history writes it: UTC, ISO 8601, with milliseconds ("2024-05-01T10:00:00.000Z").
    static std::string Timestamp(std::int64_t millisecondsSinceEpoch);
    /// The entry as one line, without its line end.
    static std::string Line(const Entry& entry);
    /// Reads `line`; false when it is not an entry of this shape (any JSON object with the fields
    /// of the right types is; fields it does not know are passed over).
    static bool Parse(const std::string& line, Entry& entry);
    /// Reads the open history file `file` of `size` bytes: at most its last `bound` bytes.
    /// Throws std::runtime_error when it cannot be read.
    static Lines Read(int file, std::uint64_t size, std::size_t bound);

    /// Appends `entry` to the history of `state`. Never throws: a failure is logged at error
    /// priority on `logger`, and the run goes on as it was.
    static void Append(StateDirectory& state, const Entry& entry, Poco::Logger& logger);
    /// Appends the entry of `run`, which ends with `status` (-1 for the final stage: 255), with
    /// the outbox as it is now. Never throws, as Append.
    static void Record(StateDirectory& state, const RunRecord& run, int status, Poco::Logger& logger);

    /// Leaves StopSignals the lines of `entries` (stopped by SIGTERM, SIGINT, SIGHUP) for the
    /// history of `state`, their seconds to be filled in from `startMilliseconds` at the stop.
    static void NoteOnStop(StateDirectory& state, const Entry (&entries)[3], long long startMilliseconds);

private:
    static void AppendLine(StateDirectory& state, const std::string& line);
    /// The bytes of `file` from `start` to `size` (fewer when it shrank meanwhile).
    static std::string ReadFrom(int file, std::uint64_t start, std::uint64_t size, const std::string& shown);
    /// The newest whole lines of `text` within trimRuns and trimBytes, each with its line end.
    static std::string Newest(const std::string& text);
};
