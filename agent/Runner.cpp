#include "Runner.h"

#include "LogText.h"
#include "RunInterrupted.h"
#include "StopSignals.h"
#include "StrictModes.h"
#include "TaskDirectory.h"
#include "TaskFiles.h"

#include <Poco/DirectoryIterator.h>
#include <Poco/File.h>
#include <Poco/Format.h>
#include <Poco/Logger.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <sys/stat.h>
#include <vector>

namespace
{
/// Changes into a directory for its lifetime and back again on every exit.
class WorkingDirectoryGuard
{
public:
    WorkingDirectoryGuard(ScriptHost& scriptHost, const std::string& directory)
        : host(scriptHost)
        , previous(scriptHost.CurrentDirectory())
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

/// Relays what the scripts wrote to tarvellog.txt since `mark`, unless a script opened the task
/// directory to other users: what it holds could be anyone's now.
void RelayLog(const TaskDirectory& directory, const TaskFiles& files, const TaskFiles::LogMark& mark)
{
    Poco::Logger& logger = Poco::Logger::get("Application");
    try
    {
        directory.Verify();
    }
    catch (const std::exception& exc)
    {
        poco_error_f1(logger, "tarvellog.txt is not relayed: %s", LogText::Escape(exc.what()));
        return;
    }
    files.RelayLog(logger, mark);
}
} // namespace

Runner::Runner(const std::string& root)
    : Runner(root, ScriptHost::System())
{
}

Runner::Runner(const std::string& root, ScriptHost& scriptHost, const ScriptLimits& scriptLimits)
    : locale()
    , scriptRoot(root)
    , host(scriptHost)
    , limits(scriptLimits)
{
}

Runner::~Runner() = default;

void Runner::Execute(const std::string& task) const
{
    Execute(task, [](const std::string&, long) {});
}

void Runner::Execute(const std::string& task, const std::function<void(const std::string&, long)>& starting) const
{
    const TaskDirectory directory(scriptRoot.toString(), task);
    if (!directory.Exists())
        throw std::runtime_error(Poco::format("The path '%s' is not a directory!", task));
    const StrictModes modes = directory.Verify();

    std::vector<std::string> scripts;
    for (Poco::DirectoryIterator it(directory.Path()), end; it != end; ++it)
    {
        const Poco::Path entry(it->path());
        if (IsFileToExecute(entry))
            scripts.push_back(entry.getFileName());
    }
    std::sort(scripts.begin(), scripts.end());
    // All of them before any runs: a task is run whole or not at all when one was tampered with.
    for (const std::string& script : scripts)
        modes.Check(directory.File(script), "script");

    // The log grows across runs: this run's lines begin where it ends now, and they are relayed
    // however the scripts end.
    const TaskFiles files(scriptRoot.toString(), directory);
    const TaskFiles::LogMark logStart = files.MarkLog();
    try
    {
        Run(directory, scripts, starting);
    }
    catch (...)
    {
        RelayLog(directory, files, logStart);
        throw;
    }
    RelayLog(directory, files, logStart);
}

void Runner::Run(const TaskDirectory& directory, const std::vector<std::string>& scripts,
                 const std::function<void(const std::string&, long)>& starting) const
{
    Poco::Logger& logger = Poco::Logger::get("Application");
    const WorkingDirectoryGuard guard(host, directory.Path().toString());
    for (const std::string& script : scripts)
    {
        if (const int signal = StopSignals::Received())
            throw RunInterrupted(signal, Poco::format("The run was interrupted by %s before '%s' ran",
                                                      StopSignals::Name(signal), script));
        poco_information_f1(logger, "Executing '%s' ...", LogText::Escape(script));
        // The shell would run a directory or a device "successfully"; only a file is a script.
        struct stat status;
        if (::stat(directory.File(script).c_str(), &status) != 0 || !S_ISREG(status.st_mode))
            throw std::runtime_error(Poco::format("Failure executing script '%s': it is not a regular file", script));
        ScriptEnd end;
        try
        {
            const long processId = host.StartScript(script, [&](long startedId) { starting(script, startedId); });
            poco_information_f1(logger, "Wait for completion of '%s'", LogText::Escape(script));
            end = host.WaitForScript(processId, limits);
        }
        catch (const std::exception& exc)
        {
            poco_error_f2(logger, "Script '%s' could not be run: %s", LogText::Escape(script),
                          LogText::Escape(exc.what()));
            end.status = -1;
        }
        if (end.stopSignal != 0)
            throw RunInterrupted(end.stopSignal, Poco::format("The run was interrupted by %s while '%s' ran",
                                                              StopSignals::Name(end.stopSignal), script));
        if (end.timedOut)
            throw std::runtime_error(
                Poco::format("Script '%s' did not finish within %d s", script, limits.timeoutSeconds));
        if (end.status != 0)
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
