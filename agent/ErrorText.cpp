#include "ErrorText.h"

#include <Poco/Exception.h>

std::string ErrorText::Of(const std::exception& exc)
{
    const auto* poco = dynamic_cast<const Poco::Exception*>(&exc);
    return poco ? poco->displayText() : std::string(exc.what());
}
