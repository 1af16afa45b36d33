#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "common/ReferenceSet.h"
#include "contin/ContinProgram.h"
#include "contin/CrossValidation.h"
#include "contin/LocalAnalysis.h"
#include "drivers/ContinInput.h"
#include "fakes/TemporaryFolder.h"

namespace {

using namespace tavrelion::engines;

const std::filesystem::path DataFolder = std::filesystem::path(TAVRELION_SOURCE_DIR) / "data";

// A protein of mixed structure (NMRA: 37 % helix, 16 % sheet), analysed with the other 70
// proteins as references.
int MixedProtein(const ReferenceSet& set) {
    return static_cast<int>(std::find(set.codes.begin(), set.codes.end(), "NMRA") -
                            set.codes.begin());
}

void ContinLibrary240To175(benchmark::State& state) {
    const ReferenceSet all = LoadReferenceSet(DataFolder / ReferenceFileName);
    const int protein = MixedProtein(all);
    const ReferenceSet others = all.without(protein);
    const Eigen::VectorXd spectrum =
        contin::RoundedAsSent(all.spectraBetween(240, 175).col(protein));
    for (auto _ : state) {
        benchmark::DoNotOptimize(contin::AnalyseSpectrum(others, 240, 175, spectrum));
    }
}
BENCHMARK(ContinLibrary240To175)->Unit(benchmark::kMillisecond);

void ContinProgramFiles(benchmark::State& state) {
    const ReferenceSet all = LoadReferenceSet(DataFolder / ReferenceFileName);
    const int protein = MixedProtein(all);
    tavrelion::store::SpectrumStore spectrum;
    spectrum.PointCount = 51;
    for (int i = 1; i <= 51; ++i) {
        const int nm = 189 + i;
        spectrum.SpectrumWavelength(i) = static_cast<tavrelion::store::Int16>(nm);
        spectrum.SpectrumValue(i) = 3300.0 * all.spectra(all.rowOfWavelength(nm), protein);
    }
    tavrelion::testing_support::TemporaryFolder folder;
    std::filesystem::copy_file(DataFolder / ReferenceFileName, folder.path() / ReferenceFileName);
    tavrelion::drivers::WriteContinInput(spectrum, folder.path());
    const contin::ProgramOptions options{all.codes[static_cast<std::size_t>(protein)]};
    for (auto _ : state) {
        std::ostringstream errors;
        benchmark::DoNotOptimize(contin::RunContinProgram(folder.path(), options, errors));
    }
}
BENCHMARK(ContinProgramFiles)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
