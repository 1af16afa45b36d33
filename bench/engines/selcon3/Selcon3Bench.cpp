#include <benchmark/benchmark.h>

#include <cmath>
#include <sstream>

#include "drivers/SelconInput.h"
#include "engines/common/EngineTestSupport.h"
#include "fakes/TemporaryFolder.h"
#include "selcon2/Selcon2Program.h"
#include "selcon3/Selcon3Program.h"

namespace {

using namespace tavrelion;
using namespace tavrelion::engines::selcon;
namespace testing = tavrelion::engines::engine_testing;

void Selcon3Estimate(benchmark::State& state) {
    const engines::ReferenceSet& set = testing::Sp175();
    const int protein = testing::ProteinIndex("HAL");
    MeasuredSpectrum spectrum{240, 175, {}};
    for (int nm = 240; nm >= 175; --nm)
        spectrum.values.push_back(
            std::round(set.spectra(set.rowOfWavelength(nm), protein) * 100.0) / 100.0);
    const SelconOptions options = DefaultOptions();
    for (auto _ : state)
        benchmark::DoNotOptimize(EstimateStructure(set, spectrum, options));
}
BENCHMARK(Selcon3Estimate)->Unit(benchmark::kMillisecond);

void Selcon3WholeRun(benchmark::State& state) {
    testing_support::TemporaryFolder folder;
    testing::CopyData(folder.path(), engines::ReferenceFileName);
    drivers::WriteSelcon3Input(*testing::ReferenceSpectrum("HAL", 175, 240), folder.path());
    std::ostringstream errors;
    for (auto _ : state)
        benchmark::DoNotOptimize(RunSelcon3(folder.path(), "", errors));
}
BENCHMARK(Selcon3WholeRun)->Unit(benchmark::kMillisecond);

void Selcon2WholeRun(benchmark::State& state) {
    testing_support::TemporaryFolder folder;
    testing::CopyData(folder.path(), engines::ReferenceFileName);
    testing::CopyData(folder.path(), "ssdata.ks", "ssdata");
    drivers::SelconSettings settings;
    settings.SelconClassCount = 5;
    drivers::WriteSelcon2Input(*testing::ReferenceSpectrum("HAL", 175, 240), settings,
                               folder.path());
    std::ostringstream errors;
    for (auto _ : state)
        benchmark::DoNotOptimize(RunSelcon2(folder.path(), "", errors));
}
BENCHMARK(Selcon2WholeRun)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
