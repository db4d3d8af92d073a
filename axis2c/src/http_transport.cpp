// HTTP and HTTPS exchanges on POCO. The socket is connected here rather than
// by the session so that a watchdog can cut it when the exchange overruns
// SO_TIMEOUT: per-read timeouts alone would let a server that trickles bytes
// hold the caller indefinitely.
#include "http_transport.h"

#include "tls_context.h"

#include <axutil_error.h>

#include <Poco/Exception.h>
#include <Poco/Net/HTTPClientSession.h>
#include <Poco/Net/HTTPRequest.h>
#include <Poco/Net/HTTPResponse.h>
#include <Poco/Net/NetException.h>
#include <Poco/Net/SSLException.h>
#include <Poco/Net/SecureStreamSocket.h>
#include <Poco/Net/SocketAddress.h>
#include <Poco/Net/StreamSocket.h>
#include <Poco/String.h>
#include <Poco/URI.h>

#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <time.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <istream>
#include <memory>
#include <mutex>
#include <ostream>
#include <thread>

namespace axis2c
{

namespace
{

// Shuts the socket down when the deadline passes, which wakes any blocked
// read or write; the caller then reports a timeout.
class Watchdog;

// Stops the watchdog when the session goes, before the socket is closed, so
// that the watchdog never shuts down a descriptor number already reused.
struct StopOnExit
{
    Watchdog& watchdog;
    ~StopOnExit();
};

class Watchdog
{
public:
    Watchdog(int socket, long milliseconds)
        : fd(socket)
    {
        thread = std::thread([this, milliseconds] {
            std::unique_lock<std::mutex> lock(mutex);
            if (!wake.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return done; }))
            {
                fired = true;
                ::shutdown(fd, SHUT_RDWR);
            }
        });
    }

    ~Watchdog()
    {
        Stop();
    }

    // Idempotent; after it returns the socket is no longer touched.
    void Stop()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            done = true;
        }
        wake.notify_all();
        if (thread.joinable())
            thread.join();
    }

    bool Fired() const
    {
        return fired;
    }

private:
    int fd;
    std::mutex mutex;
    std::condition_variable wake;
    bool done = false;
    std::atomic<bool> fired{false};
    std::thread thread;
};

StopOnExit::~StopOnExit()
{
    watchdog.Stop();
}

// OpenSSL writes to the socket without MSG_NOSIGNAL, so a peer that went
// away would kill the process with SIGPIPE. The signal is blocked for the
// exchange and any instance it raised is consumed before unblocking.
class SigpipeGuard
{
public:
    SigpipeGuard()
    {
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        alreadyPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipe, &previous);
    }

    ~SigpipeGuard()
    {
        sigset_t pending;
        sigpending(&pending);
        if (!alreadyPending && sigismember(&pending, SIGPIPE) == 1)
        {
            struct timespec zero = {0, 0};
            sigtimedwait(&pipe, nullptr, &zero);
        }
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    }

private:
    sigset_t pipe;
    sigset_t previous;
    bool alreadyPending = false;
};

enum class Phase
{
    Handshake,
    Send,
    Receive
};

[[noreturn]] void Fail(int number, const std::string& detail)
{
    throw TransportFailure(number, detail);
}

bool Mentions(const std::string& text, const char* word)
{
    return Poco::toLower(text).find(word) != std::string::npos;
}

// `offered` says what this client proposed in a handshake, for an
// administrator whose server wants something older.
[[noreturn]] void Classify(const Poco::Exception& error, Phase phase, const std::string& uri,
                           const std::string& offered)
{
    const std::string cause = error.message().empty() ? error.displayText() : error.message();
    if (dynamic_cast<const Poco::TimeoutException*>(&error))
        Fail(AXIS2_ERROR_RESPONSE_TIMED_OUT, "no data from the server in time: " + uri);
    if (dynamic_cast<const Poco::Net::CertificateValidationException*>(&error) ||
        (dynamic_cast<const Poco::Net::SSLException*>(&error) && Mentions(cause, "certificate")))
        Fail(AXIS2_ERROR_SSL_ENGINE, "certificate problem (" + cause + "): " + uri);
    if (phase == Phase::Handshake)
        Fail(AXIS2_ERROR_SSL_ENGINE, "handshake failed (" + cause + ") (" + offered + "): " + uri);
    if (dynamic_cast<const Poco::Net::NoMessageException*>(&error))
        Fail(AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR, "the server closed the connection without a reply: " + uri);
    if (dynamic_cast<const Poco::Net::MessageException*>(&error))
        Fail(AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR, "malformed HTTP reply (" + cause + "): " + uri);
    if (phase == Phase::Send)
        Fail(AXIS2_ERROR_HTTP_REQUEST_NOT_SENT, cause + ": " + uri);
    Fail(AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR, cause + ": " + uri);
}

Poco::Net::StreamSocket Connect(const std::string& host, unsigned short port, const TransportSettings& settings,
                                const std::string& uri)
{
    Poco::Net::SocketAddress address;
    try
    {
        address = Poco::Net::SocketAddress(host, port);
    }
    catch (const Poco::Exception& error)
    {
        Fail(AXIS2_ERROR_INVALID_ADDRESS, "host " + host + " not found (" + error.message() + "): " + uri);
    }
    Poco::Net::StreamSocket socket;
    try
    {
        socket.connect(address, Poco::Timespan(settings.connectionTimeoutMs * 1000));
        socket.setReceiveTimeout(Poco::Timespan(settings.soTimeoutMs * 1000));
        socket.setSendTimeout(Poco::Timespan(settings.soTimeoutMs * 1000));
        socket.setNoDelay(true);
    }
    catch (const Poco::TimeoutException&)
    {
        Fail(AXIS2_ERROR_SOCKET_ERROR,
             "Connection timed out after " + std::to_string(settings.connectionTimeoutMs) + " ms: " + uri);
    }
    catch (const Poco::Net::ConnectionRefusedException&)
    {
        Fail(AXIS2_ERROR_SOCKET_ERROR, "Connection refused: " + uri);
    }
    catch (const Poco::Exception& error)
    {
        std::string cause = error.message().empty() ? error.displayText() : error.message();
        Fail(AXIS2_ERROR_SOCKET_ERROR, cause + ": " + uri);
    }
    return socket;
}

HttpReply Converse(Poco::Net::HTTPClientSession& session, const HttpPost& post, const Poco::URI& target, Phase& phase)
{
    std::string path = target.getPathEtc();
    Poco::Net::HTTPRequest request(Poco::Net::HTTPRequest::HTTP_POST, path.empty() ? "/" : path,
                                   Poco::Net::HTTPMessage::HTTP_1_1);
    request.setHost(target.getHost(), target.getPort());
    request.setContentType(post.contentType);
    if (post.sendSoapAction)
        request.set("SOAPAction", "\"" + post.soapAction + "\"");
    request.set("User-Agent", "Axis2C/1.6.0");
    request.setContentLength(static_cast<std::streamsize>(post.body.size()));
    request.setKeepAlive(false);
    session.setKeepAlive(false);

    phase = Phase::Send;
    std::ostream& out = session.sendRequest(request);
    out.exceptions(std::ios::badbit);
    out.write(post.body.data(), static_cast<std::streamsize>(post.body.size()));
    out.flush();

    phase = Phase::Receive;
    Poco::Net::HTTPResponse response;
    std::istream& in = session.receiveResponse(response);
    in.exceptions(std::ios::badbit);
    HttpReply reply;
    reply.status = static_cast<int>(response.getStatus());
    reply.reason = response.getReason();
    // MAX_REPLY_SIZE bounds what is held: a declared length beyond it is
    // refused before the body is read, any other body as soon as it would pass
    // it. A declared length is reserved at once, so the body is never copied
    // to grow.
    const size_t cap = post.settings.maxReplyBytes;
    auto tooLarge = [&](const std::string& what) {
        Fail(AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR,
             what + ", more than the " + std::to_string(cap) + " bytes MAX_REPLY_SIZE allows: " + post.uri);
    };
    if (response.hasContentLength())
    {
        const long long declared = response.getContentLength64();
        if (declared > 0 && static_cast<unsigned long long>(declared) > cap)
            tooLarge("reply of " + std::to_string(declared) + " bytes refused unread");
        if (declared > 0)
            reply.body.reserve(static_cast<size_t>(declared));
    }
    char buffer[16384];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
    {
        const size_t count = static_cast<size_t>(in.gcount());
        if (count > cap - reply.body.size())
            tooLarge("reply refused after " + std::to_string(reply.body.size() + count) + " bytes");
        reply.body.append(buffer, count);
    }
    if (response.hasContentLength() && static_cast<long long>(reply.body.size()) < response.getContentLength64())
        Fail(AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR, "reply truncated after " + std::to_string(reply.body.size()) +
                                                          " of " + std::to_string(response.getContentLength64()) +
                                                          " bytes: " + post.uri);
    return reply;
}

} // namespace

HttpReply PostOnce(const HttpPost& post)
{
    Poco::URI target;
    try
    {
        target = Poco::URI(post.uri);
    }
    catch (const Poco::Exception& error)
    {
        Fail(AXIS2_ERROR_INVALID_ADDRESS, "malformed endpoint address (" + error.message() + "): " + post.uri);
    }
    const std::string scheme = Poco::toLower(target.getScheme());
    if (scheme != "http" && scheme != "https")
        Fail(AXIS2_ERROR_INVALID_ADDRESS, "unsupported scheme '" + scheme + "': " + post.uri);
    if (target.getHost().empty())
        Fail(AXIS2_ERROR_INVALID_ADDRESS, "no host in " + post.uri);
    const bool secure = scheme == "https";

    // TLS set-up problems (missing CA file, bad client key) show up before any
    // network traffic.
    Poco::Net::Context::Ptr context;
    std::string certificateProblem; // outlives the context
    if (secure)
        context = MakeClientContext(post.settings, target.getHost(), &certificateProblem);

    SigpipeGuard sigpipeGuard;
    Poco::Net::StreamSocket socket = Connect(target.getHost(), target.getPort(), post.settings, post.uri);
    Watchdog watchdog(socket.impl()->sockfd(), post.settings.soTimeoutMs);
    Phase phase = secure ? Phase::Handshake : Phase::Send;
    try
    {
        // HTTPSClientSession refuses an already connected socket, and the TLS layer is in the
        // socket anyway: a plain session over either.
        Poco::Net::StreamSocket connected =
            secure ? Poco::Net::SecureStreamSocket::attach(socket, target.getHost(), context) : socket;
        Poco::Net::HTTPClientSession session(connected);
        StopOnExit stop{watchdog};
        HttpReply reply = Converse(session, post, target, phase);
        watchdog.Stop();
        if (!watchdog.Fired())
            return reply;
    }
    catch (const TransportFailure&)
    {
        watchdog.Stop();
        if (!watchdog.Fired())
            throw;
    }
    catch (const Poco::Exception& error)
    {
        watchdog.Stop();
        if (!watchdog.Fired() && phase == Phase::Handshake && !certificateProblem.empty())
            Fail(AXIS2_ERROR_SSL_ENGINE, "certificate problem (" + certificateProblem + "): " + post.uri);
        if (!watchdog.Fired())
            Classify(error, phase, post.uri,
                     "offered " + post.settings.minProtocol + " or later, SSL_CIPHER_LIST '" +
                         post.settings.cipherList + "'");
    }
    catch (const std::ios_base::failure& error)
    {
        watchdog.Stop();
        if (!watchdog.Fired())
            Fail(phase == Phase::Send ? AXIS2_ERROR_HTTP_REQUEST_NOT_SENT : AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR,
                 std::string(error.what()) + ": " + post.uri);
    }
    Fail(AXIS2_ERROR_RESPONSE_TIMED_OUT,
         "no complete reply within " + std::to_string(post.settings.soTimeoutMs) + " ms: " + post.uri);
}

} // namespace axis2c
