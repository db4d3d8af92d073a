// Internal layout of the client-side description objects, shared by the
// service client and stub sources.
#pragma once

#include <axis2_endpoint_ref.h>
#include <axis2_msg.h>
#include <axis2_op.h>
#include <axis2_options.h>
#include <axis2_svc.h>
#include <axutil_property.h>

#include <map>
#include <string>
#include <vector>

struct axis2_endpoint_ref
{
    std::string address;
};

struct axis2_msg
{
    int references = 1;
    std::string name;
    std::string direction;
};

struct axis2_op
{
    axutil_qname_t* qname = nullptr;
    std::string pattern;
    std::map<std::string, axis2_msg*> messages; // one reference each
};

struct axis2_svc
{
    axutil_qname_t* qname = nullptr;
    std::vector<axis2_op*> operations;
};

struct axis2_options
{
    axis2_endpoint_ref* to = nullptr;
    axutil_string_t* soapAction = nullptr; // one reference held
    std::string action;
    bool hasAction = false;
    int soapVersion = 2;                                  // AXIOM_SOAP12, Axis2/C's default
    long timeoutMs = -1;                                  // not positive: SO_TIMEOUT from the client configuration
    std::map<std::string, axutil_property_t*> properties; // owned
};

namespace axis2c
{

// The text value of an option property (a property holding a string), or
// null when the options hold no such property.
const char* PropertyText(const axis2_options* options, const char* name);

} // namespace axis2c
