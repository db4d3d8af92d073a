// One HTTP(S) POST exchange with a deadline. Failures are reported as a
// TransportFailure carrying the engine error number and a detail that names
// the cause and the endpoint.
#pragma once

#include "client_config.h"

#include <stdexcept>
#include <string>

namespace axis2c
{

struct HttpPost
{
    std::string uri;
    std::string contentType;
    bool sendSoapAction = true;
    std::string soapAction; // sent in double quotes
    std::string body;
    TransportSettings settings;
};

struct HttpReply
{
    int status = 0;
    std::string reason;
    std::string body;
};

class TransportFailure : public std::runtime_error
{
public:
    TransportFailure(int errorNumber, const std::string& detail)
        : std::runtime_error(detail)
        , number(errorNumber)
    {
    }
    int number;
};

// Connect (bounded by CONNECTION_TIMEOUT), send, and read the whole reply;
// every wait and the exchange as a whole are bounded by SO_TIMEOUT.
HttpReply PostOnce(const HttpPost& post);

} // namespace axis2c
