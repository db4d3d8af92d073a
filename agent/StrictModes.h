// The agent runs the scripts it finds as its own user (root, as a service) with the item's
// secrets at hand, so it refuses scripts that someone else could have put or changed there, as
// sshd does with its StrictModes: a directory or file that others (or a group other than root's)
// may write to, or that belongs to a user other than root, the agent's own or the owner of the
// script root. That owner is trusted because it can replace anything below the root anyway: an
// image builder's user that uploaded the tree (uid 1000, modes 0755) is no intruder.
#pragma once

#include <sys/types.h>

#include <string>

class StrictModes
{
public:
    /// Checks the script root at `realRoot` (its modes; any owner) and trusts its owner for what
    /// lies below. Throws std::runtime_error naming the root and its mode when it is not safe.
    static StrictModes ForScriptRoot(const std::string& realRoot);
    /// Trusts `owner` beside root and the agent's own user, without checking anything first.
    static StrictModes Trusting(uid_t owner);

    /// Throws std::runtime_error naming `what` ("task directory", "script"), the path and its
    /// mode or owner when the entry at `path` (a link followed) is not safe to run scripts from.
    void Check(const std::string& path, const std::string& what) const;

private:
    explicit StrictModes(uid_t scriptRootOwner);

    uid_t rootOwner;
};
