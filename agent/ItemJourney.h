// The journey of a work item from the fetch to its answer. While an item is handled, an in-flight
// record in the state directory says so; its response is stored in the outbox before it is sent
// (network mode) or written to the filesystem proxy's response file, and a failure is answered
// with what the task's files add to it. A run that finds the record of a run that died winds that
// item up first. Storage failures throw std::runtime_error; delivery outcomes are logged.
#pragma once

#include "InFlightRecord.h"
#include "Outbox.h"
#include "StopSignals.h"

#include <memory>
#include <string>

namespace Poco
{
class Logger;
}
class HeldDirectory;
class ICourier;
class IProxy;
class RunRecord;
class StateDirectory;
class TaskDirectory;
class WorkItem;
struct WorkItemResponse;

class ItemJourney
{
public:
    /// How the answer of the last item went.
    enum class Answer
    {
        None,      ///< no item answered yet
        Delivered, ///< written to the response file, or taken (or refused for good) by the server
        Kept,      ///< stored in the outbox for a later run to deliver
        Unwritten  ///< the response file could not be written (filesystem mode)
    };

    /// `network` carries responses to the server when `proxy` is a network proxy, else null
    /// (filesystem mode, no outbox). What happens to items and reports is noted in `run`.
    ItemJourney(StateDirectory& state, IProxy& proxy, ICourier* network, const std::string& scriptRoot,
                Poco::Logger& logger, RunRecord& run);
    ~ItemJourney();

    ItemJourney(const ItemJourney&) = delete;
    ItemJourney& operator=(const ItemJourney&) = delete;

    /// Winds up the item of a run that ended while handling it (crash, SIGKILL, power cut). The
    /// script that run left running is stopped first: SIGTERM to its process group, SIGKILL for
    /// what is left after `graceSeconds`; a group whose leader is gone or is another process
    /// now (a reused id, another boot) is not signalled. What was done is logged.
    void Recover(int graceSeconds);
    /// Delivers the responses kept by earlier runs, oldest first; false while one does not get
    /// through, so that no new work is asked for and no script runs twice.
    bool DeliverKept();

    /// Records, durably, that `item` is being handled. Throws, once that is recorded, for a task
    /// whose directory lies in the state directory.
    void Begin(const WorkItem& item);
    /// Records the script that is about to run ("" after the last) and its process group (its
    /// leader's process id; 0 for none), without a sync, so that a later run can stop it should
    /// this one die.
    void RecordScript(const std::string& script, long processId = 0);
    /// Holds the item's task directory open, verified, before its properties are written: they
    /// are removed from that directory whatever the scripts do to it. Throws std::runtime_error.
    void HoldTaskDirectory(const TaskDirectory& directory);
    /// Removes the item's properties.xml from the held task directory, if one is held; one that
    /// is not there is not an error, one that stays is (std::runtime_error).
    void RemoveProperties();
    /// Answers the item as succeeded. With `finalStage` (config.xml marks its task) the final
    /// stage is recorded before the response is stored, and `deferral` goes on after the answer:
    /// what was stored and delivered decides the run from then on, not a stop signal.
    void Succeed(const WorkItem& item, StopSignals::Deferral& deferral, bool finalStage = false);
    /// Answers the item as failed with `error`, amended by the task's error file; the task's
    /// leftover properties.xml is removed, and its log and error file are read only where its
    /// directory still passes the checks. `finalStage` as for Succeed.
    void Fail(const WorkItem& item, const std::string& error, StopSignals::Deferral& deferral, bool finalStage = false);
    /// Whether the item's answer has been handed on (stored or sent): a second one must not follow.
    bool Reported() const;
    /// How the answer of the last item went.
    Answer LastAnswer() const;
    /// Whether the last item answered was the final stage (and its answer was not an interruption).
    bool AnsweredFinalStage() const;
    /// The run's status after the last item, given `stage`, what config.xml made of it (0, or -1
    /// for the final stage): 1 for a response that could not be written and for a final stage
    /// whose report is kept (then the next run that delivers it ends with 255), else -1 for the
    /// final stage and `stage` otherwise.
    int Status(int stage) const;

    /// Network mode: whether an earlier run reached the final stage and left it recorded (its
    /// report was kept, or it was asked to stop); once nothing is kept, the run ends with 255.
    bool FinalStageRecorded();
    /// The run ends with 255: the record of the final stage goes, unless a stop signal arrived.
    /// A caller that is being stopped may not take the status in, and the next run answers 255
    /// again.
    void EndFinalStage();

private:
    /// The response text of `response`; one the results file spoils is written without result
    /// parameters when `fallBack` is set (the failure must go out), else the error passes.
    std::string ResponseText(WorkItemResponse& response, bool fallBack);
    /// Hands the response on and ends the in-flight record and the deferral of stop signals.
    void Report(const WorkItem& item, const WorkItemResponse& response, const std::string& text,
                StopSignals::Deferral& deferral, bool finalStage);
    Outbox::Courier Courier(long timeoutMilliseconds);
    /// Removes the properties.xml that the run recorded for `task` left, where the task's
    /// directory passes the checks of a run; failures are logged.
    void RemoveLeftProperties(const std::string& task);
    /// Whether the directory of `task` lies in the state directory.
    bool IntoState(const std::string& task) const;
    /// Recovery's first step: stops the script a dead run left running, if it is still there.
    void StopLeftoverScript(const InFlightRecord& record, int graceSeconds);
    /// Whether the task's files may be touched: the task directory is missing, or it lies below
    /// the script root and passes the strict modes.
    static bool TaskFilesUsable(const TaskDirectory& directory);

    StateDirectory& state;
    IProxy& proxy;
    ICourier* network;
    std::string scriptRoot;
    Poco::Logger& logger;
    /// Network mode only: filesystem mode writes its responses directly.
    std::unique_ptr<Outbox> outbox;
    InFlightRecord inFlight;
    std::unique_ptr<HeldDirectory> taskDirectory;
    bool reported;
    Answer answer;
    bool answeredFinalStage;
    RunRecord& run;
};
