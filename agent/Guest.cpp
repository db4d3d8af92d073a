#include "Guest.h"

#include "BuildConfig.h"
#include "ConfinedProxy.h"
#include "ErrorText.h"
#include "FilesystemProxy.h"
#include "FinalStage.h"
#include "ItemJourney.h"
#include "LogText.h"
#include "MachineQuery.h"
#include "Proxy.h"
#include "RunHistory.h"
#include "RunInterrupted.h"
#include "Runner.h"
#include "StateDirectory.h"
#include "StopSignals.h"
#include "TaskDirectory.h"
#include "TaskFiles.h"
#include "WorkItem.h"

#include <Poco/Format.h>
#include <Poco/Logger.h>
#include <Poco/NumberParser.h>
#include <Poco/Path.h>
#include <Poco/String.h>
#include <Poco/Util/HelpFormatter.h>
#include <Poco/Util/Option.h>
#include <Poco/Util/OptionCallback.h>
#include <Poco/Util/OptionSet.h>

#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <sys/stat.h>

using Poco::Util::Option;
using Poco::Util::OptionCallback;

Guest::Guest()
    : useSsl(false)
    , axisLogFile("tarvel-axis.log")
    , scriptRoot(".")
    , network(nullptr)
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
    options.addOption(Option("axis", "a", "AXIS log file name")
                          .argument("FILENAME")
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionAxis)));
    options.addOption(Option("config", "c", "tarvel configuration file")
                          .argument("FILENAME")
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionConfig)));
    options.addOption(
        Option("help", "h", "display this message").callback(OptionCallback<Guest>(this, &Guest::HandleOptionHelp)));
    options.addOption(Option("host", "H", "host to connect to")
                          .argument("HOST")
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionHost)));
    options.addOption(Option("name", "n", "name of the agent")
                          .argument("AGENT")
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionName)));
    options.addOption(
        Option("ping", "p", "send PING to Orvex").callback(OptionCallback<Guest>(this, &Guest::HandleOptionPing)));
    options.addOption(Option("script", "S", "root script directory")
                          .argument("DIRECTORY")
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionScript)));
    options.addOption(
        Option("ssl", "s", "enable SSL communication").callback(OptionCallback<Guest>(this, &Guest::HandleOptionSsl)));
    options.addOption(Option("version", "V", "display the version")
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionVersion)));
    options.addOption(Option("workitem", "w", "use a work item from the local filesytem")
                          .argument("WORKITEM")
                          .repeatable(true)
                          .callback(OptionCallback<Guest>(this, &Guest::HandleOptionWorkItem)));
    options.addOption(Option("response", "r", "send a work item response to the local filesytem")
                          .argument("RESPONSE")
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
    formatter.setFooter("tarvel --status [--json] [--wait [--timeout=SECONDS]]: where provisioning stands (tarvel(8))");
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
        proxy = std::make_unique<FilesystemProxy>();
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
    const int status = Pass();
    // Recorded while the run holds its lock; whatever becomes of the record, the status stands.
    StopSignals::ClearNote();
    if (state)
        RunHistory::Record(*state, record, status, logger());
    return status;
}

int Guest::Pass()
{
    try
    {
        // First, so that a run that fails from here on is recorded in the history.
        OpenState();
        // A stop signal that ends the run from here on, at once or after its grace, records it too.
        record.NoteOnStop(*state);
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
        journey = std::make_unique<ItemJourney>(*state, *proxy, network, scriptRoot, logger(), record);
        journey->Recover(limits.graceSeconds);
        // Responses kept by an earlier run go first; while the server cannot take them, no new
        // work is asked for, so that no script runs twice.
        if (!journey->DeliverKept())
            return 1;
        // An earlier run reached the final stage, and its report has gone now: nothing more to ask.
        const int result = journey->FinalStageRecorded() ? -1 : WorkItemLoop();
        if (result == -1)
        {
            // From here a stop signal changes nothing the caller is told.
            if (!deferral)
                deferral.emplace();
            journey->EndFinalStage();
        }
        return result;
    }
    catch (const RunInterrupted& exc)
    {
        const std::string text = Poco::format("The agent stops after %s", StopSignals::Name(exc.signal));
        poco_error(logger(), text);
        record.Interrupted(text);
        return 1;
    }
    catch (const std::exception& exc)
    {
        const std::string text = LogText::Escape(ErrorText::Of(exc));
        poco_error(logger(), text);
        record.Failed(text);
        return 1;
    }
    catch (...)
    {
        poco_error(logger(), "An unhandled exception occurred!");
        record.Failed("An unhandled exception occurred!");
        return 1;
    }
}

void Guest::StartNetworkProxy()
{
    poco_information(logger(), "Using the network enabled proxy ...");
    const std::string uri = MakeUri();
    poco_information_f1(logger(), "The Orvex endpoint is %s.", uri);
    poco_information(logger(), "The AXIS2C directory is axis2/.");
    // Off only for diagnosis: the exchange then parses what the server sends as root.
    if (config().getBool("tarvel.confine", true))
    {
        auto created = std::make_unique<ConfinedProxy>("axis2", uri, axisLogFile);
        network = created.get();
        proxy = std::move(created);
    }
    else
    {
        poco_warning(logger(), "The network exchanges run in this process (tarvel.confine is off)");
        auto created = std::make_unique<Proxy>("axis2", uri, axisLogFile);
        network = created.get();
        proxy = std::move(created);
    }
    proxy->Initialize();
}

int Guest::SecondsSetting(const std::string& key, int defaultValue) const
{
    const std::string text = Poco::trim(config().getString(key, ""));
    if (text.empty())
        return defaultValue;
    int value = 0;
    if (!Poco::NumberParser::tryParse(text, value) || value < 0)
        throw std::runtime_error(
            Poco::format("The setting %s must be a whole number of seconds, not '%s'", key, LogText::Escape(text)));
    return value;
}

void Guest::OpenState()
{
    // The script root's owner (an image builder's user) may own the directories on the way to the
    // default state directory below the root; it can change the scripts the agent runs anyway.
    struct stat root;
    const uid_t rootOwner = ::stat(scriptRoot.c_str(), &root) == 0 ? root.st_uid : 0;
    state = std::make_unique<StateDirectory>(
        StateDirectory::Location(config().getString("tarvel.state", ""), scriptRoot), logger(), rootOwner);
    limits.timeoutSeconds = SecondsSetting("tarvel.scriptTimeout", 0);
    limits.graceSeconds = SecondsSetting("tarvel.stopGrace", 10);
}

int Guest::WorkItemLoop()
{
    int result = 1;
    for (const std::string& agentId : agentIds)
    {
        poco_information_f1(logger(), "Requesting work for agent ID %s.", LogText::Escape(agentId));
        record.AskedAs(agentId);
        result = ProcessWorkItem(agentId);
        // An answer that ends the run with 1 ends the asking too: the final stage's report kept
        // for a later run, or a response that could not be written.
        if (result <= 0 || journey->LastAnswer() == ItemJourney::Answer::Unwritten || journey->AnsweredFinalStage())
            return result;
        // A stop that came while no item arrived: no more work is asked for.
        if (const int signal = StopSignals::Received())
            throw RunInterrupted(signal, Poco::format("The run was interrupted by %s", StopSignals::Name(signal)));
    }
    return result;
}

int Guest::ProcessWorkItem(const std::string& agentId)
{
    const Runner runner(scriptRoot, ScriptHost::System(), limits);
    std::unique_ptr<WorkItem> item;
    bool reboot = false;
    try
    {
        poco_information(logger(), "Fetching a work item ...");
        // A stop signal waits for the exchange (for at most the grace period): an item the server
        // has handed out is answered, not lost.
        deferral.emplace(limits.graceSeconds);
        item.reset(proxy->GetWorkItem(agentId));
        // From here to the stored response a stop signal is only noted: the item is wound up first.
        deferral->EndLimit();
        if (!item)
        {
            deferral.reset();
            return 1;
        }
        journey->Begin(*item);
        if (const int signal = StopSignals::Received())
            throw RunInterrupted(
                signal, Poco::format("The run was interrupted by %s before any script ran", StopSignals::Name(signal)));
        // Refuses a task that leads outside the script root before any file is touched.
        const TaskDirectory directory(scriptRoot, item->task);
        const std::vector<std::string>& undecryptable = item->UndecryptableProperties();
        if (!undecryptable.empty())
            throw std::runtime_error(
                Poco::format("The value of the property '%s' cannot be decrypted", undecryptable.front()));
        if (directory.Exists())
        {
            directory.Verify();
            journey->HoldTaskDirectory(directory);
        }
        WriteWorkItemProperties(item.get());
        poco_information_f1(logger(), "Fetched work item id=%s", LogText::Escape(item->id));
        LogWorkItem(*item);

        // A reboot item runs nothing and is only acknowledged.
        reboot = Poco::toLower(item->task) == "reboot";
        if (!reboot)
        {
            runner.Execute(item->task, [this](const std::string& script, long processId) {
                journey->RecordScript(script, processId);
            });
            journey->RecordScript("");
        }
        journey->RemoveProperties();
        journey->Succeed(*item, *deferral, !reboot && FinalStageMarks(*item));
    }
    catch (const std::exception& exc)
    {
        const std::string error = ErrorText::Of(exc);
        poco_error(logger(), LogText::Escape(error));
        // An item that could not be read has no id to answer: the run's record keeps the failure.
        if (!item)
            record.Failed(LogText::Escape(error));
        // A response already on its way is not followed by a second one. An item the agent was
        // stopped in is answered as interrupted, never as the final stage.
        const bool interrupted = dynamic_cast<const RunInterrupted*>(&exc) != nullptr;
        if (item && !journey->Reported())
            journey->Fail(*item, error, *deferral, !reboot && !interrupted && FinalStageMarks(*item));
    }
    // The final stage's answer decides the run from here on, whatever stop signal comes (a last
    // script that reboots the machine); after any other item a stop ends the run at once again.
    if (!journey->AnsweredFinalStage())
        deferral.reset();
    if (const int signal = StopSignals::Received(); signal && !journey->AnsweredFinalStage())
        throw RunInterrupted(signal, Poco::format("The run was interrupted by %s", StopSignals::Name(signal)));
    if (reboot && journey->Reported())
        return 1;
    return journey->Status(CheckFinalStage(item.get()));
}

bool Guest::FinalStageMarks(const WorkItem& item) const
{
    try
    {
        const FinalStage table(configFile);
        std::ostream quiet(nullptr);
        return table.Exists() && table.Marks(&item.task, quiet);
    }
    catch (const std::exception&)
    {
        // Not the final stage for now: CheckFinalStage reports the table after the answer.
        return false;
    }
}

void Guest::LogWorkItem(const WorkItem& item)
{
    // What the item's text dump shows, one message per property: a value's line breaks are
    // escaped, so a property cannot pass for a line of the agent's own.
    if (!logger().information())
        return;
    poco_information(logger(), "WorkItem: task=" + LogText::Escape(item.task) + ", id=" + LogText::Escape(item.id));
    for (const auto& property : item.VisibleProperties())
        poco_information(logger(), LogText::Escape(property.first) + " -> " + LogText::Escape(property.second));
}

int Guest::CheckFinalStage(WorkItem* item)
{
    const FinalStage table(configFile);
    poco_information(logger(), table.Path());
    if (!table.Exists())
        return 0;
    if (!table.Marks(item ? &item->task : nullptr, std::cout))
        return 0;
    poco_information(logger(), "found termination node");
    return -1;
}

void Guest::WriteWorkItemProperties(WorkItem* item)
{
    const TaskDirectory directory(scriptRoot, item->task);
    TaskFiles(scriptRoot, directory).Write(*item);
}
