// The text of an exception as a user should read it: POCO's what() gives only the exception's
// name, its displayText() the cause.
#pragma once

#include <exception>
#include <string>

class ErrorText
{
public:
    /// displayText() for a POCO exception, what() for any other.
    static std::string Of(const std::exception& exc);
};
