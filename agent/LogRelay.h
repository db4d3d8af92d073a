// The logging channel of the confined network process: every message that passes a logger's
// level goes to the agent as a ProxyMessage (priority, logger, text), and the agent logs it
// through the logger of the same name, so that the log reads as if the exchange had run in the
// agent. A message that cannot be sent is dropped: the agent sees the broken channel anyway.
#pragma once

#include <Poco/Channel.h>

#include <mutex>

class ChildChannel;

class LogRelay : public Poco::Channel
{
public:
    explicit LogRelay(ChildChannel& channel);

    /// Replaces the channel of every logger, the root's included, by a relay to `channel`.
    static void Install(ChildChannel& channel);

    void log(const Poco::Message& message) override;

private:
    ChildChannel& channel;
    std::mutex mutex;
};
