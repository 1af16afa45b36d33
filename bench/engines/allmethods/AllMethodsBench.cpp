// All methods on one spectrum, end to end: the least-squares fit, the five analysis programs
// started as processes, the Varselec list and the summary, as tavrelion-batch runs them.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <filesystem>
#include <random>
#include <sstream>

#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "drivers/ProgramRunner.h"

namespace {

namespace fs = std::filesystem;

fs::path Scratch() {
    std::random_device seed;
    const fs::path folder =
        fs::temp_directory_path() / ("tavrelion-bench-" + std::to_string(seed()));
    fs::create_directories(folder / "program");
    fs::copy(TAVRELION_PROGRAM_DIR, folder / "program", fs::copy_options::recursive);
    fs::copy_file(fs::path(TAVRELION_SOURCE_DIR) / "samples" / "LYSO.ASC", folder / "LYSO.ASC");
    return folder;
}

void AllMethodsOnOneSpectrum(benchmark::State& state) {
    const fs::path folder = Scratch();
    const auto options = tavrelion::batch::ParseBatchOptions({(folder / "LYSO.ASC").string()});
    std::ostringstream out;
    std::ostringstream err;
    for (auto _ : state) {
        out.str("");
        const int status = tavrelion::batch::RunBatch(options, (folder / "program").string(),
                                                      {tavrelion::drivers::RunAndWait, out, err});
        if (status != 0) {
            state.SkipWithError(("All methods failed: " + err.str()).c_str());
            break;
        }
    }
    fs::remove_all(folder);
}
BENCHMARK(AllMethodsOnOneSpectrum)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
