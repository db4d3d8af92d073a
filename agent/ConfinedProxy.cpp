#include "ConfinedProxy.h"

#include "ChildChannel.h"
#include "ChildProcess.h"
#include "ErrorText.h"
#include "LogText.h"
#include "NetworkChild.h"
#include "ProxyMessage.h"
#include "StopSignals.h"
#include "WorkItem.h"

#include <Poco/Format.h>
#include <Poco/Logger.h>
#include <Poco/Message.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace
{
using Clock = ChildChannel::Clock;

/// What a child may take beyond the exchange's own time-outs: a name lookup, which the engine
/// does not bound, and the parsing of a large reply.
const long defaultMarginMilliseconds = 30000;
/// The longest time-out a child may announce: a day.
const std::uint64_t longestTimeOut = 24ULL * 3600 * 1000;

Poco::Logger& ProxyLogger()
{
    return Poco::Logger::get("Application.Proxy");
}

/// Leaves the child 0, 1, 2 and its socket, as 3: nothing else of the agent's (the state
/// directory, the lock, its log files) is at hand in the process that reads the network.
void CloseOthers(int socket)
{
    if (socket != 3)
    {
        ::dup2(socket, 3);
        if (socket > 3)
            ::close(socket);
    }
    if (::syscall(SYS_close_range, 4U, ~0U, 0U) != 0)
    {
        const long last = ::sysconf(_SC_OPEN_MAX);
        for (long descriptor = 4; descriptor < (last > 0 ? last : 65536); ++descriptor)
            ::close(static_cast<int>(descriptor));
    }
}

[[noreturn]] void RunChild(const ConfinedProxy::Body& body, int socket, pid_t parent)
{
    // A stop signal before the agent's handlers are replaced here must not record a run in the
    // agent's history from this process.
    StopSignals::ClearNote();
    CloseOthers(socket);
    // No child outlives the agent, whatever ends it; one forked as it ended goes at once.
    if (::prctl(PR_SET_PDEATHSIG, SIGKILL, 0, 0, 0) != 0 || ::getppid() != parent)
        ::_exit(1);
    // The agent decides when the child ends: a stop signal sent to the whole process group (^C)
    // must not cut an exchange short that the agent still waits for.
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::signal(signal, SIG_IGN);
    // A crash ends the child by its own signal, which the agent logs (POCO's handlers would turn
    // it into an abort).
    for (const int signal : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGSYS})
        ::signal(signal, SIG_DFL);
    int status = 70;
    try
    {
        status = body(3, parent);
    }
    catch (...)
    {
    }
    // Nothing of the agent's is flushed or destroyed here: it belongs to the agent.
    ::_exit(status);
}

} // namespace

ConfinedProxy::ConfinedProxy(const std::string& home, const std::string& endpoint, const std::string& logFile)
    : ConfinedProxy([child = NetworkChild(home, endpoint, logFile)](
                        int socket, pid_t parent) { return child.Serve(socket, parent); },
                    endpoint, defaultMarginMilliseconds)
{
}

ConfinedProxy::ConfinedProxy(Body childBody, const std::string& endpoint, long margin)
    : body(std::move(childBody))
    , endpointUri(endpoint)
    , marginMilliseconds(margin)
    , connectMilliseconds(0)
    , replyMilliseconds(0)
    , child(0)
{
    // The child logs through this logger: it must exist here to take the child's messages.
    ProxyLogger();
}

ConfinedProxy::~ConfinedProxy()
{
    Abandon("the run ended");
}

pid_t ConfinedProxy::ChildId() const
{
    return child;
}

void ConfinedProxy::Initialize()
{
    Start();
}

void ConfinedProxy::Start()
{
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0)
        throw std::runtime_error(
            Poco::format("The network process cannot be started: socketpair (%s)", std::string(std::strerror(errno))));
    const pid_t parent = ::getpid();
    const pid_t process = ::fork();
    if (process < 0)
    {
        const int error = errno;
        ::close(pair[0]);
        ::close(pair[1]);
        throw std::runtime_error(
            Poco::format("The network process cannot be started: fork (%s)", std::string(std::strerror(error))));
    }
    if (process == 0)
    {
        ::close(pair[0]);
        RunChild(body, pair[1], parent);
    }
    ::close(pair[1]);
    child = process;
    StopSignals::KillOnStop(process);
    channel = std::make_unique<ChildChannel>(pair[0], true);

    std::string refusal;
    try
    {
        ProxyMessage greeting = Exchange(nullptr, marginMilliseconds);
        if (greeting.GetType() == ProxyMessage::Type::StartFailed)
        {
            refusal = greeting.TakeText(ProxyMessage::textLimit);
            greeting.ExpectEnd();
        }
        else if (greeting.GetType() == ProxyMessage::Type::Hello)
        {
            connectMilliseconds = static_cast<long>(greeting.TakeNumber(longestTimeOut));
            replyMilliseconds = static_cast<long>(greeting.TakeNumber(longestTimeOut));
            greeting.ExpectEnd();
            return;
        }
        else
        {
            throw std::runtime_error("a message of another type than a greeting");
        }
    }
    catch (const ChildChannel::Failure& failure)
    {
        throw std::runtime_error("The network process did not start: " + Abandon(failure.what()));
    }
    catch (const std::exception& exc)
    {
        throw std::runtime_error("The network process did not start: " +
                                 Abandon("a malformed message: " + ErrorText::Of(exc)));
    }
    // What the child could not do (the engine, the confinement) is the start's failure, in its words.
    Abandon(refusal);
    throw std::runtime_error(refusal);
}

void ConfinedProxy::StartIfNeeded()
{
    if (child && ChildProcess::Ended(child))
    {
        poco_warning(ProxyLogger(), "A new network process is started: " + Abandon("it ended while idle"));
    }
    if (!child)
        Start();
}

ProxyMessage ConfinedProxy::Exchange(const ProxyMessage* request, long bound)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(bound);
    try
    {
        if (request)
            channel->Send(*request, deadline);
        for (;;)
        {
            ProxyMessage answer = channel->Receive(deadline);
            if (answer.GetType() != ProxyMessage::Type::Log)
                return answer;
            Relay(answer);
        }
    }
    catch (const ChildChannel::Failure&)
    {
        if (Clock::now() >= deadline)
            throw ChildChannel::Failure(Poco::format("no answer within %ld ms", bound));
        throw;
    }
}

void ConfinedProxy::Relay(ProxyMessage& log) const
{
    const int priority = static_cast<int>(log.TakeNumber(Poco::Message::PRIO_TRACE));
    const std::string name = log.TakeText(256);
    const std::string text = log.TakeText(ProxyMessage::textLimit);
    log.ExpectEnd();
    if (priority < Poco::Message::PRIO_FATAL)
        throw std::runtime_error("a log message without a priority");
    Poco::Logger* logger = Poco::Logger::has(name);
    if (!logger)
        throw std::runtime_error("a log message for the unknown logger '" + LogText::Escape(name) + "'");
    // Line breaks at the end set some of the agent's own messages apart (the engine's failure);
    // anywhere else they would let the child forge a line of the agent's log.
    const std::size_t end = text.find_last_not_of('\n');
    const std::size_t kept = end == std::string::npos ? 0 : end + 1;
    if (logger->is(priority))
        logger->log(Poco::Message(name, LogText::Escape(text.substr(0, kept)) + text.substr(kept),
                                  static_cast<Poco::Message::Priority>(priority)));
}

WorkItem* ConfinedProxy::GetWorkItem(const std::string& agentId)
{
    std::string cause;
    std::string parserError;
    try
    {
        StartIfNeeded();
        const ProxyMessage fetch = ProxyMessage::Fetch(agentId);
        ProxyMessage answer = Exchange(&fetch, connectMilliseconds + replyMilliseconds + marginMilliseconds);
        if (answer.GetType() == ProxyMessage::Type::Item)
            return answer.TakeItem().release();
        if (answer.GetType() == ProxyMessage::Type::NoItem)
        {
            answer.ExpectEnd();
            return nullptr;
        }
        if (answer.GetType() != ProxyMessage::Type::Error)
            throw std::runtime_error("a message of another type than a work item");
        parserError = answer.TakeText(ProxyMessage::textLimit);
        answer.ExpectEnd();
    }
    catch (const ChildChannel::Failure& failure)
    {
        cause = Abandon(failure.what());
    }
    catch (const std::exception& exc)
    {
        cause = child ? Abandon("a malformed message: " + ErrorText::Of(exc)) : ErrorText::Of(exc);
    }
    if (cause.empty())
        throw std::runtime_error(parserError);
    poco_error(ProxyLogger(), "The exchange with " + endpointUri + " failed: " + LogText::Escape(cause));
    return nullptr;
}

Outbox::Delivery ConfinedProxy::Deliver(const std::string& document, std::string& reason, long timeoutMilliseconds)
{
    try
    {
        StartIfNeeded();
        // A caller's own time-out bounds the connect as well as the reply, and leaves little
        // margin: it asked for a short exchange.
        const long bound = timeoutMilliseconds > 0
                               ? timeoutMilliseconds + std::min(timeoutMilliseconds, connectMilliseconds) +
                                     std::min(marginMilliseconds, 1000L)
                               : connectMilliseconds + replyMilliseconds + marginMilliseconds;
        const ProxyMessage request = ProxyMessage::Deliver(document, timeoutMilliseconds);
        ProxyMessage answer = Exchange(&request, bound);
        if (answer.GetType() != ProxyMessage::Type::Outcome)
            throw std::runtime_error("a message of another type than an outcome");
        const auto delivery = static_cast<Outbox::Delivery>(answer.TakeNumber(2));
        reason = answer.TakeText(ProxyMessage::textLimit);
        answer.ExpectEnd();
        return delivery;
    }
    catch (const ChildChannel::Failure& failure)
    {
        reason = Abandon(failure.what());
    }
    catch (const std::exception& exc)
    {
        reason = child ? Abandon("a malformed message: " + ErrorText::Of(exc)) : ErrorText::Of(exc);
    }
    return Outbox::Delivery::Kept;
}

void ConfinedProxy::SendWorkItemComplete(const WorkItemResponse& response)
{
    DeliverOnce(response, endpointUri);
}

std::string ConfinedProxy::Abandon(const std::string& what)
{
    if (!child)
        return what;
    const pid_t process = child;
    child = 0;
    StopSignals::KillOnStop(0);
    // Ended (or killed) while the socket is still open here: a child that is given up on must
    // not end by itself first, on the end of its stream, and pass for one that ended alone.
    const std::string end = ChildProcess::End(process, what, what.compare(0, 13, "end of stream") == 0);
    channel.reset();
    return end;
}
