// The outcome of one work item as the server receives it: the workItemResponse document, with
// the result parameters that the scripts left in External/results.xml below the script root.
// Writing throws, before any output, for a results file that exists but cannot be read as XML
// (the XML parser's exception), is no regular file or is too large (std::runtime_error); the
// document itself is always complete and well-formed.
#pragma once

#include <iosfwd>
#include <string>

struct WorkItemResponse
{
    std::string id;
    bool succeeded = false;
    std::string task;
    /// Text for the server; scripts can extend it, so it is repaired rather than trusted.
    std::string message;
    /// Directory below which External/results.xml is looked up; empty means the working directory.
    std::string scriptRoot;
    /// Cleared to report a failure without result parameters when the results file is unreadable.
    bool readResults = true;

    ~WorkItemResponse();
};

/// Writes the response document, reading the results file afresh on every call.
std::ostream& operator<<(std::ostream& out, const WorkItemResponse& response);
