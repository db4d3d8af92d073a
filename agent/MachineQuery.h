// The machine's hardware UUID, read with external tools found through the search path
// (hal-get-property, dmidecode twice, hvqcfg-info: the first that succeeds answers), and its
// byte-swapped form. GetUuid throws when no tool answers or an answer holds no UUID.
#pragma once

#include <cstddef>
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

    /// The UUID that tool `index` of GetUuid's order (0 hal-get-property, 1 dmidecode --string
    /// system-uuid, 2 dmidecode, 3 hvqcfg-info) reads from its standard output, throwing as GetUuid
    /// does for output without one; std::out_of_range for an index past the last tool. Lets the
    /// parse rules be checked without running the tools.
    static std::string ParseToolOutput(std::size_t index, const std::string& output);
};
