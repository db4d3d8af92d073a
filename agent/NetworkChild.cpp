#include "NetworkChild.h"

#include "ChildChannel.h"
#include "Confinement.h"
#include "ErrorText.h"
#include "LogRelay.h"
#include "Proxy.h"
#include "WorkItem.h"

#include <Poco/Format.h>

#include <memory>
#include <stdexcept>
#include <unistd.h>

NetworkChild::NetworkChild(const std::string& home, const std::string& endpoint, const std::string& logFile)
    : clientHome(home)
    , endpointUri(endpoint)
    , axisLogFile(logFile)
{
}

int NetworkChild::Serve(int socket, pid_t parent) const
{
    ChildChannel channel(socket, false);
    LogRelay::Install(channel);
    std::unique_ptr<Proxy> engine;
    long connectMilliseconds = 0;
    long replyMilliseconds = 0;
    try
    {
        // Everything that needs a file the unprivileged user may not open, before the confinement:
        // axis2.xml, the engine's log (opened by its first entry).
        engine = std::make_unique<Proxy>(clientHome, endpointUri, axisLogFile);
        engine->Initialize();
        engine->TimeOuts(connectMilliseconds, replyMilliseconds);
        engine->OpenEngineLog(Poco::format("Exchanges run in the confined process %d", static_cast<int>(::getpid())));
        Confinement::Apply(parent);
    }
    catch (const std::exception& exc)
    {
        channel.Send(ProxyMessage::Text(ProxyMessage::Type::StartFailed, ErrorText::Of(exc)));
        return 1;
    }
    channel.Send(ProxyMessage::Hello(connectMilliseconds, replyMilliseconds));
    for (;;)
    {
        ProxyMessage request(ProxyMessage::Type::NoItem);
        try
        {
            request = channel.Receive();
        }
        catch (const ChildChannel::Failure&)
        {
            // The agent closed its end: the run is over.
            return 0;
        }
        if (request.GetType() == ProxyMessage::Type::Fetch)
        {
            const std::string agentId = request.TakeText(ProxyMessage::sizeLimit);
            std::unique_ptr<WorkItem> item;
            try
            {
                item.reset(engine->GetWorkItem(agentId));
            }
            catch (const std::exception& exc)
            {
                channel.Send(ProxyMessage::Text(ProxyMessage::Type::Error, ErrorText::Of(exc)));
                continue;
            }
            ProxyMessage answer = item ? ProxyMessage::Item(*item) : ProxyMessage(ProxyMessage::Type::NoItem);
            // Only a reply larger than the engine's default bound makes one (MAX_REPLY_SIZE raised).
            if (answer.Bytes().size() > ProxyMessage::sizeLimit)
                answer = ProxyMessage::Text(
                    ProxyMessage::Type::Error,
                    Poco::format("The work item is too large to be passed on (%z bytes)", answer.Bytes().size()));
            channel.Send(answer);
        }
        else if (request.GetType() == ProxyMessage::Type::Deliver)
        {
            const std::string document = request.TakeText(ProxyMessage::sizeLimit);
            const long timeout = static_cast<long>(request.TakeNumber(24L * 3600 * 1000));
            std::string reason;
            const Outbox::Delivery delivery = engine->Deliver(document, reason, timeout);
            channel.Send(ProxyMessage::Outcome(delivery, reason));
        }
        else
        {
            return 2;
        }
    }
}
