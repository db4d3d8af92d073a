#include "Runner.h"

#include "ScriptHost.h"
#include "TaskDirectory.h"

#include <Poco/DirectoryIterator.h>
#include <Poco/File.h>
#include <Poco/Format.h>
#include <Poco/Logger.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <vector>

namespace
{
/// Changes into a directory for its lifetime and back again on every exit.
class WorkingDirectoryGuard
{
public:
    WorkingDirectoryGuard(ScriptHost& host, const std::string& directory)
        : host(host)
        , previous(host.CurrentDirectory())
    {
        host.ChangeDirectory(directory);
    }

    ~WorkingDirectoryGuard()
    {
        try
        {
            host.ChangeDirectory(previous);
        }
        catch (const std::exception& exc)
        {
            Poco::Logger& logger = Poco::Logger::get("Application");
            poco_error(logger, exc.what());
        }
    }

    WorkingDirectoryGuard(const WorkingDirectoryGuard&) = delete;
    WorkingDirectoryGuard& operator=(const WorkingDirectoryGuard&) = delete;

private:
    ScriptHost& host;
    std::string previous;
};
} // namespace

Runner::Runner(const std::string& scriptRoot)
    : Runner(scriptRoot, ScriptHost::System())
{
}

Runner::Runner(const std::string& scriptRoot, ScriptHost& host)
    : locale()
    , scriptRoot(scriptRoot)
    , host(host)
{
}

Runner::~Runner() = default;

void Runner::Execute(const std::string& task) const
{
    const TaskDirectory directory(scriptRoot.toString(), task);
    if (!directory.Exists())
        throw std::runtime_error(Poco::format("The path '%s' is not a directory!", task));

    std::vector<std::string> scripts;
    for (Poco::DirectoryIterator it(directory.Path()), end; it != end; ++it)
    {
        const Poco::Path entry(it->path());
        if (IsFileToExecute(entry))
            scripts.push_back(entry.getFileName());
    }
    std::sort(scripts.begin(), scripts.end());

    Poco::Logger& logger = Poco::Logger::get("Application");
    const WorkingDirectoryGuard guard(host, directory.Path().toString());
    for (const std::string& script : scripts)
    {
        poco_information_f1(logger, "Executing '%s' ...", script);
        bool succeeded = false;
        try
        {
            const long processId = host.StartScript(script);
            poco_information_f1(logger, "Wait for completion of '%s'", script);
            succeeded = host.WaitForScript(processId) == 0;
        }
        catch (const std::exception& exc)
        {
            poco_error_f2(logger, "Script '%s' could not be run: %s", script, std::string(exc.what()));
        }
        if (!succeeded)
            throw std::runtime_error(Poco::format("Failure executing script '%s'", script));
    }
}

bool Runner::IsFileToExecute(const Poco::Path& entry) const
{
    const Poco::File file(entry);
    const std::string name = ToLower(entry.getFileName());
    if (!file.canExecute() && name.find(".bat") == std::string::npos)
        return false;
    if (name.size() < 3)
        return false;
    const auto& ctype = std::use_facet<std::ctype<char>>(locale);
    if (!ctype.is(std::ctype_base::digit, name[0]) || !ctype.is(std::ctype_base::digit, name[1]))
        return false;
    return name[2] == '_';
}

std::string ToLower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}
