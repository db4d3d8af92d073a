#include "RunRecord.h"

#include "StopSignals.h"

#include <chrono>
#include <csignal>
#include <unistd.h>

namespace
{
/// When the program started: the run's start, taken before anything else it does.
const std::chrono::system_clock::time_point programStart = std::chrono::system_clock::now();

} // namespace

void RunRecord::AskedAs(const std::string& asked)
{
    agentId = asked;
    Renote();
}

void RunRecord::Fetched(const std::string& itemId, const std::string& itemTask)
{
    fetched = true;
    id = itemId;
    task = itemTask;
    answered = false;
    answer = Answer::None;
    Renote();
}

void RunRecord::Answered(bool itemSucceeded, const std::string& reported)
{
    answered = true;
    succeeded = itemSucceeded;
    message = reported;
    Renote();
}

void RunRecord::Delivered(Answer where, const std::string& why)
{
    answer = where;
    problem = why;
    Renote();
}

void RunRecord::KeptEarlier(const std::string& why)
{
    keptEarlier = true;
    problem = why;
    Renote();
}

void RunRecord::DeliveredFinalStage()
{
    finalStageDelivered = true;
    Renote();
}

void RunRecord::Failed(const std::string& text)
{
    if (error.empty())
        error = text;
    Renote();
}

void RunRecord::Interrupted(const std::string& text)
{
    interrupted = true;
    Failed(text);
}

void RunRecord::NoteOnStop(StateDirectory& state)
{
    noted = &state;
    Renote();
}

long long RunRecord::Started()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(programStart.time_since_epoch()).count();
}

void RunRecord::Renote() const
{
    if (!noted)
        return;
    RunHistory::Entry entries[3];
    const int signals[3] = {SIGTERM, SIGINT, SIGHUP};
    for (int which = 0; which < 3; ++which)
    {
        RunRecord stopped = *this;
        stopped.noted = nullptr;
        stopped.Interrupted("The agent was stopped by " + StopSignals::Name(signals[which]));
        entries[which] = stopped.Finish(1, 0, 0);
        // The outbox is not listed in a signal handler: its counts are unknown.
        entries[which].kept = entries[which].rejected = -1;
    }
    RunHistory::NoteOnStop(*noted, entries, Started());
}

std::string RunRecord::Outcome() const
{
    if (interrupted)
        return "interrupted";
    if (fetched)
    {
        // Where the answer went decides first: a kept or refused report needs the server, not the scripts.
        if (answer == Answer::Kept)
            return "kept report";
        if (answer == Answer::Refused)
            return "refused";
        if (!error.empty() || !answered || answer != Answer::Delivered)
            return "failed";
        return succeeded ? "succeeded" : "failed";
    }
    if (keptEarlier)
        return "kept report";
    if (!error.empty())
        return "failed";
    return finalStageDelivered ? "handled" : "no work";
}

RunHistory::Entry RunRecord::Finish(int status, std::size_t kept, std::size_t rejected) const
{
    const auto now = std::chrono::system_clock::now();
    RunHistory::Entry entry;
    entry.start = RunHistory::Timestamp(
        std::chrono::duration_cast<std::chrono::milliseconds>(programStart.time_since_epoch()).count());
    entry.seconds = std::chrono::duration<double>(now - programStart).count();
    entry.status = status;
    entry.processId = ::getpid();
    entry.agentId = agentId;
    entry.item = fetched;
    entry.id = id;
    entry.task = task;
    if (answered)
        entry.answer = succeeded ? "succeeded" : "failed";
    entry.outcome = Outcome();
    // An interrupted item's report names the script that ran; otherwise a failure of the run itself
    // (after the item: config.xml) comes before the failure the item reported.
    entry.error = !error.empty() && !(interrupted && answered && !succeeded) ? error : answered ? message : "";
    entry.kept = static_cast<std::int64_t>(kept);
    entry.rejected = static_cast<std::int64_t>(rejected);
    entry.problem = problem;
    return entry;
}
