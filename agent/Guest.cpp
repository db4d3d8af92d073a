#include "Guest.h"

#include "BuildConfig.h"
#include "FilesystemProxy.h"
#include "MachineQuery.h"
#include "Proxy.h"
#include "Runner.h"
#include "TaskDirectory.h"
#include "WorkItem.h"
#include "WorkItemResponse.h"

#include <Poco/DOM/Attr.h>
#include <Poco/DOM/AutoPtr.h>
#include <Poco/DOM/DOMParser.h>
#include <Poco/DOM/Document.h>
#include <Poco/DOM/Element.h>
#include <Poco/DOM/NodeFilter.h>
#include <Poco/DOM/NodeIterator.h>
#include <Poco/Exception.h>
#include <Poco/File.h>
#include <Poco/Format.h>
#include <Poco/Logger.h>
#include <Poco/Path.h>
#include <Poco/SAX/InputSource.h>
#include <Poco/String.h>
#include <Poco/Util/HelpFormatter.h>
#include <Poco/Util/Option.h>
#include <Poco/Util/OptionCallback.h>
#include <Poco/Util/OptionSet.h>

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

using Poco::Util::Option;
using Poco::Util::OptionCallback;

namespace
{
/// The most telling text of an exception: POCO's what() gives only the exception's name.
std::string ErrorText(const std::exception& exc)
{
    const auto* poco = dynamic_cast<const Poco::Exception*>(&exc);
    return poco ? poco->displayText() : std::string(exc.what());
}

/// Reads one line as the scripts' files are read: at most 255 characters, the line feed dropped.
/// Returns false at the end of the file; a longer line comes back in several pieces.
bool ReadLine(std::istream& stream, std::string& line)
{
    char buffer[256];
    stream.getline(buffer, sizeof buffer);
    const std::streamsize count = stream.gcount();
    if (count == 0)
        return false;
    // Only a read that stopped at a line feed neither fails nor meets the end of the file.
    const bool delimiterTaken = !stream.fail() && !stream.eof();
    line.assign(buffer, static_cast<std::size_t>(delimiterTaken ? count - 1 : count));
    // A line longer than the buffer sets failbit without reaching its end: go on with the rest.
    if (stream.fail() && !stream.eof())
        stream.clear();
    return true;
}

/// Logs each line of `text` as one information message, the empty ones left out: what a
/// Poco::LogStream does, without its call per character (a large work item's dump has millions).
void LogLines(Poco::Logger& logger, const std::string& text)
{
    // A plain scan: find_first_of searches its set once per character of the text.
    std::size_t start = 0;
    for (std::size_t end = 0; end <= text.size(); ++end)
    {
        if (end < text.size() && text[end] != '\n' && text[end] != '\r')
            continue;
        if (end > start)
            logger.information(text.substr(start, end - start));
        start = end + 1;
    }
}
} // namespace

Guest::Guest()
    : useSsl(false)
    , axisLogFile("tarvel-axis.log")
    , scriptRoot(".")
{
}

Guest::~Guest() = default;

void Guest::initialize(Poco::Util::Application& self)
{
    loadConfiguration(0);
    Poco::Util::Application::initialize(self);
}

void Guest::uninitialize()
{
    Poco::Util::Application::uninitialize();
}

void Guest::reinitialize(Poco::Util::Application& self)
{
    Poco::Util::Application::reinitialize(self);
}

void Guest::defineOptions(Poco::Util::OptionSet& options)
{
    options.addOption(Option("axis", "a", "AXIS log file name").argument("FILENAME")
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionAxis)));
    options.addOption(Option("config", "c", "tarvel configuration file").argument("FILENAME")
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionConfig)));
    options.addOption(Option("help", "h", "display this message")
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionHelp)));
    options.addOption(Option("host", "H", "host to connect to").argument("HOST")
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionHost)));
    options.addOption(Option("name", "n", "name of the agent").argument("AGENT")
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionName)));
    options.addOption(Option("ping", "p", "send PING to Orvex")
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionPing)));
    options.addOption(Option("script", "S", "root script directory").argument("DIRECTORY")
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionScript)));
    options.addOption(Option("ssl", "s", "enable SSL communication")
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionSsl)));
    options.addOption(Option("version", "V", "display the version")
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionVersion)));
    options.addOption(Option("workitem", "w", "use a work item from the local filesytem").argument("WORKITEM")
                          .repeatable(true)
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionWorkItem)));
    options.addOption(Option("response", "r", "send a work item response to the local filesytem").argument("RESPONSE")
                          .repeatable(true)
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionResponse)));
}

void Guest::HandleOptionAxis(const std::string&, const std::string& value)
{
    axisLogFile = value;
}

void Guest::HandleOptionConfig(const std::string&, const std::string& value)
{
    configFile = value;
    loadConfiguration(value, 0);
}

void Guest::HandleOptionHelp(const std::string&, const std::string&)
{
    Poco::Util::HelpFormatter formatter(options());
    formatter.setCommand(commandName());
    formatter.setHeader("Lumetra Guest Agent");
    formatter.setUsage("<--host=<hostname>> [--ssl] [--name=<name>]");
    formatter.format(std::cout);
    stopOptionsProcessing();
    std::cout.flush();
    std::exit(0);
}

void Guest::HandleOptionHost(const std::string&, const std::string& value)
{
    host = value;
}

void Guest::HandleOptionName(const std::string&, const std::string& value)
{
    agentIds.push_back(value);
}

void Guest::HandleOptionPing(const std::string&, const std::string&)
{
    useSsl = true;
}

void Guest::HandleOptionScript(const std::string&, const std::string& value)
{
    scriptRoot = value;
}

void Guest::HandleOptionSsl(const std::string&, const std::string&)
{
    useSsl = true;
}

void Guest::HandleOptionVersion(const std::string&, const std::string&)
{
    std::cout << TARVEL_VERSION_MAJOR "." TARVEL_VERSION_MINOR "." TARVEL_VERSION_PATCH "." TARVEL_BUILD_NUMBER
              << std::endl;
    stopOptionsProcessing();
    std::exit(0);
}

void Guest::HandleOptionWorkItem(const std::string&, const std::string& value)
{
    EnsureFilesystemProxy().AppendWorkItem(value);
}

void Guest::HandleOptionResponse(const std::string&, const std::string& value)
{
    EnsureFilesystemProxy().SetWorkItemResponsePath(Poco::Path(value));
}

FilesystemProxy& Guest::EnsureFilesystemProxy()
{
    if (!proxy)
        proxy.reset(new FilesystemProxy);
    return dynamic_cast<FilesystemProxy&>(*proxy);
}

std::string Guest::MakeUri() const
{
    if (host.empty())
        throw std::runtime_error("The host parameter is required!");
    return (useSsl ? "https://" : "http://") + host + "/Ostrel2";
}

int Guest::main(const std::vector<std::string>&)
{
    try
    {
        if (agentIds.empty())
        {
            const std::string uuid = MachineQuery::GetUuid();
            agentIds.push_back(MachineQuery::Swizzle(uuid));
            agentIds.push_back(uuid);
        }
        if (proxy)
            poco_information(logger(), "Using the filesystem proxy ...");
        else
            StartNetworkProxy();
        return WorkItemLoop();
    }
    catch (const std::exception& exc)
    {
        poco_error(logger(), ErrorText(exc));
        return 1;
    }
    catch (...)
    {
        poco_error(logger(), "An unhandled exception occurred!");
        return 1;
    }
}

void Guest::StartNetworkProxy()
{
    poco_information(logger(), "Using the network enabled proxy ...");
    const std::string uri = MakeUri();
    poco_information_f1(logger(), "The Orvex endpoint is %s.", uri);
    poco_information(logger(), "The AXIS2C directory is axis2/.");
    proxy.reset(new Proxy("axis2", uri, axisLogFile));
    proxy->Initialize();
}

int Guest::WorkItemLoop()
{
    int result = 1;
    for (const std::string& agentId : agentIds)
    {
        poco_information_f1(logger(), "Requesting work for agent ID %s.", agentId);
        result = ProcessWorkItem(agentId);
        if (result <= 0)
            return result;
    }
    return result;
}

int Guest::ProcessWorkItem(const std::string& agentId)
{
    const Runner runner(scriptRoot);
    std::unique_ptr<WorkItem> item;
    try
    {
        poco_information(logger(), "Fetching a work item ...");
        item.reset(proxy->GetWorkItem(agentId));
        if (!item)
            return 1;
        // Refuses a task that leads outside the script root before any file is touched.
        const TaskDirectory directory(scriptRoot, item->task);
        WriteWorkItemProperties(item.get());
        poco_information_f1(logger(), "Fetched work item id=%s", item->id);
        if (logger().information())
        {
            std::ostringstream dump;
            dump << *item;
            LogLines(logger(), dump.str());
        }

        if (Poco::toLower(item->task) == "reboot")
        {
            RemoveWorkItemProperties(item.get());
            const WorkItemResponse response{item->id, true, item->task, "", scriptRoot};
            proxy->SendWorkItemComplete(response);
            return 1;
        }

        runner.Execute(item->task);
        RemoveWorkItemProperties(item.get());
        RelayScriptLog(directory);
        const WorkItemResponse response{item->id, true, item->task, "", scriptRoot};
        std::ostringstream text;
        text << response;
        poco_information(logger(), text.str());
        proxy->SendWorkItemComplete(response);
        poco_information_f1(logger(), "Successfully sent the work item response for id=%s", item->id);
    }
    catch (const std::exception& exc)
    {
        const std::string error = ErrorText(exc);
        poco_error(logger(), error);
        if (item)
            SendFailure(*item, error);
    }
    return CheckFinalStage(item.get());
}

void Guest::SendFailure(WorkItem& item, const std::string& error)
{
    std::string message = error;
    // A refused task is answered without touching anything below its name.
    if (TaskDirectory::Accepts(item.task))
    {
        const TaskDirectory directory(scriptRoot, item.task);
        RemoveWorkItemProperties(&item);
        RelayScriptLog(directory);
        message = ApplyErrorFile(directory, error);
    }

    WorkItemResponse response{item.id, false, item.task, message, ""};
    std::ostringstream text;
    try
    {
        text << response;
    }
    catch (const std::exception& exc)
    {
        // The failure must reach the server even when the scripts' results file is unreadable.
        poco_error_f1(logger(), "The results file cannot be read; the failure is reported without result parameters: %s",
                      ErrorText(exc));
        response.readResults = false;
        text.str("");
        text << response;
    }
    poco_information(logger(), text.str());
    proxy->SendWorkItemComplete(response);
}

void Guest::RelayScriptLog(const TaskDirectory& directory)
{
    const std::string path = directory.File("tarvellog.txt");
    if (!Poco::File(path).exists())
        return;
    std::ifstream stream(path);
    std::string line;
    while (ReadLine(stream, line))
        poco_information(logger(), line);
}

std::string Guest::ApplyErrorFile(const TaskDirectory& directory, const std::string& error)
{
    const std::string path = directory.File("tarvelerror.txt");
    if (!Poco::File(path).exists())
        return error;
    std::ifstream stream(path);
    std::string line;
    ReadLine(stream, line);
    std::string message;
    if (line == "OVERRIDE_ERROR_CONTEXT")
    {
        if (!ReadLine(stream, line))
            line.clear();
        message = line;
    }
    else
    {
        message = error + " - " + line;
    }
    poco_error(logger(), line);
    return message;
}

int Guest::CheckFinalStage(WorkItem* item)
{
    Poco::Path path(configFile);
    path.makeParent();
    path.makeAbsolute();
    path.makeDirectory();
    path.setFileName("config.xml");
    poco_information(logger(), path.toString());
    if (!Poco::File(path).exists())
        return 0;

    std::ifstream stream(path.toString());
    Poco::XML::InputSource source(stream);
    Poco::XML::DOMParser parser;
    Poco::XML::AutoPtr<Poco::XML::Document> document = parser.parse(&source);
    Poco::XML::NodeIterator iterator(document, Poco::XML::NodeFilter::SHOW_ELEMENT);
    for (Poco::XML::Node* node = iterator.nextNode(); node; node = iterator.nextNode())
    {
        const std::string text = node->innerText();
        std::cout << node->nodeName() << ":" << text << std::endl;
        if (!node->hasAttributes())
            continue;
        // An element without an id never marks a stage.
        const Poco::XML::Element* element = static_cast<Poco::XML::Element*>(node);
        const Poco::XML::Attr* id = element->getAttributeNode("id");
        if (!id)
            continue;
        std::cout << id->innerText() << std::endl;
        if (item && id->innerText() == item->task && text == "True")
        {
            poco_information(logger(), "found termination node");
            return -1;
        }
    }
    return 0;
}

void Guest::WriteWorkItemProperties(WorkItem* item)
{
    // Without its directory a task cannot run; the runner reports that, so only files in
    // directories that exist are written, and any failure there fails the item.
    const TaskDirectory directory(scriptRoot, item->task);
    Poco::Path root(scriptRoot);
    root.makeAbsolute();
    root.makeDirectory();
    const Poco::File rootDirectory(root);
    const std::string propertiesPath = directory.File("properties.xml");
    root.setFileName("workitem.xml");
    const std::string workitemPath = root.toString();

    if (directory.Exists())
    {
        // The file holds the decrypted values: owner only from its creation on, whatever the umask.
        const int descriptor = ::open(propertiesPath.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        if (descriptor >= 0)
        {
            ::fchmod(descriptor, 0600);
            ::close(descriptor);
        }
        std::ofstream properties(propertiesPath, std::ios::out | std::ios::trunc);
        if (properties)
            item->ExportPropertiesAsXml(properties);
        properties.close();
        if (!properties)
            throw std::runtime_error(Poco::format("The work item properties could not be written to '%s'", propertiesPath));
    }
    if (rootDirectory.exists() && rootDirectory.isDirectory())
    {
        std::ofstream workitem(workitemPath, std::ios::out | std::ios::trunc);
        if (workitem)
            item->ExportWorkitemAsXml(workitem);
        workitem.close();
        if (!workitem)
            throw std::runtime_error(Poco::format("The work item could not be written to '%s'", workitemPath));
    }
}

void Guest::RemoveWorkItemProperties(WorkItem* item)
{
    const TaskDirectory directory(scriptRoot, item->task);
    Poco::File properties(directory.File("properties.xml"));
    // Only a file that is there and stays there is an error: the task directory may be missing,
    // or a script may have removed the file itself.
    if (properties.exists())
        properties.remove(false);
}
