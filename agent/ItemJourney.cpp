#include "ItemJourney.h"

#include "ErrorText.h"
#include "HeldDirectory.h"
#include "IProxy.h"
#include "LocalFile.h"
#include "LogText.h"
#include "ProcessTable.h"
#include "Proxy.h"
#include "ScriptHost.h"
#include "StateDirectory.h"
#include "TaskDirectory.h"
#include "TaskFiles.h"
#include "WorkItem.h"
#include "WorkItemResponse.h"

#include <Poco/Format.h>
#include <Poco/Logger.h>

#include <sstream>

namespace
{
/// How long a response may take to reach the server when the agent was asked to stop: one short
/// attempt, since whoever stops the agent waits for it; what does not get through is kept.
const long stoppingDeliveryMilliseconds = 5000;
} // namespace

ItemJourney::ItemJourney(StateDirectory& stateDirectory, IProxy& itemProxy, Proxy* networkProxy,
                         const std::string& root, Poco::Logger& log)
    : state(stateDirectory)
    , proxy(itemProxy)
    , network(networkProxy)
    , scriptRoot(root)
    , logger(log)
    , reported(false)
{
    if (network)
        outbox = std::make_unique<Outbox>(state, logger);
}

ItemJourney::~ItemJourney() = default;

void ItemJourney::Recover(int graceSeconds)
{
    InFlightRecord record;
    if (!InFlightRecord::Load(state, record))
        return;
    // Before anything of the item is touched: the script must not go on beside the next one,
    // nor have its secrets taken from under it.
    StopLeftoverScript(record, graceSeconds);
    const std::string message =
        record.script.empty()
            ? std::string("The previous run ended while the work item was handled; the agent was stopped")
            : Poco::format("The previous run ended while '%s' ran; the agent was stopped", record.script);
    poco_error_f2(logger, "%s (work item id=%s)", LogText::Escape(message), LogText::Escape(record.id));
    if (!record.taskDirectory.empty())
    {
        try
        {
            if (LocalFile::Remove(record.taskDirectory + "properties.xml"))
            {
                poco_information_f1(logger, "Removed the properties.xml that the previous run left in '%s'",
                                    LogText::Escape(record.taskDirectory));
            }
        }
        catch (const std::exception& exc)
        {
            poco_error(logger, LogText::Escape(exc.what()));
        }
    }
    // The previous run may have stored its response already and failed just after.
    if (outbox && !outbox->Holds(record.token))
    {
        WorkItemResponse response{record.id, false, record.task, message, scriptRoot};
        outbox->Store(record.token, ResponseText(response, true));
    }
    InFlightRecord::Clear(state);
}

bool ItemJourney::DeliverKept()
{
    return !outbox || outbox->DeliverAll(Courier(0));
}

void ItemJourney::Begin(const WorkItem& item)
{
    reported = false;
    taskDirectory.reset();
    inFlight = InFlightRecord();
    inFlight.token = Outbox::NewToken();
    inFlight.id = item.id;
    inFlight.task = item.task;
    if (TaskDirectory::Accepts(item.task))
        inFlight.taskDirectory = TaskDirectory(scriptRoot, item.task).Path().toString();
    inFlight.Save(state);
}

void ItemJourney::RecordScript(const std::string& script, long processId)
{
    inFlight.script = script;
    inFlight.group = 0;
    inFlight.groupStart = 0;
    inFlight.groupBoot.clear();
    ProcessTable::Entry leader;
    if (processId > 0)
    {
        // The script waits until this is stored; it cannot have ended yet.
        if (!ProcessTable::Find(static_cast<pid_t>(processId), leader))
            throw std::runtime_error(Poco::format("The start of process %ld cannot be read", processId));
        inFlight.group = processId;
        inFlight.groupStart = leader.start;
        inFlight.groupBoot = ProcessTable::BootId();
    }
    inFlight.Save(state);
}

void ItemJourney::HoldTaskDirectory(const TaskDirectory& directory)
{
    taskDirectory = std::make_unique<HeldDirectory>(directory.Path().toString());
}

void ItemJourney::RemoveProperties()
{
    if (taskDirectory)
        taskDirectory->RemoveFile("properties.xml");
}

void ItemJourney::Succeed(const WorkItem& item, StopSignals::Deferral& deferral)
{
    WorkItemResponse response{item.id, true, item.task, "", scriptRoot};
    Report(item, response, ResponseText(response, false), deferral);
}

void ItemJourney::Fail(const WorkItem& item, const std::string& error, StopSignals::Deferral& deferral)
{
    std::string message = error;
    // A refused task is answered without touching anything below its name; the secrets go from
    // the directory held since before the scripts ran, whatever they did to it, but what they
    // left is read only where the directory neither leads out nor is open to others.
    // A file that stays ends the run unreported: the next run's recovery tries again.
    if (TaskDirectory::Accepts(item.task))
    {
        const TaskDirectory directory(scriptRoot, item.task);
        const bool usable = TaskFilesUsable(directory);
        const TaskFiles files(scriptRoot, directory);
        if (taskDirectory)
            RemoveProperties();
        else if (usable)
            files.RemoveProperties();
        if (usable)
        {
            files.RelayLog(logger);
            message = files.ApplyErrorFile(error, logger);
        }
    }
    WorkItemResponse response{item.id, false, item.task, message, scriptRoot};
    Report(item, response, ResponseText(response, true), deferral);
}

bool ItemJourney::Reported() const
{
    return reported;
}

std::string ItemJourney::ResponseText(WorkItemResponse& response, bool fallBack)
{
    std::ostringstream text;
    try
    {
        text << response;
    }
    catch (const std::exception& exc)
    {
        if (!fallBack)
            throw;
        // The failure must reach the server even when the scripts' results file is unreadable.
        poco_error_f1(logger, "The results file cannot be read; the failure is reported without result parameters: %s",
                      LogText::Escape(ErrorText::Of(exc)));
        response.readResults = false;
        text.str("");
        text << response;
    }
    return text.str();
}

void ItemJourney::Report(const WorkItem& item, const WorkItemResponse& response, const std::string& text,
                         StopSignals::Deferral& deferral)
{
    poco_information(logger, text);
    if (!outbox)
    {
        proxy.SendWorkItemComplete(response);
        reported = true;
        InFlightRecord::Clear(state);
        deferral.End();
        poco_information_f1(logger, "Successfully sent the work item response for id=%s", LogText::Escape(item.id));
        return;
    }
    const std::string entry = outbox->Store(inFlight.token, text);
    reported = true;
    InFlightRecord::Clear(state);
    deferral.End();
    // After a stop signal one short attempt; a response that does not get through is kept.
    outbox->Deliver(entry, Courier(StopSignals::Received() ? stoppingDeliveryMilliseconds : 0));
}

Outbox::Courier ItemJourney::Courier(long timeoutMilliseconds)
{
    Proxy* courier = network;
    return [courier, timeoutMilliseconds](const std::string& document, std::string& reason) {
        return courier->Deliver(document, reason, timeoutMilliseconds);
    };
}

void ItemJourney::StopLeftoverScript(const InFlightRecord& record, int graceSeconds)
{
    if (record.group == 0)
        return;
    const std::string script = LogText::Escape(record.script);
    if (!ScriptHost::CanBeScriptGroup(record.group))
    {
        poco_error_f1(logger,
                      "The in-flight record names no process group a script can have ('%s'); no process is stopped",
                      record.group < 0 ? std::string("no number") : std::to_string(record.group));
        return;
    }
    const pid_t group = static_cast<pid_t>(record.group);
    ProcessTable::Entry leader;
    if (record.groupBoot.empty() || record.groupBoot != ProcessTable::BootId())
    {
        poco_information_f2(logger,
                            "The previous run's script '%s' (process group %ld) ran before the machine restarted",
                            script, record.group);
        return;
    }
    // Once the leader has ended its id may be given to another process: the group's identity
    // cannot be told any more, so nothing of it is signalled.
    if (!ProcessTable::Find(group, leader) || leader.Zombie())
    {
        poco_information_f2(logger, "The previous run's script '%s' has ended (process group %ld is not signalled)",
                            script, record.group);
        return;
    }
    // The id alone may have been given to another process since; its start time tells.
    if (leader.start != record.groupStart || leader.group != group)
    {
        poco_warning_f2(logger,
                        "Process %ld is not the previous run's script '%s' any more (another start time or process "
                        "group); it is not signalled",
                        record.group, script);
        return;
    }
    poco_warning_f2(logger, "Stopping the process group %ld that the previous run's script '%s' left running",
                    record.group, script);
    const int outcome = ScriptHost::StopOrphanedGroup(record.group, graceSeconds);
    if (outcome == 0)
        poco_information_f1(logger, "The process group %ld ended after SIGTERM", record.group);
    else if (outcome == 1)
        poco_warning_f2(logger, "The process group %ld was killed with SIGKILL after %d s", record.group, graceSeconds);
    else
        poco_error_f1(logger, "Processes of the process group %ld are still running after SIGKILL", record.group);
}

bool ItemJourney::TaskFilesUsable(const TaskDirectory& directory)
{
    if (!directory.Exists())
        return true;
    try
    {
        directory.Verify();
        return true;
    }
    catch (const std::exception&)
    {
        return false;
    }
}
