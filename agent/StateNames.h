// The names the agent gives the entries of its state directory, and the words it describes a
// stranger found there with. A name is checked against these shapes before it reaches a system
// call, so that no name read from a file or a server can lead out of the directory.
#pragma once

#include <sys/types.h>

#include <string>

class StateNames
{
public:
    /// Where entries that are not the agent's own are moved.
    static const std::string broken;

    struct Parts
    {
        std::string directory; ///< "" for the state directory itself
        std::string name;
    };
    /// Splits "name" or "directory/name". Throws std::runtime_error for any other shape: an empty
    /// or hidden component, ".", "..", a second "/", or a character outside IsName's.
    static Parts Split(const std::string& relative);
    /// Whether `name` is one component of the agent's own shape: 1 to 240 characters of
    /// letters, digits and "_.,%~+=-", not starting with ".".
    static bool IsName(const std::string& name);

    /// The temporary file that a write of `name` goes through (".name.tmp").
    static std::string Temporary(const std::string& name);
    /// Whether `name` has the shape of the agent's temporary files.
    static bool IsTemporary(const std::string& name);
    /// A new name in "broken/" for the entry `name` of `directory`; unique to this moment.
    static std::string AsideName(const std::string& directory, const std::string& name);

    /// "0755" for a mode.
    static std::string Mode(mode_t mode);
    /// "a FIFO", "a directory", ... for a mode's file type.
    static std::string Kind(mode_t mode);
};
