// The agent runs the scripts it finds as its own user (root, as a service) with the item's
// secrets at hand, so it refuses scripts that someone else could have put or changed there: a
// directory or file that belongs to another user than root or the agent's own, or that others
// (or a group other than root's) may write to, as sshd does with its StrictModes.
#pragma once

#include <string>

class StrictModes
{
public:
    /// Throws std::runtime_error naming `what` ("task directory", "script"), the path and its
    /// mode or owner when the entry at `path` (a link followed) is not safe to run scripts from.
    static void Check(const std::string& path, const std::string& what);
};
