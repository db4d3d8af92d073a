#include "Outbox.h"

#include "LogText.h"
#include "StateDirectory.h"
#include "XmlShape.h"

#include <Poco/Format.h>
#include <Poco/Logger.h>

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

namespace
{
const std::string waiting = Outbox::waitingFolder;
const std::string rejected = Outbox::rejectedFolder;
const std::string suffix = ".xml";
/// An id longer than this, encoded, is cut in the name (and marked with "+"): it is only shown.
const std::size_t idNameLimit = 160;

bool Plain(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '.' ||
           c == '-';
}

int HexValue(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

/// "<token>~<id, %-encoded>.xml": the id comes from the server, so every byte but a few plain
/// ones is encoded.
std::string EntryName(const std::string& token, const std::string& id)
{
    std::string encoded;
    for (const unsigned char c : id)
    {
        std::string piece(1, static_cast<char>(c));
        if (!Plain(static_cast<char>(c)))
        {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            piece = hex;
        }
        if (encoded.size() + piece.size() > idNameLimit)
        {
            encoded += '+';
            break;
        }
        encoded += piece;
    }
    return token + "~" + encoded + suffix;
}

} // namespace

const char Outbox::waitingFolder[] = "outbox";
const char Outbox::rejectedFolder[] = "rejected";

// An entry of an earlier version ("<token>.xml") shows no id.
bool Outbox::ParseName(const std::string& entry, std::string& token, std::string& id)
{
    if (entry.size() <= suffix.size() || entry.compare(entry.size() - suffix.size(), std::string::npos, suffix) != 0)
        return false;
    const std::string stem = entry.substr(0, entry.size() - suffix.size());
    const std::string::size_type tilde = stem.find('~');
    token = stem.substr(0, tilde);
    if (!Outbox::IsToken(token))
        return false;
    if (tilde == std::string::npos)
    {
        id = "(not recorded)";
        return true;
    }
    id.clear();
    for (std::string::size_type i = tilde + 1; i < stem.size(); ++i)
    {
        if (Plain(stem[i]))
            id += stem[i];
        else if (stem[i] == '%' && i + 2 < stem.size() && HexValue(stem[i + 1]) >= 0 && HexValue(stem[i + 2]) >= 0)
        {
            id += static_cast<char>(HexValue(stem[i + 1]) * 16 + HexValue(stem[i + 2]));
            i += 2;
        }
        else if (stem[i] == '+' && i + 1 == stem.size())
            id += "...";
        else
            return false;
    }
    return true;
}
Outbox::Outbox(StateDirectory& directory, Poco::Logger& log)
    : state(directory)
    , logger(log)
{
    state.MakeDirectory(waiting);
    state.MakeDirectory(rejected);
}

std::string Outbox::NewToken()
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const unsigned long long nanoseconds =
        static_cast<unsigned long long>(now.tv_sec) * 1000000000ULL + static_cast<unsigned long long>(now.tv_nsec);
    char token[48];
    std::snprintf(token, sizeof token, "%016llx-%d", nanoseconds, static_cast<int>(::getpid()));
    return token;
}

bool Outbox::IsToken(const std::string& text)
{
    if (text.size() < 18 || text.size() > 27 || text[16] != '-')
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const char c = text[i];
        const bool valid =
            i < 16 ? (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') : i == 16 || (c >= '0' && c <= '9');
        if (!valid)
            return false;
    }
    return true;
}

unsigned long long Outbox::TokenTime(const std::string& token)
{
    return std::stoull(token.substr(0, 16), nullptr, 16);
}

std::string Outbox::Store(const std::string& token, const std::string& id, const std::string& document)
{
    if (!IsToken(token))
        throw std::runtime_error(Poco::format("The token '%s' is not one the agent makes", LogText::Escape(token)));
    if (document.size() > entryLimit)
        throw std::runtime_error(Poco::format("The work item response for id=%s has %z bytes, more than the %z that "
                                              "can be kept",
                                              LogText::Escape(id), document.size(), entryLimit));
    const std::string entry = EntryName(token, id);
    state.Write(waiting + "/" + entry, document);
    return entry;
}

bool Outbox::Holds(const std::string& token)
{
    std::string found;
    std::string id;
    for (const std::string& folder : {waiting, rejected})
    {
        for (const std::string& entry : state.List(folder))
        {
            if (ParseName(entry, found, id) && found == token)
                return true;
        }
    }
    return false;
}

Outbox::Delivery Outbox::Deliver(const std::string& entry, const Courier& courier)
{
    std::string token;
    std::string id;
    if (!ParseName(entry, token, id))
    {
        state.SetAside(waiting, entry, "its name is not one the agent gives a response");
        return Delivery::SetAside;
    }
    std::string document;
    if (!state.Read(waiting + "/" + entry, document, entryLimit))
        return Delivery::SetAside;
    // Only the agent's own documents go out; a deep one would also strain whoever parses it.
    if (document.compare(0, 18, "<workItemResponse ") != 0 || XmlShape::Of(document).depth > XmlShape::depthLimit)
    {
        state.SetAside(waiting, entry, "it is not a work item response of the agent's shape");
        return Delivery::SetAside;
    }
    id = LogText::Escape(id);
    std::string reason;
    const Delivery delivery = courier(document, reason);
    problem.clear();
    switch (delivery)
    {
    case Delivery::Accepted:
        // Unsynced: a power cut just now may make the next run deliver it again; the record of
        // the item was cleared before this was sent (see ItemJourney).
        state.Remove(waiting + "/" + entry, StateDirectory::Durability::Unsynced);
        poco_information_f1(logger, "Successfully sent the work item response for id=%s", id);
        break;
    case Delivery::Kept:
        problem =
            Poco::format("The work item response for id=%s did not reach the server (%s); it is kept for the next run",
                         id, LogText::Escape(reason));
        poco_warning(logger, problem);
        break;
    case Delivery::Rejected:
        state.Move(waiting + "/" + entry, rejected + "/" + entry);
        problem = Poco::format("The server refused the work item response for id=%s (%s); it was moved to '%s'", id,
                               LogText::Escape(reason), state.File(rejected + "/" + entry));
        poco_error(logger, problem);
        break;
    case Delivery::SetAside: break;
    }
    return delivery;
}

bool Outbox::DeliverAll(const Courier& courier)
{
    for (const std::string& entry : state.List(waiting))
    {
        if (Deliver(entry, courier) == Delivery::Kept)
            return false;
    }
    return true;
}

const std::string& Outbox::Problem() const
{
    return problem;
}
