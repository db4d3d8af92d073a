// Reading a certificate or key file whole, within a bound, without following
// it into a FIFO or a device.
#include "tls_file.h"

#include <openssl/crypto.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace axis2c
{

namespace
{

class Descriptor
{
public:
    explicit Descriptor(int opened)
        : fd(opened)
    {
    }
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const
    {
        return fd;
    }

private:
    int fd;
};

} // namespace

TlsFile::TlsFile(const std::string& named)
    : path(named)
{
}

TlsFile::~TlsFile()
{
    if (!contents.empty())
        OPENSSL_cleanse(&contents[0], contents.size());
}

std::shared_ptr<const TlsFile> TlsFile::Read(const std::string& path)
{
    std::shared_ptr<TlsFile> file(new TlsFile(path));
    // Non-blocking, so that a FIFO in its place cannot hold the caller up
    // before the type check refuses it.
    Descriptor input(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat status;
    if (input.Get() < 0 || ::fstat(input.Get(), &status) != 0 || !S_ISREG(status.st_mode))
        return file;
    if (static_cast<unsigned long long>(status.st_size) > kMaxTlsFileBytes)
    {
        file->problem = "larger than " + std::to_string(kMaxTlsFileBytes) + " bytes";
        return file;
    }
    // One byte more than the size found, to notice a file that grows while it is read.
    const size_t expected = static_cast<size_t>(status.st_size);
    file->contents.resize(expected + 1);
    size_t filled = 0;
    while (filled < file->contents.size())
    {
        const ssize_t got = ::read(input.Get(), &file->contents[filled], file->contents.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return file;
        if (got == 0)
            break;
        filled += static_cast<size_t>(got);
    }
    if (filled > expected)
    {
        file->problem = "changed while it was read";
        return file;
    }
    file->contents.resize(filled);
    file->readable = true;
    return file;
}

} // namespace axis2c
