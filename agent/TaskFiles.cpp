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
#include <sys/stat.h>

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

/// Reads one of the scripts' files with `read`; logs (and gives up on) one that is not a regular
/// file.
template <typename Read>
bool ReadScriptFile(Read read, LocalFile::Contents& contents, Poco::Logger& logger)
{
    try
    {
        contents = read();
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

TaskFiles::LogMark TaskFiles::MarkLog() const
{
    LogMark mark;
    struct stat status;
    const std::string path = directory.File("tarvellog.txt");
    if (::lstat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return mark;
    mark.size = static_cast<std::uint64_t>(status.st_size);
    mark.modifiedSeconds = status.st_mtim.tv_sec;
    mark.modifiedNanoseconds = status.st_mtim.tv_nsec;
    try
    {
        const LocalFile::Contents end =
            LocalFile::ReadEnd(path, mark.size - std::min<std::uint64_t>(mark.size, 64), 64);
        // Only the bytes that end the file as it was measured make a mark.
        if (end.size == mark.size && end.start + end.text.size() == mark.size)
            mark.tail = end.text;
    }
    catch (const std::exception&)
    {
        // Without its last bytes only the sizes tell added lines from a file written anew; RelayLog
        // names the problem if it lasts.
    }
    return mark;
}

void TaskFiles::RelayLog(Poco::Logger& logger, const LogMark& mark) const
{
    const std::string path = directory.File("tarvellog.txt");
    struct stat status;
    // Not written at all since the mark: nothing of this run's to relay.
    if (mark.size > 0 && ::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
        static_cast<std::uint64_t>(status.st_size) == mark.size && status.st_mtim.tv_sec == mark.modifiedSeconds &&
        status.st_mtim.tv_nsec == mark.modifiedNanoseconds)
        return;
    // Read from the mark's last bytes on: where they are still there and the file is longer, the
    // scripts added to it; otherwise they wrote it anew (">" in a script), and all of it is theirs.
    const std::uint64_t checkFrom = mark.size - mark.tail.size();
    LocalFile::Contents log;
    if (!ReadScriptFile([&] { return LocalFile::ReadEnd(path, checkFrom, relayLimit); }, log, logger))
        return;
    std::uint64_t from = mark.size;
    if (log.size <= mark.size || (log.start == checkFrom && log.text.compare(0, mark.tail.size(), mark.tail) != 0))
    {
        from = 0;
        if (log.start > 0 && !ReadScriptFile([&] { return LocalFile::ReadEnd(path, 0, relayLimit); }, log, logger))
            return;
    }
    else if (log.start < mark.size)
    {
        // Added to: what was there at the mark is an earlier run's.
        log.text.erase(0, static_cast<std::size_t>(mark.size - log.start));
        log.start = mark.size;
    }
    // The file grows across runs: the lines that matter are this run's, and of those the last
    // (they hold the outcome).
    std::uint64_t leftOut = log.start - from;
    std::size_t first = 0;
    if (leftOut > 0)
    {
        // The cut falls anywhere in a line: the relay starts with the next whole one.
        const std::size_t lineFeed = log.text.find('\n');
        if (lineFeed != std::string::npos && lineFeed + 1 < log.text.size())
            first = lineFeed + 1;
        leftOut += first;
        poco_information_f2(logger,
                            "(the first %s bytes this run's scripts wrote to tarvellog.txt are not relayed; "
                            "the last %s bytes follow)",
                            std::to_string(leftOut), std::to_string(log.text.size() - first));
    }
    log.text.erase(0, first);
    ForEachLine(log.text, [&](const std::string& line) {
        poco_information(logger, LogText::Escape(line));
        return true;
    });
}

std::string TaskFiles::ApplyErrorFile(const std::string& error, Poco::Logger& logger) const
{
    LocalFile::Contents file;
    const std::string path = directory.File("tarvelerror.txt");
    if (!ReadScriptFile([&] { return LocalFile::ReadRegular(path, errorFileLimit); }, file, logger))
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
