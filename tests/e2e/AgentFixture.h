// Shared set-up of the end-to-end tests: a temporary working directory holding a script root,
// a logging configuration that writes "<priority>|<text>" lines to agent.log, and helpers to
// write work items and scripts and to read what a run left behind.
#pragma once

#include "AgentProcess.h"
#include "TempDirectory.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class AgentFixture : public ::testing::Test
{
protected:
    AgentFixture();

    /// Runs the agent in the working directory with the logging configuration, `arguments` added.
    AgentResult Run(const std::vector<std::string>& arguments,
                    const std::map<std::string, std::string>& environment = {});
    /// Starts the agent as `Run` does, in the background.
    std::unique_ptr<RunningAgent> Start(const std::vector<std::string>& arguments,
                                        const std::map<std::string, std::string>& environment = {});
    /// Polls `condition` until it holds, for at most `seconds`; returns whether it held.
    static bool WaitFor(const std::function<bool()>& condition, int seconds = 30);
    /// The processes of a process group that are still alive; zombies, which only wait to be
    /// reaped by whoever adopted them, are left out.
    static std::vector<int> LiveProcesses(int group);
    /// Adds `line` ("key = value") to the agent's configuration file.
    void Configure(const std::string& line) const;

    /// Runs the agent as `Run` does, in filesystem mode: --name agent-1 --script scripts and
    /// one --workitem per file name given.
    AgentResult RunItems(const std::vector<std::string>& workItems, const std::vector<std::string>& more = {});

    /// A work item document with the given id, task and (name, value) parameters.
    static std::string WorkItemXml(const std::string& id, const std::string& task,
                                   const std::vector<std::pair<std::string, std::string>>& parameters = {});
    /// A document whose type declaration defines `levels` entities, each wrapping the one before
    /// in an element, and whose `body` holds a reference to the last in place of its "@": 3.5 MB
    /// for 100,000 levels, which expand to as many nested elements only while being parsed.
    static std::string EntityNesting(const std::string& root, std::size_t levels, const std::string& body);
    /// Writes an executable script below the script root.
    void Script(const std::string& relative, const std::string& body) const;

    /// The agent's log, the lines "<priority>|<text>".
    std::string Log() const;
    /// Whether the log holds `line` as a whole line.
    bool Logged(const std::string& priority, const std::string& text) const;
    std::string Read(const std::string& relative) const;
    /// Removes a file or directory below the working directory, if it is there.
    void Remove(const std::string& relative) const;
    /// The names of the files in a folder of the agent's state directory (scripts/.tarvel), such
    /// as "outbox" or "rejected", in byte order.
    std::vector<std::string> StateFiles(const std::string& folder) const;
    /// A fake UUID tool on a private search path, so that runs without --name find an ID:
    /// the environment to run the agent with.
    std::map<std::string, std::string> FakeUuid() const;

    TempDirectory work;
    std::string scripts;
};
