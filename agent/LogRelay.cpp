#include "LogRelay.h"

#include "ChildChannel.h"

#include <Poco/AutoPtr.h>
#include <Poco/Logger.h>
#include <Poco/Message.h>

LogRelay::LogRelay(ChildChannel& relayed)
    : channel(relayed)
{
}

void LogRelay::Install(ChildChannel& channel)
{
    Poco::AutoPtr<LogRelay> relay(new LogRelay(channel));
    Poco::Logger::setChannel("", relay);
}

void LogRelay::log(const Poco::Message& message)
{
    const std::lock_guard<std::mutex> lock(mutex);
    try
    {
        channel.Send(
            ProxyMessage::Log(static_cast<int>(message.getPriority()), message.getSource(), message.getText()));
    }
    catch (const std::exception&)
    {
    }
}
