// Where provisioning stands, as "tarvel-provision status" tells it: the built agent and the
// installed wrapper driven through runs that succeed, fail, keep their report, are in progress and
// finish, each followed by the status (screen and JSON, parsed here) and by waits; then histories
// that are damaged, cut short, huge or not files at all.
#include "FaultFixture.h"
#include "RefusingPort.h"

#include <Poco/File.h>
#include <Poco/JSON/Object.h>
#include <Poco/JSON/Parser.h>
#include <Poco/String.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace
{
using Object = Poco::JSON::Object::Ptr;

class Status : public FaultFixture
{
protected:
    void SetUp() override
    {
        Script("Setup/01_run.sh", "echo run >> ../runs\n");
        Script("Broken/01_fail.sh", "echo 'disk full' > tarvelerror.txt\nexit 3\n");
        Script("Final/01_done.sh", "true\n");
        work.Write("conf/config.xml", "<stages><stage id='Final'>True</stage></stages>");
        work.Write("defaults", "TARVEL_SCRIPT_ROOT=" + (work / "scripts") + "\nTARVEL_AXIS_LOG=" + (work / "axis.log") +
                                   "\nTARVEL_NAME=agent-1\n");
    }

    /// Runs the installed wrapper with `arguments`, its settings pointing into the test's
    /// directory; `more` adds to its environment.
    AgentResult Wrapper(const std::vector<std::string>& arguments, std::map<std::string, std::string> more = {},
                        int timeoutSeconds = 120)
    {
        std::vector<std::string> all{TARVEL_PROVISION_WRAPPER};
        all.insert(all.end(), arguments.begin(), arguments.end());
        more.emplace("TARVEL_PROGRAM", AgentProcess::Program());
        more.emplace("TARVEL_DEFAULTS", work / "defaults");
        more.emplace("TARVEL_CONFIG_DIR", work / "conf");
        more.emplace("TARVEL_MARKER", work / "provisioned");
        more.emplace("TARVEL_WAIT_POLL", "0.1");
        AgentResult result = AgentProcess::RunProgram("/bin/sh", all, work.Path(), more, timeoutSeconds);
        EXPECT_FALSE(result.timedOut);
        return result;
    }

    /// "status --json", parsed; `status` gets its exit status.
    Object Json(int& status, const std::vector<std::string>& more = {})
    {
        std::vector<std::string> arguments{"status", "--json"};
        arguments.insert(arguments.end(), more.begin(), more.end());
        const AgentResult result = Wrapper(arguments);
        status = result.status;
        EXPECT_EQ(result.err, "");
        Poco::JSON::Parser parser;
        try
        {
            return parser.parse(result.out).extract<Object>();
        }
        catch (const std::exception& exc)
        {
            ADD_FAILURE() << "not one JSON object: " << result.out;
            return Object(new Poco::JSON::Object);
        }
    }

    /// The newest run that the report lists.
    static Object LastRun(const Object& report)
    {
        const Poco::JSON::Array::Ptr runs = report->getArray("lastRuns");
        return runs && runs->size() > 0 ? runs->getObject(static_cast<unsigned>(runs->size() - 1))
                                        : Object(new Poco::JSON::Object);
    }

    std::string State(const std::string& relative) const
    {
        return work / ("scripts/.tarvel/" + relative);
    }
};

std::string Text(const Object& object, const std::string& key)
{
    return object->has(key) && object->get(key).isString() ? object->getValue<std::string>(key) : "(none)";
}
} // namespace

TEST_F(Status, FollowsRunsThatSucceedAndFailUntilTheFinalStage)
{
    // Before any run: nothing is there, and nothing is created by looking.
    int status = -1;
    Object report = Json(status);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(Text(report, "state"), "provisioning");
    EXPECT_FALSE(report->getObject("stateDirectory")->getValue<bool>("exists"));
    EXPECT_EQ(report->getArray("lastRuns")->size(), 0u);
    EXPECT_FALSE(work.Exists("scripts/.tarvel"));

    work.Write("items/setup.xml", WorkItemXml("wi-1", "Setup"));
    EXPECT_EQ(RunItems({"items/setup.xml"}, {"--response", "out.xml"}).status, 0);
    report = Json(status);
    EXPECT_EQ(status, 2);
    Object run = LastRun(report);
    EXPECT_EQ(Text(run, "outcome"), "succeeded");
    EXPECT_EQ(run->getValue<int>("status"), 0);
    EXPECT_EQ(Text(run, "agentId"), "agent-1");
    EXPECT_EQ(Text(run->getObject("item"), "id"), "wi-1");
    EXPECT_EQ(Text(run->getObject("item"), "task"), "Setup");
    EXPECT_TRUE(run->get("error").isEmpty());

    // A failed item needs attention: its reported text is in the run and in the verdict.
    work.Write("items/broken.xml", WorkItemXml("wi-2", "Broken"));
    EXPECT_EQ(RunItems({"items/broken.xml"}, {"--response", "out.xml"}).status, 0);
    report = Json(status);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(Text(report, "state"), "attention");
    run = LastRun(report);
    EXPECT_EQ(Text(run, "outcome"), "failed");
    EXPECT_EQ(Text(run->getObject("item"), "answer"), "failed");
    EXPECT_NE(Text(run, "error").find("disk full"), std::string::npos) << Text(run, "error");
    ASSERT_EQ(report->getArray("attention")->size(), 1u);
    EXPECT_NE(report->getArray("attention")->getElement<std::string>(0).find("disk full"), std::string::npos);

    // The screen says the same, for a person.
    AgentResult screen = Wrapper({"status"});
    EXPECT_EQ(screen.status, 1);
    EXPECT_NE(screen.out.find("Provisioning:     not done; a failure needs attention"), std::string::npos)
        << screen.out;
    EXPECT_NE(screen.out.find("failed       id=wi-2, task 'Broken'"), std::string::npos) << screen.out;

    // The wrapper's own loop runs the final stage: the marker is written and the status is done.
    work.Write("items/final.xml", WorkItemXml("wi-3", "Final"));
    const std::string options =
        "TARVEL_OPTIONS=\"--workitem " + (work / "items/final.xml") + " --response " + (work / "out.xml") + "\"\n";
    work.Write("defaults", Read("defaults") + options);
    EXPECT_EQ(Wrapper({}).status, 0);
    ASSERT_TRUE(work.Exists("provisioned"));
    report = Json(status);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(report->getValue<bool>("done"));
    EXPECT_EQ(Text(report->getObject("marker"), "written"), Poco::trim(Read("provisioned")));
    run = LastRun(report);
    EXPECT_EQ(run->getValue<int>("status"), 255);
    EXPECT_EQ(Text(run, "outcome"), "succeeded");
    EXPECT_EQ(report->getObject("history")->getValue<int>("runs"), 3);

    // Waiting for what is done ends at once.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Wrapper({"status", "--wait", "--timeout", "60"}).status, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
}

TEST_F(Status, KeptReportsAndARunInProgress)
{
    SoapServer server(
        SoapServer::WorkItemScenario(WorkItemXml("wi-1", "Setup"), "{\"httpStatus\": 503, \"body\": \"maintenance\"}"));
    server.Start();
    EXPECT_EQ(RunAgainst(server).status, 0);
    int status = -1;
    Object report = Json(status);
    EXPECT_EQ(status, 2) << "a report the agent retries is no failure of its own";
    Object run = LastRun(report);
    EXPECT_EQ(Text(run, "outcome"), "kept report");
    EXPECT_EQ(Text(run->getObject("item"), "answer"), "succeeded");
    EXPECT_EQ(run->getObject("outbox")->getValue<int>("kept"), 1);
    const Object outbox = report->getObject("outbox");
    EXPECT_EQ(outbox->getValue<int>("kept"), 1);
    EXPECT_NE(Text(outbox, "lastError").find("HTTP 503"), std::string::npos) << Text(outbox, "lastError");
    // The oldest report is this run's: kept after the run started, at a time of the same shape.
    const std::string oldest = Text(outbox, "oldest");
    EXPECT_EQ(oldest.size(), Text(run, "start").size()) << oldest;
    EXPECT_GE(oldest, Text(run, "start"));

    // The server is gone: the kept report stops the next run before it asks for work.
    {
        const RefusingPort gone;
        EXPECT_EQ(
            Run({"--host", "127.0.0.1:" + std::to_string(gone.Port()), "--name", "agent-1", "--script", "scripts"})
                .status,
            1);
    }
    report = Json(status);
    EXPECT_EQ(status, 2);
    run = LastRun(report);
    EXPECT_EQ(Text(run, "outcome"), "kept report");
    EXPECT_EQ(run->get("item").isEmpty(), true);
    EXPECT_NE(Text(run->getObject("outbox"), "problem").find("did not reach the server"), std::string::npos);

    // A run in progress: the status names its process and its item, and takes no lock from it.
    server.SetScenario("{\"GetWorkItem\": {\"missing\": true}}");
    EXPECT_EQ(RunAgainst(server).status, 1);
    Script("Setup/01_run.sh", "touch ../started\nwhile [ ! -e ../go ]; do sleep 0.05; done\n");
    work.Write("items/setup.xml", WorkItemXml("wi-9", "Setup"));
    std::unique_ptr<RunningAgent> agent =
        Start({"--name", "agent-1", "--script", "scripts", "--workitem", "items/setup.xml", "--response", "out.xml"});
    ASSERT_TRUE(WaitFor([&] { return work.Exists("scripts/started"); }));
    report = Json(status);
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(report->getValue<bool>("runInProgress"));
    EXPECT_EQ(report->getValue<int>("runProcess"), agent->Pid());
    EXPECT_EQ(Text(report->getObject("inFlight"), "id"), "wi-9");
    EXPECT_EQ(Text(report->getObject("inFlight"), "script"), "01_run.sh");
    const AgentResult screen = Wrapper({"status"});
    EXPECT_NE(screen.out.find("Run in progress:  process " + std::to_string(agent->Pid())), std::string::npos)
        << screen.out;
    work.Write("scripts/go", "");
    EXPECT_EQ(agent->Wait().status, 0) << Log();
    report = Json(status);
    EXPECT_FALSE(report->getValue<bool>("runInProgress"));
    EXPECT_TRUE(report->get("inFlight").isEmpty());
    EXPECT_EQ(Text(LastRun(report), "outcome"), "succeeded");
}

TEST_F(Status, WaitEndsWhenDoneOrAtItsTimeout)
{
    // Nothing happens: the wait ends at its timeout with the status of the moment, silently when
    // no terminal watches.
    auto start = std::chrono::steady_clock::now();
    AgentResult waited = Wrapper({"status", "--wait", "--timeout=2"});
    EXPECT_EQ(waited.status, 2);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(waited.err, "");
    EXPECT_NE(waited.out.find("Provisioning:     not done yet"), std::string::npos) << waited.out;

    // The marker appears meanwhile: the wait ends soon after with 0.
    std::thread finisher([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        work.Write("provisioned", "2024-05-01T10:00:00Z\n");
    });
    start = std::chrono::steady_clock::now();
    waited = Wrapper({"status", "--wait", "--timeout", "100", "--json"});
    finisher.join();
    EXPECT_EQ(waited.status, 0) << waited.out << waited.err;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
    EXPECT_NE(waited.out.find("\"done\":true"), std::string::npos) << waited.out;
    Remove("provisioned");

    // A state directory the agent refuses stays refused until a person acts: the wait ends on it.
    EXPECT_EQ(RunItems({}, {"--response", "out.xml"}).status, 1);
    ASSERT_EQ(::chmod((work / "scripts/.tarvel").c_str(), 0755), 0);
    waited = Wrapper({"status", "--wait", "--json"});
    EXPECT_EQ(waited.status, 1);
    EXPECT_NE(waited.out.find("is open to other users (mode 0755)"), std::string::npos) << waited.out;
    ASSERT_EQ(::chmod((work / "scripts/.tarvel").c_str(), 0700), 0);

    // On a terminal the wait says where it stands, on one line rewritten in place.
    if (::access("/usr/bin/script", X_OK) == 0)
    {
        const std::string command = "TARVEL_WAIT_POLL=0.1 TARVEL_PROGRAM='" + AgentProcess::Program() +
                                    "' TARVEL_DEFAULTS='" + (work / "defaults") + "' TARVEL_CONFIG_DIR='" +
                                    (work / "conf") + "' TARVEL_MARKER='" + (work / "provisioned") + "' sh '" +
                                    TARVEL_PROVISION_WRAPPER + "' status --wait --timeout 3";
        const AgentResult shown =
            AgentProcess::RunProgram("/usr/bin/script", {"-qec", command, "/dev/null"}, work.Path(), {}, 60);
        EXPECT_EQ(shown.status, 2);
        EXPECT_NE(shown.out.find("\r\033[KWaiting for provisioning ("), std::string::npos) << shown.out;
        EXPECT_NE(shown.out.find(" of 3 s): provisioning is not done yet; last run "), std::string::npos) << shown.out;
    }
}

TEST_F(Status, DamagedCutShortAndHugeHistories)
{
    EXPECT_EQ(RunItems({}, {"--response", "out.xml"}).status, 1);
    const std::string good = Poco::trim(Read("scripts/.tarvel/history"));
    // Damaged lines of every kind, and a last line cut short by a crash in the middle of a write.
    work.Write("scripts/.tarvel/history",
               good + "\nnot json\n{\"start\":\"x\",\"seconds\":1,\"status\":\"1\",\"outcome\":\"no work\"}\n[" +
                   std::string(100, '[') + "\n\xff\xfe\n" + good + "\n" + good.substr(0, good.size() / 2),
               0600);
    int status = -1;
    Object report = Json(status);
    EXPECT_EQ(status, 2);
    Object history = report->getObject("history");
    EXPECT_EQ(history->getValue<int>("runs"), 2);
    EXPECT_EQ(history->getValue<int>("skipped"), 5);
    EXPECT_TRUE(history->getValue<bool>("cutShort"));
    const AgentResult screen = Wrapper({"status"});
    EXPECT_NE(screen.out.find("History:          5 damaged line(s) passed over, the last one cut short"),
              std::string::npos)
        << screen.out;

    // The next run ends the cut line before its own, which reads back whole.
    EXPECT_EQ(RunItems({}, {"--response", "out.xml"}).status, 1);
    report = Json(status);
    EXPECT_EQ(report->getObject("history")->getValue<int>("runs"), 3);
    EXPECT_FALSE(report->getObject("history")->getValue<bool>("cutShort"));

    // 50 MB: the status reads its end only, and the next run trims it to its bound.
    std::string huge;
    while (huge.size() < 50 * 1000 * 1000)
        huge += good + "\n";
    work.Write("scripts/.tarvel/history", huge, 0600);
    Remove("peak");
    const AgentResult measured = AgentProcess::RunProgram(PEAK_RSS_PROGRAM,
                                                          {work / "peak", AgentProcess::Program(), "--status", "--json",
                                                           "--script", "scripts", "--config", "conf/tarvel.properties"},
                                                          work.Path(), {}, 120);
    EXPECT_EQ(measured.status, 2);
    EXPECT_NE(measured.out.find("\"unreadBytes\":"), std::string::npos);
    // A sanitizer build keeps freed blocks in quarantine, so its peak follows what was ever
    // allocated: reading the whole 50 MB would still pass far beyond its bound.
#if defined(__SANITIZE_ADDRESS__)
    const long peakLimitKb = 160 * 1024;
#else
    const long peakLimitKb = 40 * 1024;
#endif
    EXPECT_LT(std::stol("0" + Poco::trim(Read("peak"))), peakLimitKb) << "KiB: more than the history's bound";
    EXPECT_EQ(RunItems({}, {"--response", "out.xml"}).status, 1);
    struct stat trimmed;
    ASSERT_EQ(::stat(State("history").c_str(), &trimmed), 0);
    EXPECT_LE(trimmed.st_size, 1024 * 1024);
    report = Json(status);
    history = report->getObject("history");
    EXPECT_EQ(history->getValue<int>("unreadBytes"), 0);
    EXPECT_EQ(history->getValue<int>("skipped"), 0);
    EXPECT_LE(history->getValue<int>("runs"), 1000);

    // Not a file at all: a FIFO blocks neither the status nor the next run, which sets it aside.
    Remove("scripts/.tarvel/history");
    ASSERT_EQ(::mkfifo(State("history").c_str(), 0600), 0);
    report = Json(status);
    EXPECT_NE(Text(report->getObject("history"), "problem").find("a FIFO, not a regular file"), std::string::npos);
    EXPECT_EQ(RunItems({}, {"--response", "out.xml"}).status, 1);
    EXPECT_EQ(Poco::trim(Read("scripts/.tarvel/history")).find('\n'), std::string::npos);
    EXPECT_EQ(StateFiles("broken").size(), 1u);
}

TEST_F(Status, ReadsWithoutOwningTheStateOrChangingIt)
{
    work.Write("items/setup.xml", WorkItemXml("wi-1", "Setup"));
    EXPECT_EQ(RunItems({"items/setup.xml"}, {"--response", "out.xml"}).status, 0);
    // Every entry with its size and times, the directories' own included: a look changes none.
    const auto snapshot = [this] {
        std::string listing;
        for (const std::string folder : {"", "outbox", "rejected", "broken"})
        {
            struct stat status;
            if (::stat(State(folder).c_str(), &status) == 0)
                listing += folder + " " + std::to_string(status.st_mtim.tv_sec) + "." +
                           std::to_string(status.st_mtim.tv_nsec) + "\n";
            for (const std::string& name : StateFiles(folder))
            {
                if (::stat(State(folder + "/" + name).c_str(), &status) == 0)
                    listing += name + " " + std::to_string(status.st_size) + " " +
                               std::to_string(status.st_mtim.tv_sec) + "." + std::to_string(status.st_mtim.tv_nsec) +
                               "\n";
            }
        }
        return listing;
    };
    const std::string before = snapshot();
    int status = -1;
    Json(status);
    EXPECT_EQ(Wrapper({"status", "--wait", "--timeout=1"}).status, 2);
    EXPECT_EQ(snapshot(), before);

    if (::geteuid() != 0 || ::access("/usr/bin/setpriv", X_OK) != 0)
        GTEST_SKIP() << "not root, or without /usr/bin/setpriv: another user cannot be tested";
    // The state belongs to another user now (the agent as root would refuse it): it is read all the
    // same, by root and by that user, who may reach it and run a copy of the program.
    for (const std::string& name : StateFiles(""))
        ASSERT_EQ(::chown(State(name).c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chown(State("").c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(work.Path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod((work / "scripts").c_str(), 0755), 0);
    Poco::File(AgentProcess::Program()).copyTo(work / "tarvel");
    ASSERT_EQ(::chmod((work / "tarvel").c_str(), 0755), 0);
    const Object report = Json(status);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(report->getObject("history")->getValue<int>("runs"), 1);
    const AgentResult asNobody =
        AgentProcess::RunProgram("/usr/bin/setpriv",
                                 {"--reuid=65534", "--regid=65534", "--clear-groups", "--", work / "tarvel", "--status",
                                  "--json", "--script", "scripts", "--config", "conf/tarvel.properties"},
                                 work.Path(), {}, 60);
    EXPECT_EQ(asNobody.status, 2) << asNobody.out << asNobody.err;
    EXPECT_NE(asNobody.out.find("\"runs\":1"), std::string::npos) << asNobody.out;
    // A user who may not read it is told so, and that needs attention.
    ASSERT_EQ(::chown(State("").c_str(), 0, 0), 0);
    const AgentResult refused = AgentProcess::RunProgram(
        "/usr/bin/setpriv",
        {"--reuid=65534", "--regid=65534", "--clear-groups", "--", work / "tarvel", "--status", "--script", "scripts"},
        work.Path(), {}, 60);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find("cannot be read: Permission denied"), std::string::npos) << refused.out;
}

TEST_F(Status, ARunThatFailsAtItsStartIsRecorded)
{
    // Every run of the service would fail the same way: the status says so, with the agent's text.
    EXPECT_EQ(Run({"--name", "agent-1", "--script", "scripts"}).status, 1);
    int status = -1;
    Object report = Json(status);
    EXPECT_EQ(status, 1);
    Object run = LastRun(report);
    EXPECT_EQ(Text(run, "outcome"), "failed");
    EXPECT_EQ(Text(run, "error"), "The host parameter is required!");
    EXPECT_TRUE(run->get("agentId").isEmpty());

    Configure("tarvel.stopGrace = soon");
    EXPECT_EQ(RunItems({}, {"--response", "out.xml"}).status, 1);
    report = Json(status);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(Text(LastRun(report), "error"),
              "The setting tarvel.stopGrace must be a whole number of seconds, not 'soon'");
    EXPECT_EQ(report->getObject("history")->getValue<int>("runs"), 2);
}

TEST_F(Status, ARunThatAStopEndsIsRecordedAtOnceOrAfterItsGrace)
{
    Configure("tarvel.stopGrace = 1");
    SoapServer server(SoapServer::WorkItemScenario(WorkItemXml("wi-2", "Setup"), "{\"hang\": true}"));
    server.Start();
    const std::vector<std::string> arguments{
        "--host", "127.0.0.1:" + std::to_string(server.Port()), "--name", "agent-1", "--script", "scripts"};
    const std::vector<std::pair<int, std::string>> stops{{SIGTERM, "WorkItemComplete"}, {SIGHUP, "GetWorkItem"}};
    for (const auto& stop : stops)
    {
        SCOPED_TRACE(stop.second);
        // The item ran and its report hangs (the stop ends the run at once), then the fetch hangs
        // after the kept report went (the stop ends it when its grace has passed).
        const std::size_t before = Requests(server, stop.second).size();
        std::unique_ptr<RunningAgent> agent = Start(arguments);
        ASSERT_TRUE(WaitFor([&] { return Requests(server, stop.second).size() > before; })) << Log();
        agent->Signal(stop.first);
        EXPECT_EQ(agent->Wait(60).status, 1) << Log();

        int status = -1;
        const Object report = Json(status);
        EXPECT_EQ(status, 2);
        const Object run = LastRun(report);
        EXPECT_EQ(Text(run, "outcome"), "interrupted");
        EXPECT_EQ(run->getValue<int>("status"), 1);
        EXPECT_EQ(run->getValue<int>("pid"), agent->Pid());
        EXPECT_EQ(Text(run, "error"),
                  "The agent was stopped by " + std::string(stop.first == SIGTERM ? "SIGTERM" : "SIGHUP"));
        EXPECT_GE(run->getValue<double>("seconds"), stop.first == SIGTERM ? 0 : 1);
        if (stop.first == SIGTERM)
        {
            EXPECT_EQ(Text(run->getObject("item"), "id"), "wi-2");
            EXPECT_EQ(Text(run->getObject("item"), "answer"), "succeeded");
            EXPECT_EQ(report->getObject("outbox")->getValue<int>("kept"), 1);
        }
        else
            EXPECT_TRUE(run->get("item").isEmpty());
        EXPECT_EQ(report->getObject("history")->getValue<int>("skipped"), 0);
        server.SetScenario("{\"GetWorkItem\": {\"hang\": true}, \"WorkItemComplete\": {\"result\": \"\"}}");
    }
    // A run that ends by itself adds its own line only.
    server.SetScenario("{\"GetWorkItem\": {\"missing\": true}}");
    EXPECT_EQ(RunAgainst(server).status, 1);
    const std::string history = Read("scripts/.tarvel/history");
    EXPECT_EQ(std::count(history.begin(), history.end(), '\n'), 3) << history;
}
