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
        return guest->run();
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
