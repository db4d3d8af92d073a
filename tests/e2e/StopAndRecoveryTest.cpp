// The agent stopped while it works, killed outright, held up by a script that never ends, or
// started twice: the built program in filesystem mode, as a service manager or an impatient
// administrator would treat it.
#include "AgentFixture.h"
#include "EncryptionHelpers.h"

#include <Poco/NumberParser.h>
#include <Poco/String.h>

#include <csignal>
#include <sys/stat.h>

namespace
{
const std::string secret = "canary-St0p-secret";

class StopAndRecovery : public AgentFixture
{
protected:
    StopAndRecovery()
    {
        work.Write("items/setup.xml", WorkItemXml("wi-1", "Setup",
                                                  {{"HostName", "vm-01"},
                                                   {"Secret", EncryptionHelpers_Encrypt(secret)},
                                                   {"Secret.IsEncrypted", "true"}}));
    }

    ~StopAndRecovery() override
    {
        // A script left running by a test that failed must not outlive it.
        if (group > 0)
            ::kill(-group, SIGKILL);
    }

    std::unique_ptr<RunningAgent> StartItem()
    {
        return Start(
            {"--name", "agent-1", "--script", "scripts", "--workitem", "items/setup.xml", "--response", "out.xml"});
    }

    /// Waits until the script has written its process group's id to scripts/group.
    bool ScriptRunning()
    {
        if (!WaitFor([this] { return !Poco::trim(Read("scripts/group")).empty(); }))
            return false;
        group = Poco::NumberParser::parse(Poco::trim(Read("scripts/group")));
        return true;
    }

    int group = 0;
};
} // namespace

TEST_F(StopAndRecovery, SigtermDuringAScriptStopsItsGroupAndFailsTheItem)
{
    Configure("tarvel.stopGrace = 1");
    // The script leaves a child that ignores SIGTERM: only SIGKILL after the grace period ends it.
    Script("Setup/01_wait.sh", "cp properties.xml ../seen.xml\n(trap '' TERM; sleep 300) &\n"
                               "echo $$ > ../group\nsleep 300\n");
    Script("Setup/02_never.sh", "touch ../never-ran\n");
    std::unique_ptr<RunningAgent> agent = StartItem();
    ASSERT_TRUE(ScriptRunning()) << Log();
    EXPECT_NE(Read("scripts/seen.xml").find(secret), std::string::npos);

    agent->Signal(SIGTERM);
    const AgentResult result = agent->Wait();
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.status, 1) << Log();
    EXPECT_TRUE(LiveProcesses(group).empty()) << "the script's group outlived the agent";
    EXPECT_FALSE(work.Exists("scripts/Setup/properties.xml"));
    EXPECT_FALSE(work.Exists("scripts/never-ran"));
    EXPECT_FALSE(work.Exists("scripts/.tarvel/inflight"));
    const std::string message = "The run was interrupted by SIGTERM while '01_wait.sh' ran";
    EXPECT_TRUE(Logged("Error", message)) << Log();
    EXPECT_TRUE(Logged("Error", "The agent stops after SIGTERM")) << Log();
    EXPECT_NE(Read("out.xml").find("<result succeeded=\"false\">\n\t\t\t<message>" + message + "</message>"),
              std::string::npos)
        << Read("out.xml");
}

TEST_F(StopAndRecovery, StopReachesWhatTheScriptStarted)
{
    // The stop goes to the script's whole group, so its children may clean up at once; the grace
    // period is only waited out for those that ignore it.
    Configure("tarvel.stopGrace = 20");
    // The child is ready once its trap is set and its own sleep started: a sleep started after
    // the stop would be left for the grace period.
    Script("Setup/01_wait.sh", "(trap 'echo cleaned up > ../child-stopped; exit 0' TERM\n"
                               " sleep 300 &\n touch ../child-ready\n wait) &\n"
                               "echo $$ > ../group\nsleep 300\n");
    std::unique_ptr<RunningAgent> agent = StartItem();
    ASSERT_TRUE(ScriptRunning()) << Log();
    ASSERT_TRUE(WaitFor([this] { return work.Exists("scripts/child-ready"); })) << Log();

    const auto start = std::chrono::steady_clock::now();
    agent->Signal(SIGTERM);
    const AgentResult result = agent->Wait();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(result.status, 1) << Log();
    EXPECT_EQ(Read("scripts/child-stopped"), "cleaned up\n") << "the script's child never got SIGTERM";
    EXPECT_TRUE(LiveProcesses(group).empty());
    EXPECT_LT(seconds, 20.0) << "the agent waited out the grace period";
}

TEST_F(StopAndRecovery, SigintAndSighupAreStopsToo)
{
    Configure("tarvel.stopGrace = 1");
    Script("Setup/01_wait.sh", "echo $$ > ../group\nsleep 300\n");
    for (const int signal : {SIGINT, SIGHUP})
    {
        Remove("scripts/group");
        std::unique_ptr<RunningAgent> agent = StartItem();
        ASSERT_TRUE(ScriptRunning()) << Log();
        agent->Signal(signal);
        const AgentResult result = agent->Wait();
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(LiveProcesses(group).empty());
        EXPECT_NE(Read("out.xml").find(signal == SIGINT ? "interrupted by SIGINT" : "interrupted by SIGHUP"),
                  std::string::npos)
            << Read("out.xml");
    }
}

TEST_F(StopAndRecovery, StopOutsideAnItemEndsTheAgentAtOnce)
{
    // Without --name the agent asks for the machine's UUID; this tool never answers.
    work.Write("bin/hal-get-property", "#!/bin/sh\necho $$ > \"$(dirname \"$0\")/../tool\"\nexec sleep 300\n", 0755);
    std::unique_ptr<RunningAgent> agent =
        Start({"--script", "scripts", "--workitem", "items/setup.xml"}, {{"PATH", work / "bin" + ":/usr/bin:/bin"}});
    ASSERT_TRUE(WaitFor([this] { return !Read("tool").empty(); }));
    const auto start = std::chrono::steady_clock::now();
    agent->Signal(SIGTERM);
    const AgentResult result = agent->Wait();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ::kill(Poco::NumberParser::parse(Poco::trim(Read("tool"))), SIGKILL);
    EXPECT_EQ(result.status, 1);
    EXPECT_LT(seconds, 10.0) << "the agent waited for the tool";
    EXPECT_NE(result.err.find("tarvel: stopped by SIGTERM"), std::string::npos) << result.err;
}

TEST_F(StopAndRecovery, RunAfterAKilledRunRemovesTheSecretsAndSaysWhatHappened)
{
    Script("Setup/01_wait.sh", "echo $$ > ../group\nsleep 300\n");
    {
        std::unique_ptr<RunningAgent> agent = StartItem();
        ASSERT_TRUE(ScriptRunning()) << Log();
        agent->Signal(SIGKILL);
        agent->Wait();
    }
    // As after a power cut: nothing of the killed run goes on.
    ::kill(-group, SIGKILL);
    ASSERT_NE(Read("scripts/Setup/properties.xml").find(secret), std::string::npos);
    ASSERT_TRUE(work.Exists("scripts/.tarvel/inflight"));

    Remove("agent.log");
    const AgentResult result = Run({"--name", "agent-1", "--script", "scripts", "--response", "out.xml"});
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(work.Exists("scripts/Setup/properties.xml"));
    EXPECT_FALSE(work.Exists("scripts/.tarvel/inflight"));
    EXPECT_TRUE(
        Logged("Error", "The previous run ended while '01_wait.sh' ran; the agent was stopped (work item id=wi-1)"))
        << Log();
    EXPECT_EQ(Log().find(secret), std::string::npos);
}

TEST_F(StopAndRecovery, ScriptOverItsTimeLimitFailsTheItem)
{
    Configure("tarvel.scriptTimeout = 1");
    Configure("tarvel.stopGrace = 1");
    Script("Setup/01_slow.sh", "echo 'waiting for the network' > tarvelerror.txt\necho $$ > ../group\nsleep 300\n");
    Script("Setup/02_never.sh", "touch ../never-ran\n");
    Script("Other/01_quick.sh", "touch ../quick-ran\n");
    const AgentResult result = RunItems({"items/setup.xml"}, {"--response", "out.xml"});
    EXPECT_EQ(result.status, 0);
    const std::string message = "Script '01_slow.sh' did not finish within 1 s - waiting for the network";
    EXPECT_NE(Read("out.xml").find("<message>" + message + "</message>"), std::string::npos) << Read("out.xml");
    ASSERT_TRUE(ScriptRunning());
    EXPECT_TRUE(LiveProcesses(group).empty());
    EXPECT_FALSE(work.Exists("scripts/never-ran"));

    // A script within its limit is not disturbed.
    work.Write("items/other.xml", WorkItemXml("wi-2", "Other"));
    EXPECT_EQ(RunItems({"items/other.xml"}, {"--response", "out.xml"}).status, 0);
    EXPECT_TRUE(work.Exists("scripts/quick-ran"));
    EXPECT_NE(Read("out.xml").find("<result succeeded=\"true\">"), std::string::npos);
}

TEST_F(StopAndRecovery, SettingsThatAreNoNumbersStopTheStart)
{
    Script("Setup/01_run.sh", "touch ../ran\n");
    Configure("tarvel.scriptTimeout = soon");
    const AgentResult result = RunItems({"items/setup.xml"});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(Logged("Error", "The setting tarvel.scriptTimeout must be a whole number of seconds, not 'soon'"))
        << Log();
    EXPECT_FALSE(work.Exists("scripts/ran"));
}

TEST_F(StopAndRecovery, SecondRunAtTheSameTimeIsRefused)
{
    Script("Setup/01_wait.sh", "echo $$ > ../group\nwhile [ ! -e ../go ]; do sleep 0.05; done\n");
    std::unique_ptr<RunningAgent> first = StartItem();
    ASSERT_TRUE(ScriptRunning()) << Log();

    work.Write("items/second.xml", WorkItemXml("wi-2", "Setup"));
    const AgentResult second = RunItems({"items/second.xml"}, {"--response", "second.xml"});
    EXPECT_EQ(second.status, 1);
    EXPECT_TRUE(Logged("Error", "Another run of the agent (process " + std::to_string(first->Pid()) +
                                    ") is in progress; this run ends"))
        << Log();
    EXPECT_FALSE(work.Exists("second.xml"));

    work.Write("scripts/go", "");
    EXPECT_EQ(first->Wait().status, 0);
    EXPECT_NE(Read("out.xml").find("<result succeeded=\"true\">"), std::string::npos);
}

TEST_F(StopAndRecovery, FailureResponseCarriesTheResultsTheScriptsLeft)
{
    // The agent works in one directory, the scripts below another: the results are the scripts'.
    work.Write("External/results.xml", "<r><parameter name='from'>working directory</parameter></r>");
    Script("Setup/01_fails.sh",
           "mkdir -p ../External\n"
           "echo \"<r><parameter name='from'>script root</parameter></r>\" > ../External/results.xml\n"
           "exit 3\n");
    const AgentResult result = RunItems({"items/setup.xml"}, {"--response", "out.xml"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(Read("out.xml").find("<parameter name=\"from\">script root</parameter>"), std::string::npos)
        << Read("out.xml");
}

TEST_F(StopAndRecovery, StateDirectoryIsOwnerOnlyAndAStateThatCannotBeKeptStopsTheStart)
{
    Script("Setup/01_run.sh", "touch ../ran\n");
    EXPECT_EQ(RunItems({"items/setup.xml"}).status, 0);
    struct stat status;
    ASSERT_EQ(::stat((work / "scripts/.tarvel").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0700u);
    Remove("scripts/ran");

    work.Write("not-a-directory", "");
    Configure("tarvel.state = " + (work / "not-a-directory"));
    const AgentResult result = RunItems({"items/setup.xml"});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(Logged("Error", "The state directory '" + (work / "not-a-directory") +
                                    "' is not a directory (a link is not followed)"))
        << Log();
    EXPECT_FALSE(work.Exists("scripts/ran"));
}
