// The agent application: command-line options and configuration, the start-up that picks the
// agent IDs and the proxy, and one pass of the work item loop. Every failure of a run ends in
// main's handlers, is logged at error priority and makes the exit status 1.
//
// A run holds its state directory (and with it the run's lock) throughout; the item's journey from
// the fetch to its answer (in-flight record, recovery, outbox) is ItemJourney's.
#pragma once

#include "IProxy.h"
#include "RunRecord.h"
#include "ScriptHost.h"
#include "StopSignals.h"

#include <Poco/Util/Application.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class FilesystemProxy;
class ICourier;
class ItemJourney;
class StateDirectory;
class WorkItem;

class Guest : public Poco::Util::Application
{
public:
    Guest();
    ~Guest() override;

    void HandleOptionAxis(const std::string& name, const std::string& value);
    void HandleOptionConfig(const std::string& name, const std::string& value);
    void HandleOptionHelp(const std::string& name, const std::string& value);
    void HandleOptionHost(const std::string& name, const std::string& value);
    void HandleOptionName(const std::string& name, const std::string& value);
    void HandleOptionPing(const std::string& name, const std::string& value);
    void HandleOptionScript(const std::string& name, const std::string& value);
    void HandleOptionSsl(const std::string& name, const std::string& value);
    void HandleOptionVersion(const std::string& name, const std::string& value);
    void HandleOptionWorkItem(const std::string& name, const std::string& value);
    void HandleOptionResponse(const std::string& name, const std::string& value);

    /// The endpoint of the server's SOAP service; throws "The host parameter is required!".
    std::string MakeUri() const;

    /// Asks for work for each agent ID in turn, stopping at the first processed work item.
    /// Returns 1 when no ID had work, else that item's result (0, or -1 for the final stage; 1
    /// when its answer did not get through where that matters).
    int WorkItemLoop();
    /// Fetches, runs and answers the work item of one agent ID. Returns 1 when there was none (or
    /// it was a reboot item), else what the answer and config.xml make of it (ItemJourney::Status);
    /// 0 when the fetch failed.
    int ProcessWorkItem(const std::string& agentId);
    /// -1 when config.xml beside the configuration file marks the item's task as the final stage.
    int CheckFinalStage(WorkItem* item);
    /// The same without the listing and without throwing (a table that cannot be read marks
    /// nothing here): asked before the item is answered.
    bool FinalStageMarks(const WorkItem& item) const;
    /// Writes properties.xml into the task directory and workitem.xml into the script root.
    /// Throws when a file cannot be written in a directory that exists.
    void WriteWorkItemProperties(WorkItem* item);

protected:
    void initialize(Poco::Util::Application& self) override;
    void uninitialize() override;
    void reinitialize(Poco::Util::Application& self) override;
    void defineOptions(Poco::Util::OptionSet& options) override;
    int main(const std::vector<std::string>& args) override;

private:
    /// One pass of the work item loop, from recovery on; returns the run's status.
    int Pass();
    FilesystemProxy& EnsureFilesystemProxy();
    void StartNetworkProxy();
    /// Opens the state directory, takes the run's lock and reads the run's settings.
    void OpenState();
    int SecondsSetting(const std::string& key, int defaultValue) const;
    void LogWorkItem(const WorkItem& item);

    bool useSsl;
    std::string axisLogFile;
    std::string host;
    std::vector<std::string> agentIds;
    std::string scriptRoot;
    std::string configFile;
    std::unique_ptr<IProxy> proxy;

    /// The network proxy when `proxy` is one (owned by `proxy`), else null.
    ICourier* network;
    ScriptLimits limits;
    std::unique_ptr<StateDirectory> state;
    std::unique_ptr<ItemJourney> journey;
    /// What the run did, for the run history.
    RunRecord record;
    /// Stop signals are only noted from an item's fetch to its stored answer, and, once the
    /// final stage's answer is stored, until the run ends.
    std::optional<StopSignals::Deferral> deferral;
};
