// Processes a script leaves behind: its group, when the agent alone was killed and the next run
// finds it still running, and the processes that left its group (setsid) when the agent stops it
// or its time limit passes. The built program in filesystem mode.
#include "AgentFixture.h"

#include <Poco/NumberParser.h>
#include <Poco/String.h>

#include <csignal>
#include <fstream>
#include <set>
#include <sstream>

namespace
{
/// Whether process `pid` runs (a zombie does not).
bool Alive(int pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (pid <= 0 || !std::getline(stat, line))
        return false;
    const std::size_t close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

class LeftoverProcesses : public AgentFixture
{
protected:
    LeftoverProcesses()
    {
        work.Write("items/setup.xml", WorkItemXml("wi-1", "Setup", {{"HostName", "vm-01"}}));
        Configure("tarvel.stopGrace = 2");
    }

    ~LeftoverProcesses() override
    {
        // What a test that failed left running must not outlive it.
        for (const int group : groups)
            ::kill(-group, SIGKILL);
        for (const int pid : pids)
            ::kill(pid, SIGKILL);
    }

    std::unique_ptr<RunningAgent> StartItem()
    {
        return Start(
            {"--name", "agent-1", "--script", "scripts", "--workitem", "items/setup.xml", "--response", "out.xml"});
    }

    /// Waits until the script wrote a number to scripts/`name`; returns it, or 0.
    int Written(const std::string& name)
    {
        if (!WaitFor([&] { return !Poco::trim(Read("scripts/" + name)).empty(); }))
            return 0;
        const int number = Poco::NumberParser::parse(Poco::trim(Read("scripts/" + name)));
        (name == "group" ? groups : pids).insert(number);
        return number;
    }

    /// Starts the item, waits for its script to run and kills the agent alone: the script runs on.
    int KillTheAgentWhileTheScriptRuns()
    {
        std::unique_ptr<RunningAgent> agent = StartItem();
        const int group = Written("group");
        if (group == 0)
            return 0;
        agent->Signal(SIGKILL);
        agent->Wait();
        Remove("agent.log");
        return group;
    }

    /// A run that finds the killed run's record; there is no new work.
    AgentResult Recover()
    {
        return Run({"--name", "agent-1", "--script", "scripts", "--response", "out.xml"});
    }

    /// Replaces the line "`key`=…" of the in-flight record's progress, where the script's group is kept.
    void Forge(const std::string& key, const std::string& value)
    {
        std::istringstream lines(Read("scripts/.tarvel/progress"));
        std::string text;
        for (std::string line; std::getline(lines, line);)
            text += (line.compare(0, key.size() + 1, key + "=") == 0 ? key + "=" + value : line) + "\n";
        std::ofstream(work / "scripts/.tarvel/progress", std::ios::trunc) << text;
    }

    std::set<int> groups;
    std::set<int> pids;
};

/// A script that escapes its process group three ways, each ignoring SIGTERM, then waits. What
/// it leaves does not hold the agent's output open (the tests read it to its end).
const std::string escapingScript =
    "exec >/dev/null 2>&1 </dev/null\n"
    // Leaves the group; its parent, the script, stays.
    "setsid sh -c 'trap \"\" TERM; echo $$ > ../escaped; exec sleep 300' &\n"
    // Leaves the group and is orphaned at once: handed to the agent, its subreaper.
    "(setsid sh -c 'trap \"\" TERM; echo $$ > ../orphaned; exec sleep 300' &)\n"
    // Moves to a group of its own in the same session.
    "perl -e 'setpgrp(0, 0); $SIG{TERM} = \"IGNORE\"; open(my $f, \">\", \"../regrouped\"); print $f \"$$\\n\"; "
    "close($f); sleep 300' &\n"
    "echo $$ > ../group\nsleep 300\n";
} // namespace

TEST_F(LeftoverProcesses, KilledRunsScriptIsStoppedBeforeAnythingElse)
{
    // The script notes whether its secrets were still there when it was asked to stop; a child
    // that ignores SIGTERM needs SIGKILL after the grace period.
    Script("Setup/01_wait.sh", "trap 'if [ -e properties.xml ]; then touch ../stopped-first; fi; exit 0' TERM\n"
                               "(trap '' TERM; exec sleep 300) &\n"
                               "echo $$ > ../group\nsleep 300 &\nwait\n");
    const int group = KillTheAgentWhileTheScriptRuns();
    ASSERT_GT(group, 0) << Log();
    ASSERT_FALSE(LiveProcesses(group).empty()) << "the script did not outlive the agent";

    const AgentResult result = Recover();
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(LiveProcesses(group).empty()) << "the killed run's script runs on";
    EXPECT_TRUE(work.Exists("scripts/stopped-first")) << "the secrets were taken from under the running script";
    EXPECT_FALSE(work.Exists("scripts/Setup/properties.xml"));
    const std::string stopping = "Stopping the process group " + std::to_string(group) +
                                 " that the previous run's script '01_wait.sh' left running";
    EXPECT_TRUE(Logged("Warning", stopping)) << Log();
    EXPECT_TRUE(Logged("Warning", "The process group " + std::to_string(group) + " was killed with SIGKILL after 2 s"))
        << Log();
    EXPECT_LT(Log().find(stopping), Log().find("The previous run ended while '01_wait.sh' ran")) << Log();
}

TEST_F(LeftoverProcesses, GroupThatMayNotBeTheScriptsAnyMoreIsNotSignalled)
{
    Script("Setup/01_wait.sh", "echo $$ > ../group\nsleep 300 &\nwait\n");
    const struct
    {
        const char* name;
        std::string key;
        std::string value;
        std::string logged;
    } cases[] = {
        // The id now belongs to a process that started at another time: a reused id.
        {"reused id", "groupStart", "1", "Warning|Process %d is not the previous run's script '01_wait.sh' any more"},
        {"other boot", "groupBoot", "00000000-0000-0000-0000-000000000000",
         "Information|The previous run's script '01_wait.sh' (process group %d) ran before the machine restarted"},
        {"no number", "group", "12x", "Error|The in-flight record names no process group a script can have"},
        // Recorded where the process table could not be read (no /proc in a chroot).
        {"no start", "groupStart", "0",
         "Warning|The previous run's script '01_wait.sh' (process group %d) was recorded without its start"},
        // The group's leader has ended: its id may be reused any time, so nothing is signalled.
        {"leader gone", "", "", "Information|The previous run's script '01_wait.sh' has ended (process group %d"},
    };
    for (const auto& forged : cases)
    {
        SCOPED_TRACE(forged.name);
        Remove("scripts/group");
        const int group = KillTheAgentWhileTheScriptRuns();
        ASSERT_GT(group, 0) << Log();
        if (forged.key.empty())
        {
            ::kill(group, SIGKILL);
            ASSERT_TRUE(WaitFor([&] { return !Alive(group); }));
        }
        else
            Forge(forged.key, forged.value);

        EXPECT_EQ(Recover().status, 1);
        EXPECT_FALSE(LiveProcesses(group).empty()) << "a group that may be another's was signalled";
        char expected[256];
        std::snprintf(expected, sizeof expected, forged.logged.c_str(), group);
        EXPECT_NE(Log().find(expected), std::string::npos) << Log();
        EXPECT_EQ(Log().find("Stopping the process group"), std::string::npos) << Log();
        EXPECT_FALSE(work.Exists("scripts/.tarvel/inflight"));
        ::kill(-group, SIGKILL);
    }
}

TEST_F(LeftoverProcesses, ProcessesThatLeftTheGroupGoWithTheScriptOnATimeLimit)
{
    Configure("tarvel.scriptTimeout = 2");
    // What an earlier script left running (a service it started) is not the later script's.
    Script("Setup/01_service.sh", "setsid sh -c 'echo $$ > ../service; exec sleep 300' >/dev/null 2>&1 </dev/null &\n");
    Script("Setup/02_escapes.sh", escapingScript);
    const AgentResult result = RunItems({"items/setup.xml"}, {"--response", "out.xml"});
    EXPECT_EQ(result.status, 0) << Log();
    EXPECT_NE(Read("out.xml").find("Script '02_escapes.sh' did not finish within 2 s"), std::string::npos)
        << Read("out.xml");
    for (const std::string name : {"group", "escaped", "orphaned", "regrouped"})
    {
        const int pid = Written(name);
        ASSERT_GT(pid, 0) << name;
        EXPECT_FALSE(Alive(pid)) << name << " outlived the time limit";
    }
    EXPECT_TRUE(Alive(Written("service"))) << "the earlier script's service was stopped";
}

TEST_F(LeftoverProcesses, ProcessesThatLeftTheGroupGoWithTheScriptOnAStop)
{
    Script("Setup/01_escapes.sh", escapingScript);
    std::unique_ptr<RunningAgent> agent = StartItem();
    for (const std::string name : {"escaped", "orphaned", "regrouped", "group"})
        ASSERT_GT(Written(name), 0) << name << Log();
    agent->Signal(SIGTERM);
    const AgentResult result = agent->Wait();
    EXPECT_EQ(result.status, 1) << Log();
    for (const std::string name : {"group", "escaped", "orphaned", "regrouped"})
        EXPECT_FALSE(Alive(Written(name))) << name << " outlived the stop";
    EXPECT_NE(Read("out.xml").find("The run was interrupted by SIGTERM while '01_escapes.sh' ran"), std::string::npos)
        << Read("out.xml");
}
