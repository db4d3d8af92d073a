// The machine's hardware UUID, read with external tools found through the search path
// (hal-get-property, dmidecode twice, hvqcfg-info: the first that succeeds answers), and its
// byte-swapped form. GetUuid throws when no tool answers or an answer holds no UUID.
#pragma once

#include <string>

class MachineQuery
{
public:
    /// The UUID as the first successful tool prints it, lower-cased. Throws std::runtime_error
    /// "Failed to query machine for UUID" when every tool fails.
    static std::string GetUuid();

    /// The UUID with the byte order of its first three fields reversed (36 characters); an input
    /// shorter than 36 characters comes back unchanged.
    static std::string Swizzle(const std::string& uuid);
};
