#include "StatusReport.h"

#include "InFlightRecord.h"
#include "JsonText.h"
#include "LogText.h"
#include "Outbox.h"
#include "StateReader.h"

#include <Poco/Format.h>
#include <Poco/String.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fcntl.h>
#include <sstream>

namespace
{
/// The marker holds the time it was written; anything longer is not read.
const std::size_t markerLimit = 64;

/// A time of the history for the screen: to the second.
std::string Shown(const std::string& start)
{
    return LogText::Escape(start.size() > 19 ? start.substr(0, 19) + "Z" : start);
}

const char* VerdictName(StatusReport::Verdict verdict)
{
    switch (verdict)
    {
    case StatusReport::Done: return "done";
    case StatusReport::Attention: return "attention";
    default: return "provisioning";
    }
}
} // namespace

StatusReport::StatusReport(const Places& where, bool quick)
    : places(where)
{
    ReadMarker();
    const StateReader reader(places.state);
    stateFound = reader.Exists();
    stateProblem = reader.Problem();
    if (stateFound && stateProblem.empty())
    {
        lockHolder = reader.LockHolder();
        ReadHistory(reader, quick);
        if (!quick)
        {
            ReadOutbox(reader);
            ReadInFlight(reader);
        }
    }
    Judge();
}

void StatusReport::ReadMarker()
{
    // As the service's unit asks: anything at the path, followed if it is a link.
    struct stat status;
    if (places.marker.empty() || ::stat(places.marker.c_str(), &status) != 0)
        return;
    markerFound = true;
    if (!S_ISREG(status.st_mode))
        return;
    const int file = ::open(places.marker.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file < 0)
        return;
    char text[markerLimit];
    const ssize_t count = ::read(file, text, sizeof text);
    ::close(file);
    if (count > 0)
        markerText = Poco::trim(std::string(text, static_cast<std::size_t>(count)));
}

void StatusReport::ReadHistory(const StateReader& reader, bool quick)
{
    const StateReader::File file = reader.Open(RunHistory::fileName);
    if (file.descriptor < 0)
    {
        if (!file.problem.empty())
            historyProblem =
                Poco::format("'%s/%s' is not read: %s", reader.Path(), std::string(RunHistory::fileName), file.problem);
        return;
    }
    try
    {
        // A file the agent keeps within its bound is read whole; a larger one only from its end.
        history = RunHistory::Read(file.descriptor, file.size,
                                   quick ? RunHistory::lineLimit : RunHistory::byteLimit + RunHistory::lineLimit);
    }
    catch (const std::exception& exc)
    {
        historyProblem = exc.what();
    }
    ::close(file.descriptor);
}

void StatusReport::ReadOutbox(const StateReader& reader)
{
    std::string token;
    std::string id;
    unsigned long long oldest = 0;
    for (const std::string& entry : reader.List(Outbox::waitingFolder))
    {
        if (!Outbox::ParseName(entry, token, id))
            continue;
        ++kept;
        const unsigned long long made = Outbox::TokenTime(token);
        if (oldest == 0 || made < oldest)
            oldest = made;
    }
    if (oldest != 0)
        oldestKept = RunHistory::Timestamp(static_cast<std::int64_t>(oldest / 1000000));
    for (const std::string& entry : reader.List(Outbox::rejectedFolder))
        rejected.push_back(Outbox::ParseName(entry, token, id) ? id : entry);
    broken = reader.List("broken").size();
    // Why a report last did not get through, as the run that tried logged it.
    for (auto entry = history.entries.rbegin(); kept > 0 && entry != history.entries.rend(); ++entry)
    {
        if (!entry->problem.empty())
        {
            lastProblem = entry->problem;
            break;
        }
    }
    std::string text;
    std::string problem;
    finalStageKept = reader.Read("final", markerLimit, text, problem) && Outbox::IsToken(Poco::trim(text));
}

void StatusReport::ReadInFlight(const StateReader& reader)
{
    std::string durable;
    std::string progress;
    std::string problem;
    const std::size_t bound = InFlightRecord::recordLimit + 1;
    if (!reader.Read(InFlightRecord::durableName, bound, durable, problem))
    {
        inFlightProblem = problem;
        return;
    }
    inFlight = true;
    reader.Read(InFlightRecord::progressName, bound, progress, problem);
    InFlightRecord record;
    inFlightProblem = durable.size() >= bound ? std::string("it is larger than the agent writes it")
                                              : InFlightRecord::FromTexts(durable, progress, record);
    inFlightId = record.id;
    inFlightTask = record.task;
    inFlightScript = record.script;
}

void StatusReport::Judge()
{
    if (!stateProblem.empty())
    {
        attention.push_back(stateProblem);
        final = true;
    }
    if (!rejected.empty())
        attention.push_back(Poco::format("%z report(s) refused by the server are kept in '%s/%s'", rejected.size(),
                                         places.state, std::string(Outbox::rejectedFolder)));
    const RunHistory::Entry* newest = history.entries.empty() ? nullptr : &history.entries.back();
    if (newest && (newest->outcome == "failed" || newest->outcome == "refused"))
        attention.push_back(Poco::format("The last run (%s) %s: %s", Shown(newest->start),
                                         std::string(newest->outcome == "failed" ? "failed" : "had its report refused"),
                                         LogText::Escape(newest->error.empty() ? newest->problem : newest->error)));
    const bool done = places.marker.empty() ? newest && newest->status == 255 : markerFound;
    verdict = done ? Done : attention.empty() ? Provisioning : Attention;
}

StatusReport::Verdict StatusReport::Result() const
{
    return verdict;
}

bool StatusReport::Final() const
{
    return final;
}

std::string StatusReport::Summary() const
{
    std::string line = verdict == Done ? "provisioning is done" : "provisioning is not done yet";
    if (lockHolder > 0)
        line += Poco::format("; a run is in progress (process %ld)", lockHolder);
    if (!history.entries.empty())
    {
        const RunHistory::Entry& newest = history.entries.back();
        line += Poco::format("; last run %s: %s, status %d", Shown(newest.start), LogText::Escape(newest.outcome),
                             newest.status);
    }
    else if (!stateFound)
        line += "; no run yet";
    return line;
}

std::string StatusReport::Text() const
{
    std::ostringstream out;
    out << "Provisioning:     "
        << (verdict == Done        ? "done"
            : verdict == Attention ? "not done; a failure needs attention"
                                   : "not done yet")
        << "\n";
    if (!places.marker.empty())
        out << "Marker:           " << LogText::Escape(places.marker)
            << (markerFound ? markerText.empty() ? " (present)" : " (written " + LogText::Escape(markerText) + ")"
                            : " (not written yet)")
            << "\n";
    out << "State directory:  " << LogText::Escape(places.state) << (stateFound ? "" : " (not made yet: no run so far)")
        << "\n";
    out << "Run in progress:  "
        << (lockHolder > 0    ? Poco::format("process %ld", lockHolder)
            : lockHolder == 0 ? std::string("none")
                              : std::string("cannot be told (/proc/locks cannot be read)"))
        << "\n";
    if (inFlight)
    {
        out << "Item in flight:   ";
        if (!inFlightProblem.empty())
            out << "a damaged record (" << LogText::Escape(inFlightProblem) << ")";
        else
            out << "id=" << LogText::Escape(inFlightId) << ", task " << LogText::Escape(inFlightTask)
                << (inFlightScript.empty() ? "" : ", script " + LogText::Escape(inFlightScript))
                << (lockHolder == 0 ? " (left by a run that ended; the next run reports it as failed)" : "");
        out << "\n";
    }
    if (finalStageKept)
        out << "Final stage:      reached; the run that delivers its report ends with 255\n";
    out << "Reports kept:     " << kept;
    if (kept > 0)
        out << ", the oldest from " << Shown(oldestKept);
    out << "\n";
    if (!lastProblem.empty())
        out << "  last error:     " << LogText::Escape(lastProblem) << "\n";
    out << "Reports refused:  " << rejected.size();
    for (std::size_t i = 0; i < rejected.size() && i < shownRuns; ++i)
        out << (i == 0 ? " (id=" : ", id=") << LogText::Escape(rejected[i]);
    out << (rejected.empty() ? "" : rejected.size() > shownRuns ? ", ...)" : ")") << "\n";
    if (broken > 0)
        out << "Set aside:        " << broken << " entries in '" << LogText::Escape(places.state) << "/broken'\n";
    const std::size_t count = history.entries.size();
    out << (count == 0 ? "Last runs:        none recorded\n" : "Last runs:\n");
    for (std::size_t i = count > shownRuns ? count - shownRuns : 0; i < count; ++i)
    {
        const RunHistory::Entry& run = history.entries[i];
        out << "  " << Shown(run.start) << Poco::format("  status %3d  %7.1f s  ", run.status, run.seconds)
            << (run.item ? Poco::format("%-11s", LogText::Escape(run.outcome)) : LogText::Escape(run.outcome));
        if (run.item)
            out << "  id=" << LogText::Escape(run.id) << ", task '" << LogText::Escape(run.task) << "'";
        out << "\n";
        if (!run.error.empty())
            out << "      " << LogText::Escape(run.error) << "\n";
    }
    if (history.skipped > 0 || history.unread > 0 || !historyProblem.empty())
    {
        out << "History:          ";
        if (!historyProblem.empty())
            out << LogText::Escape(historyProblem);
        else
            out << Poco::format("%z damaged line(s) passed over%s%s", history.skipped,
                                std::string(history.cutShort ? ", the last one cut short" : ""),
                                history.unread > 0
                                    ? Poco::format(", the first %s bytes not read", std::to_string(history.unread))
                                    : std::string());
        out << "\n";
    }
    for (const std::string& line : attention)
        out << "Attention:        " << line << "\n";
    return out.str();
}

std::string StatusReport::Json() const
{
    JsonText json;
    json.Open('{').Key("status").Number(verdict).Key("state").String(VerdictName(verdict));
    json.Key("done").Bool(verdict == Done).Key("marker");
    if (places.marker.empty())
        json.Null();
    else
        json.Open('{').Key("path").String(places.marker).Key("exists").Bool(markerFound).Key("written");
    if (!places.marker.empty())
        json.StringOrNull(markerText).Close('}');
    json.Key("stateDirectory").Open('{').Key("path").String(places.state).Key("exists").Bool(stateFound);
    json.Key("problem").StringOrNull(stateProblem).Close('}');
    json.Key("runInProgress");
    if (lockHolder < 0)
        json.Null();
    else
        json.Bool(lockHolder > 0);
    json.Key("runProcess");
    if (lockHolder > 0)
        json.Number(lockHolder);
    else
        json.Null();
    json.Key("inFlight");
    if (inFlight)
        json.Open('{')
            .Key("id")
            .String(inFlightId)
            .Key("task")
            .String(inFlightTask)
            .Key("script")
            .StringOrNull(inFlightScript)
            .Key("problem")
            .StringOrNull(inFlightProblem)
            .Close('}');
    else
        json.Null();
    json.Key("finalStageKept").Bool(finalStageKept);
    json.Key("outbox")
        .Open('{')
        .Key("kept")
        .Number(static_cast<std::int64_t>(kept))
        .Key("oldest")
        .StringOrNull(oldestKept)
        .Key("lastError")
        .StringOrNull(lastProblem)
        .Close('}');
    json.Key("rejected").Open('{').Key("count").Number(static_cast<std::int64_t>(rejected.size())).Key("ids").Open('[');
    for (const std::string& id : rejected)
        json.String(id);
    json.Close(']').Close('}').Key("broken").Number(static_cast<std::int64_t>(broken));
    json.Key("attention").Open('[');
    for (const std::string& line : attention)
        json.String(line);
    json.Close(']');
    json.Key("history").Open('{').Key("runs").Number(static_cast<std::int64_t>(history.entries.size()));
    json.Key("skipped").Number(static_cast<std::int64_t>(history.skipped)).Key("cutShort").Bool(history.cutShort);
    json.Key("unreadBytes").Number(static_cast<std::int64_t>(history.unread));
    json.Key("problem").StringOrNull(historyProblem).Close('}');
    json.Key("lastRuns").Open('[');
    const std::size_t count = history.entries.size();
    for (std::size_t i = count > shownRuns ? count - shownRuns : 0; i < count; ++i)
        json.Raw(RunHistory::Line(history.entries[i]));
    json.Close(']').Close('}');
    return json.Text();
}
