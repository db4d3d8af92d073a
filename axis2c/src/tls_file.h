// A certificate or key file named by the client configuration, read once when
// the service client is created: a process that drops its rights or confines
// itself after that point still has the trust and the client key it was
// configured with. A file that cannot be read is kept as such; the exchange
// that needs it fails then, as it would have on opening the file itself.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace axis2c
{

// A CA bundle is a few hundred kilobytes; anything beyond this is no
// certificate file.
constexpr size_t kMaxTlsFileBytes = 4u * 1024u * 1024u;

class TlsFile
{
public:
    // Reads `path` if it is a regular file of at most kMaxTlsFileBytes.
    // Never throws for what is wrong with the file (see Readable, Problem);
    // throws std::bad_alloc only.
    static std::shared_ptr<const TlsFile> Read(const std::string& path);

    // The contents may be a private key: they are wiped when the last holder
    // lets go.
    ~TlsFile();
    TlsFile(const TlsFile&) = delete;
    TlsFile& operator=(const TlsFile&) = delete;

    const std::string& Path() const
    {
        return path;
    }
    bool Readable() const
    {
        return readable;
    }
    const std::string& Contents() const
    {
        return contents;
    }
    // Why an unreadable file was refused beyond it being unreadable
    // ("larger than 4194304 bytes"); empty when it simply cannot be opened
    // or is no regular file.
    const std::string& Problem() const
    {
        return problem;
    }

private:
    explicit TlsFile(const std::string& named);

    std::string path;
    bool readable = false;
    std::string contents;
    std::string problem;
};

} // namespace axis2c
