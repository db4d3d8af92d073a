// The memory that the final stage of the provisioning sequence was reached: written to the state
// directory (file "final") before the final item's response is stored, so that a run whose report
// could not be delivered, or that was asked to stop, leaves the next run to end with 255 once
// nothing is kept. It names the token of that response, for the log. Storage failures throw
// std::runtime_error; a record that is not in the shape the agent writes is logged and removed.
#pragma once

#include <string>

namespace Poco
{
class Logger;
}
class StateDirectory;

class FinalStageRecord
{
public:
    /// Records durably that the response stored under `token` answers the final stage.
    static void Save(StateDirectory& state, const std::string& token);
    /// Whether a record is there; `token` gets what it names. A record that cannot be read or is
    /// not in the agent's shape counts as none: it is logged on `logger` and removed.
    static bool Load(StateDirectory& state, std::string& token, Poco::Logger& logger);
    /// Removes the record, if any.
    static void Clear(StateDirectory& state);
};
