#include "FinalStageRecord.h"

#include "ErrorText.h"
#include "LogText.h"
#include "Outbox.h"
#include "StateDirectory.h"

#include <Poco/Logger.h>

#include <exception>

namespace
{
const char fileName[] = "final";

/// Far more than a token takes, far less than anything worth reading.
const std::size_t tokenLimit = 64;
} // namespace

void FinalStageRecord::Save(StateDirectory& state, const std::string& token)
{
    state.Write(fileName, token + "\n");
}

bool FinalStageRecord::Load(StateDirectory& state, std::string& token, Poco::Logger& logger)
{
    std::string text;
    std::string problem;
    try
    {
        if (!state.Read(fileName, text, tokenLimit))
            return false;
        if (!text.empty() && text.back() == '\n')
            text.pop_back();
        if (Outbox::IsToken(text))
        {
            token = text;
            return true;
        }
        problem = "it is not in the shape the agent writes";
    }
    catch (const std::exception& exc)
    {
        problem = ErrorText::Of(exc);
    }
    // Trusted, it would end provisioning without asking for work: a damaged record is dropped,
    // so that the worst it does is make the agent ask once more.
    poco_error_f2(logger, "The record of the final stage '%s' is damaged (%s); it is removed and work is asked for",
                  state.File(fileName), LogText::Escape(problem));
    try
    {
        state.Remove(fileName);
    }
    catch (const std::exception& exc)
    {
        poco_error(logger, LogText::Escape(ErrorText::Of(exc)));
    }
    return false;
}

void FinalStageRecord::Clear(StateDirectory& state)
{
    state.Remove(fileName);
}
