// One end of the socket pair between the agent and its confined network process: whole
// ProxyMessages out and in, each framed by its length (4 bytes). Every wait has a deadline; the
// agent's end also wakes for stop signals (StopSignals::WakeDescriptor) and goes on waiting, so
// that the deferral in force decides what a stop does. A frame longer than
// ProxyMessage::sizeLimit is refused before it is read. Every way a message cannot be had (end
// of stream, the deadline, an oversized or empty frame, a failing socket) throws
// ChildChannel::Failure with the cause. Not thread-safe.
#pragma once

#include "ProxyMessage.h"

#include <chrono>
#include <stdexcept>

class ChildChannel
{
public:
    using Clock = std::chrono::steady_clock;

    class Failure : public std::runtime_error
    {
    public:
        using std::runtime_error::runtime_error;
    };

    /// Takes over `descriptor` (closed with the object) and makes it non-blocking; with
    /// `wakeOnStop` a wait also watches the stop signals' wake descriptor.
    ChildChannel(int descriptor, bool wakeOnStop);
    ~ChildChannel();
    ChildChannel(const ChildChannel&) = delete;
    ChildChannel& operator=(const ChildChannel&) = delete;

    void Send(const ProxyMessage& message, Clock::time_point deadline = Clock::time_point::max());
    ProxyMessage Receive(Clock::time_point deadline = Clock::time_point::max());

private:
    /// Waits until the socket is ready for `events`; throws at the deadline.
    void WaitFor(short events, Clock::time_point deadline);
    /// Reads exactly `count` bytes into `buffer`; `started` tells whether a frame was begun.
    void ReadExactly(char* buffer, std::size_t count, Clock::time_point deadline, bool started);

    int descriptor;
    bool wakeOnStop;
};
