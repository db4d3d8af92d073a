// What the confined network process does: it creates the SOAP engine (reading the client home's
// axis2.xml and opening the engine's log while it may), confines itself, greets the agent with
// the exchange's time-outs and then serves its requests, one exchange at a time, until the agent
// closes the socket. What cannot be started is told to the agent (StartFailed) before the
// process ends; a parser's error in a work item goes back as its text.
#pragma once

#include <string>
#include <sys/types.h>

class NetworkChild
{
public:
    /// The engine's client home, the service's endpoint and the engine's log file, as Proxy takes them.
    NetworkChild(const std::string& home, const std::string& endpoint, const std::string& logFile);

    /// Runs in the forked process with its end of the socket pair; returns its exit status.
    int Serve(int socket, pid_t parent) const;

private:
    std::string clientHome;
    std::string endpointUri;
    std::string axisLogFile;
};
