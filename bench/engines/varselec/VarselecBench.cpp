// The Varselec engine's whole run (reading the driver's files, fitting every combination,
// writing COMB2.OP) on myoglobin's spectrum, 178-260 nm, with all 33 basis proteins.
// Targets: k = 2 (528 combinations) below 20 ms; k = 5 (237 336 combinations) below 2 s.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "common/ReferenceSet.h"
#include "drivers/VarselecInput.h"
#include "fakes/TemporaryFolder.h"
#include "store/SpectrumStore.h"
#include "varselec/VarselecRun.h"

namespace {

using namespace tavrelion;

const std::filesystem::path SourceData = std::filesystem::path(TAVRELION_SOURCE_DIR) / "data";

store::SpectrumStore Myoglobin() {
    const auto set = engines::LoadReferenceSet(SourceData / engines::ReferenceFileName);
    const int p =
        static_cast<int>(std::find(set.codes.begin(), set.codes.end(), "MBH") - set.codes.begin());
    store::SpectrumStore store;
    store.SpectrumFileName = "C:\\DATA\\MBH.ASC";
    store.FirstWavelength = 178;
    store.LastWavelength = 260;
    store.PointCount = 83;
    for (int i = 1; i <= store.PointCount; ++i) {
        const int nm = 177 + i;
        store.SpectrumWavelength(i) = static_cast<store::Int16>(nm);
        store.SpectrumValue(i) =
            set.covers(nm) ? set.spectra(set.rowOfWavelength(nm), p) * 3300 : 0;
    }
    return store;
}

void VarselecRun(benchmark::State& state) {
    testing_support::TemporaryFolder folder;
    std::filesystem::copy_file(SourceData / "s.ori", folder.path() / "s.ori");
    const auto store = Myoglobin();
    drivers::VarselecChoice choice;
    choice.RemoveCount = static_cast<store::Int16>(state.range(0));
    for (int i = 1; i <= drivers::VarselecProteinCount; ++i) {
        choice.SelectedIndex.push_back(static_cast<store::Int16>(i));
    }
    drivers::WriteVarselecBasis(store, folder.path(), folder.path());
    drivers::WriteVarselecInput(store, choice, folder.path());
    std::ostringstream messages;
    for (auto _ : state) {
        if (engines::varselec::RunVarselec(folder.path(), messages) != engines::varselec::RunDone) {
            state.SkipWithError("the run failed");
            break;
        }
    }
    state.counters["combinations"] = static_cast<double>(
        drivers::VarselecCombinationCount(33, static_cast<int>(state.range(0))));
}

BENCHMARK(VarselecRun)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(VarselecRun)
    ->Arg(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
