// The outcome of a work item is never lost and never doubled: the built program against the test
// SOAP server while the server fails to take the report, refuses it, or the agent is stopped or
// killed in the middle of a script.
#include "FaultFixture.h"
#include "RefusingPort.h"

#include <Poco/NumberParser.h>
#include <Poco/String.h>

#include <chrono>
#include <csignal>

namespace
{
class Reports : public FaultFixture
{
protected:
    void SetUp() override
    {
        Script("Setup/01_run.sh", "echo run >> ../runs\n");
        item = WorkItemXml("wi-1", "Setup");
    }

    /// Runs the agent against `server` with a script that waits, and signals it once the script
    /// runs; returns the script's process group (0 when it never ran) and the run's result.
    int SignalDuringTheScript(const SoapServer& server, int signal, AgentResult& result)
    {
        Script("Setup/01_wait.sh", "echo $$ > ../group\nsleep 300\n");
        RunningAgent agent({"--config", "conf/tarvel.properties", "--host",
                            "127.0.0.1:" + std::to_string(server.Port()), "--name", "agent-1", "--script", "scripts"},
                           work.Path());
        if (!WaitFor([this] { return !Poco::trim(Read("scripts/group")).empty(); }))
            return 0;
        agent.Signal(signal);
        result = agent.Wait();
        return Poco::NumberParser::parse(Poco::trim(Read("scripts/group")));
    }

    /// Starts the agent against `server`, without --name: it asks for work for the two IDs made
    /// from the machine's UUID in turn.
    std::unique_ptr<RunningAgent> StartAgainst(const SoapServer& server)
    {
        return Start({"--host", "127.0.0.1:" + std::to_string(server.Port()), "--script", "scripts"}, FakeUuid());
    }

    /// A reply to GetWorkItem that trickles in for seconds: `entry` is the rest of its scenario entry.
    static std::string Trickled(const std::string& entry)
    {
        return "{\"GetWorkItem\": {\"slowBytesPerSecond\": 200, " + entry + "}, \"WorkItemComplete\": {}}";
    }

    std::string item;
    const std::string noWork = "{\"GetWorkItem\": {\"missing\": true}}";
};
} // namespace

TEST_F(Reports, ReportThatDidNotGetThroughGoesFirstNextTimeAndNothingRunsTwice)
{
    SoapServer server(SoapServer::WorkItemScenario(item, "{\"httpStatus\": 503, \"body\": \"maintenance\"}"));
    server.Start();
    EXPECT_EQ(RunAgainst(server).status, 0);
    EXPECT_EQ(Read("scripts/runs"), "run\n");
    ASSERT_EQ(StateFiles("outbox").size(), 1u);
    const std::string report = ReportOf(Requests(server, "WorkItemComplete").at(0));

    // Still down: the kept report is tried again, and no work is asked for.
    Remove("agent.log");
    EXPECT_EQ(RunAgainst(server).status, 1);
    EXPECT_EQ(Requests(server, "GetWorkItem").size(), 1u);
    EXPECT_EQ(Requests(server, "WorkItemComplete").size(), 2u);
    const std::string log = Log();
    const std::size_t warning = log.find("Warning|The work item response for id=wi-1 did not reach the server (");
    ASSERT_NE(warning, std::string::npos) << log;
    const std::string line = log.substr(warning, log.find('\n', warning) - warning);
    EXPECT_NE(line.find("HTTP 503"), std::string::npos) << line;
    EXPECT_NE(line.find("); it is kept for the next run"), std::string::npos) << line;

    // Up again (and with nothing more to do): the report goes first, then work is asked for.
    server.SetScenario(noWork);
    Remove("agent.log");
    EXPECT_EQ(RunAgainst(server).status, 1);
    const std::vector<SoapServer::Request> requests = server.Requests();
    ASSERT_EQ(requests.size(), 5u);
    EXPECT_EQ(requests[3].operation, "WorkItemComplete");
    EXPECT_EQ(ReportOf(requests[3]), report);
    EXPECT_EQ(requests[4].operation, "GetWorkItem");
    EXPECT_TRUE(Logged("Information", "Successfully sent the work item response for id=wi-1")) << Log();
    EXPECT_TRUE(StateFiles("outbox").empty());
    EXPECT_EQ(Read("scripts/runs"), "run\n");
}

TEST_F(Reports, ReportThatNobodyTakesIsKeptWhileTheServerIsGone)
{
    {
        SoapServer server(SoapServer::WorkItemScenario(item, "{\"httpStatus\": 502, \"body\": \"\"}"));
        server.Start();
        EXPECT_EQ(RunAgainst(server).status, 0);
    }
    Remove("agent.log");
    // The server is gone: its port refuses connections from now on.
    const RefusingPort gone;
    const AgentResult result =
        Run({"--host", "127.0.0.1:" + std::to_string(gone.Port()), "--name", "agent-1", "--script", "scripts"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(Log().find("Requesting work"), std::string::npos) << Log();
    EXPECT_EQ(StateFiles("outbox").size(), 1u);
}

TEST_F(Reports, RefusedReportMovesToRejectedAndTheRunGoesOn)
{
    SoapServer server(SoapServer::WorkItemScenario(item, "{\"httpStatus\": 503, \"body\": \"\"}"));
    server.Start();
    EXPECT_EQ(RunAgainst(server).status, 0);
    ASSERT_EQ(StateFiles("outbox").size(), 1u);
    const std::string entry = StateFiles("outbox")[0];

    server.SetScenario("{\"GetWorkItem\": {\"missing\": true}, \"WorkItemComplete\": {\"fault\": {\"code\": "
                       "\"soap:Client\", \"string\": \"unknown work item\\nInformation|Successfully sent the work "
                       "item response for id=wi-1\"}}}");
    Remove("agent.log");
    EXPECT_EQ(RunAgainst(server).status, 1);
    EXPECT_TRUE(StateFiles("outbox").empty());
    EXPECT_EQ(StateFiles("rejected"), std::vector<std::string>{entry});
    EXPECT_EQ(Requests(server, "GetWorkItem").size(), 2u);
    const std::string errors = Errors();
    EXPECT_NE(errors.find("Error|The server refused the work item response for id=wi-1 ("), std::string::npos) << Log();
    EXPECT_NE(errors.find("unknown work item\\nInformation|Successfully sent"), std::string::npos) << Log();
    // The server's text cannot pass for a line of the agent's own.
    EXPECT_FALSE(Logged("Information", "Successfully sent the work item response for id=wi-1")) << Log();
}

TEST_F(Reports, StopDuringAScriptIsReportedToTheServer)
{
    Configure("tarvel.stopGrace = 1");
    SoapServer server(SoapServer::WorkItemScenario(item));
    server.Start();
    AgentResult result;
    const int group = SignalDuringTheScript(server, SIGTERM, result);
    ASSERT_GT(group, 0) << Log();
    EXPECT_EQ(result.status, 1) << Log();
    EXPECT_TRUE(LiveProcesses(group).empty()) << "the script's group outlived the agent";
    EXPECT_FALSE(work.Exists("scripts/Setup/properties.xml"));
    const std::vector<SoapServer::Request> reports = Requests(server, "WorkItemComplete");
    ASSERT_EQ(reports.size(), 1u);
    ExpectReport(ReportOf(reports[0]), false, "The run was interrupted by SIGTERM while '01_wait.sh' ran");
    EXPECT_TRUE(StateFiles("outbox").empty());
}

TEST_F(Reports, KilledRunIsReportedByTheNextOne)
{
    SoapServer server(SoapServer::WorkItemScenario(item));
    server.Start();
    AgentResult result;
    const int group = SignalDuringTheScript(server, SIGKILL, result);
    ASSERT_GT(group, 0) << Log();
    // As after a power cut: nothing of the killed run goes on.
    ::kill(-group, SIGKILL);
    EXPECT_TRUE(work.Exists("scripts/Setup/properties.xml"));
    EXPECT_TRUE(Requests(server, "WorkItemComplete").empty());

    server.SetScenario(noWork);
    EXPECT_EQ(RunAgainst(server).status, 1);
    EXPECT_FALSE(work.Exists("scripts/Setup/properties.xml"));
    const std::vector<SoapServer::Request> requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[1].operation, "WorkItemComplete");
    ExpectReport(ReportOf(requests[1]), false, "The previous run ended while '01_wait.sh' ran; the agent was stopped");
    EXPECT_EQ(requests[2].operation, "GetWorkItem");
}

TEST_F(Reports, StopWhileTheItemIsFetchedAnswersItUnrun)
{
    Configure("tarvel.stopGrace = 60");
    SoapServer server(Trickled("\"result\": " + SoapServer::JsonString(item)));
    server.Start();
    std::unique_ptr<RunningAgent> agent = StartAgainst(server);
    ASSERT_TRUE(WaitFor([&] { return !Requests(server, "GetWorkItem").empty(); })) << Log();
    agent->Signal(SIGTERM);
    const AgentResult result = agent->Wait(120);
    EXPECT_EQ(result.status, 1) << Log();
    EXPECT_FALSE(work.Exists("scripts/runs")) << "a script ran after the stop";
    EXPECT_FALSE(work.Exists("scripts/Setup/properties.xml"));
    const std::vector<SoapServer::Request> reports = Requests(server, "WorkItemComplete");
    ASSERT_EQ(reports.size(), 1u) << "the item the server handed out was not answered\n" << Log();
    ExpectReport(ReportOf(reports[0]), false, "The run was interrupted by SIGTERM before any script ran");
    EXPECT_TRUE(StateFiles("outbox").empty());
    EXPECT_TRUE(Logged("Error", "The agent stops after SIGTERM")) << Log();

    // Without an item the stop is obeyed as soon as the answer is in: no more work is asked for.
    server.SetScenario(Trickled("\"missing\": true"));
    Remove("agent.log");
    agent = StartAgainst(server);
    ASSERT_TRUE(WaitFor([&] { return Requests(server, "GetWorkItem").size() == 2; })) << Log();
    agent->Signal(SIGHUP);
    EXPECT_EQ(agent->Wait(120).status, 1) << Log();
    EXPECT_EQ(Requests(server, "GetWorkItem").size(), 2u) << "work was asked for after the stop";
    EXPECT_TRUE(Logged("Error", "The agent stops after SIGHUP")) << Log();
}

TEST_F(Reports, FetchThatOutlastsTheGraceIsAbandoned)
{
    Configure("tarvel.stopGrace = 1");
    SoapServer server("{\"GetWorkItem\": {\"hang\": true}}");
    server.Start();
    std::unique_ptr<RunningAgent> agent = StartAgainst(server);
    ASSERT_TRUE(WaitFor([&] { return !Requests(server, "GetWorkItem").empty(); })) << Log();
    const auto start = std::chrono::steady_clock::now();
    agent->Signal(SIGTERM);
    const AgentResult result = agent->Wait(120);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(result.status, 1);
    // Well below the exchange's own time-out of 60 s.
    EXPECT_LT(seconds, 30.0) << "the agent waited for the exchange beyond the grace period";
    EXPECT_NE(result.err.find("tarvel: stopped by SIGTERM; the work in progress did not end within the grace period"),
              std::string::npos)
        << result.err;
    EXPECT_TRUE(Requests(server, "WorkItemComplete").empty());
}
