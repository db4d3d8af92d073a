#include "TaskFiles.h"

#include "LocalFile.h"
#include "LogText.h"
#include "WorkItem.h"

#include <Poco/File.h>
#include <Poco/Format.h>
#include <Poco/Logger.h>
#include <Poco/Path.h>

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace
{
/// The scripts' files are read as lines of at most 255 characters; a longer line gives pieces.
const std::size_t lineLength = 255;
/// Enough for the two lines of tarvelerror.txt that count.
const std::size_t errorFileLimit = 64 * 1024;

/// Calls `take` with each line of `text` (the line feed dropped, a final line without one
/// included), in pieces of at most lineLength characters.
template <typename Take>
void ForEachLine(const std::string& text, Take take)
{
    std::size_t start = 0;
    while (start < text.size())
    {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos)
            end = text.size();
        for (std::size_t piece = start; piece < end || piece == start; piece += lineLength)
        {
            if (!take(text.substr(piece, std::min(lineLength, end - piece))))
                return;
            if (end == start)
                break;
        }
        start = next;
    }
}

/// Reads one of the scripts' files; logs (and gives up on) one that is not a regular file.
bool ReadScriptFile(const std::string& path, std::size_t limit, LocalFile::Contents& contents, Poco::Logger& logger)
{
    try
    {
        contents = LocalFile::ReadRegular(path, limit);
    }
    catch (const std::exception& exc)
    {
        poco_error(logger, LogText::Escape(exc.what()));
        return false;
    }
    return contents.found;
}
} // namespace

TaskFiles::TaskFiles(const std::string& root, const TaskDirectory& taskDirectory)
    : scriptRoot(root)
    , directory(taskDirectory)
{
}

void TaskFiles::Write(const WorkItem& item) const
{
    // Without its directory a task cannot run; the runner reports that, so only files in
    // directories that exist are written, and any failure there fails the item.
    if (directory.Exists())
    {
        std::ostringstream properties;
        item.ExportPropertiesAsXml(properties);
        // The file holds the decrypted values: a new file, owner only from its creation on.
        const std::string path = directory.File("properties.xml");
        try
        {
            LocalFile::CreateNew(path, properties.str(), 0600);
        }
        catch (const std::exception& exc)
        {
            throw std::runtime_error(Poco::format("The work item properties could not be written to '%s': %s", path,
                                                  std::string(exc.what())));
        }
    }
    Poco::Path root(scriptRoot);
    root.makeAbsolute();
    root.makeDirectory();
    const Poco::File rootDirectory(root);
    if (rootDirectory.exists() && rootDirectory.isDirectory())
    {
        std::ostringstream workitem;
        item.ExportWorkitemAsXml(workitem);
        root.setFileName("workitem.xml");
        const std::string path = root.toString();
        try
        {
            LocalFile::CreateNew(path, workitem.str(), 0644);
        }
        catch (const std::exception& exc)
        {
            throw std::runtime_error(
                Poco::format("The work item could not be written to '%s': %s", path, std::string(exc.what())));
        }
    }
}

void TaskFiles::RemoveProperties() const
{
    // Only a file that is there and stays there is an error: the task directory may be missing,
    // or a script may have removed the file itself.
    LocalFile::Remove(directory.File("properties.xml"));
}

void TaskFiles::RelayLog(Poco::Logger& logger) const
{
    LocalFile::Contents log;
    if (!ReadScriptFile(directory.File("tarvellog.txt"), relayLimit, log, logger))
        return;
    ForEachLine(log.text, [&](const std::string& line) {
        poco_information(logger, LogText::Escape(line));
        return true;
    });
    if (log.size > log.text.size())
    {
        poco_information_f1(logger, "(%s more bytes of tarvellog.txt are not relayed)",
                            std::to_string(log.size - log.text.size()));
    }
}

std::string TaskFiles::ApplyErrorFile(const std::string& error, Poco::Logger& logger) const
{
    LocalFile::Contents file;
    if (!ReadScriptFile(directory.File("tarvelerror.txt"), errorFileLimit, file, logger))
        return error;
    std::string lines[2];
    std::size_t count = 0;
    ForEachLine(file.text, [&](const std::string& line) {
        lines[count++] = line;
        return count < 2;
    });
    std::string message;
    std::string taken = lines[0];
    if (lines[0] == "OVERRIDE_ERROR_CONTEXT")
    {
        taken = lines[1];
        message = lines[1];
    }
    else
    {
        message = error + " - " + lines[0];
    }
    poco_error(logger, LogText::Escape(taken));
    return message;
}
