// tarvel: the guest agent's entry point. One short pass per run; the exit status tells the caller
// what happened (0 a work item was handled, 1 nothing to do or a failure, 255 the final stage).
#include "Guest.h"
#include "LogText.h"
#include "ScriptHost.h"
#include "StatusCommand.h"
#include "StopSignals.h"

#include <Poco/AutoPtr.h>
#include <Poco/Exception.h>

#include <sys/stat.h>

#include <exception>

namespace
{
/// Runs one phase of the application; an exception that leaves it is logged and ends the run
/// with status 1.
template <typename Phase>
int Guarded(Guest& guest, Phase phase)
{
    try
    {
        return phase();
    }
    catch (const Poco::Exception& exc)
    {
        guest.logger().log(exc);
    }
    catch (const std::exception& exc)
    {
        // An option handler's own failure, such as a work item path without a file name.
        guest.logger().error(LogText::Escape(exc.what()));
    }
    return 1;
}
} // namespace

int main(int argc, char** argv)
{
    // Where provisioning stands: read-only, for any user who may read the state; none of the run's
    // set-up below applies to it.
    if (StatusCommand::Asked(argc, argv))
        return StatusCommand::Main(argc, argv);

    // What the agent writes (its logs, its state, the secrets for the scripts) is for its own
    // user only; the scripts get the umask the agent was started with.
    const mode_t startUmask = ::umask(077);
    ::umask(startUmask | 077);
    ScriptHost::SetScriptUmask(startUmask);
    StopSignals::Install();

    Poco::AutoPtr<Guest> guest = new Guest;
    if (Guarded(*guest, [&] {
            guest->init(argc, argv);
            return 0;
        }) != 0)
        return 1;
    return Guarded(*guest, [&] {
        const int status = guest->run();
        // The framework ends a run whose initialization failed with its own codes (logged
        // already); the agent's callers know only 0, 1 and 255.
        if (status == Poco::Util::Application::EXIT_CONFIG || status == Poco::Util::Application::EXIT_SOFTWARE)
            return 1;
        return status;
    });
}
