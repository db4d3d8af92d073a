// The scripts' External/results.xml behind the response document, and the message text that
// scripts can extend. Input: the message, a NUL byte, the results file (no NUL: the file only).
// Writing the response ends in a complete, well-formed document or in the XML parser's
// exception before any output; without the results file it always succeeds.
#include "FuzzCheck.h"

#include "WorkItemResponse.h"

#include <Poco/DOM/AutoPtr.h>
#include <Poco/DOM/DOMParser.h>
#include <Poco/DOM/Document.h>
#include <Poco/Exception.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
char scriptRoot[] = "/tmp/tarvel-fuzz-results-XXXXXX";

void RemoveScriptRoot()
{
    const std::string root = scriptRoot;
    ::unlink((root + "/External/results.xml").c_str());
    ::rmdir((root + "/External").c_str());
    ::rmdir(root.c_str());
}

/// A script root of its own, made once per process and removed when the process ends.
std::string ScriptRoot()
{
    static const bool made = [] {
        FUZZ_REQUIRE(::mkdtemp(scriptRoot) != nullptr);
        FUZZ_REQUIRE(::mkdir((std::string(scriptRoot) + "/External").c_str(), 0755) == 0);
        std::atexit(RemoveScriptRoot);
        return true;
    }();
    (void)made;
    return scriptRoot;
}

void CheckWellFormed(const std::string& text)
{
    Poco::XML::DOMParser parser;
    try
    {
        Poco::XML::AutoPtr<Poco::XML::Document> document = parser.parseString(text);
    }
    catch (const Poco::Exception& exc)
    {
        std::fprintf(stderr, "response is not well-formed: %s\n%s\n", exc.displayText().c_str(), text.c_str());
        FUZZ_REQUIRE(false);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string message = split == std::string::npos ? std::string("failed") : input.substr(0, split);
    const std::string file = split == std::string::npos ? input : input.substr(split + 1);
    {
        std::ofstream stream(ScriptRoot() + "/External/results.xml", std::ios::binary | std::ios::trunc);
        stream << file;
    }

    WorkItemResponse response{"wi-1", false, "Setup", message, ScriptRoot()};
    std::ostringstream out;
    try
    {
        out << response;
    }
    catch (const Poco::Exception&)
    {
        FUZZ_REQUIRE(out.str().empty());
        response.readResults = false;
        out << response;
    }
    CheckWellFormed(out.str());
    return 0;
}
