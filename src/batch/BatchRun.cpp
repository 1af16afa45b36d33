#include "batch/BatchRun.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <sstream>
#include <string_view>
#include <system_error>
#include <thread>

#include "analysis/AnalysisCommands.h"
#include "analysis/ResultTable.h"
#include "batch/BatchAnswers.h"
#include "batch/BatchConvert.h"
#include "batch/BatchCorrections.h"
#include "spectrumio/LoadSpectrum.h"
#include "store/BasicError.h"
#include "store/FileReplacement.h"
#include "store/NumberText.h"
#include "store/ResultNames.h"
#include "store/TextRoutines.h"

namespace tavrelion::batch {
namespace {

namespace fs = std::filesystem;

// Runs the programs through the services and shows nothing: the result files are listed instead.
class BatchHost : public analysis::AnalysisHost {
  public:
    explicit BatchHost(const BatchServices& services) : services_(services) {}

    drivers::ProgramOutcome runProgram(const std::string& program,
                                       const std::vector<std::string>& arguments,
                                       const std::string& workingFolder) override {
        return services_.runProgram(program, arguments, workingFolder);
    }
    void showResult(const std::string&, results::ResultWindowKind) override {}
    void showResultWithPreface(const std::string&, results::ResultWindowKind,
                               const std::string&) override {}
    void closeResult(results::ResultWindowKind) override {}
    void analysisRunning(bool) override {}

  private:
    const BatchServices& services_;
};

// A work folder of one job, made under root and removed with everything in it at the end.
class JobFolder {
  public:
    explicit JobFolder(const fs::path& root) {
        std::random_device seed;
        std::error_code error;
        fs::create_directories(root, error);
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const fs::path candidate = root / ("job-" + std::to_string(seed()));
            if (fs::create_directory(candidate, error) && !error) {
                path_ = candidate;
            }
        }
        if (path_.empty()) {
            throw store::ExplainedError(
                store::PathFileAccessError,
                "no work folder can be made in " + root.string() + ": " + error.message());
        }
    }
    ~JobFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    JobFolder(const JobFolder&) = delete;
    JobFolder& operator=(const JobFolder&) = delete;

    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

// The program's state for one job, as the main window keeps it for an interactive run.
struct BatchState {
    store::SpectrumStore store;
    estimation::FitResults fit;
    store::Int16 residues = 0;
    analysis::AnalysisSettings settings;
};

// What one file gave: told in the order of the files once it and all before it are done.
struct FileReport {
    std::string messages;
    std::vector<std::string> results;
    std::string tableRows;
    bool failed = false;
    bool done = false;
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
    store.SlotLabel(1) = store::GeneralForm(1) + ")" + store::FileNameOf(file);
    store.ResultFilePath = store.SlotLabel(1);
    store.CurrentSlot = 1;
    return true;
}

// Runs the entry on the loaded spectrum (the least-squares report is kept as .FIT by the
// command itself). Returns whether it completed, and every result file written on the way, also
// when a later method failed.
bool Analyse(const BatchOptions& options, analysis::AnalysisCommands& commands,
             std::vector<std::string>& files) {
    const int entry = options.menuEntry;
    commands.AnalysisMenuClick(entry);
    bool complete = commands.completed();
    // A batch run also does what the user does next with a Varselec solutions file: analyse it.
    if (complete && entry == analysis::VarselecEntry) {
        complete = commands.VarselecAnalysis();
    }
    files = commands.resultFiles();
    return complete && !files.empty();
}

// The analysis programs end their reports with this line when the spectrum does not look like a
// protein's (zero or flat, far too weak or strong, a shape no reference protein has).
constexpr std::string_view InputCheckLead = "Input check: ";

// The distinct input-check lines of the result files, each once.
std::vector<std::string> InputChecks(const std::vector<std::string>& files) {
    std::vector<std::string> checks;
    for (const std::string& file : files) {
        std::ifstream in(file, std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            const auto at = line.find(InputCheckLead);
            if (at == std::string::npos || line.find_first_not_of(' ') != at)
                continue;
            line = line.substr(at);
            while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
                line.pop_back();
            if (std::find(checks.begin(), checks.end(), line) == checks.end())
                checks.push_back(line);
        }
    }
    return checks;
}

// The jobs of one call: each takes the next file, analyses it in its own work folder and state,
// and tells what the finished files gave in their order.
class BatchJobs {
  public:
    BatchJobs(const BatchOptions& options, const std::string& programDir,
              const estimation::ReferenceSets& sets, const BatchServices& services)
        : options_(options),
          programDir_(programDir),
          sets_(sets),
          services_(services),
          reports_(options.files.size()) {}

    void work() {
        std::ostringstream messages;
        BatchAnswers answers(options_, messages);
        std::unique_ptr<JobFolder> folder;
        try {
            folder = std::make_unique<JobFolder>(services_.workRoot);
        } catch (const store::ExplainedError& error) {
            messages << "tavrelion-batch: " << error.reason() << '\n';
        }
        BatchHost host(services_);
        auto state = std::make_unique<BatchState>();
        store::SetStartupTables(state->store);
        state->store.ProgramDir = programDir_;
        state->store.EngineDir = services_.engineDir;
        state->store.WorkDir = folder ? folder->path().string() : std::string();
        state->settings.referenceSet = options_.referenceSet;
        analysis::AnalysisCommands commands({state->store, sets_, state->fit, state->residues,
                                             state->settings, answers, answers, host});
        for (std::size_t k = take(); k < reports_.size(); k = take()) {
            FileReport report;
            if (folder) {
                analyse(k, *state, commands, answers, report);
            } else {
                report.failed = true;
            }
            report.messages = messages.str();
            messages.str("");
            finish(k, std::move(report));
        }
    }

    int failures() const { return failures_; }

    // The table rows of every file, in the order of the files, once all are done.
    std::string tableRows() const {
        std::string rows;
        for (const FileReport& report : reports_) {
            rows += report.tableRows;
        }
        return rows;
    }

  private:
    std::size_t take() {
        std::lock_guard lock(mutex_);
        if (services_.stop != nullptr && services_.stop->load()) {
            return reports_.size();
        }
        return next_++;
    }

    void analyse(std::size_t k, BatchState& state, analysis::AnalysisCommands& commands,
                 BatchAnswers& answers, FileReport& report) {
        const std::string& file = options_.files[k];
        answers.setFileName(PrintablePath(file));
        if (!Load(state, file, answers)) {
            answers.showMessage("not loaded", platform::MessageIcon::Information);
            report.failed = true;
            return;
        }
        if (!ApplyBatchCorrections(state.store, options_, answers)) {
            answers.showMessage("not corrected", platform::MessageIcon::Information);
            report.failed = true;
            return;
        }
        if (options_.convertTo) {
            const std::optional<std::string> written =
                ConvertLoaded(state.store, *options_.convertTo, answers);
            if (written) {
                report.results.push_back(*written);
            } else {
                report.failed = true;
            }
            if (!options_.methodGiven) {
                return;
            }
        }
        std::vector<std::string> results;
        const bool complete = Analyse(options_, commands, results);
        report.results.insert(report.results.end(), results.begin(), results.end());
        report.tableRows = commands.tableRows();
        for (const std::string& problem : commands.tableProblems()) {
            answers.showMessage("not in the table: " + problem, platform::MessageIcon::Information);
        }
        for (const std::string& check : InputChecks(results)) {
            answers.showMessage(check, platform::MessageIcon::Exclamation);
        }
        if (!complete && options_.menuEntry != analysis::HelixEntry) {
            answers.showMessage("the analysis did not complete",
                                platform::MessageIcon::Information);
            report.failed = true;
        }
    }

    // Files are told in order: each as soon as it and every file before it are done.
    void finish(std::size_t k, FileReport report) {
        std::lock_guard lock(mutex_);
        report.done = true;
        reports_[k] = std::move(report);
        const std::size_t count = reports_.size();
        while (told_ < count && reports_[told_].done) {
            const FileReport& ready = reports_[told_];
            if (count > 1) {
                services_.err << "[" << told_ + 1 << "/" << count << "] "
                              << PrintablePath(options_.files[told_]) << '\n';
            }
            services_.err << ready.messages;
            for (const std::string& produced : ready.results) {
                services_.out << PrintablePath(produced) << '\n';
            }
            failures_ += ready.failed ? 1 : 0;
            ++told_;
        }
        services_.out.flush();
        services_.err.flush();
    }

    const BatchOptions& options_;
    const std::string& programDir_;
    const estimation::ReferenceSets& sets_;
    const BatchServices& services_;
    std::mutex mutex_;
    std::vector<FileReport> reports_;
    std::size_t next_ = 0;
    std::size_t told_ = 0;
    int failures_ = 0;
};

}  // namespace

std::string SameResultNames(const std::vector<std::string>& files) {
    std::map<std::string, std::string> byBase;
    for (const std::string& file : files) {
        std::error_code error;
        const fs::path base = fs::weakly_canonical(fs::absolute(file), error);
        const std::string key = store::ResultFileName(base.string(), ".*");
        const auto [earlier, added] = byBase.emplace(key, file);
        if (!added) {
            return earlier->second + " and " + file + " both give the result files " +
                   store::ResultFileName(file, ".*") + "; give them in separate calls";
        }
    }
    return {};
}

std::string PrintablePath(const std::string& path) {
    static const char* const hex = "0123456789ABCDEF";
    std::string printable;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            printable += "\\\\";
        } else if (c == '\n') {
            printable += "\\n";
        } else if (c == '\r') {
            printable += "\\r";
        } else if (c == '\t') {
            printable += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            printable += std::string("\\x") + hex[byte >> 4] + hex[byte & 0xF];
        } else {
            printable += c;
        }
    }
    return printable;
}

int RunBatch(const BatchOptions& options, const std::string& programDir,
             const BatchServices& services) {
    const std::string clash = SameResultNames(options.files);
    if (!clash.empty()) {
        services.err << "tavrelion-batch: " << clash << '\n';
        return 2;
    }
    std::ostringstream setMessages;
    BatchAnswers answers(options, setMessages);
    answers.setFileName(store::FileNameOf(programDir));
    estimation::ReferenceSets sets;
    const bool setsRead = estimation::LoadReferenceSets(programDir, sets, answers);
    services.err << setMessages.str();
    const bool needsSets = options.menuEntry == analysis::LeastSquaresEntry ||
                           options.menuEntry == analysis::AllMethodsEntry;
    if (needsSets && !setsRead) {
        return 1;  // the reference sets' message has been given
    }
    BatchJobs jobs(options, programDir, sets, services);
    const std::size_t threads = std::clamp<std::size_t>(
        options.jobs > 0 ? static_cast<std::size_t>(options.jobs)
                         : std::max(1u, std::thread::hardware_concurrency()),
        1, std::max<std::size_t>(options.files.size(), 1));
    std::vector<std::thread> others;
    for (std::size_t t = 1; t < threads; ++t) {
        others.emplace_back([&jobs] { jobs.work(); });
    }
    jobs.work();
    for (auto& thread : others) {
        thread.join();
    }
    const bool stopped = services.stop != nullptr && services.stop->load();
    bool tableWritten = true;
    if (!options.table.empty()) {
        try {
            store::ReplaceFile(options.table, std::string(analysis::ResultTableHeader) + "\r\n" +
                                                  jobs.tableRows());
            services.out << PrintablePath(options.table) << '\n';
        } catch (const store::ExplainedError& error) {
            services.err << "tavrelion-batch: " << error.reason() << '\n';
            tableWritten = false;
        }
    }
    return jobs.failures() == 0 && !stopped && tableWritten ? 0 : 1;
}

}  // namespace tavrelion::batch
