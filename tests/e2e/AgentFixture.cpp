#include "AgentFixture.h"

#include <Poco/DirectoryIterator.h>
#include <Poco/Exception.h>
#include <Poco/File.h>
#include <Poco/NumberParser.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace
{
std::string Escape(const std::string& text)
{
    std::string escaped;
    for (char c : text)
    {
        switch (c)
        {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}
} // namespace

AgentFixture::AgentFixture()
    : scripts(work.MakeDirectory("scripts"))
{
    work.Write("conf/tarvel.properties", "logging.loggers.root.channel = file\n"
                                         "logging.loggers.root.level = information\n"
                                         "logging.channels.file.class = FileChannel\n"
                                         "logging.channels.file.path = " +
                                             (work / "agent.log") +
                                             "\n"
                                             "logging.channels.file.formatter.class = PatternFormatter\n"
                                             "logging.channels.file.formatter.pattern = %p|%t\n");
}

AgentResult AgentFixture::Run(const std::vector<std::string>& arguments,
                              const std::map<std::string, std::string>& environment)
{
    std::vector<std::string> all{"--config", "conf/tarvel.properties"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    AgentResult result = AgentProcess::Run(all, work.Path(), environment);
    EXPECT_FALSE(result.timedOut) << "the agent did not end in time";
    return result;
}

std::unique_ptr<RunningAgent> AgentFixture::Start(const std::vector<std::string>& arguments,
                                                  const std::map<std::string, std::string>& environment)
{
    std::vector<std::string> all{"--config", "conf/tarvel.properties"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return std::unique_ptr<RunningAgent>(new RunningAgent(all, work.Path(), environment));
}

bool AgentFixture::WaitFor(const std::function<bool()>& condition, int seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!condition())
    {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::vector<int> AgentFixture::LiveProcesses(int group)
{
    std::vector<int> members;
    try
    {
        for (Poco::DirectoryIterator it(std::string("/proc")), end; it != end; ++it)
        {
            int pid = 0;
            if (!Poco::NumberParser::tryParse(it.name(), pid))
                continue;
            std::ifstream stat("/proc/" + it.name() + "/stat");
            std::string line;
            std::getline(stat, line);
            const std::size_t close = line.rfind(')');
            if (close == std::string::npos)
                continue;
            std::istringstream fields(line.substr(close + 2));
            char state = 0;
            int parent = 0;
            int processGroup = 0;
            fields >> state >> parent >> processGroup;
            if (processGroup == group && state != 'Z')
                members.push_back(pid);
        }
    }
    catch (const Poco::Exception&)
    {
        // A process that ends while the list is read is no member any more.
    }
    return members;
}

void AgentFixture::Configure(const std::string& line) const
{
    work.Write("conf/tarvel.properties", Read("conf/tarvel.properties") + line + "\n");
}

AgentResult AgentFixture::RunItems(const std::vector<std::string>& workItems, const std::vector<std::string>& more)
{
    std::vector<std::string> arguments{"--name", "agent-1", "--script", "scripts"};
    for (const std::string& item : workItems)
    {
        arguments.push_back("--workitem");
        arguments.push_back(item);
    }
    arguments.insert(arguments.end(), more.begin(), more.end());
    return Run(arguments);
}

std::string AgentFixture::WorkItemXml(const std::string& id, const std::string& task,
                                      const std::vector<std::pair<std::string, std::string>>& parameters)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<workitem id=\"" + Escape(id) +
                      "\">\n  <task type=\"" + Escape(task) + "\">\n";
    for (const auto& parameter : parameters)
        xml += "    <parameter name=\"" + Escape(parameter.first) + "\">" + Escape(parameter.second) + "</parameter>\n";
    return xml + "  </task>\n</workitem>\n";
}

std::string AgentFixture::EntityNesting(const std::string& root, std::size_t levels, const std::string& body)
{
    std::string text = "<?xml version=\"1.0\"?>\n<!DOCTYPE " + root + " [\n<!ENTITY e0 \"v\">\n";
    text.reserve(levels * 36 + body.size());
    for (std::size_t i = 1; i < levels; ++i)
        text += "<!ENTITY e" + std::to_string(i) + " \"<d>&e" + std::to_string(i - 1) + ";</d>\">\n";
    text += "]>\n";
    const std::size_t at = body.find('@');
    return text + body.substr(0, at) + "&e" + std::to_string(levels - 1) + ";" + body.substr(at + 1);
}

void AgentFixture::Script(const std::string& relative, const std::string& body) const
{
    work.Write("scripts/" + relative, "#!/bin/sh\n" + body, 0755);
}

std::string AgentFixture::Log() const
{
    return TempDirectory::Read(work / "agent.log");
}

bool AgentFixture::Logged(const std::string& priority, const std::string& text) const
{
    const std::string log = "\n" + Log();
    return log.find("\n" + priority + "|" + text + "\n") != std::string::npos;
}

std::string AgentFixture::Read(const std::string& relative) const
{
    return TempDirectory::Read(work / relative);
}

void AgentFixture::Remove(const std::string& relative) const
{
    Poco::File file(work / relative);
    if (file.exists())
        file.remove(true);
}

std::vector<std::string> AgentFixture::StateFiles(const std::string& folder) const
{
    std::vector<std::string> names;
    const Poco::File directory(work / ("scripts/.tarvel/" + folder));
    if (directory.exists())
        directory.list(names);
    std::sort(names.begin(), names.end());
    return names;
}

std::map<std::string, std::string> AgentFixture::FakeUuid() const
{
    work.Write("bin/hvqcfg-info", "#!/bin/sh\necho 00112233-4455-6677-8899-AABBCCDDEEFF\n", 0755);
    return {{"PATH", work / "bin"}};
}
