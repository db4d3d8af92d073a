#include "FaultFixture.h"

#include "EncryptionHelpers.h"

#include <Poco/DOM/AutoPtr.h>
#include <Poco/DOM/DOMParser.h>
#include <Poco/DOM/Document.h>
#include <Poco/DOM/Element.h>
#include <Poco/DOM/NodeList.h>
#include <Poco/DirectoryIterator.h>
#include <Poco/Exception.h>
#include <Poco/File.h>

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
/// Hands the tree to user nobody, who runs the agent: directories and scripts its own (as strict
/// modes want them), everything readable.
void HandOver(const std::string& directory)
{
    const int ignored = ::chown(directory.c_str(), 65534, 65534);
    static_cast<void>(ignored);
    ::chmod(directory.c_str(), 0755);
    for (Poco::DirectoryIterator it(directory), end; it != end; ++it)
    {
        if (it->isLink())
            continue;
        if (it->isDirectory())
            HandOver(it->path());
        else
        {
            const int alsoIgnored = ::chown(it->path().c_str(), 65534, 65534);
            static_cast<void>(alsoIgnored);
            ::chmod(it->path().c_str(), it->canExecute() ? 0755 : 0644);
        }
    }
}
} // namespace

std::string FaultFixture::Item(const std::string& task, const std::string& secret,
                               const std::vector<std::pair<std::string, std::string>>& more) const
{
    std::vector<std::pair<std::string, std::string>> parameters{
        {"HostName", "vm-01"}, {"Secret", EncryptionHelpers_Encrypt(secret)}, {"Secret.IsEncrypted", "true"}};
    parameters.insert(parameters.end(), more.begin(), more.end());
    work.Write("items/" + task + ".xml", WorkItemXml("wi-1", task, parameters));
    return "items/" + task + ".xml";
}

AgentResult FaultFixture::RunItemsDenied(const std::string& item, const std::string& denied, std::string& reason)
{
    const std::vector<std::string> arguments{"--config",   "conf/tarvel.properties",
                                             "--name",     "agent-1",
                                             "--script",   "scripts",
                                             "--workitem", item,
                                             "--response", "out.xml"};
    reason.clear();
    if (::geteuid() != 0)
    {
        ::chmod((work / denied).c_str(), 0);
        return AgentProcess::Run(arguments, work.Path());
    }
    if (!Poco::File("/usr/bin/setpriv").exists())
    {
        reason = "running as root without /usr/bin/setpriv: permission bits cannot be tested";
        return {};
    }
    // The copy of the program lies where user nobody may run it, whatever the build tree allows.
    Poco::File(AgentProcess::Program()).copyTo(work / "tarvel");
    HandOver(work.Path());
    ::chmod((work / denied).c_str(), 0);
    std::vector<std::string> all{"--reuid=65534", "--regid=65534", "--clear-groups", "--", work / "tarvel"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return AgentProcess::RunProgram("/usr/bin/setpriv", all, work.Path(), {}, 60);
}

AgentResult FaultFixture::RunAgainst(const SoapServer& server)
{
    return Run({"--host", "127.0.0.1:" + std::to_string(server.Port()), "--name", "agent-1", "--script", "scripts"});
}

std::string FaultFixture::ReportOf(const SoapServer::Request& request)
{
    if (request.operation != "WorkItemComplete")
        return std::string();
    Poco::XML::DOMParser parser;
    Poco::XML::AutoPtr<Poco::XML::Document> document = parser.parseString(request.body);
    Poco::XML::AutoPtr<Poco::XML::NodeList> list =
        document->getElementsByTagNameNS("http://orvex.example/Ostrel", "response");
    return list->length() ? list->item(0)->innerText() : std::string();
}

void FaultFixture::ExpectReport(const std::string& report, bool succeeded, const std::string& messagePart) const
{
    Poco::XML::DOMParser parser;
    Poco::XML::AutoPtr<Poco::XML::Document> document;
    try
    {
        document = parser.parseString(report);
    }
    catch (const Poco::Exception& exc)
    {
        ADD_FAILURE() << "no readable report (" << exc.displayText() << "):\n" << report;
        return;
    }
    Poco::XML::AutoPtr<Poco::XML::NodeList> results = document->getElementsByTagName("result");
    Poco::XML::AutoPtr<Poco::XML::NodeList> messages = document->getElementsByTagName("message");
    ASSERT_EQ(results->length(), 1u) << report;
    ASSERT_EQ(messages->length(), 1u) << report;
    EXPECT_EQ(static_cast<Poco::XML::Element*>(results->item(0))->getAttribute("succeeded"),
              succeeded ? "true" : "false")
        << report;
    EXPECT_NE(messages->item(0)->innerText().find(messagePart), std::string::npos) << report;
}

std::string FaultFixture::Tail(const std::string& relative, std::size_t bytes) const
{
    std::ifstream stream(work / relative, std::ios::binary | std::ios::ate);
    const std::streamoff size = stream.tellg();
    if (size <= 0)
        return std::string();
    const std::streamoff start =
        size > static_cast<std::streamoff>(bytes) ? size - static_cast<std::streamoff>(bytes) : 0;
    stream.seekg(start);
    std::string text(static_cast<std::size_t>(size - start), '\0');
    stream.read(&text[0], static_cast<std::streamsize>(text.size()));
    return text;
}

std::string FaultFixture::Errors() const
{
    std::istringstream log(Log());
    std::string errors;
    for (std::string line; std::getline(log, line);)
        if (line.compare(0, 6, "Error|") == 0)
            errors += line + "\n";
    return errors;
}

std::vector<SoapServer::Request> FaultFixture::Requests(const SoapServer& server, const std::string& operation)
{
    std::vector<SoapServer::Request> found;
    for (const SoapServer::Request& request : server.Requests())
        if (request.operation == operation)
            found.push_back(request);
    return found;
}
