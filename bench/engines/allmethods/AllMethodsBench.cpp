// All methods end to end as tavrelion-batch runs them (the least-squares fit, the five analysis
// programs started as processes, the Varselec list and the summary) on the 71 proteins of the
// SP175 reference set written as TVR files, in one batch call with one job and with two.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "batch/BatchCommandLine.h"
#include "batch/BatchRun.h"
#include "common/ReferenceSet.h"
#include "drivers/ProgramRunner.h"
#include "drivers/WorkFolder.h"

namespace {

namespace fs = std::filesystem;

// A scratch folder with each reference protein's spectrum as a TVR file (mean residue
// ellipticity, delta epsilon x 3300, 175 to 240 nm); returns the files.
std::vector<std::string> WriteSpectra(const fs::path& folder) {
    const auto set = tavrelion::engines::LoadReferenceSet(fs::path(TAVRELION_PROGRAM_DIR) /
                                                          tavrelion::engines::ReferenceFileName);
    std::vector<std::string> files;
    for (int p = 0; p < set.proteinCount(); ++p) {
        const fs::path file = folder / ("P" + std::to_string(p + 1) + ".TVR");
        std::ofstream out(file, std::ios::binary);
        out << set.codes[static_cast<std::size_t>(p)] << " - SP175\r\n"
            << set.wavelengthCount() << ",Molar ellipticity\r\n";
        for (int nm = set.lowestWavelength; nm <= set.highestWavelength; ++nm) {
            char value[32];
            std::snprintf(value, sizeof value, "%.1f",
                          3300.0 * set.spectra(set.rowOfWavelength(nm), p));
            out << nm << ',' << value << "\r\n";
        }
        files.push_back(file.string());
    }
    return files;
}

void AllMethodsOnTheReferenceSpectra(benchmark::State& state) {
    std::random_device seed;
    const fs::path folder =
        fs::temp_directory_path() / ("tavrelion-bench-" + std::to_string(seed()));
    fs::create_directories(folder);
    std::vector<std::string> arguments = {"--jobs", std::to_string(state.range(0))};
    const std::vector<std::string> files = WriteSpectra(folder);
    arguments.insert(arguments.end(), files.begin(), files.end());
    const auto options = tavrelion::batch::ParseBatchOptions(arguments);
    const auto run = [](const std::string& program, const std::vector<std::string>& args,
                        const std::string& workingFolder) {
        return tavrelion::drivers::RunAndWait(program, args, workingFolder);
    };
    // The work folders where tavrelion-batch makes them; the spectra in a folder on disk.
    const std::string workRoot =
        (tavrelion::drivers::PrivateWorkRoot() + "/bench").toLocal8Bit().toStdString();
    std::ostringstream out;
    std::ostringstream err;
    double seconds = 0;
    for (auto _ : state) {
        out.str("");
        const auto start = std::chrono::steady_clock::now();
        const int status = tavrelion::batch::RunBatch(options, TAVRELION_PROGRAM_DIR,
                                                      {run, out, err, workRoot, nullptr, ""});
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (status != 0) {
            state.SkipWithError(("All methods failed: " + err.str()).c_str());
            break;
        }
    }
    state.counters["spectra_per_s"] =
        benchmark::Counter(static_cast<double>(files.size() * state.iterations()) / seconds);
    fs::remove_all(folder);
    fs::remove_all(workRoot);
}
BENCHMARK(AllMethodsOnTheReferenceSpectra)
    ->ArgName("jobs")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
