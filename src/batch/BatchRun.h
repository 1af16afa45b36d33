#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"

namespace tavrelion::batch {

struct BatchServices {
    // Runs an analysis program and returns once it has ended.
    std::function<void(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingFolder)>
        runProgram;
    std::ostream& out;  // the result files, one path per line
    std::ostream& err;  // messages, prefixed with the spectrum file's name, and progress
};

// Loads each file into a new set and runs the chosen method on it as the F&it menu would, the
// dialogs answered from the options. Returns the exit status: 0 when every file produced its
// results, 1 otherwise.
int RunBatch(const BatchOptions& options, const std::string& programDir,
             const BatchServices& services);

// A path as one line of output: line breaks and other control characters in a file's name are
// written as escapes (\n, \r, \t, \xNN) and a backslash as \\, so that a name cannot split its
// line into two.
std::string PrintablePath(const std::string& path);

}  // namespace tavrelion::batch
