#include "TempDirectory.h"

#include <Poco/DirectoryIterator.h>
#include <Poco/File.h>
#include <Poco/Path.h>
#include <Poco/TemporaryFile.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>

TempDirectory::TempDirectory()
    : path(Poco::TemporaryFile::tempName())
{
    Poco::File(path).createDirectories();
}

namespace
{
/// Tests take permissions away; give them back so that everything can be removed.
void RestorePermissions(const std::string& directory)
{
    ::chmod(directory.c_str(), 0700);
    for (Poco::DirectoryIterator it(directory), end; it != end; ++it)
    {
        if (it->isLink())
            continue;
        if (it->isDirectory())
            RestorePermissions(it->path());
        else
            ::chmod(it->path().c_str(), 0600);
    }
}
} // namespace

TempDirectory::~TempDirectory()
{
    try
    {
        RestorePermissions(path);
        Poco::File(path).remove(true);
    }
    catch (...)
    {
    }
}

const std::string& TempDirectory::Path() const
{
    return path;
}

std::string TempDirectory::operator/(const std::string& relative) const
{
    return path + "/" + relative;
}

std::string TempDirectory::Write(const std::string& relative, const std::string& content, unsigned mode) const
{
    const std::string file = *this / relative;
    Poco::Path parent(file);
    parent.makeParent();
    Poco::File(parent).createDirectories();
    {
        std::ofstream stream(file, std::ios::binary | std::ios::trunc);
        stream << content;
    }
    ::chmod(file.c_str(), mode);
    return file;
}

std::string TempDirectory::MakeDirectory(const std::string& relative) const
{
    const std::string directory = *this / relative;
    Poco::File(directory).createDirectories();
    return directory;
}

bool TempDirectory::Exists(const std::string& relative) const
{
    return Poco::File(*this / relative).exists();
}

std::string TempDirectory::Read(const std::string& path)
{
    std::ifstream stream(path, std::ios::binary);
    std::ostringstream content;
    content << stream.rdbuf();
    return content.str();
}
