// What one run of the agent did, noted as it happens, for the line it adds to the run history:
// the agent ID it asked as, the item it fetched and how its answer went, and what ended the run.
// The outcome is one word (see Outcome); the error is the text the agent logged or reported, never
// a property's value. Nothing here throws but std::bad_alloc.
#pragma once

#include "RunHistory.h"

#include <cstddef>
#include <string>

class StateDirectory;

class RunRecord
{
public:
    /// Where the item's answer went.
    enum class Answer
    {
        None,      ///< not answered
        Delivered, ///< written to the response file, or taken by the server
        Kept,      ///< kept in the outbox: it did not get through
        Refused,   ///< the server refused it (moved to "rejected/")
        Unwritten  ///< the response file could not be written
    };

    void AskedAs(const std::string& agentId);
    void Fetched(const std::string& id, const std::string& task);
    /// The item was answered as `succeeded` with `message` (the failure text reported).
    void Answered(bool succeeded, const std::string& message);
    /// Where that answer went; `problem` says why it did not get through, as logged.
    void Delivered(Answer answer, const std::string& problem = "");
    /// A report kept by an earlier run still did not get through: no work was asked for.
    void KeptEarlier(const std::string& problem);
    /// The final stage's report, kept by an earlier run, has gone: the run asked for nothing.
    void DeliveredFinalStage();
    /// The run failed with `error` (as logged); the first failure is kept.
    void Failed(const std::string& error);
    /// A stop signal ended the run; `text` as logged.
    void Interrupted(const std::string& text);

    /// From now on each change leaves StopSignals the line of this run as a stop signal that
    /// ended it now would leave it, for the history of `state`.
    void NoteOnStop(StateDirectory& state);
    /// "interrupted", "kept report", "refused", "failed", "succeeded", "handled" or "no work".
    std::string Outcome() const;
    /// The history entry for a run that ends with `status`, with the outbox as it is then.
    RunHistory::Entry Finish(int status, std::size_t kept, std::size_t rejected) const;

    /// When the program started, in milliseconds of Unix time.
    static long long Started();

private:
    /// Hands StopSignals the lines of this run stopped now (see NoteOnStop).
    void Renote() const;

    StateDirectory* noted = nullptr;
    std::string agentId;
    bool fetched = false;
    std::string id;
    std::string task;
    bool answered = false;
    bool succeeded = false;
    std::string message;
    Answer answer = Answer::None;
    std::string problem;
    bool keptEarlier = false;
    bool finalStageDelivered = false;
    std::string error;
    bool interrupted = false;
};
