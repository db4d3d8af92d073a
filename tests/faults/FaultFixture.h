// The end-to-end fixture with what the fault tests share: work items with an encrypted
// property, runs as an unprivileged user, a scenario for the test SOAP server, and the reports
// a run left (response file or server request).
#pragma once

#include "AgentFixture.h"
#include "SoapServer.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class FaultFixture : public AgentFixture
{
protected:
    /// Writes items/<task>.xml: id wi-1, task `task`, a plain property, `secret` encrypted, and
    /// `more` parameters; returns its path relative to the working directory.
    std::string Item(const std::string& task, const std::string& secret = "s3cret",
                     const std::vector<std::pair<std::string, std::string>>& more = {}) const;

    /// Runs `item` as RunItems does with --response out.xml after taking every permission away
    /// from the directory `denied`, as an unprivileged user when the tests run as root
    /// (permission bits do not stop root). An empty `reason` when it could run; otherwise the
    /// result is meaningless and `reason` says why.
    AgentResult RunItemsDenied(const std::string& item, const std::string& denied, std::string& reason);

    /// Runs against the server in network mode: --host, --name agent-1, --script scripts.
    AgentResult RunAgainst(const SoapServer& server);

    /// The requests of `operation` that the server received, in order.
    static std::vector<SoapServer::Request> Requests(const SoapServer& server, const std::string& operation);

    /// The response document a WorkItemComplete request carried.
    static std::string ReportOf(const SoapServer::Request& request);

    /// A response document, checked for the outcome and message text.
    void ExpectReport(const std::string& report, bool succeeded, const std::string& messagePart) const;

    /// The last `bytes` bytes of a file below the working directory.
    std::string Tail(const std::string& relative, std::size_t bytes) const;
    /// Lines of the agent's log at error priority.
    std::string Errors() const;
};
