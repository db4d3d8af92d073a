// What carries a response document to the server: the engine in this process (Proxy) or the
// confined network process (ConfinedProxy). The outbox only needs to know how a delivery went.
#pragma once

#include "Outbox.h"

#include <string>

struct WorkItemResponse;

class ICourier
{
public:
    virtual ~ICourier();

    /// Sends one response document with WorkItemComplete and tells how it went; `reason` says
    /// why it was not accepted. A positive `timeoutMilliseconds` bounds this one exchange. Never
    /// throws for a failed exchange: what did not get through is Kept.
    virtual Outbox::Delivery Deliver(const std::string& document, std::string& reason,
                                     long timeoutMilliseconds = 0) = 0;

protected:
    /// Delivers `response` once, without a time-out of its own; one that is not accepted is lost
    /// for the server, which is logged on "Application.Proxy" with the reason and `endpoint`.
    void DeliverOnce(const WorkItemResponse& response, const std::string& endpoint);
};
