#include "ICourier.h"

#include "LogText.h"
#include "WorkItemResponse.h"

#include <Poco/Logger.h>

#include <sstream>

ICourier::~ICourier() = default;

void ICourier::DeliverOnce(const WorkItemResponse& response, const std::string& endpoint)
{
    std::ostringstream stream;
    stream << response;
    std::string reason;
    if (Deliver(stream.str(), reason) != Outbox::Delivery::Accepted)
    {
        // The server's copy of the outcome is lost: say so, with the reason.
        poco_error(Poco::Logger::get("Application.Proxy"),
                   "The work item response could not be delivered to " + endpoint + ": " + LogText::Escape(reason));
    }
}
