// tarvel: the guest agent's entry point. One short pass per run; the exit status tells the caller
// what happened (0 a work item was handled, 1 nothing to do or a failure, 255 the final stage).
#include "Guest.h"

#include <Poco/AutoPtr.h>
#include <Poco/Exception.h>

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
        guest.logger().error(exc.what());
    }
    return 1;
}
} // namespace

int main(int argc, char** argv)
{
    Poco::AutoPtr<Guest> guest = new Guest;
    if (Guarded(*guest, [&] { guest->init(argc, argv); return 0; }) != 0)
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
