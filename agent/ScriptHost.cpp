#include "ScriptHost.h"

#include <Poco/Exception.h>
#include <Poco/Format.h>
#include <Poco/Path.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

ScriptHost::~ScriptHost() = default;

std::string ScriptHost::CurrentDirectory()
{
    return Poco::Path::current();
}

void ScriptHost::ChangeDirectory(const std::string& path)
{
    if (::chdir(path.c_str()) != 0)
        throw std::runtime_error(Poco::format("Cannot change the working directory to '%s': %s",
                                              path, std::string(std::strerror(errno))));
}

long ScriptHost::StartScript(const std::string& script)
{
    // What Poco::Process::launch did, without its cost: it closed every descriptor up to the
    // limit one call at a time (20,000 calls, tens of milliseconds, where the limit is high);
    // close_range does it in one. vfork spares copying the agent's page tables, since the child
    // only closes descriptors and execs. Everything is prepared before the child exists.
    std::string shell = "/bin/sh";
    std::string argument = script;
    char* const arguments[] = {&shell[0], &argument[0], nullptr};
    const long descriptorLimit = ::sysconf(_SC_OPEN_MAX);
    const pid_t processId = ::vfork();
    if (processId < 0)
        throw Poco::SystemException("Cannot fork process for", shell);
    if (processId == 0)
    {
        // The scripts inherit the standard streams only, not the agent's log or work files.
        if (::close_range(3, ~0U, 0) != 0)
        {
            for (long descriptor = 3; descriptor < descriptorLimit; ++descriptor)
                ::close(static_cast<int>(descriptor));
        }
        ::execv(arguments[0], arguments);
        _exit(72);
    }
    started.insert(processId);
    return processId;
}

int ScriptHost::WaitForScript(long processId)
{
    const auto found = started.find(processId);
    if (found == started.end())
        throw std::runtime_error(Poco::format("No script was started as process %ld", processId));
    started.erase(found);
    int status = 0;
    pid_t waited;
    do
        waited = ::waitpid(static_cast<pid_t>(processId), &status, 0);
    while (waited < 0 && errno == EINTR);
    if (waited != static_cast<pid_t>(processId))
        throw Poco::SystemException("Cannot wait for process", std::to_string(processId));
    // A script killed by a signal gives 256 + the signal's number, as POCO reported it.
    return WIFEXITED(status) ? WEXITSTATUS(status) : 256 + WTERMSIG(status);
}

ScriptHost& ScriptHost::System()
{
    static ScriptHost system;
    return system;
}
