// Where a client home keeps its configuration. A client home is either a
// directory (Axis2/C's AXIS2C_HOME layout, configuration in its axis2.xml) or
// the path of the configuration file itself.
#pragma once

#include "client_config.h"

#include <string>

namespace axis2c
{

struct ConfigurationSource
{
    std::string path;      // empty: no file to read, defaults apply
    bool required = false; // the caller named the file, so it must exist
};

// Never throws for a missing path; the caller decides from `required`.
ConfigurationSource LocateConfiguration(const std::string& clientHome);

// A configuration file the caller named explicitly does not exist.
class ConfigurationMissing : public ConfigurationError
{
public:
    using ConfigurationError::ConfigurationError;
};

} // namespace axis2c
