#include "LocalFile.h"

#include <Poco/Format.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
std::string Cause()
{
    return std::strerror(errno);
}

/// Closes a descriptor on every way out.
struct Descriptor
{
    int value;
    ~Descriptor()
    {
        if (value >= 0)
            ::close(value);
    }
};
} // namespace

LocalFile::Contents LocalFile::ReadRegular(const std::string& path, std::size_t limit, LastLink link)
{
    return Read(path, limit, link, [](std::uint64_t) { return std::uint64_t(0); });
}

LocalFile::Contents LocalFile::ReadEnd(const std::string& path, std::uint64_t from, std::size_t limit)
{
    return Read(path, limit, LastLink::Refused, [from, limit](std::uint64_t size) {
        const std::uint64_t first = size < from ? 0 : from;
        return size - first > limit ? size - limit : first;
    });
}

LocalFile::Contents LocalFile::Read(const std::string& path, std::size_t limit, LastLink link,
                                    const std::function<std::uint64_t(std::uint64_t)>& startAt)
{
    Contents contents;
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer for ever.
    const int noFollow = link == LastLink::Refused ? O_NOFOLLOW : 0;
    Descriptor file{::open(path.c_str(), O_RDONLY | noFollow | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.value < 0)
    {
        if (errno == ENOENT)
            return contents;
        if (errno == ELOOP && link == LastLink::Refused)
            throw std::runtime_error(Poco::format("'%s' is a symbolic link; it is not read", path));
        throw std::runtime_error(Poco::format("'%s' cannot be opened: %s", path, Cause()));
    }
    struct stat status;
    if (::fstat(file.value, &status) != 0)
        throw std::runtime_error(Poco::format("'%s' cannot be examined: %s", path, Cause()));
    if (!S_ISREG(status.st_mode))
        throw std::runtime_error(Poco::format("'%s' is not a regular file; it is not read", path));

    contents.found = true;
    contents.size = static_cast<std::uint64_t>(status.st_size);
    contents.start = startAt(contents.size);
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(contents.size - contents.start, limit));
    contents.text.resize(wanted);
    std::size_t done = 0;
    // A file that grows while it is read still yields no more than `limit` bytes.
    while (done < limit)
    {
        if (done == contents.text.size())
            contents.text.resize(std::min(limit, done + 65536));
        const ssize_t count = ::pread(file.value, &contents.text[done], contents.text.size() - done,
                                      static_cast<off_t>(contents.start + done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw std::runtime_error(Poco::format("'%s' cannot be read: %s", path, Cause()));
        if (count == 0)
            break;
        done += static_cast<std::size_t>(count);
    }
    contents.text.resize(done);
    return contents;
}

void LocalFile::CreateNew(const std::string& path, const std::string& content, mode_t mode)
{
    Remove(path);
    Descriptor file{::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, mode)};
    if (file.value < 0)
        throw std::runtime_error(Poco::format("'%s' cannot be created: %s", path, Cause()));
    WriteAll(file.value, content, path);
    const int descriptor = file.value;
    file.value = -1;
    if (::close(descriptor) != 0)
        throw std::runtime_error(Poco::format("'%s' cannot be written: %s", path, Cause()));
}

bool LocalFile::Remove(const std::string& path)
{
    if (::unlink(path.c_str()) == 0)
        return true;
    if (errno == ENOENT || errno == ENOTDIR)
        return false;
    // What this process cannot even reach (a directory it may not search) it cannot have made.
    struct stat status;
    if (errno == EACCES && ::lstat(path.c_str(), &status) != 0)
        return false;
    throw std::runtime_error(Poco::format("'%s' cannot be removed: %s", path, Cause()));
}

void LocalFile::WriteAll(int descriptor, const std::string& content, const std::string& path)
{
    std::size_t done = 0;
    while (done < content.size())
    {
        const ssize_t count = ::write(descriptor, content.data() + done, content.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw std::runtime_error(Poco::format("'%s' cannot be written: %s", path, Cause()));
        done += static_cast<std::size_t>(count);
    }
}
