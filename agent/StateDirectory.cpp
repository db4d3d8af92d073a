#include "StateDirectory.h"

#include "LocalFile.h"
#include "LogText.h"
#include "OwnDirectory.h"
#include "RunLock.h"
#include "StateNames.h"

#include <Poco/Format.h>
#include <Poco/Logger.h>
#include <Poco/Path.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace
{
std::string Cause()
{
    return std::strerror(errno);
}

void Sync(int descriptor, const std::string& shown)
{
    if (::fsync(descriptor) != 0)
        throw std::runtime_error(Poco::format("'%s' cannot be synced: %s", shown, Cause()));
}
} // namespace

StateDirectory::StateDirectory(const std::string& location, Poco::Logger& log, uid_t trustedOwner)
    : path(Poco::Path(location).absolute().toString())
    , logger(log)
    , descriptor(-1)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    try
    {
        descriptor = OwnDirectory::Open(path, realPath, trustedOwner);
        directories[""] = descriptor;
        // Nothing in the directory changes before the lock is held: a run that is refused must not
        // disturb the one that holds it.
        lock = std::make_unique<RunLock>(*this);
        RemoveTemporaryFiles("");
        for (const std::string& entry : OwnDirectory::Entries(descriptor, path))
        {
            struct stat found;
            if (entry != StateNames::broken && StateNames::IsName(entry) &&
                ::fstatat(descriptor, entry.c_str(), &found, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(found.st_mode) &&
                OwnDirectory::Foreign(found, true).empty())
                RemoveTemporaryFiles(entry);
        }
    }
    catch (...)
    {
        Close();
        throw;
    }
}

StateDirectory::~StateDirectory()
{
    Close();
}

void StateDirectory::Close()
{
    lock.reset();
    for (const auto& directory : directories)
        ::close(directory.second);
    directories.clear();
}

std::string StateDirectory::Location(const std::string& setting, const std::string& scriptRoot)
{
    if (!setting.empty())
        return Poco::Path(setting).absolute().toString();
    Poco::Path path(scriptRoot);
    path.makeDirectory();
    path.pushDirectory(".tarvel");
    return path.absolute().toString();
}

const std::string& StateDirectory::Path() const
{
    return path;
}

std::string StateDirectory::File(const std::string& relative) const
{
    return relative.empty() ? path : path + "/" + relative;
}

bool StateDirectory::Contains(const std::string& candidate) const
{
    const auto below = [](const std::string& inner, const std::string& outer) {
        return inner.compare(0, outer.size(), outer) == 0 &&
               (inner.size() == outer.size() || inner[outer.size()] == '/');
    };
    // Lexically first ("." and empty components dropped, ".." going up), then as the system resolves it.
    std::vector<std::string> components;
    for (std::string::size_type start = 0; start <= candidate.size();)
    {
        std::string::size_type end = candidate.find('/', start);
        if (end == std::string::npos)
            end = candidate.size();
        const std::string component = candidate.substr(start, end - start);
        if (component == ".." && !components.empty())
            components.pop_back();
        else if (!component.empty() && component != "." && component != "..")
            components.push_back(component);
        start = end + 1;
    }
    std::string normal;
    for (const std::string& component : components)
        normal += "/" + component;
    char real[PATH_MAX];
    return below(normal, path) || below(normal, realPath) ||
           (::realpath(candidate.c_str(), real) && below(real, realPath));
}

void StateDirectory::MakeDirectory(const std::string& name)
{
    Directory(name, true);
}

void StateDirectory::Write(const std::string& relative, const std::string& content, Durability durability)
{
    const StateNames::Parts parts = StateNames::Split(relative);
    const int directory = Directory(parts.directory, false);
    if (directory < 0)
        throw std::runtime_error(Poco::format("The directory '%s' is missing", File(parts.directory)));
    const std::string temporary = StateNames::Temporary(parts.name);
    const std::string shown = File(parts.directory.empty() ? temporary : parts.directory + "/" + temporary);
    if (::unlinkat(directory, temporary.c_str(), 0) != 0 && errno != ENOENT)
    {
        if (errno != EISDIR)
            throw std::runtime_error(Poco::format("'%s' cannot be removed: %s", shown, Cause()));
        SetAside(parts.directory, temporary, "a directory where the agent writes a temporary file");
    }
    const int file = ::openat(directory, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (file < 0)
        throw std::runtime_error(Poco::format("'%s' cannot be created: %s", shown, Cause()));
    try
    {
        LocalFile::WriteAll(file, content, shown);
        if (durability == Durability::Synced)
            Sync(file, shown);
    }
    catch (...)
    {
        ::close(file);
        ::unlinkat(directory, temporary.c_str(), 0);
        throw;
    }
    if (::close(file) != 0)
    {
        const std::string cause = Cause();
        ::unlinkat(directory, temporary.c_str(), 0);
        throw std::runtime_error(Poco::format("'%s' cannot be written: %s", shown, cause));
    }
    BeforeRename(shown);
    int renamed = ::renameat(directory, temporary.c_str(), directory, parts.name.c_str());
    if (renamed != 0 && (errno == EISDIR || errno == ENOTEMPTY || errno == EEXIST))
    {
        SetAside(parts.directory, parts.name, "a directory where the agent keeps a file");
        renamed = ::renameat(directory, temporary.c_str(), directory, parts.name.c_str());
    }
    if (renamed != 0)
    {
        const std::string cause = Cause();
        ::unlinkat(directory, temporary.c_str(), 0);
        throw std::runtime_error(Poco::format("'%s' cannot be replaced: %s", File(relative), cause));
    }
    if (durability == Durability::Synced)
        Sync(directory, File(parts.directory));
}

bool StateDirectory::Read(const std::string& relative, std::string& content, std::size_t limit)
{
    const StateNames::Parts parts = StateNames::Split(relative);
    const int directory = Directory(parts.directory, false);
    struct stat status;
    if (directory < 0 || ::fstatat(directory, parts.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
    {
        if (directory < 0 || errno == ENOENT)
            return false;
        throw std::runtime_error(Poco::format("'%s' cannot be examined: %s", File(relative), Cause()));
    }
    std::string why = OwnDirectory::Foreign(status, false);
    if (why.empty() && static_cast<std::uint64_t>(status.st_size) > limit)
        why = Poco::format("it holds %s bytes, more than the %z the agent writes there", std::to_string(status.st_size),
                           limit);
    if (why.empty())
    {
        const int file =
            ::openat(directory, parts.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        struct stat opened;
        if (file < 0 || ::fstat(file, &opened) != 0 || !OwnDirectory::Same(opened, status))
            why = file < 0 ? "it cannot be opened: " + Cause() : std::string("it changed while it was opened");
        else
        {
            content.assign(static_cast<std::size_t>(status.st_size), '\0');
            std::size_t done = 0;
            while (done < content.size())
            {
                const ssize_t count = ::read(file, &content[done], content.size() - done);
                if (count < 0 && errno == EINTR)
                    continue;
                if (count <= 0)
                {
                    why = count < 0 ? "it cannot be read: " + Cause() : std::string("it shrank while it was read");
                    break;
                }
                done += static_cast<std::size_t>(count);
            }
        }
        if (file >= 0)
            ::close(file);
    }
    if (why.empty())
        return true;
    content.clear();
    SetAside(parts.directory, parts.name, why);
    return false;
}

bool StateDirectory::Remove(const std::string& relative, Durability durability)
{
    const StateNames::Parts parts = StateNames::Split(relative);
    const int directory = Directory(parts.directory, false);
    if (directory < 0)
        return false;
    if (::unlinkat(directory, parts.name.c_str(), 0) != 0)
    {
        if (errno == ENOENT)
            return false;
        if (errno != EISDIR)
            throw std::runtime_error(Poco::format("'%s' cannot be removed: %s", File(relative), Cause()));
        SetAside(parts.directory, parts.name, "a directory where the agent keeps a file");
    }
    if (durability == Durability::Synced)
        Sync(directory, File(parts.directory));
    return true;
}

void StateDirectory::Move(const std::string& from, const std::string& to)
{
    const StateNames::Parts source = StateNames::Split(from);
    const StateNames::Parts target = StateNames::Split(to);
    const int sourceDirectory = Directory(source.directory, false);
    const int targetDirectory = Directory(target.directory, true);
    if (sourceDirectory < 0 ||
        ::renameat(sourceDirectory, source.name.c_str(), targetDirectory, target.name.c_str()) != 0)
        throw std::runtime_error(Poco::format("'%s' cannot be moved to '%s': %s", File(from), File(to),
                                              std::string(sourceDirectory < 0 ? "it is gone" : Cause())));
    Sync(targetDirectory, File(target.directory));
    if (sourceDirectory != targetDirectory)
        Sync(sourceDirectory, File(source.directory));
}

std::vector<std::string> StateDirectory::List(const std::string& name)
{
    const int directory = Directory(name, false);
    std::vector<std::string> names;
    if (directory < 0)
        return names;
    names = OwnDirectory::Entries(directory, File(name));
    names.erase(std::remove_if(names.begin(), names.end(), StateNames::IsTemporary), names.end());
    return names;
}

void StateDirectory::SetAside(const std::string& directory, const std::string& name, const std::string& why)
{
    const int from = Directory(directory, false);
    if (from >= 0)
        MoveAside(from, directory, name, name, why);
}

void StateDirectory::BeforeRename(const std::string&)
{
}

int StateDirectory::Directory(const std::string& name, bool create)
{
    const auto known = directories.find(name);
    if (known != directories.end())
        return known->second;
    if (!StateNames::IsName(name))
        throw std::runtime_error(Poco::format("The state directory name '%s' is refused", LogText::Escape(name)));
    for (int attempt = 0; attempt < 3; ++attempt)
    {
        struct stat status;
        if (::fstatat(descriptor, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        {
            if (errno != ENOENT)
                throw std::runtime_error(Poco::format("'%s' cannot be examined: %s", File(name), Cause()));
            if (!create)
                return -1;
            if (::mkdirat(descriptor, name.c_str(), 0700) != 0 && errno != EEXIST)
                throw std::runtime_error(Poco::format("The directory '%s' cannot be created: %s", File(name), Cause()));
            Sync(descriptor, path);
            continue;
        }
        const std::string why = OwnDirectory::Foreign(status, true);
        if (!why.empty())
        {
            MoveAside(descriptor, "", name, name, why);
            if (!create)
                return -1;
            continue;
        }
        const int opened = ::openat(descriptor, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        struct stat now;
        if (opened >= 0 && ::fstat(opened, &now) == 0 && OwnDirectory::Same(now, status))
            return directories[name] = opened;
        if (opened >= 0)
            ::close(opened);
    }
    throw std::runtime_error(Poco::format("The directory '%s' cannot be used", File(name)));
}

void StateDirectory::RemoveTemporaryFiles(const std::string& name)
{
    const int directory = Directory(name, false);
    if (directory < 0)
        return;
    // Only what the agent itself writes: a file of its own with a temporary name of its own shape.
    for (const std::string& entry : OwnDirectory::Entries(directory, File(name)))
    {
        struct stat status;
        if (StateNames::IsTemporary(entry) && ::fstatat(directory, entry.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            OwnDirectory::Foreign(status, false).empty())
            ::unlinkat(directory, entry.c_str(), 0);
    }
}

void StateDirectory::MoveAside(int from, const std::string& directory, const std::string& name,
                               const std::string& shown, const std::string& why)
{
    const std::string target = StateNames::AsideName(directory, shown);
    const std::string source = File(directory.empty() ? shown : directory + "/" + shown);
    // A "broken" that is not the agent's own cannot hold what is set aside: it moves beside it.
    const bool brokenItself = directory.empty() && name == StateNames::broken;
    const int to = brokenItself ? descriptor : Directory(StateNames::broken, true);
    if (::renameat2(from, name.c_str(), to, target.c_str(), RENAME_NOREPLACE) != 0 &&
        (errno != EINVAL || ::renameat(from, name.c_str(), to, target.c_str()) != 0))
        throw std::runtime_error(
            Poco::format("'%s' (%s) cannot be set aside: %s", LogText::Escape(source), why, Cause()));
    if (directory.empty())
    {
        const auto cached = directories.find(name);
        if (cached != directories.end())
        {
            ::close(cached->second);
            directories.erase(cached);
        }
    }
    poco_error_f3(logger, "The state entry '%s' is not used: %s; it was moved to '%s'", LogText::Escape(source), why,
                  File(brokenItself ? target : StateNames::broken + "/" + target));
}
