// How the agent stops when it is asked to (SIGTERM, SIGINT, SIGHUP). Outside the handling of a
// work item a stop signal ends the process at once, with status 1. While an item is fetched the
// signal waits for the exchange, at most a grace period, so that an item the server has handed
// out is answered; while an item is handled the signal is only recorded, so that the item can be
// wound up: its running script stopped, its secrets removed and its failure reported. Signals
// that were ignored when the agent started (nohup, a background job) stay ignored.
#pragma once

#include <csignal>
#include <cstddef>
#include <string>
#include <sys/types.h>

class StopSignals
{
public:
    /// Installs the handlers; called once, before anything else of the run.
    static void Install();

    /// The first stop signal received, or 0.
    static int Received();

    /// A descriptor that becomes readable when a stop signal is recorded; for waiting with poll.
    static int WakeDescriptor();
    /// Reads away what made WakeDescriptor readable.
    static void Drain();

    /// A process (the confined network process) that is killed with SIGKILL when a stop signal
    /// ends the agent, before it exits; 0 for none.
    static void KillOnStop(pid_t process);

    /// Longest line NoteOnStop takes; width of the field that takes the seconds.
    static constexpr std::size_t noteLimit = 48 * 1024;
    static constexpr std::size_t clockWidth = 16;
    /// From now on, a stop signal that ends the process first appends `lines` (one for SIGTERM,
    /// SIGINT and SIGHUP, each with its line end) with one write to the file `name` (a literal)
    /// in `directory`, when it is a regular file of this user's alone or can be made; the
    /// clockWidth spaces at `clockAt` take the seconds since `startMilliseconds` (Unix time).
    /// So that a run its stop ends is recorded too. A longer line is never written.
    static void NoteOnStop(int directory, const char* name, const std::string (&lines)[3], std::size_t clockAt,
                           long long startMilliseconds);
    /// No line is appended on a stop any more.
    static void ClearNote();
    /// "SIGTERM", "SIGINT", "SIGHUP", or "signal N".
    static std::string Name(int signal);

    /// Records stop signals instead of ending the process, for as long as it lives.
    class Deferral
    {
    public:
        Deferral();
        /// A deferral that waits at most `limitSeconds` after a stop signal (0: not at all): then
        /// the process ends with status 1 and a message on standard error, whatever it was doing.
        explicit Deferral(int limitSeconds);
        ~Deferral();
        /// From now on a stop signal is only recorded, however long the caller takes to act on
        /// it; a limit already running is cancelled.
        void EndLimit();
        /// Ends the deferral before the object goes. A signal recorded meanwhile does not end
        /// the process now: the caller looks at Received().
        void End();

        Deferral(const Deferral&) = delete;
        Deferral& operator=(const Deferral&) = delete;

    private:
        bool active;
        int previous;
    };

    /// Blocks the stop signals in the calling thread for its lifetime. A child started with
    /// vfork meanwhile shares the agent's memory until it execs: the agent's handler must never
    /// run in it.
    class Blocked
    {
    public:
        Blocked();
        ~Blocked();
        /// In the child, before exec: the stop signals back to their default action (those the
        /// agent found ignored stay ignored) and the signal mask the thread had. Only
        /// async-signal-safe calls.
        void RestoreInChild() const;

        Blocked(const Blocked&) = delete;
        Blocked& operator=(const Blocked&) = delete;

    private:
        sigset_t previous;
    };
};
