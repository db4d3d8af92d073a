#include "ScriptHost.h"

#include <Poco/Format.h>
#include <Poco/Path.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <unistd.h>
#include <vector>

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
    const std::vector<std::string> arguments{script};
    Poco::ProcessHandle handle = Poco::Process::launch("/bin/sh", arguments);
    started.emplace(handle.id(), handle);
    return handle.id();
}

int ScriptHost::WaitForScript(long processId)
{
    const auto found = started.find(processId);
    if (found == started.end())
        throw std::runtime_error(Poco::format("No script was started as process %ld", processId));
    const Poco::ProcessHandle handle = found->second;
    started.erase(found);
    return handle.wait();
}

ScriptHost& ScriptHost::System()
{
    static ScriptHost system;
    return system;
}
