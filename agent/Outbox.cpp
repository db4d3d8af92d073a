#include "Outbox.h"

#include "LogText.h"
#include "StateDirectory.h"

#include <Poco/DOM/AutoPtr.h>
#include <Poco/DOM/DOMParser.h>
#include <Poco/DOM/Document.h>
#include <Poco/DOM/Element.h>
#include <Poco/Exception.h>
#include <Poco/Format.h>
#include <Poco/Logger.h>

#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

namespace
{
const std::string waiting = "outbox/";
const std::string rejected = "rejected/";

/// The item's id, read back from the response document (the agent's own, so well-formed).
std::string IdOf(const std::string& document)
{
    try
    {
        Poco::XML::DOMParser parser;
        Poco::XML::AutoPtr<Poco::XML::Document> parsed = parser.parseString(document);
        const Poco::XML::Element* root = parsed->documentElement();
        return root ? root->getAttribute("id") : std::string();
    }
    catch (const Poco::Exception& exc)
    {
        return "(unreadable: " + exc.displayText() + ")";
    }
}

bool Exists(const std::string& path)
{
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0;
}
} // namespace

Outbox::Outbox(StateDirectory& directory, Poco::Logger& log)
    : state(directory)
    , logger(log)
{
    state.MakeDirectory("outbox");
    state.MakeDirectory("rejected");
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

std::string Outbox::Store(const std::string& token, const std::string& document)
{
    const std::string entry = token + ".xml";
    state.Write(waiting + entry, document);
    return entry;
}

bool Outbox::Holds(const std::string& token) const
{
    const std::string entry = token + ".xml";
    return Exists(state.File(waiting + entry)) || Exists(state.File(rejected + entry));
}

Outbox::Delivery Outbox::Deliver(const std::string& entry, const Courier& courier)
{
    std::string document;
    if (!state.Read(waiting + entry, document))
        throw std::runtime_error(Poco::format("The kept response '%s' has gone", state.File(waiting + entry)));
    const std::string id = LogText::Escape(IdOf(document));
    std::string reason;
    const Delivery delivery = courier(document, reason);
    switch (delivery)
    {
    case Delivery::Accepted:
        state.Remove(waiting + entry);
        poco_information_f1(logger, "Successfully sent the work item response for id=%s", id);
        break;
    case Delivery::Kept:
        poco_warning_f2(logger,
                        "The work item response for id=%s did not reach the server (%s); it is kept for the next run",
                        id, LogText::Escape(reason));
        break;
    case Delivery::Rejected:
        state.Move(waiting + entry, rejected + entry);
        poco_error_f3(logger, "The server refused the work item response for id=%s (%s); it was moved to '%s'", id,
                      LogText::Escape(reason), state.File(rejected + entry));
        break;
    }
    return delivery;
}

bool Outbox::DeliverAll(const Courier& courier)
{
    for (const std::string& entry : state.List("outbox"))
    {
        if (Deliver(entry, courier) == Delivery::Kept)
            return false;
    }
    return true;
}
