#include "StateNames.h"

#include "LogText.h"

#include <Poco/Format.h>

#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

namespace
{
const std::string temporarySuffix = ".tmp";
const std::size_t nameLimit = 240;

bool Allowed(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '.' ||
           c == ',' || c == '%' || c == '~' || c == '+' || c == '=' || c == '-';
}
} // namespace

const std::string StateNames::broken = "broken";

StateNames::Parts StateNames::Split(const std::string& relative)
{
    Parts parts;
    const std::string::size_type slash = relative.find('/');
    if (slash == std::string::npos)
        parts.name = relative;
    else
    {
        parts.directory = relative.substr(0, slash);
        parts.name = relative.substr(slash + 1);
    }
    if (!IsName(parts.name) || (slash != std::string::npos && !IsName(parts.directory)))
        throw std::runtime_error(Poco::format("The state file name '%s' is refused: it is not one the agent gives",
                                              LogText::Escape(relative)));
    return parts;
}

bool StateNames::IsName(const std::string& name)
{
    if (name.empty() || name.size() > nameLimit || name[0] == '.')
        return false;
    for (const char c : name)
    {
        if (!Allowed(c))
            return false;
    }
    return true;
}

std::string StateNames::Temporary(const std::string& name)
{
    return "." + name + temporarySuffix;
}

bool StateNames::IsTemporary(const std::string& name)
{
    const std::size_t length = name.size();
    return length > 1 + temporarySuffix.size() && name[0] == '.' &&
           name.compare(length - temporarySuffix.size(), std::string::npos, temporarySuffix) == 0 &&
           IsName(name.substr(1, length - 1 - temporarySuffix.size()));
}

std::string StateNames::AsideName(const std::string& directory, const std::string& name)
{
    std::string base = directory.empty() ? std::string() : directory + "-";
    for (const char c : name.substr(0, 120))
        base += Allowed(c) ? c : '_';
    if (base[0] == '.')
        base[0] = '_';
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    char stamp[48];
    std::snprintf(stamp, sizeof stamp, ".%lld%09ld-%d", static_cast<long long>(now.tv_sec), now.tv_nsec,
                  static_cast<int>(::getpid()));
    return base + stamp;
}

std::string StateNames::Mode(mode_t mode)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

std::string StateNames::Kind(mode_t mode)
{
    switch (mode & S_IFMT)
    {
    case S_IFREG: return "a regular file";
    case S_IFDIR: return "a directory";
    case S_IFLNK: return "a symbolic link";
    case S_IFIFO: return "a FIFO";
    case S_IFSOCK: return "a socket";
    default: return "a device";
    }
}
