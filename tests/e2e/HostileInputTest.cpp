// Work items, files and scripts put there by someone who wants the agent to crash, hang, run
// what it should not, or hand out a secret: the built program in filesystem mode.
#include "AgentFixture.h"
#include "EncryptionHelpers.h"

#include <Poco/File.h>
#include <Poco/String.h>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
const std::string secret = "canary-H0st1le-secret";

unsigned Mode(const std::string& path)
{
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

std::string Nested(std::size_t depth, const std::string& inner)
{
    std::string text;
    text.reserve(depth * 7 + inner.size());
    for (std::size_t i = 0; i < depth; ++i)
        text += "<x>";
    text += inner;
    for (std::size_t i = 0; i < depth; ++i)
        text += "</x>";
    return text;
}

class HostileInput : public AgentFixture
{
protected:
    /// Writes items/<name>.xml with an encrypted secret and `more` parameters; returns its path.
    std::string Item(const std::string& name, const std::string& task,
                     const std::vector<std::pair<std::string, std::string>>& more = {})
    {
        std::vector<std::pair<std::string, std::string>> parameters{{"Secret", EncryptionHelpers_Encrypt(secret)},
                                                                    {"Secret.IsEncrypted", "true"}};
        parameters.insert(parameters.end(), more.begin(), more.end());
        work.Write("items/" + name + ".xml", WorkItemXml("wi-1", task, parameters));
        return "items/" + name + ".xml";
    }

    AgentResult RunItem(const std::string& item)
    {
        return RunItems({item}, {"--response", "out.xml"});
    }

    /// The message of the response in out.xml.
    std::string Message()
    {
        const std::string out = Read("out.xml");
        const std::size_t start = out.find("<message>");
        if (start == std::string::npos)
            return out.find("<message/>") == std::string::npos ? "<no response>" : "";
        return out.substr(start + 9, out.find("</message>") - start - 9);
    }

    void ExpectNoSecretAnywhere(const AgentResult& result)
    {
        for (const std::string& text : {Log(), Read("out.xml"), result.out, result.err, Read("scripts/workitem.xml")})
            EXPECT_EQ(text.find(secret), std::string::npos);
    }
};
} // namespace

TEST_F(HostileInput, DeeplyNestedWorkItemIsRefusedWithoutACrash)
{
    Script("Setup/01_run.sh", "touch ../ran\n");
    for (const std::string& body :
         {"<parameter name='deep'>" + Nested(100000, "v") + "</parameter>", Nested(200000, "")})
    {
        Remove("agent.log");
        work.Write("items/deep.xml", "<workitem id='wi-1'><task type='Setup'>" + body + "</task></workitem>");
        const AgentResult result = RunItem("items/deep.xml");
        // Like any item that cannot be read: no one to answer, the run goes on.
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_TRUE(Logged("Error", "XML Exception: The work item nests elements more than 256 deep; it is not read"))
            << Log();
        EXPECT_FALSE(work.Exists("scripts/ran"));
    }
}

TEST_F(HostileInput, DocumentTypeDeclarationsAreRefusedBeforeAnyEntityExpands)
{
    Script("Setup/01_run.sh", "touch ../ran\n");
    work.Write(
        "items/nesting.xml",
        EntityNesting("workitem", 100000,
                      "<workitem id='wi-1'><task type='Setup'><parameter name='p'>@</parameter></task></workitem>"));
    AgentResult result = RunItem("items/nesting.xml");
    // Like any item that cannot be read: no id to answer, nothing run, the run goes on.
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(Logged("Error", "XML Exception: The work item holds a document type declaration, which is not "
                                "accepted; it is not read"))
        << Log();
    EXPECT_FALSE(work.Exists("scripts/ran"));
    EXPECT_FALSE(work.Exists("out.xml"));

    // A declaration without a single entity, in UTF-16 where no byte-wise search would see it.
    Remove("agent.log");
    const std::string plain = "<!DOCTYPE workitem><workitem id='wi-1'><task type='Setup'/></workitem>";
    std::string wide = "\xFF\xFE";
    for (const char c : plain)
        wide += std::string(1, c) + '\0';
    work.Write("items/wide.xml", wide);
    EXPECT_EQ(RunItem("items/wide.xml").status, 0);
    EXPECT_TRUE(Logged("Error", "XML Exception: The work item holds a document type declaration, which is not "
                                "accepted; it is not read"))
        << Log();
    EXPECT_FALSE(work.Exists("scripts/ran"));

    // The results file the scripts leave: the item fails, reported without its parameters.
    work.Write("results.xml", EntityNesting("r", 100000, "<r><parameter name='vmState'>@</parameter></r>"));
    Script("Setup/01_run.sh", "mkdir -p ../External\ncp ../../results.xml ../External/results.xml\n");
    result = RunItem(Item("plain", "Setup"));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Message(), "XML Exception: The results file '" + (work / "scripts/External/results.xml") +
                             "' holds a document type declaration, which is not accepted; it is not read");
    EXPECT_EQ(Read("out.xml").find("vmState"), std::string::npos);
    EXPECT_FALSE(work.Exists("scripts/Setup/properties.xml"));
    Remove("scripts/External");
    Script("Setup/01_run.sh", "touch ../ran\n");

    // The final-stage table: read after the response, so the run ends with 1, the item answered.
    Remove("agent.log");
    work.Write("conf/config.xml", EntityNesting("stages", 100000, "<stages><stage id='Setup'>@</stage></stages>"));
    result = RunItem(Item("plain", "Setup"));
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_EQ(Message(), "");
    EXPECT_TRUE(work.Exists("scripts/ran"));
    EXPECT_TRUE(Logged("Error", "XML Exception: The final-stage table '" + (work / "conf/config.xml") +
                                    "' holds a document type declaration, which is not accepted; it is not read"))
        << Log();
}

TEST_F(HostileInput, PlantedLinksAreReplacedNeverFollowed)
{
    work.Write("target", "untouched");
    work.Write("other", "untouched");
    work.MakeDirectory("scripts/Setup");
    ASSERT_EQ(::symlink((work / "target").c_str(), (work / "scripts/Setup/properties.xml").c_str()), 0);
    ASSERT_EQ(::symlink((work / "other").c_str(), (work / "scripts/workitem.xml").c_str()), 0);
    Script("Setup/01_look.sh", "stat -c '%F %a %u' properties.xml > ../seen\n");
    const AgentResult result = RunItem(Item("plain", "Setup"));
    EXPECT_EQ(result.status, 0) << Log();
    EXPECT_EQ(Read("target"), "untouched");
    EXPECT_EQ(Read("other"), "untouched");
    EXPECT_EQ(Read("scripts/seen"), "regular file 600 " + std::to_string(::geteuid()) + "\n");
    EXPECT_FALSE(work.Exists("scripts/Setup/properties.xml"));
    EXPECT_NE(Read("scripts/workitem.xml").find("<workitem id=\"wi-1\""), std::string::npos);
    ExpectNoSecretAnywhere(result);
}

TEST_F(HostileInput, PropertiesFileOfAnotherUserIsNotReused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can plant a file of another user";
    work.Write("scripts/Setup/properties.xml", "planted", 0666);
    ASSERT_EQ(::chown((work / "scripts/Setup/properties.xml").c_str(), 65534, 65534), 0);
    Script("Setup/01_look.sh", "stat -c '%a %u' properties.xml > ../seen\n");
    EXPECT_EQ(RunItem(Item("plain", "Setup")).status, 0) << Log();
    EXPECT_EQ(Read("scripts/seen"), "600 0\n");
}

TEST_F(HostileInput, ScriptFilesThatAreNoRegularFilesAreNotRead)
{
    work.Write("shadow", "root:SHADOW-CANARY:19000:0:99999:7:::\n");
    const std::vector<std::pair<std::string, std::string>> plants = {
        {"mkfifo tarvellog.txt", "tarvellog.txt' is not a regular file; it is not read"},
        {"ln -s /dev/zero tarvellog.txt", "tarvellog.txt' is a symbolic link; it is not read"},
        {"ln -s " + (work / "shadow") + " tarvellog.txt", "tarvellog.txt' is a symbolic link; it is not read"},
    };
    for (const auto& plant : plants)
    {
        SCOPED_TRACE(plant.first);
        Remove("agent.log");
        Remove("scripts/Setup");
        Script("Setup/01_plant.sh", plant.first + "\n");
        const AgentResult result = RunItem(Item("plain", "Setup"));
        EXPECT_FALSE(result.timedOut);
        EXPECT_EQ(result.status, 0);
        EXPECT_NE(Log().find(plant.second), std::string::npos) << Log();
        EXPECT_EQ(Log().find("SHADOW-CANARY"), std::string::npos);
        EXPECT_LT(Poco::File(work / "agent.log").getSize(), 64u * 1024);
        EXPECT_EQ(Message(), "");
    }

    // The error file of a failed task, and the results file, are read with the same care.
    Remove("scripts/Setup");
    Script("Setup/01_fails.sh", "ln -s " + (work / "shadow") +
                                    " tarvelerror.txt\nmkdir -p ../External\n"
                                    "mkfifo ../External/results.xml\nexit 1\n");
    const AgentResult result = RunItem(Item("plain", "Setup"));
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(Message(), "Failure executing script '01_fails.sh'");
    EXPECT_EQ(Log().find("SHADOW-CANARY"), std::string::npos);
    EXPECT_NE(Log().find("results.xml' is not a regular file; it is not read"), std::string::npos) << Log();
}

TEST_F(HostileInput, ValueThatCannotBeDecryptedFailsTheItemBeforeAnyScript)
{
    Script("Setup/01_run.sh", "touch ../ran\n");
    // printf 'other-key-secret' | openssl enc -aes-128-cbc -K 000102030405060708090a0b0c0d0e0f
    //   -iv 98ac4b356db49ea38663a9a157af7b89 | base64
    for (const std::string& value :
         {std::string("not*base64"), std::string("eEF1aLlunSo+iR9QBTYNKk5S1YSA+UqdwFrg0ag0Rpo="),
          std::string("QUJDREVGR0hJSktMTU5PUA"), EncryptionHelpers_Encrypt(secret) + "#"})
    {
        SCOPED_TRACE(value);
        Remove("agent.log");
        work.Write("items/bad.xml",
                   WorkItemXml("wi-1", "Setup", {{"Password", value}, {"Password.IsEncrypted", "true"}}));
        const AgentResult result = RunItem("items/bad.xml");
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(Message(), "The value of the property 'password' cannot be decrypted");
        EXPECT_FALSE(work.Exists("scripts/ran"));
        EXPECT_FALSE(work.Exists("scripts/Setup/properties.xml"));
        EXPECT_EQ(Log().find(value), std::string::npos);
    }

    // An empty value stays what it was: empty, and the item runs.
    work.Write("items/empty.xml", WorkItemXml("wi-1", "Setup", {{"Password", ""}, {"Password.IsEncrypted", "true"}}));
    EXPECT_EQ(RunItem("items/empty.xml").status, 0);
    EXPECT_TRUE(work.Exists("scripts/ran"));
    EXPECT_EQ(Message(), "");
}

TEST_F(HostileInput, TaskThatNamesTheScriptRootIsRefused)
{
    Script("01_root.sh", "touch ran\n");
    work.Write("items/none.xml", "<workitem id='wi-1'><parameter name='a'>b</parameter></workitem>");
    for (const std::string& item : {std::string("items/none.xml"), Item("dot", "."), Item("slash", "/./")})
    {
        SCOPED_TRACE(item);
        const AgentResult result = RunItem(item);
        EXPECT_EQ(result.status, 0);
        EXPECT_NE(Message().find("is refused: it names the root script directory itself"), std::string::npos)
            << Message();
        EXPECT_FALSE(work.Exists("scripts/ran"));
        EXPECT_FALSE(work.Exists("scripts/properties.xml"));
    }
}

TEST_F(HostileInput, DirectoryNamedLikeAScriptFailsTheTask)
{
    Script("Setup/01_first.sh", "touch ../first-ran\n");
    work.MakeDirectory("scripts/Setup/02_more");
    Script("Setup/03_never.sh", "touch ../never-ran\n");
    EXPECT_EQ(RunItem(Item("plain", "Setup")).status, 0);
    EXPECT_EQ(Message(), "Failure executing script '02_more': it is not a regular file");
    EXPECT_TRUE(work.Exists("scripts/first-ran"));
    EXPECT_FALSE(work.Exists("scripts/never-ran"));
}

TEST_F(HostileInput, TaskDirectoryLeadingOutOfTheScriptRootIsRefused)
{
    work.Write("outside/01_evil.sh", "#!/bin/sh\ntouch ../evil-ran\n", 0755);
    ASSERT_EQ(::symlink((work / "outside").c_str(), (work / "scripts/Setup").c_str()), 0);
    const AgentResult result = RunItem(Item("plain", "Setup"));
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(Message().find("The task 'Setup' is refused: its directory '" + (work / "outside") +
                             "' lies outside the root script directory"),
              std::string::npos)
        << Message();
    EXPECT_FALSE(work.Exists("evil-ran"));
    EXPECT_FALSE(work.Exists("outside/properties.xml"));
}

TEST_F(HostileInput, TextFromOutsideCannotForgeALogLine)
{
    work.Write("scripts/Setup/.keep", "");
    const std::string forged = "Information|Successfully sent the work item response for id=forged";
    work.Write("items/forge.xml", "<workitem id='wi-1&#10;" + forged +
                                      "'><task type='Setup'>"
                                      "<parameter name='x&#10;" +
                                      forged + "'>v&#13;&#10;" + forged +
                                      "</parameter>"
                                      "</task></workitem>");
    EXPECT_EQ(RunItem("items/forge.xml").status, 0);
    EXPECT_FALSE(Logged("Information", "Successfully sent the work item response for id=forged")) << Log();
    // (Property names are lower-cased.)
    EXPECT_TRUE(Logged("Information", "x\\n" + Poco::toLower(forged) + " -> v\\r\\n" + forged)) << Log();
    // The response says the same, with the line breaks as references.
    EXPECT_NE(Read("out.xml").find("id=\"wi-1&#xA;" + forged), std::string::npos) << Read("out.xml");
}

TEST_F(HostileInput, ScriptsOthersCouldHaveChangedAreNotRun)
{
    Script("Setup/01_run.sh", "touch ../ran\n");
    // Not below the script root: a loose script root would refuse the state directory itself.
    Configure("tarvel.state = " + (work / "state"));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"scripts", "The root script directory '" + (work / "scripts") + "' is writable by other users (mode 0777)"},
        {"scripts/Setup",
         "The task directory '" + (work / "scripts/Setup") + "' is writable by other users (mode 0777)"},
        {"scripts/Setup/01_run.sh",
         "The script '" + (work / "scripts/Setup/01_run.sh") + "' is writable by other users (mode 0777)"},
    };
    for (const auto& loose : cases)
    {
        SCOPED_TRACE(loose.first);
        ::chmod((work / loose.first).c_str(), 0777);
        EXPECT_EQ(RunItem(Item("plain", "Setup")).status, 0);
        ::chmod((work / loose.first).c_str(), 0755);
        EXPECT_EQ(Message(), loose.second + "; the task's scripts are not run");
        EXPECT_FALSE(work.Exists("scripts/ran"));
        EXPECT_FALSE(work.Exists("scripts/Setup/properties.xml"));
    }
    EXPECT_EQ(RunItem(Item("plain", "Setup")).status, 0);
    EXPECT_TRUE(work.Exists("scripts/ran"));
}

TEST_F(HostileInput, TreeOfTheScriptRootsOwnerIsTrustedAndNoOtherUsers)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give files to other users";
    // As an image builder uploads it (tar x keeping owners, rsync -a): its own user's tree,
    // modes 0755. The state directory lies outside it, as the package has it.
    Configure("tarvel.state = " + (work / "state"));
    Script("Setup/01_run.sh", "touch ../ran\n");
    const auto give = [this](const std::string& relative, uid_t owner) {
        ASSERT_EQ(::chown((work / relative).c_str(), owner, owner), 0) << relative;
    };
    for (const char* path : {"scripts", "scripts/Setup", "scripts/Setup/01_run.sh"})
        give(path, 1000);
    EXPECT_EQ(RunItem(Item("plain", "Setup")).status, 0);
    EXPECT_EQ(Message(), "");
    EXPECT_TRUE(work.Exists("scripts/ran"));
    Remove("scripts/ran");

    // Root's files below it are trusted too; another user's are not, and then nothing runs.
    Script("Setup/02_more.sh", "touch ../more-ran\n");
    EXPECT_EQ(RunItem(Item("plain", "Setup")).status, 0);
    EXPECT_TRUE(work.Exists("scripts/more-ran"));
    const std::string refused = "belongs to another user (uid 1001) than root, the agent's or the root script "
                                "directory's owner (uid 1000); the task's scripts are not run";
    for (const std::string path : {"scripts/Setup/02_more.sh", "scripts/Setup"})
    {
        SCOPED_TRACE(path);
        Remove("scripts/ran");
        give(path, 1001);
        EXPECT_EQ(RunItem(Item("plain", "Setup")).status, 0);
        give(path, 1000);
        EXPECT_NE(Message().find("'" + (work / path) + "' " + refused), std::string::npos) << Message();
        EXPECT_FALSE(work.Exists("scripts/ran"));
        EXPECT_FALSE(work.Exists("scripts/Setup/properties.xml"));
    }

    // The trust goes with the script root: under root's own root the builder's script is refused.
    give("scripts", 0);
    EXPECT_EQ(RunItem(Item("plain", "Setup")).status, 0);
    EXPECT_NE(Message().find("belongs to another user (uid 1000) than root, the agent's or the root script "
                             "directory's owner (uid 0)"),
              std::string::npos)
        << Message();
    EXPECT_FALSE(work.Exists("scripts/ran"));
}

TEST_F(HostileInput, DefaultStateDirectoryBelowABuildersScriptRootIsUsed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give files to other users";
    // The state directory's default place is below the script root, so the directories on its
    // way belong to the builder's user too: trusted like the scripts, since it owns those anyway.
    Script("Setup/01_run.sh", "touch ../ran\n");
    for (const char* path : {"scripts", "scripts/Setup", "scripts/Setup/01_run.sh"})
        ASSERT_EQ(::chown((work / path).c_str(), 1000, 1000), 0) << path;
    EXPECT_EQ(RunItem(Item("plain", "Setup")).status, 0);
    EXPECT_EQ(Message(), "");
    EXPECT_TRUE(work.Exists("scripts/ran"));
    EXPECT_TRUE(work.Exists("scripts/.tarvel/lock"));
}

TEST_F(HostileInput, AgentsOwnFilesAreOwnerOnly)
{
    Script("Setup/01_run.sh", "touch ../by-the-script\n");
    const mode_t previous = ::umask(022);
    const AgentResult result = RunItem(Item("plain", "Setup"));
    ::umask(previous);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(Mode(work / "agent.log"), 0600u);
    EXPECT_EQ(Mode(work / "out.xml"), 0600u);
    // The scripts keep the umask the agent was started with.
    EXPECT_EQ(Mode(work / "scripts/by-the-script"), 0644u);
}

TEST_F(HostileInput, FailingScriptCannotKeepTheSecretsByLooseningOrMovingItsDirectory)
{
    // The failure's secrets go whatever the script did to its directory; what it left there is
    // read only from a directory that still passes the checks.
    const struct
    {
        const char* name;
        std::string script;
        std::string left;
    } cases[] = {
        {"opened to everyone", "chmod 0777 .\n", "scripts/Setup/properties.xml"},
        {"moved away, a link in its place",
         "mkdir -p ../../elsewhere\ncd .. && mv Setup Moved && ln -s ../elsewhere Setup\n",
         "scripts/Moved/properties.xml"},
    };
    for (const auto& attack : cases)
    {
        SCOPED_TRACE(attack.name);
        Remove("scripts/Setup");
        Remove("scripts/Moved");
        Script("Setup/01_fail.sh",
               "echo 'read me' > tarvelerror.txt\necho 'relay me' > tarvellog.txt\n" + attack.script + "exit 3\n");
        const AgentResult result = RunItem(Item("plain", "Setup"));
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(Message(), "Failure executing script '01_fail.sh'");
        EXPECT_FALSE(work.Exists(attack.left)) << "the decrypted secrets stayed behind";
        EXPECT_EQ(Log().find("read me"), std::string::npos) << Log();
        EXPECT_EQ(Log().find("relay me"), std::string::npos) << Log();
        ExpectNoSecretAnywhere(result);
        ::chmod((work / "scripts/Setup").c_str(), 0755);
    }
    EXPECT_FALSE(work.Exists("elsewhere/properties.xml"));
}
