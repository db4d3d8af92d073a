#include "ProxyMessage.h"

#include "WorkItem.h"

#include <Poco/Format.h>

#include <stdexcept>

namespace
{
std::string Clip(const std::string& text)
{
    return text.size() <= ProxyMessage::textLimit ? text : text.substr(0, ProxyMessage::textLimit - 3) + "...";
}
} // namespace

ProxyMessage::ProxyMessage(Type type)
    : bytes(1, static_cast<char>(type))
    , offset(1)
{
}

ProxyMessage ProxyMessage::FromBytes(std::string received)
{
    if (received.empty())
        throw std::runtime_error("an empty message");
    const auto type = static_cast<unsigned char>(received[0]);
    if (type < static_cast<unsigned char>(Type::Hello) || type > static_cast<unsigned char>(Type::Log))
        throw std::runtime_error(Poco::format("a message of the unknown type %u", static_cast<unsigned>(type)));
    ProxyMessage message(static_cast<Type>(type));
    message.bytes.swap(received);
    return message;
}

ProxyMessage ProxyMessage::Hello(long connectMilliseconds, long replyMilliseconds)
{
    ProxyMessage message(Type::Hello);
    message.PutNumber(static_cast<std::uint64_t>(connectMilliseconds));
    message.PutNumber(static_cast<std::uint64_t>(replyMilliseconds));
    return message;
}

ProxyMessage ProxyMessage::Text(Type type, const std::string& text)
{
    ProxyMessage message(type);
    message.PutText(Clip(text));
    return message;
}

ProxyMessage ProxyMessage::Fetch(const std::string& agentId)
{
    ProxyMessage message(Type::Fetch);
    message.PutText(agentId);
    return message;
}

ProxyMessage ProxyMessage::Item(const WorkItem& item)
{
    ProxyMessage message(Type::Item);
    message.PutText(item.id);
    message.PutText(item.task);
    const auto& properties = item.AllProperties();
    const auto& visible = item.VisibleProperties();
    message.PutNumber(properties.size());
    for (const auto& property : properties)
    {
        message.PutText(property.first);
        message.PutText(property.second);
        message.PutByte(visible.count(property.first) ? 1 : 0);
    }
    const auto& undecryptable = item.UndecryptableProperties();
    message.PutNumber(undecryptable.size());
    for (const std::string& name : undecryptable)
        message.PutText(name);
    return message;
}

ProxyMessage ProxyMessage::Deliver(const std::string& document, long timeoutMilliseconds)
{
    ProxyMessage message(Type::Deliver);
    message.PutText(document);
    message.PutNumber(static_cast<std::uint64_t>(timeoutMilliseconds < 0 ? 0 : timeoutMilliseconds));
    return message;
}

ProxyMessage ProxyMessage::Outcome(Outbox::Delivery delivery, const std::string& reason)
{
    ProxyMessage message(Type::Outcome);
    message.PutNumber(static_cast<std::uint64_t>(delivery));
    message.PutText(Clip(reason));
    return message;
}

ProxyMessage ProxyMessage::Log(int priority, const std::string& logger, const std::string& text)
{
    ProxyMessage message(Type::Log);
    message.PutNumber(static_cast<std::uint64_t>(priority));
    message.PutText(logger.substr(0, 256));
    message.PutText(Clip(text));
    return message;
}

ProxyMessage::Type ProxyMessage::GetType() const
{
    return static_cast<Type>(bytes[0]);
}

const std::string& ProxyMessage::Bytes() const
{
    return bytes;
}

void ProxyMessage::PutByte(std::uint8_t value)
{
    bytes += static_cast<char>(value);
}

void ProxyMessage::PutNumber(std::uint64_t value)
{
    for (int shift = 0; shift < 64; shift += 8)
        bytes += static_cast<char>((value >> shift) & 0xFF);
}

void ProxyMessage::PutText(const std::string& text)
{
    const auto length = static_cast<std::uint32_t>(text.size());
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((length >> shift) & 0xFF);
    bytes += text;
}

void ProxyMessage::Need(std::size_t count) const
{
    if (bytes.size() - offset < count)
        throw std::runtime_error(
            Poco::format("a message cut short (%z bytes needed at offset %z of %z)", count, offset, bytes.size()));
}

std::uint64_t ProxyMessage::TakeNumber(std::uint64_t limit)
{
    Need(8);
    std::uint64_t value = 0;
    for (int index = 7; index >= 0; --index)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(index)]);
    offset += 8;
    if (value > limit)
        throw std::runtime_error(Poco::format("a number out of bounds (%Lu, at most %Lu)",
                                              static_cast<Poco::UInt64>(value), static_cast<Poco::UInt64>(limit)));
    return value;
}

std::string ProxyMessage::TakeText(std::size_t limit)
{
    Need(4);
    std::size_t length = 0;
    for (int index = 3; index >= 0; --index)
        length = (length << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(index)]);
    offset += 4;
    if (length > limit)
        throw std::runtime_error(Poco::format("a text longer than allowed (%z bytes, at most %z)", length, limit));
    Need(length);
    std::string text = bytes.substr(offset, length);
    offset += length;
    return text;
}

std::unique_ptr<WorkItem> ProxyMessage::TakeItem()
{
    auto item = std::make_unique<WorkItem>();
    item->id = TakeText(sizeLimit);
    item->task = TakeText(sizeLimit);
    // A property takes at least its two lengths and its flag: a count beyond that is a lie.
    const std::uint64_t count = TakeNumber((bytes.size() - offset) / 9);
    for (std::uint64_t index = 0; index < count; ++index)
    {
        const std::string name = TakeText(sizeLimit);
        const std::string value = TakeText(sizeLimit);
        Need(1);
        const char shown = bytes[offset++];
        if (shown != '\0' && shown != '\1')
            throw std::runtime_error("a property flag out of bounds");
        if (!item->AddProperty(name, value, shown == '\1'))
            throw std::runtime_error("a property named twice");
    }
    const std::uint64_t undecryptable = TakeNumber(count);
    for (std::uint64_t index = 0; index < undecryptable; ++index)
    {
        if (!item->AddUndecryptable(TakeText(sizeLimit)))
            throw std::runtime_error("an undecryptable name that is no hidden, empty property");
    }
    ExpectEnd();
    return item;
}

void ProxyMessage::ExpectEnd() const
{
    if (offset != bytes.size())
        throw std::runtime_error(Poco::format("%z bytes left over after a message", bytes.size() - offset));
}
