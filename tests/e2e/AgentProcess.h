// Runs the built agent as a user would: in a given working directory, with extra environment
// variables, standard input at end of file, and standard output and error captured. A run that
// outlives its time limit is killed and reported, so a hanging agent fails a test, never CI.
#pragma once

#include <map>
#include <string>
#include <vector>

struct AgentResult
{
    int status = -1;
    std::string out;
    std::string err;
    bool timedOut = false;
};

/// An agent run in the background, for tests that act on it while it runs (a signal, a second
/// run). Killed when the object goes, if it is still running.
class RunningAgent
{
public:
    RunningAgent(const std::vector<std::string>& arguments, const std::string& directory,
                 const std::map<std::string, std::string>& environment = {});
    ~RunningAgent();
    RunningAgent(const RunningAgent&) = delete;
    RunningAgent& operator=(const RunningAgent&) = delete;

    int Pid() const;
    void Signal(int signal) const;
    /// Waits for the run to end; after `timeoutSeconds` it is killed and reported as timed out.
    AgentResult Wait(int timeoutSeconds = 60);

private:
    int pid;
    bool ended;
    std::string output;
    std::string errors;
};

class AgentProcess
{
public:
    /// The path of the agent program under test.
    static std::string Program();

    /// Runs the agent with `arguments` in `directory`; `environment` adds to or overrides the
    /// inherited variables.
    static AgentResult Run(const std::vector<std::string>& arguments, const std::string& directory,
                           const std::map<std::string, std::string>& environment = {}, int timeoutSeconds = 60);
    /// The same for another copy of the program.
    static AgentResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                                  const std::string& directory, const std::map<std::string, std::string>& environment,
                                  int timeoutSeconds);
};
