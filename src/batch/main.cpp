// tavrelion-batch: the analysis methods of TAVRELION 2000 without windows, for scripts and
// many files at once.
#include <QCoreApplication>
#include <QDir>
#include <array>
#include <atomic>
#include <csignal>
#include <iostream>
#include <stdexcept>

#include "ProgramVersion.h"
#include "batch/BatchCommandLine.h"
#include "batch/BatchRun.h"
#include "drivers/ProgramRunner.h"
#include "drivers/WorkFolder.h"
#include "store/InstalledFolders.h"

namespace {

// The analysis programs running now, one slot per job, so that a signal ends them with the batch.
std::array<std::atomic<std::int64_t>, 64> RunningPrograms{};
std::atomic<bool> StopRequested{false};
volatile std::sig_atomic_t StopSignal = 0;

extern "C" void EndRunningPrograms(int signal) {
    StopSignal = signal;
    StopRequested.store(true);
    for (auto& program : RunningPrograms) {
        if (const std::int64_t id = program.load(); id > 0) {
            ::kill(static_cast<pid_t>(id), SIGTERM);
        }
    }
}

void WatchSignals() {
    struct sigaction action {};
    action.sa_handler = EndRunningPrograms;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

// Keeps the running program's id in a free slot while it runs.
void TellRunning(std::int64_t id) {
    thread_local std::atomic<std::int64_t>* slot = nullptr;
    if (id == 0) {
        if (slot != nullptr) {
            slot->store(0);
        }
        slot = nullptr;
        return;
    }
    for (auto& candidate : RunningPrograms) {
        std::int64_t free = 0;
        if (candidate.compare_exchange_strong(free, id)) {
            slot = &candidate;
            break;
        }
    }
    if (StopRequested.load()) {
        ::kill(static_cast<pid_t>(id), SIGTERM);
    }
}

// The jobs' private work folders go into one folder of this run, removed at the end.
std::string WorkRoot() {
    return (tavrelion::drivers::PrivateWorkRoot() + "/batch-" +
            QString::number(QCoreApplication::applicationPid()))
        .toLocal8Bit()
        .toStdString();
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace tavrelion;
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName("tavrelion");
    std::vector<std::string> arguments(argv + 1, argv + argc);
    batch::BatchOptions options;
    try {
        options = batch::ParseBatchOptions(arguments);
    } catch (const std::invalid_argument& mistake) {
        std::cerr << "tavrelion-batch: " << mistake.what() << "\n(see tavrelion-batch --help)\n";
        return 2;
    }
    if (options.help) {
        std::cout << batch::BatchHelpText();
        return 0;
    }
    if (options.version) {
        std::cout << "tavrelion-batch " << VersionText << "\n";
        return 0;
    }
    const store::InstalledFolders folders =
        options.programDir.empty()
            ? store::FindInstalledFolders(
                  QCoreApplication::applicationDirPath().toLocal8Bit().toStdString())
            : store::InstalledFolders{options.programDir, options.programDir};
    drivers::RunLimits limits;
    limits.timeoutSeconds = options.timeoutSeconds;
    limits.running = TellRunning;
    const auto run = [&limits](const std::string& program,
                               const std::vector<std::string>& programArguments,
                               const std::string& folder) {
        return drivers::RunAndWait(program, programArguments, folder, limits);
    };
    drivers::RemoveAbandonedWorkFolders(drivers::PrivateWorkRoot());
    const std::string workRoot = WorkRoot();
    WatchSignals();
    const int status =
        batch::RunBatch(options, folders.program,
                        {run, std::cout, std::cerr, workRoot, &StopRequested, folders.engines});
    QDir(QString::fromLocal8Bit(workRoot.c_str())).removeRecursively();
    if (StopSignal != 0) {
        std::cerr << "tavrelion-batch: ended by signal " << StopSignal << '\n';
        return 128 + StopSignal;
    }
    return status;
}
