// What the UUID tools print: each of the four parse rules gives a UUID or throws one of its
// documented errors, and Swizzle reverses itself on any text of at least 36 characters.
// Input: byte 0 picks the tool, the rest is its output.
#include "FuzzCheck.h"

#include "MachineQuery.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string output(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string uuid;
    try
    {
        uuid = MachineQuery::ParseToolOutput(data[0] % 4, output);
    }
    catch (const std::runtime_error&)
    {
        return 0;
    }
    catch (const std::out_of_range&)
    {
        return 0;
    }
    FUZZ_REQUIRE(uuid.size() <= output.size());

    for (const std::string& text : {uuid, output})
    {
        const std::string swizzled = MachineQuery::Swizzle(text);
        if (text.size() < 36)
            FUZZ_REQUIRE(swizzled == text);
        else
        {
            // The separators are written, not copied; everything else is a permutation.
            std::string dashed = text.substr(0, 36);
            for (std::size_t at : {8, 13, 18, 23})
                dashed[at] = '-';
            FUZZ_REQUIRE(swizzled.size() == 36 && MachineQuery::Swizzle(swizzled) == dashed);
        }
    }
    return 0;
}
