#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "drivers/ProgramOutcome.h"

class QWidget;

namespace tavrelion::drivers {

struct RunLimits {
    int timeoutSeconds = 0;  // 0: no limit
    // When set, a program that runs longer than a second gets a small window over this one that
    // names it and offers Cancel.
    QWidget* progressParent = nullptr;
    // Told the process id once the program runs, and 0 when it has ended (so that a signal
    // handler can end it with its caller).
    std::function<void(std::int64_t processId)> running;
};

// Starts the program at programPath (a path, not looked up on the search path) with the arguments
// as they are, never through a shell, with an empty standard input, its output discarded and its
// standard error kept. An empty workingDirectory keeps the current one. Returns when the program
// has ended, at once when it cannot start; meanwhile the event loop runs without spinning, so the
// user interface stays live (a further command may run inside the wait). A program that outlives
// its parent is ended with it. Needs the application object.
ProgramOutcome RunAndWait(const std::string& programPath, const std::vector<std::string>& arguments,
                          const std::string& workingDirectory, const RunLimits& limits = {});

}  // namespace tavrelion::drivers
