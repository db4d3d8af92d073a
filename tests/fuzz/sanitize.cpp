// The work item text of a network reply goes through Proxy::SanitizeWorkItem before the parser.
// Only the encoding declaration may go: text after the XML declaration stays byte for byte, and
// the result then parses like any work item (a result or the parser's exception).
#include "FuzzCheck.h"

#include "Proxy.h"
#include "WorkItem.h"

#include <Poco/Exception.h>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Proxy proxy("", "http://127.0.0.1:9/Ostrel2", "");
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string text = input;
    proxy.SanitizeWorkItem(text);

    FUZZ_REQUIRE(text.size() <= input.size());
    const std::size_t end = input.find("?>");
    if (end != std::string::npos)
    {
        // Whatever follows the first "?>" is content, never touched.
        const std::string rest = input.substr(end);
        FUZZ_REQUIRE(text.size() >= rest.size() && text.compare(text.size() - rest.size(), rest.size(), rest) == 0);
    }
    if (text != input)
    {
        // One piece is cut out, and it starts at the declaration's encoding attribute.
        const std::size_t start = input.find("encoding=");
        FUZZ_REQUIRE(start != std::string::npos);
        const std::size_t removed = input.size() - text.size();
        FUZZ_REQUIRE(removed >= 9 && text == input.substr(0, start) + input.substr(start + removed));
    }

    WorkItem item;
    try
    {
        item.Parse(text);
    }
    catch (const Poco::Exception&)
    {
    }
    return 0;
}
