// tarvel: the guest agent's entry point. One short pass per run; the exit status tells the caller
// what happened (0 a work item was handled, 1 nothing to do or a failure, 255 the final stage).
#include "Guest.h"

#include <Poco/AutoPtr.h>
#include <Poco/Exception.h>

#include <exception>

int main(int argc, char** argv)
{
    Poco::AutoPtr<Guest> guest = new Guest;
    try
    {
        guest->init(argc, argv);
    }
    catch (const Poco::Exception& exc)
    {
        guest->logger().log(exc);
        return 1;
    }
    catch (const std::exception& exc)
    {
        // An option handler's own failure, such as a work item path without a file name.
        guest->logger().error(exc.what());
        return 1;
    }
    try
    {
        const int status = guest->run();
        // The framework ends a run whose initialization failed with its own codes (logged
        // already); the agent's callers know only 0, 1 and 255.
        if (status == Poco::Util::Application::EXIT_CONFIG || status == Poco::Util::Application::EXIT_SOFTWARE)
            return 1;
        return status;
    }
    catch (const Poco::Exception& exc)
    {
        // The framework's initialization rejected a default configuration file or the logging set-up.
        guest->logger().log(exc);
        return 1;
    }
    catch (const std::exception& exc)
    {
        guest->logger().error(exc.what());
        return 1;
    }
}
