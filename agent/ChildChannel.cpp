#include "ChildChannel.h"

#include "StopSignals.h"

#include <Poco/Format.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
std::string SystemError(const char* what)
{
    return Poco::format("%s failed on the socket (%s)", std::string(what), std::string(std::strerror(errno)));
}
} // namespace

ChildChannel::ChildChannel(int socket, bool wake)
    : descriptor(socket)
    , wakeOnStop(wake)
{
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags >= 0)
        ::fcntl(descriptor, F_SETFL, flags | O_NONBLOCK);
}

ChildChannel::~ChildChannel()
{
    ::close(descriptor);
}

void ChildChannel::WaitFor(short events, Clock::time_point deadline)
{
    for (;;)
    {
        int timeout = -1;
        if (deadline != Clock::time_point::max())
        {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0)
                throw Failure("no answer in time");
            timeout = static_cast<int>(std::min<long long>(left, 60000)) + 1;
        }
        pollfd waits[2] = {{descriptor, events, 0}, {wakeOnStop ? StopSignals::WakeDescriptor() : -1, POLLIN, 0}};
        const int ready = ::poll(waits, waits[1].fd >= 0 ? 2 : 1, timeout);
        if (ready < 0 && errno != EINTR)
            throw Failure(SystemError("poll"));
        // A stop signal: what it does is the deferral's business; the wait goes on.
        if (ready > 0 && waits[1].revents)
            StopSignals::Drain();
        // Readiness, an error or a hang-up: the read or write that follows tells which.
        if (ready > 0 && waits[0].revents)
            return;
    }
}

void ChildChannel::ReadExactly(char* buffer, std::size_t count, Clock::time_point deadline, bool started)
{
    std::size_t done = 0;
    while (done < count)
    {
        const ssize_t got = ::recv(descriptor, buffer + done, count - done, 0);
        if (got > 0)
        {
            done += static_cast<std::size_t>(got);
            started = true;
            continue;
        }
        if (got == 0)
            throw Failure(started ? "end of stream in the middle of a message" : "end of stream");
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            WaitFor(POLLIN, deadline);
        else if (errno != EINTR)
            throw Failure(SystemError("reading"));
    }
}

void ChildChannel::Send(const ProxyMessage& message, Clock::time_point deadline)
{
    const std::string& body = message.Bytes();
    if (body.size() > ProxyMessage::sizeLimit)
        throw Failure(Poco::format("a message of %z bytes is too large to send", body.size()));
    const auto length = static_cast<std::uint32_t>(body.size());
    const char header[4] = {static_cast<char>(length & 0xFF), static_cast<char>((length >> 8) & 0xFF),
                            static_cast<char>((length >> 16) & 0xFF), static_cast<char>((length >> 24) & 0xFF)};
    const std::string* parts[2] = {nullptr, &body};
    const std::string head(header, sizeof header);
    parts[0] = &head;
    for (const std::string* part : parts)
    {
        std::size_t done = 0;
        while (done < part->size())
        {
            const ssize_t sent = ::send(descriptor, part->data() + done, part->size() - done, MSG_NOSIGNAL);
            if (sent > 0)
                done += static_cast<std::size_t>(sent);
            else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                WaitFor(POLLOUT, deadline);
            else if (sent < 0 && errno == EPIPE)
                throw Failure("end of stream");
            else if (sent < 0 && errno != EINTR)
                throw Failure(SystemError("writing"));
        }
    }
}

ProxyMessage ChildChannel::Receive(Clock::time_point deadline)
{
    unsigned char header[4];
    ReadExactly(reinterpret_cast<char*>(header), sizeof header, deadline, false);
    const std::size_t length = header[0] | (header[1] << 8) | (header[2] << 16) | (std::size_t(header[3]) << 24);
    if (length == 0)
        throw Failure("an empty message");
    if (length > ProxyMessage::sizeLimit)
        throw Failure(Poco::format("an oversized message (%z bytes, at most %z)", length, ProxyMessage::sizeLimit));
    // Grown as it arrives: a length alone does not make the agent hold that much.
    std::string body;
    std::size_t done = 0;
    while (done < length)
    {
        const std::size_t chunk = std::min<std::size_t>(length - done, 1024 * 1024);
        body.resize(done + chunk);
        ReadExactly(&body[done], chunk, deadline, true);
        done += chunk;
    }
    try
    {
        return ProxyMessage::FromBytes(std::move(body));
    }
    catch (const std::runtime_error& error)
    {
        throw Failure(error.what());
    }
}
