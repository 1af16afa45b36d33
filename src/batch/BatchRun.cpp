#include "batch/BatchRun.h"

#include <filesystem>
#include <system_error>

#include "analysis/AnalysisCommands.h"
#include "batch/BatchAnswers.h"
#include "batch/BatchConvert.h"
#include "mainwindow/RecentFiles.h"
#include "spectrumio/LoadSpectrum.h"
#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/ResultNames.h"

namespace tavrelion::batch {
namespace {

namespace fs = std::filesystem;

// Runs the programs through the services and shows nothing: the result files are listed instead.
class BatchHost : public analysis::AnalysisHost {
  public:
    explicit BatchHost(const BatchServices& services) : services_(services) {}

    void runProgram(const std::string& program, const std::vector<std::string>& arguments,
                    const std::string& workingFolder) override {
        services_.runProgram(program, arguments, workingFolder);
    }
    void showResult(const std::string&, results::ResultWindowKind) override {}
    void closeResult(results::ResultWindowKind) override {}
    void analysisRunning(bool) override {}

  private:
    const BatchServices& services_;
};

// The program's state for a batch run, as the main window keeps it for an interactive one.
struct BatchState {
    store::SpectrumStore store;
    estimation::ReferenceSets sets;
    estimation::FitResults fit;
    store::Int16 residues = 0;
    analysis::AnalysisSettings settings;
};

bool Load(BatchState& state, const std::string& file, BatchAnswers& answers) {
    store::SpectrumStore& store = state.store;
    store.SpectrumCount = 1;  // each file in a new set
    store.SpectrumLoaded = 0;
    store.BaselineCorrection = 0;
    store.MultiplyFactor = 1;
    store.SpectrumFileName = file;
    spectrumio::LoadServices load{answers, answers, answers, &answers.conversion()};
    try {
        if (!spectrumio::LoadSpectrum(store, 1, load)) {
            return false;
        }
    } catch (const store::BasicError&) {
        return false;
    }
    store.SlotLabel(1) = store::GeneralForm(1) + ")" + mainwindow::FileNameOf(file);
    store.ResultFilePath = store.SlotLabel(1);
    store.CurrentSlot = 1;
    return true;
}

// Runs the entry on the loaded spectrum; returns the result files, empty when it failed.
std::vector<std::string> Analyse(BatchState& state, const BatchOptions& options,
                                 analysis::AnalysisCommands& commands) {
    const int entry = options.menuEntry;
    const bool leastSquares =
        entry == analysis::LeastSquaresEntry || entry == analysis::AllMethodsEntry;
    const fs::path report = fs::path(state.store.ProgramDir) / "FIT.VAL";
    std::error_code ignored;
    if (leastSquares) {
        fs::remove(report, ignored);
    }
    const std::string spectrumFile = state.store.SpectrumFileName;
    commands.AnalysisMenuClick(entry);
    bool complete = commands.completed();
    // A batch run also does what the user does next with a Varselec solutions file: analyse it.
    if (complete && entry == analysis::VarselecEntry) {
        complete = commands.VarselecAnalysis();
    }
    std::vector<std::string> files = commands.resultFiles();
    if (complete && leastSquares) {
        const std::string copy = store::ResultFileName(spectrumFile, ".FIT");
        std::error_code error;
        fs::copy_file(report, copy, fs::copy_options::overwrite_existing, error);
        complete = !error;
        files.insert(files.begin(), copy);
    }
    if (!complete) {
        return {};
    }
    return files;
}

}  // namespace

int RunBatch(const BatchOptions& options, const std::string& programDir,
             const BatchServices& services) {
    BatchAnswers answers(options, services.err);
    BatchHost host(services);
    BatchState state;
    store::SetStartupTables(state.store);
    state.store.ReferenceSelected.fill(1);
    state.store.ProgramDir = programDir;
    answers.setFileName(mainwindow::FileNameOf(programDir));
    const bool setsRead = estimation::LoadReferenceSets(programDir, state.sets, answers);
    analysis::AnalysisCommands commands({state.store, state.sets, state.fit, state.residues,
                                         state.settings, answers, answers, host});

    const bool needsSets = options.menuEntry == analysis::LeastSquaresEntry ||
                           options.menuEntry == analysis::AllMethodsEntry;
    if (needsSets && !setsRead) {
        return 1;  // the reference sets' message has been given
    }
    int failures = 0;
    const std::size_t count = options.files.size();
    for (std::size_t k = 0; k < count; ++k) {
        const std::string& file = options.files[k];
        answers.setFileName(file);
        if (count > 1) {
            services.err << "[" << k + 1 << "/" << count << "] " << file << '\n';
        }
        if (!Load(state, file, answers)) {
            services.err << file << ": not loaded\n";
            ++failures;
            continue;
        }
        if (options.convertTo) {
            failures +=
                ConvertLoaded(state.store, *options.convertTo, answers, services.out) ? 0 : 1;
            if (!options.methodGiven) {
                continue;
            }
        }
        const std::vector<std::string> files = Analyse(state, options, commands);
        for (const std::string& produced : files) {
            services.out << produced << '\n';
        }
        if (files.empty() && options.menuEntry != analysis::HelixEntry) {
            services.err << file << ": the analysis did not complete\n";
            ++failures;
        }
    }
    services.out.flush();
    return failures == 0 ? 0 : 1;
}

}  // namespace tavrelion::batch
