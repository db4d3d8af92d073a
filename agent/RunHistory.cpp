#include "RunHistory.h"

#include "ErrorText.h"
#include "JsonText.h"
#include "LocalFile.h"
#include "LogText.h"
#include "Outbox.h"
#include "OwnDirectory.h"
#include "RunRecord.h"
#include "StateDirectory.h"
#include "StopSignals.h"

#include <Poco/Dynamic/Var.h>
#include <Poco/Format.h>
#include <Poco/JSON/Object.h>
#include <Poco/JSON/Parser.h>
#include <Poco/Logger.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
/// Where a text is cut in a line: an id or task from a server may be of any length; the error
/// texts say what matters in their first kilobytes.
const std::size_t nameLimit = 512;
const std::size_t textLimit = 2048;
/// No line written here is shorter (its keys alone take more): a file of fewer bytes than
/// runLimit lines of it cannot hold too many lines, and is not read before an append.
const std::size_t shortestLine = 100;

std::string Cut(const std::string& text, std::size_t limit)
{
    return text.size() <= limit ? text : text.substr(0, limit) + "...";
}

std::string Cause()
{
    return std::strerror(errno);
}

using Object = Poco::JSON::Object::Ptr;

/// The member `key` of `object` into `value` when it is a string; a missing one or null is
/// empty. False for another type.
bool StringField(const Object& object, const std::string& key, std::string& value)
{
    const Poco::Dynamic::Var field = object->get(key);
    if (field.isEmpty())
        return true;
    if (!field.isString())
        return false;
    value = field.extract<std::string>();
    return true;
}

bool IntegerField(const Object& object, const std::string& key, std::int64_t& value, bool required)
{
    const Poco::Dynamic::Var field = object->get(key);
    if (field.isEmpty())
        return !required;
    if (!field.isInteger() || field.isBoolean())
        return false;
    value = field.convert<std::int64_t>();
    return true;
}

/// The member `key` when it is an object; null when it is missing or null. False for another type.
bool ObjectField(const Object& object, const std::string& key, Object& value)
{
    value = nullptr;
    const Poco::Dynamic::Var field = object->get(key);
    if (field.isEmpty())
        return true;
    if (field.type() != typeid(Object))
        return false;
    value = field.extract<Object>();
    return true;
}
} // namespace

const char RunHistory::fileName[] = "history";

std::string RunHistory::Timestamp(std::int64_t milliseconds)
{
    const std::time_t seconds = static_cast<std::time_t>(milliseconds / 1000);
    std::tm utc{};
    char text[40];
    const std::size_t length =
        ::gmtime_r(&seconds, &utc) ? std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc) : 0;
    return std::string(text, length) + "." + std::to_string(1000 + milliseconds % 1000).substr(1) + "Z";
}

std::string RunHistory::Line(const Entry& entry)
{
    JsonText json;
    json.Open('{').Key("start").String(entry.start).Key("seconds").Decimal(entry.seconds);
    json.Key("status").Number(entry.status).Key("pid").Number(entry.processId);
    json.Key("agentId").StringOrNull(Cut(entry.agentId, nameLimit)).Key("item");
    if (entry.item)
    {
        json.Open('{').Key("id").String(Cut(entry.id, nameLimit)).Key("task").String(Cut(entry.task, nameLimit));
        json.Key("answer").StringOrNull(entry.answer).Close('}');
    }
    else
        json.Null();
    json.Key("outcome").String(entry.outcome).Key("error").StringOrNull(Cut(entry.error, textLimit));
    json.Key("outbox").Open('{').Key("kept");
    if (entry.kept < 0)
        json.Null();
    else
        json.Number(entry.kept);
    json.Key("rejected");
    if (entry.rejected < 0)
        json.Null();
    else
        json.Number(entry.rejected);
    json.Key("problem").StringOrNull(Cut(entry.problem, textLimit)).Close('}').Close('}');
    return json.Text();
}

bool RunHistory::Parse(const std::string& line, Entry& entry)
{
    entry = Entry();
    if (line.size() > lineLimit || line.empty() || line[0] != '{')
        return false;
    try
    {
        Poco::JSON::Parser parser;
        // The deepest a line goes is an object in the object; nesting beyond is no entry.
        parser.setDepth(4);
        const Poco::Dynamic::Var parsed = parser.parse(line);
        if (parsed.type() != typeid(Object))
            return false;
        const Object object = parsed.extract<Object>();
        const Poco::Dynamic::Var seconds = object->get("seconds");
        std::int64_t status = 0;
        Object item;
        Object outbox;
        if (!seconds.isNumeric() || seconds.isBoolean() || !IntegerField(object, "status", status, true) ||
            !IntegerField(object, "pid", entry.processId, false) || !StringField(object, "start", entry.start) ||
            !StringField(object, "agentId", entry.agentId) || !StringField(object, "outcome", entry.outcome) ||
            !StringField(object, "error", entry.error) || !ObjectField(object, "item", item) ||
            !ObjectField(object, "outbox", outbox) || entry.start.empty() || entry.outcome.empty() || status < 0 ||
            status > 255)
            return false;
        entry.seconds = seconds.convert<double>();
        // A run takes between nothing and some days; 1e999 would be written back as "inf".
        if (!(entry.seconds >= 0 && entry.seconds < 1e9))
            return false;
        entry.status = static_cast<int>(status);
        entry.item = !item.isNull();
        if (item && (!StringField(item, "id", entry.id) || !StringField(item, "task", entry.task) ||
                     !StringField(item, "answer", entry.answer)))
            return false;
        if (outbox && (!IntegerField(outbox, "kept", entry.kept, false) ||
                       !IntegerField(outbox, "rejected", entry.rejected, false) ||
                       !StringField(outbox, "problem", entry.problem)))
            return false;
        return true;
    }
    catch (const std::exception&)
    {
        return false;
    }
}

RunHistory::Lines RunHistory::Read(int file, std::uint64_t size, std::size_t bound)
{
    Lines lines;
    const std::uint64_t start = size > bound ? size - bound : 0;
    const std::string text = ReadFrom(file, start, size, "the run history");
    std::size_t from = 0;
    lines.unread = start;
    if (start > 0)
    {
        // The first line read is most likely the end of one that lies before the bound.
        const std::size_t end = text.find('\n');
        from = end == std::string::npos ? text.size() : end + 1;
        lines.unread += from;
    }
    while (from < text.size())
    {
        const std::size_t end = text.find('\n', from);
        if (end == std::string::npos)
        {
            lines.cutShort = true;
            ++lines.skipped;
            break;
        }
        Entry entry;
        if (Parse(text.substr(from, end - from), entry))
            lines.entries.push_back(std::move(entry));
        else
            ++lines.skipped;
        from = end + 1;
    }
    return lines;
}

void RunHistory::Append(StateDirectory& state, const Entry& entry, Poco::Logger& logger)
{
    try
    {
        AppendLine(state, Line(entry));
    }
    catch (const std::exception& exc)
    {
        poco_error_f2(logger, "The run was not recorded in '%s': %s", state.File(fileName),
                      LogText::Escape(ErrorText::Of(exc)));
    }
}

void RunHistory::Record(StateDirectory& state, const RunRecord& run, int status, Poco::Logger& logger)
{
    try
    {
        // Filesystem mode has no outbox: nothing is listed then.
        const std::size_t kept = state.List(Outbox::waitingFolder).size();
        const std::size_t rejected = state.List(Outbox::rejectedFolder).size();
        Append(state, run.Finish(status < 0 ? 255 : status, kept, rejected), logger);
    }
    catch (const std::exception& exc)
    {
        poco_error_f2(logger, "The run was not recorded in '%s': %s", state.File(fileName),
                      LogText::Escape(ErrorText::Of(exc)));
    }
}

void RunHistory::NoteOnStop(StateDirectory& state, const Entry (&entries)[3], long long startMilliseconds)
{
    std::string lines[3];
    std::size_t clockAt = std::string::npos;
    for (int which = 0; which < 3; ++which)
    {
        Entry entry = entries[which];
        entry.seconds = 0;
        lines[which] = Line(entry) + "\n";
        // Spaces before a JSON number are still JSON: the handler writes the seconds into them.
        const std::string field = "\"seconds\":0.000";
        clockAt = lines[which].find(field);
        if (clockAt == std::string::npos)
            return;
        clockAt += field.size() - 5;
        lines[which].replace(clockAt, 5, std::string(StopSignals::clockWidth, ' '));
    }
    StopSignals::NoteOnStop(state.descriptor, fileName, lines, clockAt, startMilliseconds);
}

void RunHistory::AppendLine(StateDirectory& state, const std::string& line)
{
    const int directory = state.descriptor;
    const std::string shown = state.File(fileName);
    struct stat found;
    if (::fstatat(directory, fileName, &found, AT_SYMLINK_NOFOLLOW) == 0)
    {
        const std::string why = OwnDirectory::Foreign(found, false);
        if (!why.empty())
            state.SetAside("", fileName, why);
    }
    else if (errno != ENOENT)
        throw std::runtime_error(Poco::format("'%s' cannot be examined: %s", shown, Cause()));
    // Never blocks on a FIFO planted since, nor follows a link: what opens is checked again.
    const int file =
        ::openat(directory, fileName, O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (file < 0)
        throw std::runtime_error(Poco::format("'%s' cannot be opened: %s", shown, Cause()));
    struct stat opened;
    std::string why = ::fstat(file, &opened) != 0 ? "it cannot be examined: " + Cause() : std::string();
    if (why.empty())
        why = OwnDirectory::Foreign(opened, false);
    if (!why.empty())
    {
        ::close(file);
        throw std::runtime_error(Poco::format("'%s' changed while it was opened (%s)", shown, why));
    }
    const std::uint64_t size = static_cast<std::uint64_t>(opened.st_size);
    std::string text;
    std::string held;
    bool over = false;
    try
    {
        // A line cut short (a full disk, a power cut) is ended first, so that it stays one damaged line.
        char last = '\n';
        if (size > 0 && ::pread(file, &last, 1, static_cast<off_t>(size - 1)) != 1)
            throw std::runtime_error(Poco::format("'%s' cannot be read: %s", shown, Cause()));
        text = (last == '\n' ? "" : "\n") + line + "\n";
        over = size + text.size() > byteLimit;
        if (over || size >= runLimit * shortestLine)
        {
            const std::uint64_t start = size > byteLimit ? size - byteLimit : 0;
            held = ReadFrom(file, start, size, shown);
            if (start > 0)
            {
                const std::size_t end = held.find('\n');
                held.erase(0, end == std::string::npos ? held.size() : end + 1);
            }
            std::size_t lines = 0;
            for (const char c : held)
                lines += c == '\n' ? 1 : 0;
            over = over || start > 0 || lines + 1 > runLimit;
        }
        if (!over)
        {
            // One write: a reader, or a run that is killed, sees the whole line or none of it.
            const ssize_t written = ::write(file, text.data(), text.size());
            if (written != static_cast<ssize_t>(text.size()))
                throw std::runtime_error(Poco::format("'%s' cannot be written: %s", shown,
                                                      written < 0 ? Cause() : std::string("the disk is full")));
        }
    }
    catch (...)
    {
        ::close(file);
        throw;
    }
    ::close(file);
    if (over)
        state.Write(fileName, Newest(held + text), StateDirectory::Durability::Unsynced);
}

std::string RunHistory::ReadFrom(int file, std::uint64_t start, std::uint64_t size, const std::string& shown)
{
    std::string text(static_cast<std::size_t>(size - start), '\0');
    std::size_t done = 0;
    while (done < text.size())
    {
        const ssize_t count = ::pread(file, &text[done], text.size() - done, static_cast<off_t>(start + done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw std::runtime_error(Poco::format("'%s' cannot be read: %s", shown, Cause()));
        if (count == 0)
            break;
        done += static_cast<std::size_t>(count);
    }
    text.resize(done);
    return text;
}

std::string RunHistory::Newest(const std::string& text)
{
    // From the end back, whole lines only (each ends with its line end), while both bounds hold.
    std::size_t from = text.size();
    std::size_t lines = 0;
    while (from > 0 && lines < trimRuns)
    {
        std::size_t begin = 0;
        if (from >= 2)
        {
            const std::size_t previous = text.rfind('\n', from - 2);
            begin = previous == std::string::npos ? 0 : previous + 1;
        }
        if (text.size() - begin > trimBytes)
            break;
        from = begin;
        ++lines;
    }
    return text.substr(from);
}
