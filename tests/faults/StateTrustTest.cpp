// The agent's state directory read as input: records and entries that another user planted or
// forged, a directory that is loose, swapped while a script runs, or shared, and a second run
// beside the first. The built program in filesystem mode and against the test SOAP server.
#include "FaultFixture.h"

#include <Poco/File.h>
#include <Poco/String.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <memory>

namespace
{
unsigned Mode(const std::string& path)
{
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

/// A response document as the agent writes it.
std::string Response(const std::string& id, bool succeeded)
{
    return "<workItemResponse id=\"" + id + "\">\n\t<task type=\"Setup\">\n\t\t<result succeeded=\"" +
           (succeeded ? "true" : "false") + "\">\n\t\t\t<message/>\n\t\t</result>\n\t</task>\n</workItemResponse>\n";
}

class StateTrust : public FaultFixture
{
protected:
    void SetUp() override
    {
        Script("Setup/01_run.sh", "echo run >> ../runs\n");
        item = WorkItemXml("wi-1", "Setup");
    }

    /// A directory below the working directory, owner-only, as the agent makes its own.
    std::string OwnerOnly(const std::string& relative) const
    {
        const std::string path = work.MakeDirectory(relative);
        ::chmod(path.c_str(), 0700);
        return path;
    }

    /// Writes `relative` below the default state directory, owner-only unless told otherwise.
    std::string Plant(const std::string& relative, const std::string& content, unsigned mode = 0600) const
    {
        OwnerOnly("scripts/.tarvel");
        return work.Write("scripts/.tarvel/" + relative, content, mode);
    }

    bool ErrorLogged(const std::string& part) const
    {
        return Errors().find(part) != std::string::npos;
    }

    /// The fsync and fdatasync calls that a run makes, the scripts' included.
    int Syncs(const std::vector<std::string>& arguments)
    {
        Remove("syncs.txt");
        // The counter comes before the sanitizers' runtime, where the agent is built with them.
        const AgentResult result = Run(arguments, {{"LD_PRELOAD", FSYNC_COUNTER},
                                                   {"FSYNC_COUNT_FILE", work / "syncs.txt"},
                                                   {"ASAN_OPTIONS", "verify_asan_link_order=0"}});
        EXPECT_FALSE(result.timedOut);
        std::ifstream counts(work / "syncs.txt");
        int total = 0;
        long process = 0;
        for (int count = 0; counts >> process >> count;)
            total += count;
        return total;
    }

    std::string item;
    const std::string noWork = "{\"GetWorkItem\": {\"missing\": true}}";
};
} // namespace

TEST_F(StateTrust, ForgedInFlightRecordIsSetAsideAndNothingOutsideIsTouched)
{
    // Where the forged token and directory lead.
    work.Write("scripts/victim/config.xml", "<config>keep</config>");
    work.Write("scripts/victim/properties.xml", "keep");
    work.Write("scripts/Setup/properties.xml", "keep too");
    Plant("inflight", "token=nosuch/../../../victim/config\nid=wi-0\ntask=Setup\ndirectory=" +
                          (work / "scripts/victim/") + "\nscript=01_run.sh\n");
    SoapServer server(noWork);
    server.Start();
    EXPECT_EQ(RunAgainst(server).status, 1) << Log();
    EXPECT_EQ(Read("scripts/victim/config.xml"), "<config>keep</config>");
    EXPECT_EQ(Read("scripts/victim/properties.xml"), "keep");
    EXPECT_EQ(Read("scripts/Setup/properties.xml"), "keep too");
    EXPECT_TRUE(Requests(server, "WorkItemComplete").empty());
    EXPECT_EQ(Requests(server, "GetWorkItem").size(), 1u);
    EXPECT_TRUE(ErrorLogged("/scripts/.tarvel/inflight' is not used: it is a damaged in-flight record: its token "
                            "'nosuch/../../../victim/config' is not one the agent makes; it was moved to '"))
        << Log();
    EXPECT_EQ(StateFiles("broken").size(), 1u);
    EXPECT_FALSE(work.Exists("scripts/.tarvel/inflight"));
}

TEST_F(StateTrust, RecoveryFindsTheTaskDirectoryByTheTasksNameOnly)
{
    work.Write("victim/properties.xml", "keep");
    work.Write("scripts/Setup/properties.xml", "the secrets a killed run left");
    Plant("inflight",
          "token=18ef4af128434750-4242\nid=wi-0\ntask=Setup\ndirectory=" + (work / "victim/") + "\nscript=01_run.sh\n");
    EXPECT_EQ(Run({"--name", "agent-1", "--script", "scripts", "--response", "out.xml"}).status, 1);
    EXPECT_FALSE(work.Exists("scripts/Setup/properties.xml"));
    EXPECT_EQ(Read("victim/properties.xml"), "keep");
    EXPECT_TRUE(
        Logged("Error", "The previous run ended while '01_run.sh' ran; the agent was stopped (work item id=wi-0)"))
        << Log();

    // A task whose name leads out names no directory at all.
    Plant("inflight", "token=18ef4af128434750-4243\nid=wi-0\ntask=../victim\ndirectory=" + (work / "victim/") + "\n");
    EXPECT_EQ(Run({"--name", "agent-1", "--script", "scripts", "--response", "out.xml"}).status, 1);
    EXPECT_EQ(Read("victim/properties.xml"), "keep");
    EXPECT_FALSE(work.Exists("scripts/.tarvel/inflight"));
}

TEST_F(StateTrust, LooseStateDirectoryIsRefusedNotTightened)
{
    work.Write("items/setup.xml", item);
    EXPECT_EQ(RunItems({"items/setup.xml"}).status, 0);
    ::chmod((work / "scripts/.tarvel").c_str(), 0755);
    EXPECT_EQ(RunItems({"items/setup.xml"}).status, 1);
    EXPECT_TRUE(Logged("Error", "The state directory '" + (work / "scripts/.tarvel") +
                                    "' is open to other users (mode 0755); it is not used. Check what it holds, then "
                                    "make it owner-only: chmod 0700 '" +
                                    (work / "scripts/.tarvel") + "'"))
        << Log();
    EXPECT_EQ(Mode(work / "scripts/.tarvel"), 0755u);
    EXPECT_EQ(Read("scripts/runs"), "run\n");
}

TEST_F(StateTrust, EntriesAnotherUserPlantedAreSetAsideAndNeverUsed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "another user's files can be made only as root";
    // An outbox open to everyone with a forged report in it, a record and a lock of another user's,
    // the lock held (as by whoever planted it) with a process id of their choice.
    const std::string outbox = OwnerOnly("scripts/.tarvel/outbox");
    ::chmod(outbox.c_str(), 0777);
    const std::string forged = Plant("outbox/0000000000000001-1.xml", Response("wi-9", true));
    const std::string record = Plant("inflight", "token=0000000000000002-1\nid=wi-8\ntask=Setup\n");
    const std::string lock = Plant("lock", "1\n", 0644);
    for (const std::string& path : {forged, record, lock})
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    const int held = ::open(lock.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    SoapServer server(SoapServer::WorkItemScenario(item));
    server.Start();
    const AgentResult result = RunAgainst(server);
    ::close(held);
    EXPECT_EQ(result.status, 0) << Log();
    EXPECT_EQ(Read("scripts/runs"), "run\n");
    const std::vector<SoapServer::Request> reports = Requests(server, "WorkItemComplete");
    ASSERT_EQ(reports.size(), 1u) << Log();
    ExpectReport(ReportOf(reports[0]), true, "");
    EXPECT_NE(ReportOf(reports[0]).find("id=\"wi-1\""), std::string::npos);
    EXPECT_TRUE(ErrorLogged("/scripts/.tarvel/outbox' is not used: other users may use it (mode 0777)")) << Log();
    EXPECT_TRUE(ErrorLogged("/scripts/.tarvel/inflight' is not used: it belongs to another user (uid 65534)")) << Log();
    EXPECT_TRUE(ErrorLogged("/scripts/.tarvel/lock' is not used: it belongs to another user (uid 65534)")) << Log();
    EXPECT_EQ(StateFiles("broken").size(), 3u);
    EXPECT_EQ(Mode(work / "scripts/.tarvel/outbox"), 0700u);
}

TEST_F(StateTrust, DirectoryAboveTheStateDirectoryThatOthersMayWriteIsRefused)
{
    work.Write("items/setup.xml", item);
    ::chmod(work.MakeDirectory("shared").c_str(), 0777);
    Configure("tarvel.state = " + (work / "shared/state"));
    EXPECT_EQ(RunItems({"items/setup.xml"}).status, 1);
    EXPECT_TRUE(Logged("Error", "The directory above the state directory '" + (work / "shared") +
                                    "' is writable by other users (mode 0777); the task's scripts are not run"))
        << Log();
    EXPECT_FALSE(work.Exists("shared/state"));
    EXPECT_FALSE(work.Exists("scripts/runs"));
}

TEST_F(StateTrust, StateDirectorySwappedForALinkDuringAScriptIsNotFollowed)
{
    const std::string state = work / "state";
    Configure("tarvel.state = " + state);
    // As someone who may rename it would: the real one goes, a link to a forged one takes its
    // place, holding reports that claim success under the names the item's report gets.
    Script("Setup/01_swap.sh", "token=$(sed -n 's/^token=//p' '" + state +
                                   "/inflight')\n"
                                   "mv '" +
                                   state + "' '" + state +
                                   ".moved'\n"
                                   "mkdir -p '" +
                                   (work / "forged/outbox") +
                                   "'\n"
                                   "for name in \"$token.xml\" \"$token~wi-1.xml\"; do\n"
                                   "  printf '%s' '" +
                                   Response("wi-1", true) + "' > '" + (work / "forged/outbox") +
                                   "/'\"$name\"\n"
                                   "done\n"
                                   "ln -s '" +
                                   (work / "forged") + "' '" + state + "'\nexit 1\n");
    SoapServer server(SoapServer::WorkItemScenario(item));
    server.Start();
    EXPECT_EQ(RunAgainst(server).status, 0) << Log();
    const std::vector<SoapServer::Request> reports = Requests(server, "WorkItemComplete");
    ASSERT_EQ(reports.size(), 1u) << Log();
    ExpectReport(ReportOf(reports[0]), false, "01_swap.sh");
    // Nothing was written into the forged directory, and the item's own state went on where it was.
    std::vector<std::string> forged;
    Poco::File(work / "forged/outbox").list(forged);
    ASSERT_EQ(forged.size(), 2u);
    for (const std::string& name : forged)
        EXPECT_EQ(Read("forged/outbox/" + name), Response("wi-1", true)) << name;
    EXPECT_FALSE(work.Exists("forged/inflight"));
    EXPECT_FALSE(work.Exists("state.moved/inflight"));

    // The next run finds the link and stops before it asks for anything.
    Remove("agent.log");
    EXPECT_EQ(RunAgainst(server).status, 1);
    EXPECT_TRUE(Logged("Error", "The state directory '" + state + "' is not a directory (a link is not followed)"))
        << Log();
    EXPECT_EQ(server.Requests().size(), 2u);
}

TEST_F(StateTrust, UnusableOutboxEntriesAreSetAsideAndTheRunGoesOn)
{
    // A genuine report that did not get through.
    SoapServer server(SoapServer::WorkItemScenario(item, "{\"httpStatus\": 503, \"body\": \"\"}"));
    server.Start();
    EXPECT_EQ(RunAgainst(server).status, 0);
    ASSERT_EQ(StateFiles("outbox").size(), 1u);
    const std::string kept = ReportOf(Requests(server, "WorkItemComplete").at(0));

    // Older than it, so met first: nested 200,000 deep, a FIFO, a link to a forged report, a
    // directory, and 150 MB (sparse: nothing is written).
    std::string deep = "<workItemResponse id=\"wi-deep\">";
    for (int level = 0; level < 200000; ++level)
        deep += "<d>";
    Plant("outbox/0000000000000001-1.xml", deep);
    ASSERT_EQ(::mkfifo((work / "scripts/.tarvel/outbox/0000000000000002-1.xml").c_str(), 0600), 0);
    work.Write("forged.xml", Response("wi-9", true));
    ASSERT_EQ(
        ::symlink((work / "forged.xml").c_str(), (work / "scripts/.tarvel/outbox/0000000000000003-1.xml").c_str()), 0);
    OwnerOnly("scripts/.tarvel/outbox/0000000000000004-1.xml");
    const std::string huge = Plant("outbox/0000000000000005-1.xml", "");
    ASSERT_EQ(::truncate(huge.c_str(), 150 * 1000 * 1000), 0);

    server.SetScenario(noWork);
    Remove("agent.log");
    EXPECT_EQ(RunAgainst(server).status, 1) << Log();
    const std::vector<SoapServer::Request> requests = server.Requests();
    ASSERT_EQ(requests.size(), 4u) << Log();
    EXPECT_EQ(requests[2].operation, "WorkItemComplete");
    EXPECT_EQ(ReportOf(requests[2]), kept);
    EXPECT_EQ(requests[3].operation, "GetWorkItem");
    EXPECT_TRUE(StateFiles("outbox").empty());
    EXPECT_EQ(StateFiles("broken").size(), 5u);
    for (const std::string& cause :
         std::vector<std::string>{"0000000000000001-1.xml' is not used: it is not a work item response of the "
                                  "agent's shape",
                                  "0000000000000002-1.xml' is not used: it is a FIFO, not a regular file",
                                  "0000000000000003-1.xml' is not used: it is a symbolic link",
                                  "0000000000000004-1.xml' is not used: it is a directory, not a regular file",
                                  "0000000000000005-1.xml' is not used: it holds 150000000 bytes, more than the "
                                  "134217728 the agent writes there"})
        EXPECT_TRUE(ErrorLogged(cause)) << cause << "\n" << Log();
    EXPECT_EQ(Read("forged.xml"), Response("wi-9", true));
}

TEST_F(StateTrust, RefusedSecondRunLeavesTheFirstRunsFilesAlone)
{
    work.Write("items/setup.xml", item);
    Script("Setup/01_wait.sh", "echo $$ > ../group\nwhile [ ! -e ../go ]; do sleep 0.05; done\n");
    std::unique_ptr<RunningAgent> first =
        Start({"--name", "agent-1", "--script", "scripts", "--workitem", "items/setup.xml", "--response", "out.xml"});
    ASSERT_TRUE(WaitFor([this] { return !Poco::trim(Read("scripts/group")).empty(); })) << Log();
    // The first run in the middle of a write.
    Plant(".inflight.tmp", "half of a record");

    EXPECT_EQ(RunItems({"items/setup.xml"}, {"--response", "second.xml"}).status, 1);
    EXPECT_EQ(Read("scripts/.tarvel/.inflight.tmp"), "half of a record");
    EXPECT_FALSE(work.Exists("second.xml"));
    work.Write("scripts/go", "");
    EXPECT_EQ(first->Wait().status, 0) << Log();
    EXPECT_NE(Read("out.xml").find("<result succeeded=\"true\">"), std::string::npos) << Read("out.xml");
}

TEST_F(StateTrust, StrangeTemporariesAndSharedDirectoriesNeitherBlockNorLoseFiles)
{
    work.Write("items/setup.xml", item);
    // A directory where the record's temporary file goes.
    OwnerOnly("scripts/.tarvel");
    OwnerOnly("scripts/.tarvel/.inflight.tmp");
    work.Write("scripts/.tarvel/.inflight.tmp/inside", "");
    EXPECT_EQ(RunItems({"items/setup.xml"}, {"--response", "out.xml"}).status, 0) << Log();
    EXPECT_NE(Read("out.xml").find("<result succeeded=\"true\">"), std::string::npos) << Read("out.xml");
    EXPECT_TRUE(ErrorLogged("/scripts/.tarvel/.inflight.tmp' is not used: a directory where the agent writes a "
                            "temporary file"))
        << Log();

    // A shared directory, as /tmp is, is no state directory: refused, and nothing in it changes.
    const std::string shared = work.MakeDirectory("shared");
    ::chmod(shared.c_str(), 01777);
    work.Write("shared/.other.tmp", "someone's");
    work.Write("shared/.inflight.tmp", "someone else's");
    Configure("tarvel.state = " + shared);
    EXPECT_EQ(RunItems({"items/setup.xml"}).status, 1);
    EXPECT_TRUE(Logged("Error", "The state directory '" + shared +
                                    "' is open to other users (mode 1777); it is not used. Check what it holds, "
                                    "then make it owner-only: chmod 0700 '" +
                                    shared + "'"))
        << Log();
    EXPECT_EQ(Mode(shared), 01777u);
    EXPECT_EQ(Read("shared/.other.tmp"), "someone's");
    EXPECT_EQ(Read("shared/.inflight.tmp"), "someone else's");
    EXPECT_FALSE(work.Exists("shared/lock"));
}

TEST_F(StateTrust, TaskThatNamesTheStateDirectoryIsRefused)
{
    for (const std::string& task : std::vector<std::string>{".tarvel", "./.tarvel/broken"})
    {
        SCOPED_TRACE(task);
        work.Write("items/state.xml", WorkItemXml("wi-2", task));
        EXPECT_EQ(RunItems({"items/state.xml"}, {"--response", "out.xml"}).status, 0) << Log();
        ExpectReport(Read("out.xml"), false,
                     "The task '" + task + "' is refused: its directory lies in the agent's state directory '" +
                         (work / "scripts/.tarvel") + "'");
        EXPECT_FALSE(work.Exists("scripts/.tarvel/properties.xml"));
        EXPECT_FALSE(work.Exists("scripts/.tarvel/broken/properties.xml"));
    }
    // One named elsewhere below the script root too.
    Configure("tarvel.state = " + (work / "scripts/Keep/state"));
    work.Write("items/state.xml", WorkItemXml("wi-3", "Keep/state"));
    EXPECT_EQ(RunItems({"items/state.xml"}, {"--response", "out.xml"}).status, 0) << Log();
    ExpectReport(Read("out.xml"), false, "its directory lies in the agent's state directory");
    EXPECT_FALSE(work.Exists("scripts/Keep/state/properties.xml"));
}

TEST_F(StateTrust, DurableStateCostsAnItemAtMostTwoSyncsInFilesystemModeAndFourInNetworkMode)
{
    for (const char* name : {"Setup/02_more.sh", "Setup/03_more.sh", "Setup/04_more.sh"})
        Script(name, "true\n");
    work.Write("items/setup.xml", item);
    const std::vector<std::string> filesystem{"--name",     "agent-1",         "--script",   "scripts",
                                              "--workitem", "items/setup.xml", "--response", "out.xml"};
    // The first run makes the state directory; then each item pays the same, whatever its scripts.
    EXPECT_EQ(Run(filesystem).status, 0);
    const int local = Syncs(filesystem);
    EXPECT_GT(local, 0) << "nothing counted: is the counter loaded?";
    EXPECT_LE(local, 2);
    EXPECT_NE(Read("out.xml").find("<result succeeded=\"true\">"), std::string::npos);

    SoapServer server(noWork);
    server.Start();
    const std::vector<std::string> network{
        "--host", "127.0.0.1:" + std::to_string(server.Port()), "--name", "agent-1", "--script", "scripts"};
    EXPECT_EQ(Run(network).status, 1);
    server.SetScenario(SoapServer::WorkItemScenario(item));
    const int remote = Syncs(network);
    EXPECT_GT(remote, 0);
    EXPECT_LE(remote, 4);
    const std::vector<SoapServer::Request> reports = Requests(server, "WorkItemComplete");
    ASSERT_EQ(reports.size(), 1u);
    ExpectReport(ReportOf(reports[0]), true, "");
    EXPECT_EQ(Read("scripts/runs"), "run\nrun\nrun\n");
}
