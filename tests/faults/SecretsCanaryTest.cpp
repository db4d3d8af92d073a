// A secret canary through every path a work item can take (success, failure, reboot; from a
// file and from the server): the scripts see it in properties.xml, and afterwards it is found
// nowhere else: no file below the working directory (logs, the engine's trace log, workitem.xml,
// responses, the run history) but the scripts' own copies, no output, no request the server received.
#include "EncryptionHelpers.h"
#include "FaultFixture.h"
#include "SoapServer.h"

#include <Poco/DirectoryIterator.h>

#include <algorithm>

namespace
{
const std::string canary = "canary-Xf9q-2d7w-s3cret";

class SecretsCanary : public FaultFixture
{
protected:
    /// Every file below `relative` that holds the canary, the scripts' copies left out.
    std::vector<std::string> FilesWithCanary(const std::string& relative = "") const
    {
        std::vector<std::string> found;
        for (Poco::DirectoryIterator it(relative.empty() ? work.Path() : work / relative), end; it != end; ++it)
        {
            const std::string name = (relative.empty() ? "" : relative + "/") + it.name();
            if (it->isDirectory())
            {
                const std::vector<std::string> below = FilesWithCanary(name);
                found.insert(found.end(), below.begin(), below.end());
            }
            else if (name.compare(0, 5, "seen/") != 0 && Read(name).find(canary) != std::string::npos)
                found.push_back(name);
        }
        return found;
    }

    void ExpectOnlyInProperties(const AgentResult& result, const std::string& path, bool scriptsRan)
    {
        SCOPED_TRACE(path);
        if (scriptsRan)
        {
            EXPECT_NE(Read("seen/" + path + ".xml").find("value=\"" + canary + "\""), std::string::npos)
                << "the scripts did not see the decrypted value";
        }
        EXPECT_EQ(FilesWithCanary(), std::vector<std::string>());
        EXPECT_EQ(result.out.find(canary), std::string::npos);
        EXPECT_EQ(result.err.find(canary), std::string::npos);
        // The engine's log is at trace level, the most it writes.
        EXPECT_TRUE(work.Exists("tarvel-axis.log") || path.compare(0, 10, "filesystem") == 0);
    }

    /// The task scripts: copy properties.xml aside, then succeed or fail.
    void Scripts()
    {
        Script("Setup/01_copy.sh", "mkdir -p ../../seen\ncp properties.xml \"../../seen/$(cat ../../path).xml\"\n");
        Script("Fail/01_copy.sh", "mkdir -p ../../seen\ncp properties.xml \"../../seen/$(cat ../../path).xml\"\n"
                                  "echo 'it broke' > tarvelerror.txt\nexit 3\n");
    }
};
} // namespace

TEST_F(SecretsCanary, SecretStaysInThePropertiesFileOnEveryPath)
{
    Scripts();
    const std::vector<std::pair<std::string, bool>> tasks = {{"Setup", true}, {"Fail", true}, {"reboot", false}};

    for (const auto& task : tasks)
    {
        const std::string path = "filesystem-" + task.first;
        work.Write("path", path);
        const AgentResult result = RunItems({Item(task.first, canary)}, {"--response", "out.xml"});
        EXPECT_EQ(result.status, task.first == "reboot" ? 1 : 0) << path;
        ExpectReport(Read("out.xml"), task.first != "Fail", task.first == "Fail" ? "it broke" : "");
        ExpectOnlyInProperties(result, path, task.second);
    }

    // Refused before any script: the error names the property that cannot be written, never a value.
    work.Write("path", "filesystem-refused");
    work.Write("items/refused.xml", WorkItemXml("wi-1", "Setup",
                                                {{"Secret", EncryptionHelpers_Encrypt(canary)},
                                                 {"Secret.IsEncrypted", "true"},
                                                 {"Broken", EncryptionHelpers_Encrypt("\x01")},
                                                 {"Broken.IsEncrypted", "true"}}));
    const AgentResult refused = RunItems({"items/refused.xml"}, {"--response", "out.xml"});
    EXPECT_EQ(refused.status, 0);
    ExpectReport(Read("out.xml"), false, "The value of the property 'broken' cannot be written as XML");
    ExpectOnlyInProperties(refused, "filesystem-refused", false);

    SoapServer server;
    server.Start();
    for (const auto& task : tasks)
    {
        const std::string path = "network-" + task.first;
        work.Write("path", path);
        server.SetScenario(SoapServer::WorkItemScenario(WorkItemXml(
            "wi-1", task.first, {{"Secret", EncryptionHelpers_Encrypt(canary)}, {"Secret.IsEncrypted", "true"}})));
        const AgentResult result = RunAgainst(server);
        EXPECT_EQ(result.status, task.first == "reboot" ? 1 : 0) << path;
        ExpectReport(ReportOf(server.Requests().back()), task.first != "Fail", task.first == "Fail" ? "it broke" : "");
        ExpectOnlyInProperties(result, path, task.second);
    }
    const std::vector<SoapServer::Request> requests = server.Requests();
    EXPECT_EQ(requests.size(), 6u);
    for (const SoapServer::Request& request : requests)
        EXPECT_EQ(request.body.find(canary), std::string::npos) << request.body;

    // The run history has a line for each run, with the failures' texts, and no value.
    const std::string history = Read("scripts/.tarvel/history");
    EXPECT_EQ(std::count(history.begin(), history.end(), '\n'), 7) << history;
    EXPECT_NE(history.find("it broke"), std::string::npos) << history;
    EXPECT_NE(history.find("The value of the property 'broken' cannot be written as XML"), std::string::npos)
        << history;
    EXPECT_EQ(history.find(canary), std::string::npos) << history;
}
