#include "StateDirectory.h"

#include "LocalFile.h"

#include <Poco/File.h>
#include <Poco/Format.h>
#include <Poco/Path.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
/// Temporary files start with "." and end with this, so that listings can tell them apart.
const std::string temporarySuffix = ".tmp";

/// Large enough for any response document the agent writes; a bound all the same.
const std::size_t readLimit = 512 * 1024 * 1024;

std::string Cause()
{
    return std::strerror(errno);
}

bool IsTemporary(const std::string& name)
{
    return name.size() > temporarySuffix.size() && name[0] == '.' &&
           name.compare(name.size() - temporarySuffix.size(), std::string::npos, temporarySuffix) == 0;
}

std::vector<std::string> Entries(const std::string& directory)
{
    std::vector<std::string> names;
    DIR* stream = ::opendir(directory.c_str());
    if (!stream)
    {
        if (errno == ENOENT)
            return names;
        throw std::runtime_error(Poco::format("The directory '%s' cannot be listed: %s", directory, Cause()));
    }
    while (const dirent* entry = ::readdir(stream))
    {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(stream);
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

StateDirectory::StateDirectory(const std::string& location)
    : path(Poco::Path(location).absolute().toString())
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    struct stat status;
    if (::lstat(path.c_str(), &status) != 0)
    {
        if (errno != ENOENT)
            throw std::runtime_error(Poco::format("The state directory '%s' cannot be examined: %s", path, Cause()));
        Poco::Path parent(path);
        parent.makeParent();
        try
        {
            Poco::File(parent).createDirectories();
        }
        catch (const Poco::Exception& exc)
        {
            throw std::runtime_error(
                Poco::format("The state directory '%s' cannot be created: %s", path, exc.displayText()));
        }
        if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
            throw std::runtime_error(Poco::format("The state directory '%s' cannot be created: %s", path, Cause()));
        if (::lstat(path.c_str(), &status) != 0)
            throw std::runtime_error(Poco::format("The state directory '%s' cannot be examined: %s", path, Cause()));
    }
    if (S_ISLNK(status.st_mode) || !S_ISDIR(status.st_mode))
        throw std::runtime_error(
            Poco::format("The state directory '%s' is not a directory (a link is not followed)", path));
    if (status.st_uid != ::geteuid())
        throw std::runtime_error(Poco::format("The state directory '%s' belongs to another user (uid %u)", path,
                                              static_cast<unsigned>(status.st_uid)));
    if ((status.st_mode & 07777) != 0700 && ::chmod(path.c_str(), 0700) != 0)
        throw std::runtime_error(Poco::format("The state directory '%s' cannot be made owner-only: %s", path, Cause()));

    RemoveTemporaryFiles(path);
    for (const std::string& name : Entries(path))
    {
        struct stat entry;
        if (::lstat(File(name).c_str(), &entry) == 0 && S_ISDIR(entry.st_mode))
            RemoveTemporaryFiles(File(name));
    }
}

StateDirectory::~StateDirectory() = default;

const std::string& StateDirectory::Path() const
{
    return path;
}

std::string StateDirectory::File(const std::string& relative) const
{
    return path + "/" + relative;
}

void StateDirectory::MakeDirectory(const std::string& name) const
{
    const std::string directory = File(name);
    if (::mkdir(directory.c_str(), 0700) == 0)
    {
        SyncDirectory(path);
        return;
    }
    struct stat status;
    if (errno != EEXIST || ::lstat(directory.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        throw std::runtime_error(Poco::format("The directory '%s' cannot be created", directory));
}

void StateDirectory::Write(const std::string& relative, const std::string& content)
{
    Poco::Path target(File(relative));
    const std::string directory = target.parent().toString();
    const std::string temporary = directory + "." + target.getFileName() + temporarySuffix;
    LocalFile::Remove(temporary);
    const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0)
        throw std::runtime_error(Poco::format("'%s' cannot be created: %s", temporary, Cause()));
    try
    {
        LocalFile::WriteAll(descriptor, content, temporary);
        if (::fsync(descriptor) != 0)
            throw std::runtime_error(Poco::format("'%s' cannot be synced: %s", temporary, Cause()));
    }
    catch (...)
    {
        ::close(descriptor);
        ::unlink(temporary.c_str());
        throw;
    }
    if (::close(descriptor) != 0)
    {
        ::unlink(temporary.c_str());
        throw std::runtime_error(Poco::format("'%s' cannot be written: %s", temporary, Cause()));
    }
    BeforeRename(temporary);
    if (::rename(temporary.c_str(), target.toString().c_str()) != 0)
    {
        const std::string cause = Cause();
        ::unlink(temporary.c_str());
        throw std::runtime_error(Poco::format("'%s' cannot be replaced: %s", target.toString(), cause));
    }
    SyncDirectory(directory);
}

bool StateDirectory::Read(const std::string& relative, std::string& content) const
{
    LocalFile::Contents contents = LocalFile::ReadRegular(File(relative), readLimit);
    content.swap(contents.text);
    return contents.found;
}

bool StateDirectory::Remove(const std::string& relative)
{
    const std::string file = File(relative);
    if (!LocalFile::Remove(file))
        return false;
    SyncDirectory(Poco::Path(file).parent().toString());
    return true;
}

void StateDirectory::Move(const std::string& from, const std::string& to)
{
    const std::string source = File(from);
    const std::string target = File(to);
    if (::rename(source.c_str(), target.c_str()) != 0)
        throw std::runtime_error(Poco::format("'%s' cannot be moved to '%s': %s", source, target, Cause()));
    SyncDirectory(Poco::Path(target).parent().toString());
    SyncDirectory(Poco::Path(source).parent().toString());
}

std::vector<std::string> StateDirectory::List(const std::string& name) const
{
    std::vector<std::string> names = Entries(File(name));
    names.erase(std::remove_if(names.begin(), names.end(), IsTemporary), names.end());
    return names;
}

void StateDirectory::BeforeRename(const std::string&)
{
}

void StateDirectory::RemoveTemporaryFiles(const std::string& directory) const
{
    for (const std::string& name : Entries(directory))
    {
        if (IsTemporary(name))
            LocalFile::Remove(directory + "/" + name);
    }
}

void StateDirectory::SyncDirectory(const std::string& directory)
{
    const int descriptor = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        throw std::runtime_error(Poco::format("The directory '%s' cannot be opened: %s", directory, Cause()));
    const int result = ::fsync(descriptor);
    const std::string cause = result != 0 ? Cause() : std::string();
    ::close(descriptor);
    if (result != 0)
        throw std::runtime_error(Poco::format("The directory '%s' cannot be synced: %s", directory, cause));
}
