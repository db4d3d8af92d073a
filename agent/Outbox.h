// Responses on their way to the server. A response is stored durably before it is sent and is
// removed only when the server has accepted it; one the server refused (a SOAP fault) moves to
// "rejected/"; one that did not get through (no connection, a time-out, an unreadable reply, an
// HTTP error) stays for the next run, which delivers what is kept, oldest first, before it asks
// for work. An entry's name carries its token and the item's id, so that nothing is parsed to
// log it; an entry that is not of the agent's making (its name, its owner or kind, more than
// entryLimit bytes, not a response document) is set aside to "broken/" and the others go on.
// Every outcome is logged on the logger given. Storage failures throw std::runtime_error.
#pragma once

#include <cstddef>
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
        Rejected, ///< the server read it and refused it
        SetAside  ///< it was not one of the agent's responses and went to "broken/" unsent
    };
    /// Sends one response document. `reason` says why it was not accepted.
    using Courier = std::function<Delivery(const std::string& document, std::string& reason)>;

    /// The largest response the agent writes: the results file is read up to 16 MiB and escaping
    /// makes at most six bytes of one ("&quot;"); the item's own texts add little.
    static constexpr std::size_t entryLimit = 128 * 1024 * 1024;

    Outbox(StateDirectory& state, Poco::Logger& logger);

    /// A new token to store a response under; tokens sort in the order they were made.
    static std::string NewToken();
    /// Whether `text` has the shape NewToken gives: 16 hexadecimal digits, "-", a process id.
    static bool IsToken(const std::string& text);
    /// The time a token was made, in nanoseconds since the epoch (its hexadecimal digits).
    static unsigned long long TokenTime(const std::string& token);
    /// Splits an entry's name into its token and the item id it shows; false for a name the agent
    /// does not give.
    static bool ParseName(const std::string& entry, std::string& token, std::string& id);

    /// The folders of the state directory: responses waiting, and those the server refused.
    static const char waitingFolder[];
    static const char rejectedFolder[];

    /// Stores the response `document` for the item `id` under `token` durably; returns the entry.
    /// Throws for a document over entryLimit.
    std::string Store(const std::string& token, const std::string& id, const std::string& document);
    /// Whether a response stored under `token` is still waiting or was rejected.
    bool Holds(const std::string& token);
    /// Delivers one entry, logs the outcome and removes, rejects or keeps the entry.
    Delivery Deliver(const std::string& entry, const Courier& courier);
    /// Delivers every kept entry, oldest first. Stops at the first one that does not get through
    /// and returns false then.
    bool DeliverAll(const Courier& courier);

    /// What was logged when the last entry delivered did not get through or was refused; empty
    /// when it was taken.
    const std::string& Problem() const;

private:
    StateDirectory& state;
    Poco::Logger& logger;
    std::string problem;
};
