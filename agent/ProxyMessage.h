// One message between the agent and its confined network process: a type byte and fields of a
// fixed shape (numbers of 8 bytes, texts of a 4-byte length and their bytes), no markup. The
// agent reads what the other side sent through the Take functions, which check every length
// against what is left of the message and against the caller's bound; a message of another
// shape throws std::runtime_error naming what was wrong. The messages are built with the static
// functions below, each of which names the shape of one type.
#pragma once

#include "Outbox.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class WorkItem;

class ProxyMessage
{
public:
    enum class Type : std::uint8_t
    {
        Hello = 1,   ///< the child is ready: its connection and reply time-outs (ms)
        StartFailed, ///< the child cannot serve: why (the engine, the confinement)
        Fetch,       ///< GetWorkItem for an agent ID
        Item,        ///< the work item: id, task, properties (name, value, shown), undecryptable names
        NoItem,      ///< no work item (none for the ID, or a failed exchange, which the child logged)
        Error,       ///< the work item could not be read: the parser's text
        Deliver,     ///< WorkItemComplete: the response document and the time-out (ms, 0: the engine's)
        Outcome,     ///< how the delivery went, and why
        Log          ///< a log message of the child: priority, logger, text
    };

    /// The largest message either side sends: a response document as large as the outbox keeps,
    /// with room for the rest of the message.
    static constexpr std::size_t sizeLimit = Outbox::entryLimit + 1024 * 1024;
    /// The longest text of an error, a reason or a log message; longer ones are cut when sent.
    static constexpr std::size_t textLimit = 1024 * 1024;

    explicit ProxyMessage(Type type);
    /// A received message: `bytes` as framed, its type byte first. Throws for an unknown type.
    static ProxyMessage FromBytes(std::string bytes);

    static ProxyMessage Hello(long connectMilliseconds, long replyMilliseconds);
    /// A message of `type` that carries one text, cut to textLimit (StartFailed, Error).
    static ProxyMessage Text(Type type, const std::string& text);
    static ProxyMessage Fetch(const std::string& agentId);
    static ProxyMessage Item(const WorkItem& item);
    static ProxyMessage Deliver(const std::string& document, long timeoutMilliseconds);
    static ProxyMessage Outcome(Outbox::Delivery delivery, const std::string& reason);
    static ProxyMessage Log(int priority, const std::string& logger, const std::string& text);

    Type GetType() const;
    /// The message as framed: the type byte and the fields.
    const std::string& Bytes() const;

    void PutByte(std::uint8_t value);
    void PutNumber(std::uint64_t value);
    void PutText(const std::string& text);

    /// The next number; throws when none is left or it exceeds `limit`.
    std::uint64_t TakeNumber(std::uint64_t limit);
    /// The next text; throws when it is longer than `limit` or than what is left.
    std::string TakeText(std::size_t limit);
    /// The work item the rest of an Item message describes, built as the parser would have built
    /// it; throws for a property named twice or an undecryptable name that is no hidden, empty
    /// property, and for anything left over.
    std::unique_ptr<WorkItem> TakeItem();
    /// Throws when bytes are left over: a message carries exactly its fields.
    void ExpectEnd() const;

private:
    void Need(std::size_t count) const;

    std::string bytes;
    std::size_t offset;
};
