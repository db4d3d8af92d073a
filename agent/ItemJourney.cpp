#include "ItemJourney.h"

#include "ErrorText.h"
#include "FinalStageRecord.h"
#include "HeldDirectory.h"
#include "ICourier.h"
#include "IProxy.h"
#include "LocalFile.h"
#include "LogText.h"
#include "ProcessTable.h"
#include "RunRecord.h"
#include "ScriptHost.h"
#include "StateDirectory.h"
#include "TaskDirectory.h"
#include "TaskFiles.h"
#include "WorkItem.h"
#include "WorkItemResponse.h"

#include <Poco/Format.h>
#include <Poco/Logger.h>

#include <sstream>
#include <stdexcept>

namespace
{
/// How long a response may take to reach the server when the agent was asked to stop: one short
/// attempt, since whoever stops the agent waits for it; what does not get through is kept.
const long stoppingDeliveryMilliseconds = 5000;
} // namespace

ItemJourney::ItemJourney(StateDirectory& stateDirectory, IProxy& itemProxy, ICourier* networkProxy,
                         const std::string& root, Poco::Logger& log, RunRecord& runRecord)
    : state(stateDirectory)
    , proxy(itemProxy)
    , network(networkProxy)
    , scriptRoot(root)
    , logger(log)
    , reported(false)
    , answer(Answer::None)
    , answeredFinalStage(false)
    , run(runRecord)
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
    RemoveLeftProperties(record.task);
    // The previous run may have stored its response already and failed just after.
    if (outbox && !outbox->Holds(record.token))
    {
        WorkItemResponse response{record.id, false, record.task, message, scriptRoot};
        outbox->Store(record.token, record.id, ResponseText(response, true));
    }
    InFlightRecord::Clear(state);
}

bool ItemJourney::DeliverKept()
{
    const bool delivered = !outbox || outbox->DeliverAll(Courier(0));
    if (!delivered)
        run.KeptEarlier(outbox->Problem());
    return delivered;
}

bool ItemJourney::FinalStageRecorded()
{
    std::string token;
    if (!outbox || !FinalStageRecord::Load(state, token, logger))
        return false;
    poco_information_f1(logger,
                        "An earlier run reached the final stage and its report (%s) has gone to the server; no more "
                        "work is asked for",
                        token);
    run.DeliveredFinalStage();
    return true;
}

void ItemJourney::EndFinalStage()
{
    if (!outbox)
        return;
    if (const int signal = StopSignals::Received())
    {
        poco_information_f1(logger, "The final stage stays recorded after %s: the next run ends with 255 too",
                            StopSignals::Name(signal));
        return;
    }
    FinalStageRecord::Clear(state);
}

void ItemJourney::Begin(const WorkItem& item)
{
    reported = false;
    answer = Answer::None;
    answeredFinalStage = false;
    taskDirectory.reset();
    inFlight = InFlightRecord();
    inFlight.token = Outbox::NewToken();
    inFlight.id = item.id;
    inFlight.task = item.task;
    run.Fetched(item.id, item.task);
    inFlight.Save(state);
    // The task's files are written, read and removed there: not among the agent's own.
    if (IntoState(item.task))
        throw std::runtime_error(Poco::format("The task '%s' is refused: its directory lies in the agent's state "
                                              "directory '%s'",
                                              item.task, state.Path()));
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
        inFlight.group = processId;
        // The script waits until this is stored; it cannot have ended yet. Without a process table
        // (no /proc in a chroot) the group is recorded without its start, and a later run leaves
        // it alone: the script still runs.
        if (ProcessTable::Find(static_cast<pid_t>(processId), leader))
        {
            inFlight.groupStart = leader.start;
            inFlight.groupBoot = ProcessTable::BootId();
        }
        else
        {
            poco_warning_f1(logger,
                            "The start of process %ld cannot be read (is /proc mounted?); should this run end "
                            "before the script, the next run cannot stop it",
                            processId);
        }
    }
    inFlight.SaveProgress(state);
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

void ItemJourney::Succeed(const WorkItem& item, StopSignals::Deferral& deferral, bool finalStage)
{
    WorkItemResponse response{item.id, true, item.task, "", scriptRoot};
    Report(item, response, ResponseText(response, false), deferral, finalStage);
}

void ItemJourney::Fail(const WorkItem& item, const std::string& error, StopSignals::Deferral& deferral, bool finalStage)
{
    std::string message = error;
    // A refused task is answered without touching anything below its name; the secrets go from
    // the directory held since before the scripts ran, whatever they did to it, but what they
    // left is read only where the directory neither leads out nor is open to others.
    // A file that stays ends the run unreported: the next run's recovery tries again.
    if (TaskDirectory::Accepts(item.task) && !IntoState(item.task))
    {
        const TaskDirectory directory(scriptRoot, item.task);
        const bool usable = TaskFilesUsable(directory);
        const TaskFiles files(scriptRoot, directory);
        if (taskDirectory)
            RemoveProperties();
        else if (usable)
            files.RemoveProperties();
        if (usable)
            message = files.ApplyErrorFile(error, logger);
    }
    WorkItemResponse response{item.id, false, item.task, message, scriptRoot};
    Report(item, response, ResponseText(response, true), deferral, finalStage);
}

bool ItemJourney::Reported() const
{
    return reported;
}

ItemJourney::Answer ItemJourney::LastAnswer() const
{
    return answer;
}

bool ItemJourney::AnsweredFinalStage() const
{
    return answeredFinalStage;
}

int ItemJourney::Status(int stage) const
{
    if (answer == Answer::Unwritten)
        return 1;
    if (!answeredFinalStage)
        return stage;
    if (answer == Answer::Kept)
    {
        // Ending with 255 now would have the caller mark the machine as provisioned and never
        // start the agent again: the report would stay where it is for good.
        poco_warning(logger, "The final stage is reached, but its report is kept: the run ends with 1, and the "
                             "run that delivers it with 255");
        return 1;
    }
    return -1;
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
                         StopSignals::Deferral& deferral, bool finalStage)
{
    poco_information(logger, text);
    run.Answered(response.succeeded, response.message);
    if (!outbox)
    {
        // Written directly: what the file holds now is all the answer there is.
        try
        {
            proxy.SendWorkItemComplete(response);
            answer = Answer::Delivered;
        }
        catch (const std::exception& exc)
        {
            answer = Answer::Unwritten;
            const std::string error =
                Poco::format("%s (work item id=%s)", LogText::Escape(ErrorText::Of(exc)), LogText::Escape(item.id));
            poco_error(logger, error);
            run.Failed(error);
        }
        run.Delivered(answer == Answer::Delivered ? RunRecord::Answer::Delivered : RunRecord::Answer::Unwritten);
        reported = true;
        answeredFinalStage = finalStage;
        InFlightRecord::Clear(state);
        if (!finalStage)
            deferral.End();
        if (answer == Answer::Delivered)
        {
            poco_information_f1(logger, "Successfully sent the work item response for id=%s", LogText::Escape(item.id));
        }
        return;
    }
    // Recorded first: whatever happens to the run from here, the next one knows that the final
    // stage was reached once the response below has gone.
    if (finalStage)
        FinalStageRecord::Save(state, inFlight.token);
    const std::string entry = outbox->Store(inFlight.token, item.id, text);
    reported = true;
    answeredFinalStage = finalStage;
    // Cleared before the response is sent, so that a record never outlives a delivered response
    // (a journalling file system keeps the two removals in order); the stored response stands for
    // it meanwhile.
    InFlightRecord::Clear(state);
    if (!finalStage)
        deferral.End();
    // After a stop signal one short attempt; a response that does not get through is kept.
    const Outbox::Delivery delivery =
        outbox->Deliver(entry, Courier(StopSignals::Received() ? stoppingDeliveryMilliseconds : 0));
    answer = delivery == Outbox::Delivery::Kept ? Answer::Kept : Answer::Delivered;
    run.Delivered(delivery == Outbox::Delivery::Kept       ? RunRecord::Answer::Kept
                  : delivery == Outbox::Delivery::Rejected ? RunRecord::Answer::Refused
                  : delivery == Outbox::Delivery::SetAside ? RunRecord::Answer::Unwritten
                                                           : RunRecord::Answer::Delivered,
                  outbox->Problem());
}

Outbox::Courier ItemJourney::Courier(long timeoutMilliseconds)
{
    ICourier* courier = network;
    return [courier, timeoutMilliseconds](const std::string& document, std::string& reason) {
        return courier->Deliver(document, reason, timeoutMilliseconds);
    };
}

void ItemJourney::RemoveLeftProperties(const std::string& task)
{
    // The task directory is computed again from the task's name and checked as for a run: the
    // record names no path of its own, so it cannot point the removal anywhere else.
    if (!TaskDirectory::Accepts(task) || IntoState(task))
        return;
    try
    {
        const TaskDirectory directory(scriptRoot, task);
        if (!directory.Exists())
            return;
        directory.Verify();
        if (LocalFile::Remove(directory.File("properties.xml")))
        {
            poco_information_f1(logger, "Removed the properties.xml that the previous run left in '%s'",
                                LogText::Escape(directory.Path().toString()));
        }
    }
    catch (const std::exception& exc)
    {
        poco_error(logger, LogText::Escape(exc.what()));
    }
}

bool ItemJourney::IntoState(const std::string& task) const
{
    return TaskDirectory::Accepts(task) && state.Contains(TaskDirectory(scriptRoot, task).Path().toString());
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
    if (record.groupStart == 0 || record.groupBoot.empty())
    {
        poco_warning_f2(logger,
                        "The previous run's script '%s' (process group %ld) was recorded without its start; it is "
                        "not signalled",
                        script, record.group);
        return;
    }
    if (record.groupBoot != ProcessTable::BootId())
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
