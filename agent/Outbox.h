// Responses on their way to the server. A response is stored durably before it is sent and is
// removed only when the server has accepted it; one the server refused (a SOAP fault) moves to
// "rejected/"; one that did not get through (no connection, a time-out, an unreadable reply, an
// HTTP error) stays for the next run, which delivers what is kept, oldest first, before it asks
// for work. Every outcome is logged on the logger given. Storage failures throw
// std::runtime_error.
#pragma once

#include <functional>
#include <string>

namespace Poco
{
class Logger;
}
class StateDirectory;

class Outbox
{
public:
    enum class Delivery
    {
        Accepted, ///< the server took the response
        Kept,     ///< it did not get through and stays for the next run
        Rejected  ///< the server read it and refused it
    };
    /// Sends one response document. `reason` says why it was not accepted.
    using Courier = std::function<Delivery(const std::string& document, std::string& reason)>;

    Outbox(StateDirectory& state, Poco::Logger& logger);

    /// A new token to store a response under; tokens sort in the order they were made.
    static std::string NewToken();

    /// Stores the response `document` under `token`; returns the entry.
    std::string Store(const std::string& token, const std::string& document);
    /// Whether a response stored under `token` is still waiting or was rejected.
    bool Holds(const std::string& token) const;
    /// Delivers one entry, logs the outcome and removes, rejects or keeps the entry.
    Delivery Deliver(const std::string& entry, const Courier& courier);
    /// Delivers every kept entry, oldest first. Stops at the first one that does not get through
    /// and returns false then.
    bool DeliverAll(const Courier& courier);

private:
    StateDirectory& state;
    Poco::Logger& logger;
};
