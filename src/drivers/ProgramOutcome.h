#pragma once

#include <string>

namespace tavrelion::drivers {

// How a run of an analysis program ended, as the runner saw it.
struct ProgramOutcome {
    enum class End {
        Exited,      // ended by itself with exitCode
        Crashed,     // ended by a signal or a crash
        TimedOut,    // ran past the time allowed and was stopped
        Cancelled,   // stopped on the user's request
        NotStarted,  // could not be started (startError says why)
    };
    End end = End::Exited;
    int exitCode = 0;
    std::string errors;  // what the program wrote on its standard error (the end of it)
    std::string startError;
    int timeoutSeconds = 0;

    bool succeeded() const { return end == End::Exited && exitCode == 0; }
};

// The reason a run failed, for the user: the program's name, how it ended and its own last
// words on standard error ("K2D.EXE ended with exit status 1: weights.dat: ends before ...").
// Empty for a run that succeeded.
std::string FailureReason(const std::string& programName, const ProgramOutcome& outcome);

}  // namespace tavrelion::drivers
