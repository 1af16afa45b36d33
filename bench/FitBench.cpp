#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>

#include "estimation/LeastSquaresFit.h"
#include "estimation/ReferenceSets.h"
#include "fakes/FakeServices.h"

namespace tavrelion::estimation {
namespace {

// One complete fit of the five shipped basis sets on a 1000-point spectrum (100 to 1099 nm, so
// that every set's wavelengths are matched against the whole grid).
void FitFiveSets(benchmark::State& state) {
    testing_support::FakeMessages messages;
    auto sets = std::make_unique<ReferenceSets>();
    const auto data = std::filesystem::path(TAVRELION_SOURCE_DIR) / "data";
    if (!LoadReferenceSets(data.string(), *sets, messages)) {
        state.SkipWithError("DATA.CD could not be read");
        return;
    }
    auto store = std::make_unique<store::SpectrumStore>();
    store->PointCount = store->RawPointCount = 1000;
    store->WavelengthStep = 1;
    for (int i = 1; i <= 1000; ++i) {
        store->SpectrumWavelength(i) = static_cast<store::Int16>(99 + i);
        store->SpectrumValue(i) = -12345.678 * std::exp(-std::pow((99 + i - 208) / 20.0, 2));
    }
    auto results = std::make_unique<FitResults>();
    for (auto _ : state) {
        LeastSquaresFit(*store, *sets, *results, messages);
        benchmark::DoNotOptimize(results->FitHelix(Chang));
    }
    if (!messages.shown.empty()) {
        state.SkipWithError("a set could not be fitted");
    }
}
BENCHMARK(FitFiveSets)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tavrelion::estimation

BENCHMARK_MAIN();
