// A scripted HTTP(S) peer on 127.0.0.1 for exchange tests: it reads each
// request (headers and Content-Length body), records it, and hands the
// connection to the test's behaviour, which writes whatever reply (or
// silence) the test needs.
#pragma once

#include <Poco/Net/ServerSocket.h>
#include <Poco/Net/StreamSocket.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TestPeer
{
public:
    using Behaviour = std::function<void(TestPeer&, Poco::Net::StreamSocket&)>;

    explicit TestPeer(Behaviour script);
    TestPeer(Behaviour script, Poco::Net::ServerSocket listening);
    ~TestPeer();

    std::string Url(const std::string& scheme = "http", const std::string& path = "/Ostrel2") const;
    unsigned short Port() const
    {
        return port;
    }

    // Raw text of every request received so far.
    std::vector<std::string> Requests() const;

    // Blocks a behaviour until the peer is destroyed or `milliseconds` pass.
    void Idle(long milliseconds);

    // Canned behaviours.
    static Behaviour Reply(int status, const std::string& body,
                           const std::string& contentType = "text/xml; charset=utf-8");
    static Behaviour Raw(const std::string& bytes);
    static Behaviour Silent();
    static Behaviour Trickle(long intervalMs);

    static std::string Envelope(const std::string& bodyContent);

private:
    void Serve();
    bool ReadRequest(Poco::Net::StreamSocket& socket);

    Behaviour behaviour;
    Poco::Net::ServerSocket server;
    unsigned short port = 0;
    std::atomic<bool> stopping{false};
    mutable std::mutex mutex;
    std::condition_variable stopped;
    std::vector<std::string> requests;
    std::thread thread;
};
