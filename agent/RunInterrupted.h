// The exception that ends the handling of a work item when the agent was asked to stop (SIGTERM,
// SIGINT, SIGHUP): the item is still answered as failed, then the run ends with status 1.
#pragma once

#include <stdexcept>
#include <string>

class RunInterrupted : public std::runtime_error
{
public:
    RunInterrupted(int stopSignal, const std::string& message)
        : std::runtime_error(message)
        , signal(stopSignal)
    {
    }

    /// The stop signal received.
    int signal;
};
