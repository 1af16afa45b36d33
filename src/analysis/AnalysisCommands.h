#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "analysis/AnalysisDialogs.h"
#include "analysis/AnalysisHost.h"
#include "analysis/AnalysisSettings.h"
#include "analysis/MethodResult.h"
#include "analysis/ResultTable.h"
#include "estimation/LeastSquaresFit.h"
#include "estimation/ReferenceSets.h"
#include "platform/MessageService.h"
#include "store/SpectrumStore.h"

namespace tavrelion::analysis {

// The entries of the F&it menu, by their index in the menu.
enum AnalysisEntry : int {
    LeastSquaresEntry = 1,
    VarselecEntry = 2,
    HelixEntry = 3,
    Selcon2Entry = 4,
    Selcon3Entry = 5,
    K2dEntry = 6,
    ContinEntry = 7,
    AllMethodsEntry = 9,
};

struct AnalysisContext {
    store::SpectrumStore& store;
    const estimation::ReferenceSets& referenceSets;
    estimation::FitResults& fitResults;
    store::Int16& ResidueCount;
    AnalysisSettings& settings;
    platform::MessageService& messages;
    AnalysisDialogs& dialogs;
    AnalysisHost& host;
};

// The F&it menu's command handler: runs the chosen method on the current spectrum, or all the
// file-producing methods one after the other with their summary file.
class AnalysisCommands {
  public:
    explicit AnalysisCommands(const AnalysisContext& context) : c_(context) {}

    // Runs the methods of the entry in the fixed order least squares, helix, SELCON2, SELCON3,
    // K2D, CONTIN, Varselec. A missing program, a cancelled dialog or a failed program ends the
    // command. A program that failed (exit status, crash, no output) or a result file that cannot
    // be written is told with the entry's message and the reason on a second line (the reason
    // alone for entries without a message). Exchange files and program outputs stay in the work
    // folder; results are put beside the spectrum file whole, never torn.
    void AnalysisMenuClick(int index);

    // The Varselec result analysis of the solutions file named by ResultFilePath, after the
    // bounds dialog. Returns true when it wrote the list file.
    bool VarselecAnalysis();

    // Why the last command did not complete, when a program or a file failed it.
    const std::string& failureReason() const { return failureReason_; }

    // The result files the last command wrote beside the spectrum file, in order.
    const std::vector<std::string>& resultFiles() const { return resultFiles_; }
    // Whether the last command ran all its methods to the end.
    bool completed() const { return completed_; }

    // What the last command read from each method's own result, in the order they ran (the
    // five least-squares sets, or one program's; all of them for "All methods").
    const std::vector<MethodResult>& methodResults() const { return methodResults_; }
    // The rows of its table (base + ".CSV") without the header, for collecting several
    // spectra's rows in one table.
    const std::string& tableRows() const { return tableRows_; }
    // The result files that could not be read into the table, each with its reason.
    const std::vector<std::string>& tableProblems() const { return tableProblems_; }

  private:
    using Method = bool (AnalysisCommands::*)(bool allMethods);

    void runEntry(int index);
    bool leastSquares(bool allMethods);
    bool runVarselec(bool allMethods);
    bool runSelcon2(bool allMethods);
    bool runSelcon3(bool allMethods);
    bool runK2d(bool allMethods);
    bool runContin(bool allMethods);

    bool present(const char* fileName, const char* absentText);
    // Starts the program in the work folder once its old output is gone and raises the failure
    // of a program that did not succeed or left no output.
    void runProgram(const char* program, const std::vector<std::string>& arguments,
                    const char* output);
    // Puts the program's output (in the work folder) beside the spectrum file under the
    // extension given; returns that path.
    std::string publish(const char* output, const char* extension);
    void finish(bool allMethods, const std::string& result,
                std::string (*summaryLine)(const std::filesystem::path&),
                MethodResult (*read)(const std::filesystem::path&));
    // Adds a method's result to the table, or the reason why its file could not be read.
    void collect(const std::string& source, const std::function<MethodResult()>& read);
    void writeTable();
    void show(const std::string& path, results::ResultWindowKind window);
    void addResult(const std::string& path);
    std::string programFile(const char* name) const;
    const std::string& engineFolder() const;
    // Where the analysis programs' data derived from the chosen reference set lie.
    std::string derivedData() const;
    std::filesystem::path workFolder() const;
    std::filesystem::path workFile(const char* name) const;
    std::string resultName(const char* extension) const;

    AnalysisContext c_;
    std::string spectrumFile_;  // taken when the command starts: results land beside it
    std::string corrections_;   // the current spectrum's corrections, stated in its reports
    std::string statement_;     // its HT cut and corrections, stated first in the other reports
    std::string summary_;       // built in the work folder, put beside the spectrum at the end
    std::vector<std::string> resultFiles_;
    std::vector<MethodResult> methodResults_;
    std::vector<std::string> tableProblems_;
    TableContext table_;
    int shortestWavelength_ = 0;
    std::string tableRows_;
    std::string tableText_;
    bool completed_ = false;
    std::string failureReason_;
};

}  // namespace tavrelion::analysis
