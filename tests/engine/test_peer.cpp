#include "test_peer.h"

#include <Poco/Exception.h>
#include <Poco/Net/SocketAddress.h>
#include <Poco/NumberParser.h>
#include <Poco/String.h>

#include <chrono>

TestPeer::TestPeer(Behaviour script)
    : TestPeer(std::move(script), Poco::Net::ServerSocket(Poco::Net::SocketAddress("127.0.0.1", 0)))
{
}

TestPeer::TestPeer(Behaviour script, Poco::Net::ServerSocket listening)
    : behaviour(std::move(script))
    , server(listening)
{
    port = server.address().port();
    thread = std::thread([this] { Serve(); });
}

TestPeer::~TestPeer()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    stopped.notify_all();
    thread.join();
    server.close();
}

std::string TestPeer::Url(const std::string& scheme, const std::string& path) const
{
    return scheme + "://127.0.0.1:" + std::to_string(port) + path;
}

std::vector<std::string> TestPeer::Requests() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return requests;
}

void TestPeer::Idle(long milliseconds)
{
    std::unique_lock<std::mutex> lock(mutex);
    stopped.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return stopping.load(); });
}

void TestPeer::Serve()
{
    while (!stopping)
    {
        try
        {
            if (!server.poll(Poco::Timespan(50 * 1000), Poco::Net::Socket::SELECT_READ))
                continue;
            Poco::Net::StreamSocket connection = server.acceptConnection();
            connection.setReceiveTimeout(Poco::Timespan(5, 0));
            if (ReadRequest(connection))
                behaviour(*this, connection);
            connection.shutdown();
            connection.close();
        }
        catch (const Poco::Exception&)
        {
            // A client that gave up (or a failed TLS handshake) ends that connection only.
        }
    }
}

bool TestPeer::ReadRequest(Poco::Net::StreamSocket& socket)
{
    std::string data;
    char buffer[65536];
    size_t headerEnd = std::string::npos;
    size_t expected = 0;
    for (;;)
    {
        if (headerEnd == std::string::npos)
        {
            headerEnd = data.find("\r\n\r\n");
            if (headerEnd != std::string::npos)
            {
                std::string lower = Poco::toLower(data.substr(0, headerEnd));
                size_t at = lower.find("\r\ncontent-length:");
                if (at != std::string::npos)
                {
                    size_t end = lower.find("\r\n", at + 2);
                    expected = Poco::NumberParser::parseUnsigned64(Poco::trim(lower.substr(at + 17, end - at - 17)));
                }
            }
        }
        if (headerEnd != std::string::npos && data.size() >= headerEnd + 4 + expected)
            break;
        int received = socket.receiveBytes(buffer, sizeof buffer);
        if (received <= 0)
            return false;
        data.append(buffer, static_cast<size_t>(received));
    }
    std::lock_guard<std::mutex> lock(mutex);
    requests.push_back(data);
    return true;
}

namespace
{

void SendAll(Poco::Net::StreamSocket& socket, const std::string& bytes)
{
    size_t sent = 0;
    while (sent < bytes.size())
    {
        int n = socket.sendBytes(bytes.data() + sent, static_cast<int>(bytes.size() - sent));
        if (n <= 0)
            return;
        sent += static_cast<size_t>(n);
    }
}

std::string ReasonFor(int status)
{
    switch (status)
    {
    case 200: return "OK";
    case 202: return "Accepted";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

} // namespace

TestPeer::Behaviour TestPeer::Reply(int status, const std::string& body, const std::string& contentType)
{
    return [=](TestPeer&, Poco::Net::StreamSocket& socket) {
        SendAll(socket, "HTTP/1.1 " + std::to_string(status) + " " + ReasonFor(status) +
                            "\r\nContent-Type: " + contentType + "\r\nContent-Length: " + std::to_string(body.size()) +
                            "\r\nConnection: close\r\n\r\n" + body);
    };
}

TestPeer::Behaviour TestPeer::Raw(const std::string& bytes)
{
    return [=](TestPeer&, Poco::Net::StreamSocket& socket) { SendAll(socket, bytes); };
}

TestPeer::Behaviour TestPeer::Silent()
{
    return [](TestPeer& peer, Poco::Net::StreamSocket&) { peer.Idle(10000); };
}

TestPeer::Behaviour TestPeer::Trickle(long intervalMs)
{
    return [=](TestPeer& peer, Poco::Net::StreamSocket& socket) {
        std::string body = Envelope("<r>" + std::string(200, 'x') + "</r>");
        SendAll(socket, "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: " + std::to_string(body.size()) +
                            "\r\n\r\n");
        for (char c : body)
        {
            if (peer.stopping)
                return;
            SendAll(socket, std::string(1, c));
            peer.Idle(intervalMs);
        }
    };
}

std::string TestPeer::Envelope(const std::string& bodyContent)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
           "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body>" +
           bodyContent + "</s:Body></s:Envelope>";
}
