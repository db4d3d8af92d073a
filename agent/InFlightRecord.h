// What a run is doing with a work item, kept in the state directory from the fetch until the
// item's response is safely stored, so that the next run after a crash, a SIGKILL or a power cut
// can remove the secrets the item left behind and report the item as failed.
#pragma once

#include <string>

class StateDirectory;

struct InFlightRecord
{
    /// Names the item's response in the outbox, so that a stored response is never doubled.
    std::string token;
    std::string id;
    std::string task;
    /// The task directory, absolute, ending in "/"; empty for a task that was refused.
    std::string taskDirectory;
    /// The script running at the time; empty before the first and after the last.
    std::string script;
    /// The running script's process group (its leader's process id); 0 while none runs, -1 when
    /// the stored value is no number.
    long group = 0;
    /// The group leader's start time (clock ticks after boot) and the boot's id: a process that
    /// got the same id later, or after a restart, is told apart by them.
    unsigned long long groupStart = 0;
    std::string groupBoot;

    /// Stores the record atomically in `state` (file "inflight"). Throws std::runtime_error.
    void Save(StateDirectory& state) const;
    /// Reads the stored record; false when there is none. A damaged record comes back with the
    /// fields that could be read.
    static bool Load(const StateDirectory& state, InFlightRecord& record);
    /// Removes the stored record, if any.
    static void Clear(StateDirectory& state);
};
