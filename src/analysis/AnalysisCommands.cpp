#include "analysis/AnalysisCommands.h"

#include <filesystem>
#include <functional>
#include <system_error>

#include "analysis/AllMethodsSummary.h"
#include "analysis/ContentBoundsModel.h"
#include "analysis/ReferenceChoiceModel.h"
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

// A failing step is passed over and the command goes on, unless a file was not found: that
// ends the command with the entry's message.
void Skippable(const std::function<void()>& step) {
    try {
        step();
    } catch (const store::BasicError& error) {
        if (error.number() == store::FileNotFound) {
            throw;
        }
    }
}

// Input files that cannot be written would leave the program reading an earlier run's input:
// the run fails as a program that left no output does.
void WriteInputs(const std::function<void()>& write) {
    try {
        write();
    } catch (const store::BasicError&) {
        throw store::BasicError(store::FileNotFound);
    }
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
    // Results land beside the spectrum the command started on, whatever is loaded meanwhile.
    spectrumFile_ = c_.store.SpectrumFileName;
    corrections_ = corrections::CurrentCorrectionChain(c_.store);
    summary_ = resultName(".SUM");
    try {
        runEntry(index);
    } catch (const store::BasicError& error) {
        const char* message = FailureMessage(index);
        if (error.number() == store::FileNotFound && message != nullptr) {
            c_.messages.showMessage(message, platform::MessageIcon::Information);
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
            return;
        }
    }
    if (all) {
        c_.store.ResultFilePath = summary_;
        addResult(summary_);
        show(summary_, ResultWindowKind::AnalysisResults);
    }
    completed_ = true;
}

bool AnalysisCommands::leastSquares(bool allMethods) {
    const std::string report = programFile("FIT.VAL");
    Skippable([&] {
        estimation::LeastSquaresFit(c_.store, c_.referenceSets, c_.fitResults, c_.ResidueCount,
                                    c_.messages);
        estimation::WriteFitReport(c_.store, c_.fitResults);
        if (allMethods) {
            c_.store.ResultFilePath = report;
            StartSummary(summary_, report);
            corrections::StateCorrections(summary_, corrections_);
        }
    });
    if (!allMethods) {
        show(report, ResultWindowKind::AnalysisResults);
    }
    return true;
}

bool AnalysisCommands::runSelcon2(bool allMethods) {
    if (!present("selcon2.exe", drivers::Selcon2AbsentText)) {
        return false;
    }
    SelconSettingsModel settings(c_.settings.selcon);
    c_.dialogs.showSelconSettings(settings);
    c_.store.DialogAccepted = settings.accepted() ? 1 : 0;
    if (!settings.accepted()) {
        return false;
    }
    const int model = std::clamp<int>(c_.settings.selcon.SelconModel, 1, 4);
    const SelconModelData& data = SelconModels[model - 1];
    // The structure data of another model left in ssdata must not stand in for a missing one.
    if (!present(data.file, data.absentText)) {
        return false;
    }
    const fs::path folder = c_.store.ProgramDir;
    WriteInputs([&] {
        drivers::WriteSelcon2Input(c_.store, c_.settings.selcon, folder);
        std::error_code error;
        fs::copy_file(folder / data.file, folder / "ssdata", fs::copy_options::overwrite_existing,
                      error);
        if (error) {
            throw store::BasicError(store::PathFileAccessError);
        }
    });
    const std::string result = runProgram("selcon2.exe", {"CON"}, "output", ".SCM");
    Skippable([&] {
        store::TextFileWriter(result, store::TextFileWriter::Mode::Append)
            .writeLine(data.resultLine);
    });
    finish(allMethods, result, Selcon2SummaryLine);
    return true;
}

bool AnalysisCommands::runSelcon3(bool allMethods) {
    if (!present("selcon3_mod.exe", drivers::Selcon3AbsentText)) {
        return false;
    }
    WriteInputs([&] { drivers::WriteSelcon3Input(c_.store, c_.store.ProgramDir); });
    const std::string result = runProgram("selcon3_mod.exe", {"CON"}, "protein.ssc", ".SC3");
    finish(allMethods, result, Selcon3SummaryLine);
    return true;
}

bool AnalysisCommands::runK2d(bool allMethods) {
    if (!present("K2D.EXE", drivers::K2dAbsentText) ||
        !present("weights.dat", drivers::K2dWeightsAbsentText)) {
        return false;
    }
    WriteInputs([&] { drivers::WriteK2dInput(c_.store, c_.store.ProgramDir); });
    const std::string result = runProgram("K2D.EXE", {}, "TAUX.TXT", ".K2D");
    finish(allMethods, result, K2dSummaryLine);
    return true;
}

bool AnalysisCommands::runContin(bool allMethods) {
    if (!present("CONTIN.EXE", drivers::ContinAbsentText)) {
        return false;
    }
    WriteInputs([&] { drivers::WriteContinInput(c_.store, c_.store.ProgramDir); });
    const std::string result = runProgram("CONTIN.EXE", {}, "CONTIN.CNT", ".CNT");
    finish(allMethods, result, ContinSummaryLine);
    return true;
}

bool AnalysisCommands::runVarselec(bool allMethods) {
    if (!present("varslc1.exe", drivers::VarselecAbsentText)) {
        return false;
    }
    WriteInputs([&] {
        c_.settings.ReferenceName = drivers::WriteVarselecBasis(c_.store, c_.store.ProgramDir);
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
    WriteInputs([&] { drivers::WriteVarselecInput(c_.store, choice, c_.store.ProgramDir); });
    const std::string result = runProgram("varslc1.exe", {"CON"}, "COMB2.OP", ".OUT");
    // Before the first solution line, where the analysis of the solutions does not read.
    Skippable([&] { corrections::StateCorrections(result, corrections_); });
    if (!allMethods) {
        show(result, ResultWindowKind::AnalysisResults);
        return true;
    }
    if (!VarselecAnalysis()) {
        return false;
    }
    Skippable([&] {
        AppendSummaryText(summary_, VarselecSummaryText(store::ResultFileName(result, ".LST")));
    });
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
    request.basis = fs::path(c_.store.ProgramDir) / "s.ori";
    request.list = store::ResultFileName(c_.store.ResultFilePath, ".LST");
    request.contentMin = bounds.ContentMin;
    request.contentMax = bounds.ContentMax;
    request.labels = &c_.store.StructureLabel;
    int accepted = 0;
    try {
        accepted = WriteVarselecList(request);
    } catch (const store::BasicError&) {
        return false;  // the analysis ends silently; what was written stays
    }
    addResult(request.list.string());
    c_.host.closeResult(ResultWindowKind::VarselecList);
    if (accepted >= 1) {
        show(request.list.string(), ResultWindowKind::VarselecList);
    }
    return true;
}

bool AnalysisCommands::present(const char* fileName, const char* absentText) {
    return drivers::CheckProgramPresent(c_.store.ProgramDir, fileName, absentText, c_.messages);
}

std::string AnalysisCommands::runProgram(const char* program,
                                         const std::vector<std::string>& arguments,
                                         const char* output, const char* extension) {
    const fs::path folder = c_.store.ProgramDir;
    // An earlier run's output must not pass for this run's.
    std::error_code ignored;
    fs::remove(folder / output, ignored);
    {
        RunningGuard running(c_.host);
        c_.host.runProgram(programFile(program), arguments, c_.store.ProgramDir);
    }
    const std::string result = resultName(extension);
    c_.store.ResultFilePath = result;
    Skippable([&] {
        drivers::CopyProgramOutput((folder / output).string(), result);
        addResult(result);
    });
    return result;
}

void AnalysisCommands::finish(bool allMethods, const std::string& result,
                              std::string (*summaryLine)(const fs::path&)) {
    if (allMethods) {
        Skippable([&] { AppendSummaryLine(summary_, summaryLine(result)); });
    }
    // Only once the summary has its values: a file name in the chain must not pass for one.
    Skippable([&] { corrections::StateCorrections(result, corrections_); });
    if (!allMethods) {
        show(result, ResultWindowKind::AnalysisResults);
    }
}

void AnalysisCommands::show(const std::string& path, ResultWindowKind window) {
    c_.host.showResult(path, window);
}

void AnalysisCommands::addResult(const std::string& path) {
    resultFiles_.push_back(path);
}

std::string AnalysisCommands::programFile(const char* name) const {
    return (fs::path(c_.store.ProgramDir) / name).string();
}

std::string AnalysisCommands::resultName(const char* extension) const {
    return store::ResultFileName(spectrumFile_, extension);
}

}  // namespace tavrelion::analysis
