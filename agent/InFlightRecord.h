// What a run is doing with a work item, kept in the state directory from the fetch until the
// item's response is safely stored, so that the next run after a crash, a SIGKILL or a power cut
// can remove the secrets the item left behind and report the item as failed.
//
// Two files of the same "key=value" lines: "inflight", written durably once when the item is
// fetched (a power cut must not undo it), and "progress", rewritten without a sync as the item
// moves on (which script runs): that only matters when the agent alone died and the system's
// cache still holds it, since a power cut ends the scripts too. Fields added later travel in both.
#pragma once

#include <cstddef>
#include <string>

class StateDirectory;

struct InFlightRecord
{
    /// Names the item's response in the outbox, so that a stored response is never doubled;
    /// always of Outbox::NewToken's shape.
    std::string token;
    std::string id;
    std::string task;
    /// The script running at the time; empty before the first and after the last.
    std::string script;
    /// The running script's process group (its leader's process id); 0 while none runs, -1 when
    /// the stored value is no number.
    long group = 0;
    /// The group leader's start time (clock ticks after boot) and the boot's id: a process that
    /// got the same id later, or after a restart, is told apart by them.
    unsigned long long groupStart = 0;
    std::string groupBoot;

    /// Stores the record durably in `state` ("inflight"). Throws std::runtime_error.
    void Save(StateDirectory& state) const;
    /// Stores the record as it is now ("progress"), atomically but without a sync.
    void SaveProgress(StateDirectory& state) const;
    /// Reads the stored record, with its latest progress; false when there is none. A record that
    /// the agent cannot have written (a token of another shape, a line that is no field, a field
    /// twice, not its own file) is damaged: it is set aside and logged, and false is returned.
    static bool Load(StateDirectory& state, InFlightRecord& record);
    /// The record that the texts of "inflight" and "progress" (empty when there is none) make:
    /// returns why `durable` is no record the agent wrote, or empty. Progress of another item, or
    /// that cannot be read, is passed over.
    static std::string FromTexts(const std::string& durable, const std::string& progress, InFlightRecord& record);
    /// The most either file holds: far more than an item's id and task take, even escaped.
    static constexpr std::size_t recordLimit = 4 * 1024 * 1024;
    static const char durableName[];
    static const char progressName[];
    /// Removes the stored record without a sync: what it guarded is done or stored durably by then.
    static void Clear(StateDirectory& state);
};
