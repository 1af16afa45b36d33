#pragma once

#include <atomic>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "drivers/ProgramOutcome.h"

namespace tavrelion::batch {

struct BatchServices {
    // Runs an analysis program and returns how it ended; called from several jobs at once.
    std::function<drivers::ProgramOutcome(const std::string& program,
                                          const std::vector<std::string>& arguments,
                                          const std::string& workingFolder)>
        runProgram;
    std::ostream& out;  // the result files, one path per line
    std::ostream& err;  // messages, prefixed with the spectrum file's name, and progress
    // The folder under which each job makes a private work folder, removed when it ends.
    std::string workRoot;
    // Set (by a signal) when the batch is to end: no further file is started.
    const std::atomic<bool>* stop = nullptr;
    // The folder of the analysis programs; empty: the program folder.
    std::string engineDir;
};

// Two files of one call whose results would have the same names ("LYSO.ASC and LYSO.TVR both
// give LYSO.*"); empty when every file has results of its own.
std::string SameResultNames(const std::vector<std::string>& files);

// Loads each file into a new set and runs the chosen method on it as the F&it menu would, the
// dialogs answered from the options, options.jobs files side by side, each job in a work folder
// of its own. Results and messages are written in the order of the files, whatever order the
// jobs end in. Returns the exit status: 0 when every file produced its results, 1 otherwise, 2
// when the files were refused before anything ran.
int RunBatch(const BatchOptions& options, const std::string& programDir,
             const BatchServices& services);

// A path as one line of output: line breaks and other control characters in a file's name are
// written as escapes (\n, \r, \t, \xNN) and a backslash as \\, so that a name cannot split its
// line into two.
std::string PrintablePath(const std::string& path);

}  // namespace tavrelion::batch
