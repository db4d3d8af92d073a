// Client home layout. A path to a file is the configuration itself (Axis2/C
// accepts both forms); anything else is a directory holding axis2.xml.
#include "client_home.h"

#include <Poco/Exception.h>
#include <Poco/File.h>
#include <Poco/Path.h>
#include <Poco/String.h>

namespace axis2c
{

namespace
{

const char kConfigurationFile[] = "axis2.xml";

bool IsFile(const std::string& path)
{
    try
    {
        Poco::File file(path);
        return file.exists() && file.isFile();
    }
    catch (const Poco::Exception&)
    {
        return false;
    }
}

bool EndsWithXml(const std::string& path)
{
    return path.size() > 4 && Poco::toLower(path.substr(path.size() - 4)) == ".xml";
}

} // namespace

ConfigurationSource LocateConfiguration(const std::string& clientHome)
{
    ConfigurationSource source;
    if (clientHome.empty())
        return source;
    // A path that names a file, or looks like one, means that very file: a
    // typo there must not quietly fall back to the defaults.
    if (IsFile(clientHome) || EndsWithXml(clientHome))
    {
        source.path = clientHome;
        source.required = true;
        return source;
    }
    source.path = Poco::Path(clientHome).makeDirectory().append(kConfigurationFile).toString();
    return source;
}

} // namespace axis2c
