// A server's replies as the network proxy handles them: the service client's reply handling
// (status, envelope, fault), the GetWorkItemResponse binding, SanitizeWorkItem and the work
// item parser, then the WorkItemComplete exchange on the same reply. The transport is replaced
// at link time by the fuzz input: byte 0 picks the HTTP status, the rest is the body. Every
// reply ends in a work item, in "no work item" or in a logged failure; only the parser's
// exception may leave GetWorkItem.
#include "FuzzCheck.h"

#include "Proxy.h"
#include "WorkItem.h"
#include "WorkItemResponse.h"
#include "http_transport.h"

#include <Poco/Exception.h>
#include <Poco/Logger.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace
{
axis2c::HttpReply nextReply;
} // namespace

// Stands in for the engine's HTTP(S) exchange: this definition keeps the real one out of the link.
axis2c::HttpReply axis2c::PostOnce(const HttpPost&)
{
    return nextReply;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Proxy* proxy = [] {
        Poco::Logger::root().setLevel(Poco::Message::PRIO_FATAL);
        Poco::Logger::get("Application.Proxy").setLevel(Poco::Message::PRIO_FATAL);
        auto* made = new Proxy("", "http://127.0.0.1:9/Ostrel2", "");
        made->Initialize();
        return made;
    }();
    if (size == 0)
        return 0;
    static const int statuses[] = {200, 202, 500, 400};
    nextReply.status = statuses[data[0] % 4];
    nextReply.reason = "Fuzz";
    nextReply.body.assign(reinterpret_cast<const char*>(data) + 1, size - 1);

    std::unique_ptr<WorkItem> item;
    try
    {
        item.reset(proxy->GetWorkItem("agent-1"));
    }
    catch (const Poco::Exception&)
    {
    }
    WorkItemResponse response{item ? item->id : "wi-1", true, item ? item->task : "Setup", "", "/nonexistent"};
    response.readResults = false;
    proxy->SendWorkItemComplete(response);
    return 0;
}
