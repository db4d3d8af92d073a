#include "AgentFixture.h"

#include <Poco/File.h>

#include <regex>

namespace
{
using CommandLine = AgentFixture;
} // namespace

TEST_F(CommandLine, HelpListsEveryOptionAndEndsTheRun)
{
    const AgentResult result = AgentProcess::Run({"--name", "x", "--help", "--bogus"}, work.Path());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.rfind("usage: tarvel <--host=<hostname>> [--ssl] [--name=<name>]\nLumetra Guest Agent\n", 0),
              0u)
        << result.out;
    for (const char* option :
         {"--axis=FILENAME", "--config=FILENAME", "--help", "--host=HOST", "--name=AGENT", "--ping",
          "--script=DIRECTORY", "--ssl", "--version", "--workitem=WORKITEM", "--response=RESPONSE"})
        EXPECT_NE(result.out.find(option), std::string::npos) << option;
    EXPECT_LT(result.out.find("--axis"), result.out.find("--response"));
}

TEST_F(CommandLine, VersionPrintsFourNumbers)
{
    const AgentResult result = AgentProcess::Run({"--version"}, work.Path());
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(std::regex_match(result.out, std::regex("1\\.0\\.0\\.[0-9]+\n"))) << result.out;
}

TEST_F(CommandLine, OptionErrorsEndWithStatusOneAndALoggedError)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--name", "a", "--name", "b"}, "name"},
        {{"--bogus"}, "bogus"},
        {{"--axis"}, "axis"},
        {{"--config", "missing.properties"}, "missing.properties"},
        {{"--workitem", "items/"}, "The path '" + work.Path() + "/items/' is not a file"},
    };
    for (const auto& c : cases)
    {
        const AgentResult result = AgentProcess::Run(c.first, work.Path());
        EXPECT_EQ(result.status, 1) << c.second;
        EXPECT_NE(result.err.find(c.second), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

TEST_F(CommandLine, RejectedDefaultConfigurationEndsInAnOrderlyWay)
{
    // A copy of the program finds the default configuration named after it beside itself.
    work.MakeDirectory("bin");
    Poco::File(AgentProcess::Program()).copyTo(work / "bin/tarvel");
    work.Write("bin/tarvel.properties", "logging.loggers.root.channel = nosuchchannel\n");
    const AgentResult result =
        AgentProcess::RunProgram(work / "bin/tarvel", {"--name", "a", "--response", "out.xml"}, work.Path(), {}, 60);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("nosuchchannel"), std::string::npos) << result.err;
}

TEST_F(CommandLine, WithoutNameTheMachineUuidIsAskedInBothForms)
{
    work.Write("items/one.xml", WorkItemXml("1", "reboot"));
    const AgentResult result = Run({"--workitem", "items/one.xml", "--response", "out.xml"}, FakeUuid());
    EXPECT_EQ(result.status, 1);
    const std::string log = Log();
    const std::size_t swizzled =
        log.find("Information|Requesting work for agent ID 33221100-5544-7766-8899-aabbccddeeff.");
    const std::size_t plain =
        log.find("Information|Requesting work for agent ID 00112233-4455-6677-8899-aabbccddeeff.");
    EXPECT_NE(swizzled, std::string::npos) << log;
    EXPECT_NE(plain, std::string::npos) << log;
    EXPECT_LT(swizzled, plain);
    EXPECT_TRUE(Logged("Information", "Using the filesystem proxy ..."));
}

TEST_F(CommandLine, FailingUuidQueryEndsTheRun)
{
    const AgentResult result = Run({"--response", "out.xml"}, {{"PATH", work / "empty-path"}});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(Logged("Error", "Failed to query machine for UUID")) << Log();
}

TEST_F(CommandLine, NetworkModeNeedsAHost)
{
    const AgentResult result = Run({}, FakeUuid());
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(Logged("Information", "Using the network enabled proxy ...")) << Log();
    EXPECT_TRUE(Logged("Error", "The host parameter is required!")) << Log();
}

TEST_F(CommandLine, ResponseOptionAloneHasNoWork)
{
    const AgentResult result = Run({"--name", "a", "--response", "out.xml"});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(Logged("Information", "Fetching a work item ..."));
    EXPECT_FALSE(work.Exists("out.xml"));
}
