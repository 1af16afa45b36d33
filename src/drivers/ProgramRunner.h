#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "drivers/ProgramOutcome.h"

namespace tavrelion::drivers {

// What the user sees of a program that runs long (a small window naming it, with Cancel); it
// goes away when this object is destroyed.
class RunningNotice {
  public:
    virtual ~RunningNotice() = default;
};

struct RunLimits {
    int timeoutSeconds = 0;  // 0: no limit
    // When set, called once a program has run longer than a second with its file name and a call
    // that cancels it; the notice it returns stays until the program has ended.
    std::function<std::unique_ptr<RunningNotice>(const std::string& programName,
                                                 std::function<void()> cancel)>
        showRunning;
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
