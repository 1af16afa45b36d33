#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "common/ReferenceSet.h"
#include "fakes/TemporaryFolder.h"
#include "k2d/K2dProgram.h"
#include "k2d/MapTraining.h"
#include "k2d/WeightsFile.h"

namespace tavrelion::engines::k2d {
namespace {

const std::filesystem::path DataFolder = std::filesystem::path(TAVRELION_SOURCE_DIR) / "data";

// One complete K2D run on one spectrum, as the program does it: read GD.DAT (lysozyme, 41
// values) and the shipped weights.dat, find the estimate, write TAUX.TXT.
void K2dOneSpectrum(benchmark::State& state) {
    testing_support::TemporaryFolder folder;
    std::filesystem::copy_file(DataFolder / WeightsFileName, folder.path() / WeightsFileName);
    const ReferenceSet set = LoadReferenceSet(DataFolder / ReferenceFileName);
    const int lysozyme =
        static_cast<int>(std::find(set.codes.begin(), set.codes.end(), "LYS") - set.codes.begin());
    const Eigen::VectorXd spectrum = MapInputs(set).col(lysozyme);
    std::string gdDat;
    for (const double value : spectrum) {
        gdDat += std::to_string(value) + "\r\n";
    }
    folder.write("GD.DAT", gdDat);
    std::ostringstream errors;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunK2d(folder.path(), errors));
    }
    if (!errors.str().empty()) {
        state.SkipWithError("K2D failed");
    }
}
BENCHMARK(K2dOneSpectrum)->Unit(benchmark::kMillisecond);

// Training the shipped map (the trainer's work; 71 trainings make the cross-validation).
void TrainShippedMap(benchmark::State& state) {
    const ReferenceSet set = LoadReferenceSet(DataFolder / ReferenceFileName);
    for (auto _ : state) {
        benchmark::DoNotOptimize(TrainMap(set).weights.sum());
    }
}
BENCHMARK(TrainShippedMap)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrelion::engines::k2d

BENCHMARK_MAIN();
