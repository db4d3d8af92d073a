// What the run's outcome follows from: the report that was stored and delivered, never what was
// only attempted. The built program against the test SOAP server answering the report in every
// way a server can, the final stage whose report cannot be delivered or whose run is stopped, and
// a response file that cannot be written.
#include "FaultFixture.h"

#include <sys/stat.h>

namespace
{
class Outcomes : public FaultFixture
{
protected:
    void SetUp() override
    {
        // Generous, so that a loaded machine never makes a sound exchange look like a failure.
        work.Write("axis2/axis2.xml",
                   "<axisconfig name=\"Axis2/C\"><parameter name=\"SO_TIMEOUT\">30000</parameter></axisconfig>");
        Script("Setup/01_run.sh", "echo run >> ../runs\n");
        item = WorkItemXml("wi-1", "Setup");
    }

    /// Marks the task Setup as the final stage.
    void FinalStageIsSetup() const
    {
        work.Write("conf/config.xml", "<stages><stage id='Setup'>True</stage></stages>");
    }

    bool FinalStageRecorded() const
    {
        return work.Exists("scripts/.tarvel/final");
    }

    /// The one log line that holds `part`; empty when none does.
    std::string LineWith(const std::string& part) const
    {
        const std::string log = Log();
        const std::size_t at = log.find(part);
        if (at == std::string::npos)
            return std::string();
        const std::size_t start = log.rfind('\n', at);
        const std::size_t begin = start == std::string::npos ? 0 : start + 1;
        return log.substr(begin, log.find('\n', at) - begin);
    }

    std::string item;
};

/// A reply to WorkItemComplete (a scenario entry of server.js) and what it comes to.
struct Reply
{
    const char* what;
    std::string scenario;
    enum
    {
        Accepted,
        Kept,
        Rejected
    } outcome;
    /// In the log line that says why it was not accepted.
    std::string cause;
};

std::string Envelope(const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope "
           "xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>" +
           body + "</soap:Body></soap:Envelope>";
}

std::string Raw(int status, const std::string& body)
{
    return "{\"raw\": " + SoapServer::JsonString(body) + ", \"status\": " + std::to_string(status) + "}";
}
} // namespace

TEST_F(Outcomes, EveryReplyToTheReportIsJudgedForWhatItSays)
{
    const std::vector<Reply> replies = {
        {"normal response element", "{}", Reply::Accepted, ""},
        {"202 without a body", Raw(202, ""), Reply::Accepted, ""},
        {"200 without a body", Raw(200, ""), Reply::Accepted, ""},
        {"200 with an empty SOAP Body", Raw(200, Envelope("")), Reply::Accepted, ""},
        {"200 with another element", Raw(200, Envelope("<Unrelated xmlns=\"urn:x\"/>")), Reply::Kept,
         "HTTP 200 with the element {urn:x}Unrelated in place of the operation's WorkItemCompleteResponse"},
        {"the same element name in another namespace",
         Raw(200, Envelope("<WorkItemCompleteResponse xmlns=\"urn:x\"/>")), Reply::Kept,
         "{urn:x}WorkItemCompleteResponse in place of"},
        {"Server fault", "{\"fault\": {\"code\": \"soap:Server\", \"string\": \"db down\"}}", Reply::Kept,
         "soap:Server: db down"},
        {"Client fault", "{\"fault\": {\"code\": \"soap:Client\", \"string\": \"no such item\"}}", Reply::Rejected,
         "soap:Client: no such item"},
        {"413 without a fault", "{\"httpStatus\": 413, \"body\": \"too large\"}", Reply::Rejected, "HTTP 413"},
        {"503 without a fault", "{\"httpStatus\": 503, \"body\": \"maintenance\"}", Reply::Kept, "HTTP 503"},
    };
    SoapServer server;
    server.Start();
    for (const Reply& reply : replies)
    {
        SCOPED_TRACE(reply.what);
        Remove("agent.log");
        Remove("scripts/runs");
        Remove("scripts/.tarvel");
        server.SetScenario(SoapServer::WorkItemScenario(item, reply.scenario));
        const std::size_t sent = Requests(server, "WorkItemComplete").size();
        EXPECT_EQ(RunAgainst(server).status, 0);
        EXPECT_EQ(Read("scripts/runs"), "run\n");
        ASSERT_EQ(Requests(server, "WorkItemComplete").size(), sent + 1);

        const bool accepted = Logged("Information", "Successfully sent the work item response for id=wi-1");
        const std::string kept = LineWith("Warning|The work item response for id=wi-1 did not reach the server (");
        const std::string refused = LineWith("Error|The server refused the work item response for id=wi-1 (");
        EXPECT_EQ(accepted, reply.outcome == Reply::Accepted) << Log();
        EXPECT_EQ(StateFiles("outbox").size(), reply.outcome == Reply::Kept ? 1u : 0u);
        EXPECT_EQ(StateFiles("rejected").size(), reply.outcome == Reply::Rejected ? 1u : 0u);
        if (reply.outcome == Reply::Kept)
            EXPECT_NE(kept.find(reply.cause), std::string::npos) << Log();
        else
            EXPECT_EQ(kept, "") << Log();
        if (reply.outcome == Reply::Rejected)
            EXPECT_NE(refused.find(reply.cause), std::string::npos) << Log();
        else
            EXPECT_EQ(refused, "") << Log();
    }
}

TEST_F(Outcomes, AcceptedEmptyReplyDoesNotHoldUpTheNextRun)
{
    // Once kept wrongly, a report the server took was sent again before every request for work.
    SoapServer server(SoapServer::WorkItemScenario(item, Raw(202, "")));
    server.Start();
    EXPECT_EQ(RunAgainst(server).status, 0);
    server.SetScenario("{\"GetWorkItem\": {\"missing\": true}}");
    EXPECT_EQ(RunAgainst(server).status, 1);
    const std::vector<SoapServer::Request> requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[2].operation, "GetWorkItem");
}

TEST_F(Outcomes, FinalStageWhoseReportIsKeptEndsWithOneUntilItIsDelivered)
{
    FinalStageIsSetup();
    SoapServer server(SoapServer::WorkItemScenario(item, "{\"httpStatus\": 500, \"body\": \"down\"}"));
    server.Start();
    EXPECT_EQ(RunAgainst(server).status, 1) << Log();
    EXPECT_EQ(StateFiles("outbox").size(), 1u);
    EXPECT_TRUE(FinalStageRecorded());
    EXPECT_NE(LineWith("Warning|The final stage is reached, but its report is kept"), "") << Log();

    // Still down: kept, 1 again, no work asked for.
    Remove("agent.log");
    EXPECT_EQ(RunAgainst(server).status, 1);
    EXPECT_EQ(Requests(server, "GetWorkItem").size(), 1u);

    // The run that delivers the report ends the sequence, and asks for no more work though the
    // server would hand out some.
    server.SetScenario(SoapServer::WorkItemScenario(WorkItemXml("wi-2", "Setup")));
    Remove("agent.log");
    EXPECT_EQ(RunAgainst(server).status, 255) << Log();
    EXPECT_TRUE(Logged("Information", "Successfully sent the work item response for id=wi-1")) << Log();
    EXPECT_EQ(Requests(server, "GetWorkItem").size(), 1u);
    EXPECT_EQ(Requests(server, "WorkItemComplete").size(), 3u);
    EXPECT_TRUE(StateFiles("outbox").empty());
    EXPECT_FALSE(FinalStageRecorded());
    EXPECT_EQ(Read("scripts/runs"), "run\n");

    // Provisioning again (the caller's marker removed): work is asked for as before.
    EXPECT_EQ(RunAgainst(server).status, 255);
    EXPECT_EQ(Requests(server, "GetWorkItem").size(), 2u);
    EXPECT_EQ(Read("scripts/runs"), "run\nrun\n");
}

TEST_F(Outcomes, StopAfterTheFinalReportIsStoredDoesNotTurn255IntoOne)
{
    FinalStageIsSetup();
    // The last script leaves behind what a reboot does: a SIGTERM for the agent, here sent as soon
    // as the report is stored, while the server takes seconds to answer it: fewer than the 5 s a
    // delivery has once a stop came, since on a loaded machine the signal may land before the
    // delivery begins.
    Script("Setup/02_reboot.sh",
           "agent=$PPID\n"
           "(while [ -z \"$(ls ../.tarvel/outbox 2>/dev/null)\" ]; do sleep 0.05; done; kill -TERM $agent) "
           "</dev/null >/dev/null 2>&1 &\n");
    SoapServer server(SoapServer::WorkItemScenario(item, "{\"slowBytesPerSecond\": 200}"));
    server.Start();
    EXPECT_EQ(RunAgainst(server).status, 255) << Log();
    EXPECT_TRUE(Logged("Information", "Successfully sent the work item response for id=wi-1")) << Log();
    EXPECT_TRUE(StateFiles("outbox").empty());
    ExpectReport(ReportOf(Requests(server, "WorkItemComplete").at(0)), true, "");
    // The caller was being stopped too and may not have taken the status in: the next run says
    // 255 again, without asking for work.
    EXPECT_TRUE(Logged("Information", "The final stage stays recorded after SIGTERM: the next run ends with 255 too"))
        << Log();
    EXPECT_TRUE(FinalStageRecorded());
    Remove("agent.log");
    EXPECT_EQ(RunAgainst(server).status, 255) << Log();
    EXPECT_EQ(Requests(server, "GetWorkItem").size(), 1u);
    EXPECT_FALSE(FinalStageRecorded());
}

TEST_F(Outcomes, StopDuringTheFinalScriptIsAnInterruptionNotTheEnd)
{
    FinalStageIsSetup();
    Configure("tarvel.stopGrace = 1");
    Script("Setup/02_wait.sh", "kill -TERM $PPID\nsleep 300\n");
    SoapServer server(SoapServer::WorkItemScenario(item));
    server.Start();
    EXPECT_EQ(RunAgainst(server).status, 1) << Log();
    ExpectReport(ReportOf(Requests(server, "WorkItemComplete").at(0)), false, "The run was interrupted by SIGTERM");
    EXPECT_FALSE(FinalStageRecorded());
}

TEST_F(Outcomes, DamagedFinalStageRecordIsDroppedAndWorkIsAskedFor)
{
    SoapServer server(SoapServer::WorkItemScenario(item));
    server.Start();
    for (const std::string& content : {std::string("../../etc/passwd\n"), std::string(), std::string(4096, 'a')})
    {
        Remove("agent.log");
        // Planted as the agent would keep it: owner-only, its own user's.
        work.Write("scripts/.tarvel/final", content);
        ::chmod((work / "scripts/.tarvel").c_str(), 0700);
        ::chmod((work / "scripts/.tarvel/final").c_str(), 0600);
        EXPECT_EQ(RunAgainst(server).status, 0) << Log();
        // One too large for a token is set aside by the state directory before it is read.
        const bool refused = !LineWith("Error|The record of the final stage '").empty() ||
                             !LineWith("Error|The state entry '" + (work / "scripts/.tarvel/final") + "'").empty();
        EXPECT_TRUE(refused) << Log();
        EXPECT_FALSE(FinalStageRecorded());
    }
    EXPECT_EQ(Requests(server, "GetWorkItem").size(), 3u);
}

TEST_F(Outcomes, ResponseFileThatCannotBeWrittenIsAFailure)
{
    work.Write("file", "a regular file\n");
    for (const bool final : {false, true})
    {
        SCOPED_TRACE(final ? "final stage" : "plain item");
        Remove("agent.log");
        if (final)
            FinalStageIsSetup();
        const AgentResult result = RunItems({Item("Setup")}, {"--response", "file/out.xml"});
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(Log().find("Successfully sent"), std::string::npos) << Log();
        EXPECT_TRUE(Logged("Error", "The work item response cannot be written to 'file/out.xml': Not a directory "
                                    "(work item id=wi-1)"))
            << Log();
        // Handled all the same: nothing is left for a next run to recover.
        EXPECT_FALSE(work.Exists("scripts/.tarvel/inflight"));
    }
}
