// What the kernel tells about processes, read from /proc: a process's parent, group and start
// time, the processes of a group and of a subtree. The start time (clock ticks after boot) and
// the boot's id tell a process from a later one that got the same id. Nothing here throws: a
// process that /proc does not show (any more) is simply not there.
#pragma once

#include <sys/types.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

class ProcessTable
{
public:
    struct Entry
    {
        pid_t pid = 0;
        pid_t parent = 0;
        pid_t group = 0;
        /// Clock ticks from boot to the process's start (field 22 of /proc/PID/stat).
        unsigned long long start = 0;
        /// 'R', 'S', … ; 'Z' for a process that ended and waits to be reaped.
        char state = 0;

        bool Zombie() const
        {
            return state == 'Z' || state == 'X';
        }
    };

    /// A process, told apart from a later one with the same id by its start time.
    using Identity = std::pair<pid_t, unsigned long long>;

    /// The entry of one process; false when there is no such process.
    static bool Find(pid_t pid, Entry& entry);
    /// Every process /proc shows.
    static std::vector<Entry> All();
    /// The processes of `group` that have not ended (zombies left out).
    static std::vector<Entry> LiveMembers(pid_t group);
    /// The processes below `ancestor` (not itself), zombies included; the subtrees of the
    /// processes in `skipped` are left out, those processes too. `all` is what All() returned.
    static std::vector<Entry> Descendants(pid_t ancestor, const std::set<Identity>& skipped = {});
    static std::vector<Entry> Descendants(pid_t ancestor, const std::set<Identity>& skipped,
                                          const std::vector<Entry>& all);
    /// False when this process has no children, zombies included; true when it has or when the
    /// kernel does not say (a cheap look, where a walk through All() would cost a millisecond).
    static bool MayHaveChildren();
    /// The identities of the processes below `ancestor`.
    static std::set<Identity> DescendantIdentities(pid_t ancestor);
    /// This boot's id (/proc/sys/kernel/random/boot_id); empty when it cannot be read.
    static std::string BootId();
};
