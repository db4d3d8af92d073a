// "tarvel --status": where provisioning stands, read from the agent's state without changing it,
// for a person (one screen) or for tools (--json, one object), with --wait to block until it is
// done. Its settings are the agent's own: --config names the configuration file whose
// tarvel.state is the state directory (default: .tarvel in --script's directory), and --marker
// the file the provisioning wrapper writes when the final stage is done. Exit status: 0 done,
// 1 a failure needs attention, 2 still provisioning (StatusReport); a wrong option is 1 too.
#pragma once

#include <string>
#include <vector>

class StatusCommand
{
public:
    /// Whether the program's arguments ask for the status: one of them is "--status".
    static bool Asked(int argc, char** argv);
    /// Runs the command with the program's arguments; returns its exit status.
    static int Main(int argc, char** argv);

private:
    /// Reads the options; throws std::runtime_error for one it does not know.
    explicit StatusCommand(const std::vector<std::string>& arguments);
    int Run();
    /// The state directory as the agent finds it.
    std::string StateLocation() const;
    /// Blocks until provisioning is done, a failure that waiting cannot mend is found, or the time
    /// is up; tells a terminal where it stands meanwhile.
    void Wait(const std::string& state) const;

    bool json = false;
    bool wait = false;
    /// Seconds a wait may take; negative: no limit.
    long timeout = -1;
    std::string configFile;
    std::string scriptRoot = ".";
    std::string marker;
};
