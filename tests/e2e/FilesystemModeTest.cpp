#include "AgentFixture.h"
#include "EncryptionHelpers.h"

#include <Poco/File.h>

#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const std::string canary = "canary-Zq7v-secret";

class FilesystemMode : public AgentFixture
{
protected:
    /// A work item for task `task` with a plain and an encrypted property.
    std::string Item(const std::string& file, const std::string& task, const std::string& id = "wi-1")
    {
        work.Write("items/" + file, WorkItemXml(id, task,
                                                {{"HostName", "vm-01"},
                                                 {"Secret", EncryptionHelpers_Encrypt(canary)},
                                                 {"Secret.IsEncrypted", "true"}}));
        return "items/" + file;
    }

    void ExpectNoCanaryOutsideProperties(const AgentResult& result)
    {
        EXPECT_EQ(result.out.find(canary), std::string::npos);
        EXPECT_EQ(result.err.find(canary), std::string::npos);
        EXPECT_EQ(Log().find(canary), std::string::npos);
        EXPECT_EQ(Read("scripts/workitem.xml").find(canary), std::string::npos);
        EXPECT_EQ(Read("out.xml").find(canary), std::string::npos);
    }

    static std::string Response(const std::string& id, bool succeeded, const std::string& task,
                                const std::string& message, const std::string& parameters = "")
    {
        return "<workItemResponse id=\"" + id + "\">\n\t<task type=\"" + task + "\">\n\t\t<result succeeded=\"" +
               (succeeded ? "true" : "false") + "\">\n\t\t\t" +
               (message.empty() ? "<message/>" : "<message>" + message + "</message>") + "\n" + parameters +
               "\t\t</result>\n\t</task>\n</workItemResponse>\n";
    }
};
} // namespace

TEST_F(FilesystemMode, SuccessfulItemRunsItsScriptsAndAnswers)
{
    Script("Setup/01_first.sh",
           "pwd > ../cwd.txt\ncp properties.xml ../seen-properties.xml\necho first >> ../order.txt\n"
           "echo 'line one' >> tarvellog.txt\n");
    work.Write("scripts/Setup/02_second.BAT",
               "echo second >> ../order.txt\nprintf 'line two\\nline three' >> tarvellog.txt\n", 0644);
    work.Write("scripts/Setup/03_skipped.sh", "echo skipped >> ../order.txt\n", 0644);
    Script("Setup/10_last.sh", "echo last >> ../order.txt\n");

    const AgentResult result = RunItems({Item("one.xml", "Setup")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, Response("wi-1", true, "Setup", "") + "\n");
    EXPECT_EQ(Read("scripts/order.txt"), "first\nsecond\nlast\n");
    EXPECT_EQ(Read("scripts/cwd.txt"), work / "scripts/Setup\n");

    // The scripts saw the decrypted value; afterwards only workitem.xml, without it, remains.
    EXPECT_NE(Read("scripts/seen-properties.xml").find("<property name=\"secret\" value=\"" + canary + "\"/>"),
              std::string::npos);
    EXPECT_FALSE(work.Exists("scripts/Setup/properties.xml"));
    EXPECT_EQ(Read("scripts/workitem.xml"), "<workitem id=\"wi-1\" type=\"Setup\">\n\t<properties>\n"
                                            "\t\t<property name=\"hostname\" value=\"vm-01\"/>\n"
                                            "\t\t<property name=\"secret.isencrypted\" value=\"true\"/>\n"
                                            "\t</properties>\n</workitem>\n");

    const std::string log = Log();
    const std::vector<std::string> expected = {"Information|Using the filesystem proxy ...",
                                               "Information|Requesting work for agent ID agent-1.",
                                               "Information|Fetching a work item ...",
                                               "Information|Fetched work item id=wi-1",
                                               "Information|WorkItem: task=Setup, id=wi-1",
                                               "Information|hostname -> vm-01",
                                               "Information|secret.isencrypted -> true",
                                               "Information|Executing '01_first.sh' ...",
                                               "Information|Wait for completion of '01_first.sh'",
                                               "Information|Executing '02_second.BAT' ...",
                                               "Information|Executing '10_last.sh' ...",
                                               "Information|line one",
                                               "Information|line two",
                                               "Information|line three",
                                               "Information|<workItemResponse id=\"wi-1\">",
                                               "Information|Successfully sent the work item response for id=wi-1",
                                               "Information|" + (work / "conf/config.xml")};
    std::size_t at = 0;
    for (const std::string& line : expected)
    {
        const std::size_t found = log.find(line + "\n", at);
        ASSERT_NE(found, std::string::npos) << line << " not found in order in\n" << log;
        at = found + line.size();
    }
    EXPECT_EQ(log.find("Error|"), std::string::npos) << log;
    ExpectNoCanaryOutsideProperties(result);
}

TEST_F(FilesystemMode, FailingScriptWithEachFormOfTheErrorFile)
{
    const std::string failure = "Failure executing script '01_fail.sh'";
    const std::string longLine(300, 'x');
    const std::vector<std::tuple<const char*, std::string, std::string>> cases = {
        {"Disk full\nsecond line\n", failure + " - Disk full", "Disk full"},
        {"OVERRIDE_ERROR_CONTEXT\nCustom &amp; clear\nignored\n", "Custom &amp;amp; clear", "Custom &amp; clear"},
        {"OVERRIDE_ERROR_CONTEXT\n", "", ""},
        {"", failure + " - ", ""},
        {nullptr, failure, ""},
    };
    for (const auto& c : cases)
    {
        Remove("scripts/Setup");
        Remove("agent.log");
        Script("Setup/01_fail.sh", "echo 'before failing' >> tarvellog.txt\nexit 4\n");
        Script("Setup/02_never.sh", "touch ../never-ran\n");
        if (std::get<0>(c))
            work.Write("scripts/Setup/tarvelerror.txt", std::get<0>(c));

        const AgentResult result = RunItems({Item("one.xml", "Setup")}, {"--response", "out.xml"});
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(Read("out.xml"), Response("wi-1", false, "Setup", std::get<1>(c)) + "\n") << std::get<1>(c);
        EXPECT_TRUE(Logged("Error", failure)) << Log();
        if (!std::get<2>(c).empty())
        {
            EXPECT_TRUE(Logged("Error", std::get<2>(c))) << Log();
        }
        EXPECT_TRUE(Logged("Information", "before failing"));
        EXPECT_FALSE(work.Exists("scripts/never-ran"));
        EXPECT_FALSE(work.Exists("scripts/Setup/properties.xml"));
        ExpectNoCanaryOutsideProperties(result);
    }
}

TEST_F(FilesystemMode, LongErrorFileLineIsCutTo255Characters)
{
    Script("Setup/01_fail.sh", "exit 1\n");
    work.Write("scripts/Setup/tarvelerror.txt", "OVERRIDE_ERROR_CONTEXT\n" + std::string(300, 'y') + "\n");
    const AgentResult result = RunItems({Item("one.xml", "Setup")});
    EXPECT_NE(result.out.find("<message>" + std::string(255, 'y') + "</message>"), std::string::npos) << result.out;
}

TEST_F(FilesystemMode, ErrorFileIsNotReadWhenTheScriptsSucceed)
{
    Script("Setup/01_ok.sh", "true\n");
    work.Write("scripts/Setup/tarvelerror.txt", "Should not show\n");
    const AgentResult result = RunItems({Item("one.xml", "Setup")});
    EXPECT_EQ(result.out, Response("wi-1", true, "Setup", "") + "\n");
}

TEST_F(FilesystemMode, LongAndManyLogLinesAreRelayedToTheEnd)
{
    Script("Setup/01_log.sh", "head -c 600 /dev/zero | tr '\\0' a > tarvellog.txt\necho >> tarvellog.txt\n"
                              "echo 'after the long line' >> tarvellog.txt\n");
    const AgentResult result = RunItems({Item("one.xml", "Setup")});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(Logged("Information", std::string(255, 'a'))) << Log();
    EXPECT_TRUE(Logged("Information", std::string(90, 'a')));
    EXPECT_TRUE(Logged("Information", "after the long line"));
}

TEST_F(FilesystemMode, RebootItemIsOnlyAcknowledged)
{
    Script("ReBoot/01_never.sh", "touch ../never-ran\n");
    work.Write("conf/config.xml", "<stages><stage id='ReBoot'>True</stage></stages>");
    const AgentResult result = RunItems({Item("one.xml", "ReBoot")}, {"--response", "out.xml"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(Read("out.xml"), Response("wi-1", true, "ReBoot", "") + "\n");
    EXPECT_FALSE(work.Exists("scripts/never-ran"));
    EXPECT_FALSE(work.Exists("scripts/ReBoot/properties.xml"));
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(Log().find("config.xml"), std::string::npos);
}

TEST_F(FilesystemMode, RebootThenSecondAgentIdGetsTheSecondFile)
{
    // Without --name the agent asks for the swizzled and then the plain machine UUID; the
    // filesystem proxy serves the files in order, whatever the ID.
    work.Write("scripts/Setup/.keep", "");
    const AgentResult result = Run({"--script", "scripts", "--workitem", Item("one.xml", "reboot", "first"),
                                    "--workitem", Item("two.xml", "Setup", "second"), "--workitem",
                                    Item("three.xml", "Setup", "third"), "--response", "out.xml"},
                                   FakeUuid());
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(Logged("Information", "Fetched work item id=first"));
    EXPECT_EQ(Read("out.xml"), Response("second", true, "Setup", "") + "\n");
    EXPECT_FALSE(Logged("Information", "Fetched work item id=third"));
}

TEST_F(FilesystemMode, HandledItemEndsThePassBeforeTheNextAgentId)
{
    Script("Setup/01_count.sh", "echo run >> ../runs\n");
    const AgentResult result = Run({"--script", "scripts", "--workitem", Item("one.xml", "Setup", "first"),
                                    "--workitem", Item("two.xml", "Setup", "second"), "--response", "out.xml"},
                                   FakeUuid());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(Read("scripts/runs"), "run\n");
    EXPECT_EQ(Read("out.xml"), Response("first", true, "Setup", "") + "\n");
    EXPECT_FALSE(Logged("Information", "Requesting work for agent ID 00112233-4455-6677-8899-aabbccddeeff.")) << Log();
}

TEST_F(FilesystemMode, FinalStageIdMatchesTheTaskExactly)
{
    work.Write("scripts/Setup/.keep", "");
    work.Write("conf/config.xml", "<stages><stage id='setup'>True</stage><stage id='SETUP'>True</stage>"
                                  "<stage id='Setup2'>True</stage><stage id='Set'>True</stage></stages>");
    EXPECT_EQ(RunItems({Item("one.xml", "Setup")}).status, 0);
    EXPECT_FALSE(Logged("Information", "found termination node"));
}

TEST_F(FilesystemMode, ScriptsInheritOnlyTheStandardStreams)
{
    // The agent logs to a file and holds its lock and a pipe for signals: none of them may reach
    // a script. ls reports its own descriptors; 3 is the listing it reads.
    Script("Setup/01_fds.sh", "exec ls -l /proc/self/fd > ../fds\n");
    EXPECT_EQ(RunItems({Item("one.xml", "Setup")}).status, 0);
    std::vector<std::string> descriptors;
    std::istringstream listing(Read("scripts/fds"));
    for (std::string line; std::getline(listing, line);)
    {
        const std::size_t arrow = line.find(" -> ");
        if (arrow == std::string::npos)
            continue;
        const std::size_t name = line.rfind(' ', arrow - 1) + 1;
        descriptors.push_back(line.substr(name, arrow - name) + line.substr(arrow));
    }
    ASSERT_EQ(descriptors.size(), 4u) << Read("scripts/fds");
    EXPECT_EQ(descriptors[0].substr(0, 5), "0 -> ");
    EXPECT_EQ(descriptors[1], "1 -> " + (work / "scripts/fds"));
    EXPECT_EQ(descriptors[2].substr(0, 5), "2 -> ");
    EXPECT_EQ(descriptors[3].substr(0, 11), "3 -> /proc/");
}

TEST_F(FilesystemMode, ConfigXmlMarksTheFinalStage)
{
    work.Write("scripts/Setup/.keep", "");
    work.Write("conf/config.xml", "<stages><stage id='Other'>True</stage><stage id='Setup'>Tr<b>ue</b></stage>"
                                  "<stage id='Setup'>True</stage></stages>");
    const AgentResult result = RunItems({Item("one.xml", "Setup")});
    EXPECT_EQ(result.status, 255);
    EXPECT_EQ(result.out.substr(result.out.find("</workItemResponse>\n\n") + 21),
              "stages:TrueTrueTrue\nstage:True\nOther\nstage:True\nSetup\n");
    EXPECT_TRUE(Logged("Information", "found termination node"));
}

TEST_F(FilesystemMode, ConfigXmlThatDoesNotMarkTheTask)
{
    work.Write("scripts/Setup/.keep", "");
    work.Write("conf/config.xml", "<stages><stage id='Setup'>true</stage><plain>True</plain><s kind='x'>True</s>"
                                  "<stage id='Setup'> True</stage></stages>");
    const AgentResult result = RunItems({Item("one.xml", "Setup")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.substr(result.out.find("</workItemResponse>\n\n") + 21),
              "stages:trueTrueTrue True\nstage:true\nSetup\nplain:True\ns:True\nstage: True\nSetup\n");
}

TEST_F(FilesystemMode, ConfigXmlThroughASymbolicLinkIsFollowed)
{
    // Configuration management and container mounts put the administrator's table in place as a
    // link; the scripts' files stay refused as links (see the hostile input tests).
    work.Write("scripts/Setup/.keep", "");
    work.Write("managed/final.xml", "<stages><stage id='Setup'>True</stage></stages>");
    work.Write("managed/none.xml", "<stages><stage id='Other'>True</stage></stages>");
    ASSERT_EQ(::symlink("../managed/final.xml", (work / "conf/config.xml").c_str()), 0);
    AgentResult result = RunItems({Item("one.xml", "Setup")}, {"--response", "out.xml"});
    EXPECT_EQ(result.status, 255) << Log();
    EXPECT_EQ(result.out, "stages:True\nstage:True\nSetup\n");
    EXPECT_TRUE(Logged("Information", "found termination node"));

    Remove("conf/config.xml");
    ASSERT_EQ(::symlink((work / "managed/none.xml").c_str(), (work / "conf/config.xml").c_str()), 0);
    EXPECT_EQ(RunItems({Item("one.xml", "Setup")}, {"--response", "out.xml"}).status, 0) << Log();

    // Followed, a link must still lead to a regular file; where it does not, the run ends with 1
    // after the response, the table named.
    ASSERT_EQ(::mkfifo((work / "managed/fifo").c_str(), 0600), 0);
    const std::vector<std::pair<std::string, std::string>> broken = {
        {work / "managed/fifo", "' is not a regular file; it is not read"},
        {work / "managed/missing.xml", "' is gone, or is a symbolic link that leads nowhere"},
    };
    for (const auto& target : broken)
    {
        SCOPED_TRACE(target.first);
        Remove("conf/config.xml");
        Remove("agent.log");
        Remove("out.xml");
        ASSERT_EQ(::symlink(target.first.c_str(), (work / "conf/config.xml").c_str()), 0);
        result = RunItems({Item("one.xml", "Setup")}, {"--response", "out.xml"});
        EXPECT_FALSE(result.timedOut);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(Read("out.xml"), Response("wi-1", true, "Setup", "") + "\n");
        EXPECT_NE(Log().find("Error|"), std::string::npos) << Log();
        EXPECT_NE(Log().find((work / "conf/config.xml") + target.second), std::string::npos) << Log();
    }
}

TEST_F(FilesystemMode, MalformedConfigXmlEndsTheRunAfterTheResponse)
{
    work.Write("scripts/Setup/.keep", "");
    work.Write("conf/config.xml", "<stages>");
    const AgentResult result = RunItems({Item("one.xml", "Setup")}, {"--response", "out.xml"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(Read("out.xml"), Response("wi-1", true, "Setup", "") + "\n");
    EXPECT_NE(Log().find("Error|"), std::string::npos);
}

TEST_F(FilesystemMode, ResultsFileIsCopiedIntoTheResponse)
{
    Script("Setup/01_results.sh", "mkdir -p ../External\nprintf '<r><parameter name=\"vmState\">ready</parameter></r>' "
                                  "> ../External/results.xml\n");
    const AgentResult result = RunItems({Item("one.xml", "Setup")});
    EXPECT_EQ(result.out,
              Response("wi-1", true, "Setup", "", "\t\t\t<parameter name=\"vmState\">ready</parameter>\n") + "\n");
}

TEST_F(FilesystemMode, UnreadableWorkItemFilesAreLoggedAndEndThePass)
{
    work.Write("items/bad.xml", "<workitem id='1'><task type='Setup'>");
    for (const std::string& file : {std::string("items/bad.xml"), std::string("items/missing.xml")})
    {
        Remove("agent.log");
        const AgentResult result = RunItems({file}, {"--response", "out.xml"});
        EXPECT_EQ(result.status, 0) << file;
        EXPECT_NE(Log().find("Error|"), std::string::npos) << Log();
        EXPECT_FALSE(work.Exists("out.xml"));
    }
}

TEST_F(FilesystemMode, MissingTaskDirectoryIsAnsweredWithAFailure)
{
    const AgentResult result = RunItems({Item("one.xml", "Nowhere")}, {"--response", "out.xml"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(Read("out.xml"), Response("wi-1", false, "Nowhere", "The path 'Nowhere' is not a directory!") + "\n");
    EXPECT_FALSE(work.Exists("scripts/Nowhere"));
}

TEST_F(FilesystemMode, RebootWithoutTaskDirectoryIsAcknowledged)
{
    const AgentResult result = RunItems({Item("one.xml", "reboot")}, {"--response", "out.xml"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(Read("out.xml"), Response("wi-1", true, "reboot", "") + "\n");
}

TEST_F(FilesystemMode, ScriptThatRemovesThePropertiesStillSucceeds)
{
    Script("Setup/01_consume.sh", "rm properties.xml\n");
    const AgentResult result = RunItems({Item("one.xml", "Setup")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, Response("wi-1", true, "Setup", "") + "\n");
}

TEST_F(FilesystemMode, MalformedResultsFileStillGivesAFailureResponse)
{
    // The failure response looks below the working directory: make that file broken too.
    work.Write("External/results.xml", "<broken>\n");
    Script("Setup/01_results.sh", "mkdir -p ../External\necho '<broken>' > ../External/results.xml\n");
    const AgentResult result = RunItems({Item("one.xml", "Setup")}, {"--response", "out.xml"});
    EXPECT_EQ(result.status, 0);
    const std::string response = Read("out.xml");
    EXPECT_NE(response.find("<result succeeded=\"false\">"), std::string::npos) << response;
    EXPECT_EQ(response.find("<parameter"), std::string::npos);
    EXPECT_NE(response.find("<message>SAXParseException: No element found in line 2 column 0</message>"),
              std::string::npos);
    EXPECT_TRUE(Logged("Error", "The results file cannot be read; the failure is reported without result parameters: "
                                "SAXParseException: No element found in line 2 column 0"))
        << Log();
}

TEST_F(FilesystemMode, TaskOutsideTheScriptRootIsRefusedUntouched)
{
    work.Write("outside/01_evil.sh", "#!/bin/sh\ntouch evil-ran\n", 0755);
    work.Write("outside/tarvelerror.txt", "OVERRIDE_ERROR_CONTEXT\nread from outside\n");
    work.Write("outside/tarvellog.txt", "read from outside\n");
    work.Write("outside/properties.xml", "keep me");
    const AgentResult result = RunItems({Item("one.xml", "../outside")}, {"--response", "out.xml"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(Read("out.xml"), Response("wi-1", false, "../outside",
                                        "The task '../outside' is refused: its name leads "
                                        "outside the root script directory") +
                                   "\n");
    EXPECT_FALSE(work.Exists("outside/evil-ran"));
    EXPECT_EQ(Read("outside/properties.xml"), "keep me");
    EXPECT_EQ(Log().find("read from outside"), std::string::npos);
    EXPECT_FALSE(work.Exists("scripts/workitem.xml"));
}

TEST_F(FilesystemMode, ResponseThatCannotBeWrittenFailsTheRun)
{
    work.Write("scripts/Setup/.keep", "");
    const AgentResult result = RunItems({Item("one.xml", "Setup")}, {"--response", "no-such-dir/out.xml"});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(Logged("Error", "The work item response cannot be written to 'no-such-dir/out.xml': No such file or "
                                "directory (work item id=wi-1)"))
        << Log();
    EXPECT_EQ(Log().find("Successfully sent"), std::string::npos) << Log();
}

TEST_F(FilesystemMode, PropertiesThatCannotBeWrittenFailTheItemBeforeAnyScript)
{
    Script("Setup/01_never.sh", "touch ../never-ran\n");
    // A directory in its place: the file cannot be written, and what stands there cannot be
    // removed either, so the run ends without a report, as for any file that stays.
    work.Write("scripts/Setup/properties.xml/keep", "");
    AgentResult result = RunItems({Item("one.xml", "Setup")}, {"--response", "out.xml"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(Log().find("Error|The work item properties could not be written to '" +
                         (work / "scripts/Setup/properties.xml") + "'"),
              std::string::npos)
        << Log();
    EXPECT_FALSE(work.Exists("scripts/never-ran"));
    Remove("scripts/Setup/properties.xml");

    // A value that decrypts whole, but to bytes XML cannot carry.
    work.Write(
        "items/binary.xml",
        WorkItemXml("wi-2", "Setup", {{"Secret", EncryptionHelpers_Encrypt("\xff\xfe")}, {"Secret.IsEncrypted", ""}}));
    result = RunItems({"items/binary.xml"}, {"--response", "out.xml"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(Read("out.xml").find("The value of the property 'secret' cannot be written as XML"), std::string::npos)
        << Read("out.xml");
    EXPECT_FALSE(work.Exists("scripts/never-ran"));
    EXPECT_FALSE(work.Exists("scripts/Setup/properties.xml"));
}
