// What the agent's state says about provisioning, for a person (Text) and for tools (Json): the
// marker of a finished provisioning, the last runs of the history, the reports kept in the outbox
// and those the server refused, the item in flight and a run in progress. Gathering only reads
// (StateReader): it changes nothing and needs no lock. Every file is input: damaged history lines
// are counted and passed over, and the history is read only up to a bound from its end.
#pragma once

#include "RunHistory.h"

#include <string>
#include <vector>

class StateReader;

class StatusReport
{
public:
    /// The exit statuses of the status command.
    enum Verdict
    {
        Done = 0,         ///< provisioning is done
        Attention = 1,    ///< not done, and a failure needs a person
        Provisioning = 2, ///< not done, nothing failed that the agent will not retry
    };

    /// Where to look. An empty `marker` leaves the decision to the history: done when its newest
    /// run ended with 255.
    struct Places
    {
        std::string state;
        std::string marker;
    };

    /// How many runs the report shows.
    static constexpr std::size_t shownRuns = 10;

    /// Reads what `places` name. `quick` reads only what the verdict needs and the newest run (a
    /// wait polls so); otherwise the whole bounded history and the outbox too.
    StatusReport(const Places& places, bool quick = false);

    Verdict Result() const;
    /// Whether the failure that needs attention stays until a person acts: the state directory
    /// cannot be read or the agent refuses it. A wait ends on it.
    bool Final() const;

    std::string Text() const;
    std::string Json() const;
    /// One line on where provisioning stands, for a wait on a terminal.
    std::string Summary() const;

private:
    void ReadMarker();
    void ReadHistory(const StateReader& reader, bool quick);
    void ReadOutbox(const StateReader& reader);
    void ReadInFlight(const StateReader& reader);
    void Judge();

    Places places;
    bool markerFound = false;
    std::string markerText;
    bool stateFound = false;
    std::string stateProblem;
    bool final = false;
    long lockHolder = 0;
    bool inFlight = false;
    std::string inFlightId;
    std::string inFlightTask;
    std::string inFlightScript;
    std::string inFlightProblem;
    bool finalStageKept = false;
    std::size_t kept = 0;
    std::string oldestKept;
    std::string lastProblem;
    std::vector<std::string> rejected;
    std::size_t broken = 0;
    RunHistory::Lines history;
    std::string historyProblem;
    std::vector<std::string> attention;
    Verdict verdict = Provisioning;
};
