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
class IProxy;
class Proxy;
class StateDirectory;
class TaskDirectory;
class WorkItem;
struct WorkItemResponse;

class ItemJourney
{
public:
    /// `network` is the network proxy when `proxy` is one, else null (filesystem mode, no outbox).
    ItemJourney(StateDirectory& state, IProxy& proxy, Proxy* network, const std::string& scriptRoot,
                Poco::Logger& logger);
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

    /// Records that `item` is being handled.
    void Begin(const WorkItem& item);
    /// Records the script that is about to run ("" after the last) and its process group (its
    /// leader's process id; 0 for none), so that a later run can stop it should this one die.
    void RecordScript(const std::string& script, long processId = 0);
    /// Holds the item's task directory open, verified, before its properties are written: they
    /// are removed from that directory whatever the scripts do to it. Throws std::runtime_error.
    void HoldTaskDirectory(const TaskDirectory& directory);
    /// Removes the item's properties.xml from the held task directory, if one is held; one that
    /// is not there is not an error, one that stays is (std::runtime_error).
    void RemoveProperties();
    /// Answers the item as succeeded.
    void Succeed(const WorkItem& item, StopSignals::Deferral& deferral);
    /// Answers the item as failed with `error`, amended by the task's error file; the task's
    /// leftover properties.xml is removed, and its log and error file are read only where its
    /// directory still passes the checks.
    void Fail(const WorkItem& item, const std::string& error, StopSignals::Deferral& deferral);
    /// Whether the item's answer has been handed on (stored or sent): a second one must not follow.
    bool Reported() const;

private:
    /// The response text of `response`; one the results file spoils is written without result
    /// parameters when `fallBack` is set (the failure must go out), else the error passes.
    std::string ResponseText(WorkItemResponse& response, bool fallBack);
    /// Hands the response on and ends the in-flight record and the deferral of stop signals.
    void Report(const WorkItem& item, const WorkItemResponse& response, const std::string& text,
                StopSignals::Deferral& deferral);
    Outbox::Courier Courier(long timeoutMilliseconds);
    /// Recovery's first step: stops the script a dead run left running, if it is still there.
    void StopLeftoverScript(const InFlightRecord& record, int graceSeconds);
    /// Whether the task's files may be touched: the task directory is missing, or it lies below
    /// the script root and passes the strict modes.
    static bool TaskFilesUsable(const TaskDirectory& directory);

    StateDirectory& state;
    IProxy& proxy;
    Proxy* network;
    std::string scriptRoot;
    Poco::Logger& logger;
    /// Network mode only: filesystem mode writes its responses directly.
    std::unique_ptr<Outbox> outbox;
    InFlightRecord inFlight;
    std::unique_ptr<HeldDirectory> taskDirectory;
    bool reported;
};
