#include "analysis/AnalysisCommands.h"

#include <cerrno>
#include <filesystem>
#include <functional>
#include <system_error>

#include "analysis/AllMethodsSummary.h"
#include "analysis/Consensus.h"
#include "analysis/ContentBoundsModel.h"
#include "analysis/MethodResultReaders.h"
#include "analysis/ReferenceChoiceModel.h"
#include "analysis/ResultTable.h"
#include "analysis/SelconSettingsModel.h"
#include "analysis/VarselecList.h"
#include "corrections/CorrectionReports.h"
#include "corrections/SlotSpectra.h"
#include "drivers/ContinInput.h"
#include "drivers/K2dInput.h"
#include "drivers/ProgramFiles.h"
#include "drivers/SelconInput.h"
#include "drivers/VarselecInput.h"
#include "estimation/FitReport.h"
#include "estimation/HelixEstimate.h"
#include "store/BasicError.h"
#include "store/FileReplacement.h"
#include "store/ResultNames.h"
#include "store/TextFile.h"

namespace tavrelion::analysis {
namespace {

namespace fs = std::filesystem;
using results::ResultWindowKind;

// The structure data SELCON2 reads for each model, and the line that names the model in its
// result.
struct SelconModelData {
    const char* file;
    const char* absentText;
    const char* resultLine;
};
constexpr SelconModelData SelconModels[] = {
    {"ssdata.p2", "Self consistent data file (ssdata.p2) is absent in the ", "Original data (pp2)"},
    {"ssdata.ks", "Self consistent data file (ssdata.ks) is absent in the ",
     "Kabsch & Sander data"},
    {"ssdata.hj", "Self consistent data file (ssdata.hj) is absent in the ",
     "Hennessey & Johnson data"},
    {"ssdata.lg", "Self consistent data file (ssdata.lg) is absent in the ", "Levitt & Greer data"},
};

constexpr const char* TooFewProteinsText =
    "Choose more reference proteins than the number of proteins to remove.";

const char* FailureMessage(int index) {
    switch (index) {
        case VarselecEntry:
            return "Error in R.Tamsin program Varselec";
        case Selcon2Entry:
        case Selcon3Entry:
            return "Error in Self consistent program";
        case K2dEntry:
            return "Error in the K2D.exe program";
        default:
            return nullptr;
    }
}

// The work folder's file that collects the summary until it is put beside the spectrum.
constexpr const char* SummaryWorkFile = "SUMMARY.SUM";
constexpr const char* ListWorkFile = "LIST.LST";

// Thrown when the user cancels a running program: the command ends without a message.
struct Cancelled {};

// A failing step is passed over and the command goes on, unless a file was not found or the
// failure has a reason the user must read: that ends the command with the entry's message.
void Skippable(const std::function<void()>& step) {
    try {
        step();
    } catch (const store::ExplainedError&) {
        throw;
    } catch (const store::BasicError& error) {
        if (error.number() == store::FileNotFound) {
            throw;
        }
    }
}

// Input files that cannot be written would leave the program reading an earlier run's input:
// the run fails, naming the folder and the reason.
void WriteInputs(const fs::path& folder, const std::function<void()>& write) {
    try {
        write();
    } catch (const store::ExplainedError&) {
        throw;
    } catch (const store::BasicError& error) {
        if (error.number() == store::FileNotFound) {
            throw;  // a data file of the program folder is missing: the entry's message
        }
        const std::string why = error.number() == store::PathFileAccessError
                                    ? std::error_code(errno, std::generic_category()).message()
                                    : "error " + std::to_string(error.number());
        throw store::ExplainedError(
            store::FileNotFound,
            "the exchange files cannot be written in " + folder.string() + ": " + why);
    }
}

// Copies a data file of the program folder into the work folder under the name the program reads.
void CopyIntoWorkFolder(const fs::path& source, const fs::path& target) {
    std::error_code error;
    fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
    if (error) {
        throw store::ExplainedError(store::FileNotFound,
                                    target.string() + " cannot be written: " + error.message());
    }
}

// Removes an earlier run's file, which must not pass for this run's.
void RemoveEarlier(const fs::path& file) {
    std::error_code error;
    fs::remove(file, error);
    if (error) {
        throw store::ExplainedError(store::FileNotFound,
                                    file.string() + " cannot be removed: " + error.message());
    }
}

// The analysed range, highest wavelength first ("240-178"), and its short end.
struct AnalysedRange {
    std::string text;
    int shortest = 0;
};

AnalysedRange RangeOf(const store::SpectrumStore& store) {
    const int points = estimation::GridPointsWithData(store);
    if (points < 1) {
        return {};
    }
    const int first = store.SpectrumWavelength(1);
    const int last = store.SpectrumWavelength(points);
    const int high = std::max(first, last);
    const int low = std::min(first, last);
    return {std::to_string(high) + "-" + std::to_string(low), low};
}

class RunningGuard {
  public:
    explicit RunningGuard(AnalysisHost& host) : host_(host) { host_.analysisRunning(true); }
    ~RunningGuard() { host_.analysisRunning(false); }
    RunningGuard(const RunningGuard&) = delete;
    RunningGuard& operator=(const RunningGuard&) = delete;

  private:
    AnalysisHost& host_;
};

}  // namespace

void AnalysisCommands::AnalysisMenuClick(int index) {
    resultFiles_.clear();
    completed_ = false;
    failureReason_.clear();
    // Results land beside the spectrum the command started on, whatever is loaded meanwhile.
    spectrumFile_ = c_.store.SpectrumFileName;
    corrections_ = corrections::CurrentCorrectionChain(c_.store);
    // FIT.VAL states the HT cut in a line of its own; every other report states it first.
    statement_ = corrections::ReportStatement(c_.store.HtCutNote, corrections_);
    summary_ = workFile(SummaryWorkFile).string();
    methodResults_.clear();
    tableProblems_.clear();
    tableRows_.clear();
    tableText_.clear();
    const AnalysedRange range = RangeOf(c_.store);
    table_ = TableContext{spectrumFile_, TodayText(), ReferenceSetName(c_.settings.referenceSet),
                          range.text};
    shortestWavelength_ = range.shortest;
    try {
        runEntry(index);
    } catch (const Cancelled&) {
        failureReason_ = "cancelled";
    } catch (const store::BasicError& error) {
        const auto* explained = dynamic_cast<const store::ExplainedError*>(&error);
        const char* message = FailureMessage(index);
        std::string text = message != nullptr ? message : "";
        if (explained != nullptr) {
            failureReason_ = explained->reason();
            text += (text.empty() ? "" : "\n") + failureReason_;
        }
        if (!text.empty()) {
            c_.messages.showMessage(text, platform::MessageIcon::Information);
        }
    }
}

void AnalysisCommands::runEntry(int index) {
    const bool all = index == AllMethodsEntry;
    if (index == LeastSquaresEntry || all) {
        leastSquares(all);
    }
    if (index == HelixEntry) {
        estimation::CalculateFromEllipticity(c_.store, c_.ResidueCount, c_.messages);
    }
    const struct {
        int entry;
        Method method;
    } programs[] = {{Selcon2Entry, &AnalysisCommands::runSelcon2},
                    {Selcon3Entry, &AnalysisCommands::runSelcon3},
                    {K2dEntry, &AnalysisCommands::runK2d},
                    {ContinEntry, &AnalysisCommands::runContin},
                    {VarselecEntry, &AnalysisCommands::runVarselec}};
    for (const auto& program : programs) {
        if ((index == program.entry || all) && !(this->*program.method)(all)) {
            if (all) {
                // Ended by a missing program or a cancelled dialog: the summary so far stays. No
                // table: a consensus of the methods that happened to run would mislead.
                store::ReplaceFileWithCopy(summary_, resultName(".SUM"));
            }
            return;
        }
    }
    if (all) {
        const std::string summary = resultName(".SUM");
        store::ReplaceFileWithCopy(summary_, summary);
        c_.store.ResultFilePath = summary;
        addResult(summary);
        writeTable();
        c_.host.showResultWithPreface(summary, ResultWindowKind::AnalysisResults,
                                      tableText_ + "\r\n");
    }
    completed_ = true;
}

bool AnalysisCommands::leastSquares(bool allMethods) {
    const std::string report = workFile("FIT.VAL").string();
    RemoveEarlier(report);
    Skippable([&] {
        estimation::LeastSquaresFit(c_.store, c_.referenceSets, c_.fitResults, c_.messages);
        estimation::WriteFitReport(c_.store, c_.fitResults);
    });
    std::error_code error;
    if (!fs::is_regular_file(report, error)) {
        throw store::ExplainedError(store::FileNotFound,
                                    "the least-squares report " + report + " could not be written");
    }
    // FIT.VAL is rewritten by the next fit: the report is kept beside the spectrum too, and the
    // window shows that copy. Where the copy cannot be written the user is told why and sees
    // FIT.VAL itself.
    std::string shown = report;
    try {
        const std::string copy = resultName(".FIT");
        drivers::CopyProgramOutput(report, copy);
        corrections::StateCorrections(copy, corrections_);
        addResult(copy);
        shown = copy;
    } catch (const store::ExplainedError& failure) {
        c_.messages.showMessage(failure.reason(), platform::MessageIcon::Information);
    }
    methodResults_ = LeastSquaresResults(c_.store, c_.referenceSets, c_.fitResults);
    if (allMethods) {
        c_.store.ResultFilePath = report;
        Skippable([&] {
            StartSummary(summary_, report);
            corrections::StateCorrections(summary_, statement_);
        });
    } else {
        show(shown, ResultWindowKind::AnalysisResults);
    }
    return true;
}

bool AnalysisCommands::runSelcon2(bool allMethods) {
    if (!present("selcon2.exe", drivers::Selcon2AbsentText)) {
        return false;
    }
    SelconSettingsModel settings(c_.settings.selcon);
    settings.checkModelFiles(c_.store.ProgramDir);
    c_.dialogs.showSelconSettings(settings);
    c_.store.DialogAccepted = settings.accepted() ? 1 : 0;
    if (!settings.accepted()) {
        return false;
    }
    const int model = std::clamp<int>(c_.settings.selcon.SelconModel, 1, 4);
    const SelconModelData& data = SelconModels[model - 1];
    // The structure data of another model left in ssdata must not stand in for a missing one.
    if (!drivers::CheckProgramPresent(derivedData(), data.file, data.absentText, c_.messages)) {
        return false;
    }
    const fs::path folder = workFolder();
    WriteInputs(folder, [&] {
        drivers::WriteSelcon2Input(c_.store, c_.settings.selcon, folder);
        CopyIntoWorkFolder(fs::path(derivedData()) / data.file, folder / "ssdata");
    });
    runProgram("selcon2.exe", {"CON"}, "output");
    WriteInputs(folder, [&] {
        store::TextFileWriter(folder / "output", store::TextFileWriter::Mode::Append)
            .writeLine(data.resultLine);
    });
    const std::string result = publish("output", ".SCM");
    finish(allMethods, result, Selcon2SummaryLine, ReadSelcon2Result);
    return true;
}

bool AnalysisCommands::runSelcon3(bool allMethods) {
    if (!present("selcon3_mod.exe", drivers::Selcon3AbsentText)) {
        return false;
    }
    WriteInputs(workFolder(), [&] { drivers::WriteSelcon3Input(c_.store, workFolder()); });
    runProgram("selcon3_mod.exe", {"CON"}, "protein.ssc");
    const std::string result = publish("protein.ssc", ".SC3");
    finish(allMethods, result, Selcon3SummaryLine, ReadSelcon3Result);
    return true;
}

bool AnalysisCommands::runK2d(bool allMethods) {
    if (!present("K2D.EXE", drivers::K2dAbsentText) ||
        !drivers::CheckProgramPresent(derivedData(), "weights.dat", drivers::K2dWeightsAbsentText,
                                      c_.messages)) {
        return false;
    }
    WriteInputs(workFolder(), [&] { drivers::WriteK2dInput(c_.store, workFolder()); });
    runProgram("K2D.EXE", {}, "TAUX.TXT");
    const std::string result = publish("TAUX.TXT", ".K2D");
    finish(allMethods, result, K2dSummaryLine, ReadK2dResult);
    return true;
}

bool AnalysisCommands::runContin(bool allMethods) {
    if (!present("CONTIN.EXE", drivers::ContinAbsentText)) {
        return false;
    }
    WriteInputs(workFolder(), [&] { drivers::WriteContinInput(c_.store, workFolder()); });
    runProgram("CONTIN.EXE", {}, "CONTIN.CNT");
    const std::string result = publish("CONTIN.CNT", ".CNT");
    finish(allMethods, result, ContinSummaryLine, ReadContinResult);
    return true;
}

bool AnalysisCommands::runVarselec(bool allMethods) {
    if (!present("varslc1.exe", drivers::VarselecAbsentText)) {
        return false;
    }
    WriteInputs(workFolder(), [&] {
        c_.settings.ReferenceName =
            drivers::WriteVarselecBasis(c_.store, derivedData(), workFolder());
    });
    ReferenceChoiceModel references(c_.store, c_.settings.ReferenceName);
    c_.dialogs.showReferenceChoice(references);
    c_.store.DialogAccepted = references.accepted() ? 1 : 0;
    if (!references.accepted() || c_.store.PointCount == 0) {
        return false;
    }
    const drivers::VarselecChoice choice = references.choice();
    if (choice.RemoveCount >= static_cast<int>(choice.SelectedIndex.size())) {
        c_.messages.showMessage(TooFewProteinsText, platform::MessageIcon::Information);
        return false;
    }
    WriteInputs(workFolder(), [&] { drivers::WriteVarselecInput(c_.store, choice, workFolder()); });
    runProgram("varslc1.exe", {"CON"}, "COMB2.OP");
    const std::string result = publish("COMB2.OP", ".OUT");
    // Before the first solution line, where the analysis of the solutions does not read.
    Skippable([&] { corrections::StateCorrections(result, statement_); });
    if (!allMethods) {
        show(result, ResultWindowKind::AnalysisResults);
        return true;
    }
    // An analysis that ends silently (no accepted solution, a spectrum that does not cover the
    // solutions' range) still leaves the summary its Varselec line, with the fields it found.
    const bool analysed = VarselecAnalysis();
    Skippable([&] {
        const std::string list = store::ResultFileName(result, ".LST");
        AppendSummaryText(summary_, analysed ? VarselecSummaryText(list) : VarselecSummaryStart);
    });
    if (analysed) {
        const std::string list = store::ResultFileName(result, ".LST");
        collect(list, [&] { return ReadVarselecResult(list); });
    }
    return true;
}

bool AnalysisCommands::VarselecAnalysis() {
    ContentBounds& bounds = c_.settings.bounds;
    if (bounds.ContentMin == 0) {
        bounds.ContentMin = 10;
    }
    if (bounds.ContentMax == 0) {
        bounds.ContentMax = 110;
    }
    ContentBoundsModel dialog(bounds);
    c_.dialogs.showContentBounds(dialog);
    if (!dialog.accepted()) {
        return false;
    }
    VarselecListRequest request;
    request.solutions = c_.store.ResultFilePath;
    request.basis = fs::path(derivedData()) / "s.ori";
    request.list = workFile(ListWorkFile);
    request.contentMin = bounds.ContentMin;
    request.contentMax = bounds.ContentMax;
    request.labels = &c_.store.StructureLabel;
    const std::string list = store::ResultFileName(c_.store.ResultFilePath, ".LST");
    long accepted = 0;
    try {
        RemoveEarlier(request.list);
        accepted = WriteVarselecList(request);
        store::ReplaceFileWithCopy(request.list, list);
    } catch (const store::ExplainedError& error) {
        failureReason_ = error.reason();
        c_.messages.showMessage(failureReason_, platform::MessageIcon::Information);
        return false;
    } catch (const store::BasicError&) {
        return false;  // the analysis ends silently; no list that is cut short is put in place
    }
    addResult(list);
    c_.host.closeResult(ResultWindowKind::VarselecList);
    if (accepted >= 1) {
        show(list, ResultWindowKind::VarselecList);
    }
    return true;
}

bool AnalysisCommands::present(const char* fileName, const char* absentText) {
    return drivers::CheckProgramPresent(engineFolder(), fileName, absentText, c_.messages);
}

void AnalysisCommands::runProgram(const char* program, const std::vector<std::string>& arguments,
                                  const char* output) {
    const fs::path outputFile = workFile(output);
    RemoveEarlier(outputFile);
    drivers::ProgramOutcome outcome;
    {
        RunningGuard running(c_.host);
        // The reference set's option follows the arguments the program always gets.
        std::vector<std::string> all = arguments;
        for (std::string& argument : ReferenceArguments(c_.settings.referenceSet))
            all.push_back(std::move(argument));
        outcome = c_.host.runProgram(programFile(program), all, workFolder().string());
    }
    if (outcome.end == drivers::ProgramOutcome::End::Cancelled) {
        throw Cancelled{};
    }
    if (!outcome.succeeded()) {
        throw store::ExplainedError(store::FileNotFound, drivers::FailureReason(program, outcome));
    }
    std::error_code error;
    if (!fs::is_regular_file(outputFile, error)) {
        throw store::ExplainedError(store::FileNotFound,
                                    std::string(program) + " left no output file " + output);
    }
}

std::string AnalysisCommands::publish(const char* output, const char* extension) {
    const std::string result = resultName(extension);
    c_.store.ResultFilePath = result;
    drivers::CopyProgramOutput(workFile(output).string(), result);
    addResult(result);
    return result;
}

void AnalysisCommands::finish(bool allMethods, const std::string& result,
                              std::string (*summaryLine)(const fs::path&),
                              MethodResult (*read)(const fs::path&)) {
    if (allMethods) {
        Skippable([&] { AppendSummaryLine(summary_, summaryLine(result)); });
    }
    collect(result, [&] { return read(result); });
    // Only once the summary has its values: a file name in the chain must not pass for one.
    Skippable([&] { corrections::StateCorrections(result, statement_); });
    if (!allMethods) {
        show(result, ResultWindowKind::AnalysisResults);
    }
}

void AnalysisCommands::collect(const std::string& source,
                               const std::function<MethodResult()>& read) {
    std::string problem;
    try {
        methodResults_.push_back(read());
        return;
    } catch (const store::ExplainedError& error) {
        problem = error.reason();
    } catch (const store::BasicError& error) {
        problem = source + ": error " + std::to_string(error.number());
    }
    // A report without an estimate may still say why: its input check.
    const std::string check = ReadInputCheck(source);
    tableProblems_.push_back(check.empty() ? problem : problem + "; " + check);
}

// The table of the methods that gave a result, with their consensus, beside the spectrum as
// base + ".CSV"; a table that cannot be written is told and leaves the summary as it is.
void AnalysisCommands::writeTable() {
    const ConsensusResult consensus = ConsensusOf(methodResults_, shortestWavelength_,
                                                  ReferenceSetName(c_.settings.referenceSet));
    tableRows_ = ResultTableRows(table_, methodResults_, consensus);
    tableText_ = ResultTableText(table_, methodResults_, consensus);
    for (const std::string& problem : tableProblems_) {
        tableText_ += " Not in the table: " + problem + "\r\n";
    }
    const std::string table = resultName(".CSV");
    try {
        store::ReplaceFile(table, std::string(ResultTableHeader) + "\r\n" + tableRows_);
        addResult(table);
    } catch (const store::ExplainedError& failure) {
        c_.messages.showMessage(failure.reason(), platform::MessageIcon::Information);
    }
}

void AnalysisCommands::show(const std::string& path, ResultWindowKind window) {
    c_.host.showResult(path, window);
}

void AnalysisCommands::addResult(const std::string& path) {
    resultFiles_.push_back(path);
}

std::string AnalysisCommands::programFile(const char* name) const {
    return (fs::path(engineFolder()) / name).string();
}

std::string AnalysisCommands::derivedData() const {
    return DerivedDataFolder(c_.store.ProgramDir, c_.settings.referenceSet);
}

const std::string& AnalysisCommands::engineFolder() const {
    return c_.store.EngineDir.empty() ? c_.store.ProgramDir : c_.store.EngineDir;
}

fs::path AnalysisCommands::workFolder() const {
    return store::WorkFolder(c_.store);
}

fs::path AnalysisCommands::workFile(const char* name) const {
    return store::WorkFile(c_.store, name);
}

std::string AnalysisCommands::resultName(const char* extension) const {
    return store::ResultFileName(spectrumFile_, extension);
}

}  // namespace tavrelion::analysis
