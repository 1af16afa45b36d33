#pragma once

#include <string>
#include <vector>

#include "drivers/ProgramOutcome.h"
#include "results/ResultWindowModel.h"

namespace tavrelion::analysis {

// What the analysis commands need from the program around them: starting an analysis program,
// showing result files, and keeping the F&it menu closed while a program runs. The main window,
// the batch program and the tests each provide one.
class AnalysisHost {
  public:
    virtual ~AnalysisHost() = default;

    // Runs the program with the arguments in the working folder and returns how it ended.
    virtual drivers::ProgramOutcome runProgram(const std::string& program,
                                               const std::vector<std::string>& arguments,
                                               const std::string& workingFolder) = 0;

    virtual void showResult(const std::string& path, results::ResultWindowKind window) = 0;
    // Shows a result file with a text above it (the table above the summary of "All methods").
    virtual void showResultWithPreface(const std::string& path, results::ResultWindowKind window,
                                       const std::string& preface) = 0;
    virtual void closeResult(results::ResultWindowKind window) = 0;

    // True while an analysis program runs: no second analysis may start and mix the exchange
    // files in the work folder.
    virtual void analysisRunning(bool running) = 0;
};

}  // namespace tavrelion::analysis
