// The network process of the built program, seen from outside while it waits on a server that
// stalls: not root, no capabilities, no new privileges, a seccomp filter, nothing of the
// agent's open. Killed or crashed mid-exchange it is a failed exchange, logged with the signal;
// a stop of the agent ends it too; and the separation can be turned off.
#include "FaultFixture.h"

#include <Poco/DirectoryIterator.h>
#include <Poco/File.h>
#include <Poco/NumberParser.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <map>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace
{
/// The fields of /proc/PID/status, by name; empty when the process is gone.
std::map<std::string, std::string> Status(int process)
{
    std::map<std::string, std::string> fields;
    std::ifstream stream("/proc/" + std::to_string(process) + "/status");
    for (std::string line; std::getline(stream, line);)
    {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        const std::size_t start = line.find_first_not_of(" \t", colon + 1);
        fields[line.substr(0, colon)] = start == std::string::npos ? std::string() : line.substr(start);
    }
    return fields;
}

/// Whether the process runs (neither gone nor a zombie).
bool Alive(int process)
{
    const std::map<std::string, std::string> fields = Status(process);
    const auto state = fields.find("State");
    return state != fields.end() && state->second.compare(0, 1, "Z") != 0;
}

/// The first child of `process`, 0 for none.
int ChildOf(int process)
{
    std::ifstream stream("/proc/" + std::to_string(process) + "/task/" + std::to_string(process) + "/children");
    int child = 0;
    stream >> child;
    return child;
}

class Confinement : public FaultFixture
{
protected:
    std::unique_ptr<RunningAgent> StartAgainst(const SoapServer& server)
    {
        return Start(
            {"--host", "127.0.0.1:" + std::to_string(server.Port()), "--name", "agent-1", "--script", "scripts"});
    }

    /// The agent's network process once it has confined itself; 0 when none appeared in time.
    static int ConfinedChild(const RunningAgent& agent)
    {
        int child = 0;
        WaitFor([&] {
            child = ChildOf(agent.Pid());
            return child > 0 && Status(child)["Seccomp"] == "2";
        });
        return child > 0 && Status(child)["Seccomp"] == "2" ? child : 0;
    }
};
} // namespace

TEST_F(Confinement, NetworkProcessIsUnprivilegedAndConfinedAndItsDeathIsAFailedFetch)
{
    SoapServer server("{\"GetWorkItem\": {\"hang\": true}}");
    server.Start();
    for (const int signal : {SIGKILL, SIGSEGV})
    {
        SCOPED_TRACE(signal);
        Remove("agent.log");
        std::unique_ptr<RunningAgent> agent = StartAgainst(server);
        const int child = ConfinedChild(*agent);
        ASSERT_GT(child, 0) << Log();
        // It waits for the server's reply by now, or is about to.
        ASSERT_TRUE(WaitFor([&] { return Requests(server, "GetWorkItem").size() == (signal == SIGKILL ? 1u : 2u); }));

        std::map<std::string, std::string> status = Status(child);
        std::istringstream uids(status["Uid"]);
        for (int field = 0; field < 4; ++field)
        {
            long uid = -1;
            uids >> uid;
            EXPECT_GT(uid, 0) << status["Uid"];
        }
        EXPECT_EQ(status["NoNewPrivs"], "1");
        EXPECT_EQ(status["Seccomp"], "2");
        EXPECT_EQ(status["CapEff"], "0000000000000000");
        EXPECT_EQ(status["CapPrm"], "0000000000000000");
        EXPECT_EQ(status["CapInh"], "0000000000000000");
        if (::geteuid() == 0)
        {
            // The packages' user where it exists, else nobody.
            const passwd* user = ::getpwnam("tarvel");
            user = user ? user : ::getpwnam("nobody");
            ASSERT_NE(user, nullptr);
            EXPECT_EQ(status["Uid"].substr(0, status["Uid"].find_first_of(" \t")), std::to_string(user->pw_uid));
            EXPECT_EQ(status["Groups"], "");
            EXPECT_EQ(status["CapBnd"], "0000000000000000");
            // Nothing of the agent's is open in it: its log, its state directory, its lock.
            for (Poco::DirectoryIterator it("/proc/" + std::to_string(child) + "/fd"), end; it != end; ++it)
            {
                char target[4096] = {};
                const ssize_t length = ::readlink(it.path().toString().c_str(), target, sizeof target - 1);
                const std::string path(target, length > 0 ? static_cast<std::size_t>(length) : 0);
                EXPECT_EQ(path.find("agent.log"), std::string::npos) << path;
                EXPECT_EQ(path.find(".tarvel"), std::string::npos) << path;
            }
        }

        ::kill(child, signal);
        const AgentResult result = agent->Wait(60);
        EXPECT_EQ(result.status, 1) << Log();
        EXPECT_TRUE(Logged("Error", "The exchange with " + server.Uri() +
                                        " failed: the network process was killed by " +
                                        (signal == SIGKILL ? "SIGKILL" : "SIGSEGV")))
            << Log();
        EXPECT_FALSE(Alive(child));
    }
}

TEST_F(Confinement, NetworkProcessKilledDuringTheReportKeepsIt)
{
    work.Write("scripts/Setup/.keep", "");
    SoapServer server(SoapServer::WorkItemScenario(WorkItemXml("wi-3", "Setup"), "{\"hang\": true}"));
    server.Start();
    std::unique_ptr<RunningAgent> agent = StartAgainst(server);
    ASSERT_TRUE(WaitFor([&] { return Requests(server, "WorkItemComplete").size() == 1u; })) << Log();
    const int child = ChildOf(agent->Pid());
    ASSERT_GT(child, 0);
    ::kill(child, SIGKILL);
    const AgentResult result = agent->Wait(60);
    // The item ran; its report waits in the outbox for the next run.
    EXPECT_EQ(result.status, 0) << Log();
    EXPECT_TRUE(Logged("Warning", "The work item response for id=wi-3 did not reach the server (the network process "
                                  "was killed by SIGKILL); it is kept for the next run"))
        << Log();
    EXPECT_EQ(StateFiles("outbox").size(), 1u);
    EXPECT_FALSE(Alive(child));

    // The next run's new network process delivers it.
    server.SetScenario(SoapServer::WorkItemScenario(WorkItemXml("wi-4", "Setup")));
    EXPECT_EQ(RunAgainst(server).status, 0) << Log();
    EXPECT_TRUE(StateFiles("outbox").empty());
    EXPECT_TRUE(Logged("Information", "Successfully sent the work item response for id=wi-3")) << Log();
}

TEST_F(Confinement, StopOrDeathOfTheAgentEndsItsNetworkProcess)
{
    Configure("tarvel.stopGrace = 1");
    SoapServer server("{\"GetWorkItem\": {\"hang\": true}}");
    server.Start();
    for (const int signal : {SIGTERM, SIGKILL})
    {
        SCOPED_TRACE(signal);
        std::unique_ptr<RunningAgent> agent = StartAgainst(server);
        const int child = ConfinedChild(*agent);
        ASSERT_GT(child, 0) << Log();
        ASSERT_TRUE(WaitFor([&] { return Requests(server, "GetWorkItem").size() == (signal == SIGTERM ? 1u : 2u); }));
        agent->Signal(signal);
        const AgentResult result = agent->Wait(60);
        if (signal == SIGTERM)
        {
            EXPECT_EQ(result.status, 1);
            EXPECT_NE(
                result.err.find("tarvel: stopped by SIGTERM; the work in progress did not end within the grace period"),
                std::string::npos)
                << result.err;
        }
        // Killed by the agent as it stops; after SIGKILL of the agent alone, by its parent-death signal.
        EXPECT_TRUE(WaitFor([&] { return !Alive(child); }, 10)) << "the network process " << child << " was left";
    }
}

TEST_F(Confinement, SeparationTurnedOffRunsTheExchangeInTheAgent)
{
    work.Write("scripts/Setup/.keep", "");
    SoapServer server(SoapServer::WorkItemScenario(WorkItemXml("wi-5", "Setup", {{"HostName", "vm-05"}})));
    server.Start();
    for (const std::string value : {"false", "no", "0"})
    {
        SCOPED_TRACE(value);
        Remove("agent.log");
        Configure("tarvel.confine = " + value);
        EXPECT_EQ(RunAgainst(server).status, 0) << Log();
        EXPECT_TRUE(Logged("Warning", "The network exchanges run in this process (tarvel.confine is off)")) << Log();
        EXPECT_TRUE(Logged("Information", "hostname -> vm-05")) << Log();
        EXPECT_TRUE(Logged("Information", "Successfully sent the work item response for id=wi-5")) << Log();
    }
}

TEST_F(Confinement, CertificatesAndKeysOnlyRootMayReadServeTheUnprivilegedProcess)
{
    // A private CA, a server certificate for 127.0.0.1 and a client certificate with its key, the
    // CA and the client's key where only root may read them (as an administrator keeps a key).
    const std::string make =
        "cd '" + work.Path() +
        "' && mkdir -m 0700 secret && "
        "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=TestCA -keyout ca.key -out secret/ca.pem "
        "2>/dev/null && "
        "openssl req -newkey rsa:2048 -nodes -subj /CN=localhost -keyout server.key -out server.csr 2>/dev/null && "
        "printf 'subjectAltName=IP:127.0.0.1\\n' > san.ext && "
        "openssl x509 -req -in server.csr -CA secret/ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile san.ext "
        "-out server.pem 2>/dev/null && "
        "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=agent -keyout client.key -out client.pem "
        "2>/dev/null && cat client.pem client.key > secret/client.pem && chmod 0600 secret/ca.pem secret/client.pem";
    ASSERT_EQ(std::system(make.c_str()), 0);
    work.Write("scripts/Setup/.keep", "");
    work.Write("axis2/axis2.xml", "<axisconfig name=\"Axis2/C\"><transportSender name=\"https\">"
                                  "<parameter name=\"SERVER_CERT\">" +
                                      (work / "secret/ca.pem") + "</parameter><parameter name=\"KEY_FILE\">" +
                                      (work / "secret/client.pem") + "</parameter></transportSender></axisconfig>");
    SoapServer server(SoapServer::WorkItemScenario(WorkItemXml("wi-6", "Setup")), work / "server.pem",
                      work / "server.key");
    server.Start();
    const AgentResult result = Run(
        {"--host", "127.0.0.1:" + std::to_string(server.Port()), "--ssl", "--name", "agent-1", "--script", "scripts"});
    EXPECT_EQ(result.status, 0) << Log() << Read("tarvel-axis.log");
    EXPECT_TRUE(Logged("Information", "Successfully sent the work item response for id=wi-6")) << Log();
    EXPECT_EQ(server.Requests().size(), 2u);
}
