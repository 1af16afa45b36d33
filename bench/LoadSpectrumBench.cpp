// Time to load a full spectrum file of each kind: 1000 points of the 1-nm grid, the most a
// spectrum holds. The files are written once before timing; every load goes into slot 1 of the
// same store, as reopening a file into the first slot does.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "fakes/TemporaryFolder.h"
#include "spectrumio/LoadSpectrum.h"
#include "spectrumio/SpectrumFileText.h"
#include "store/SpectrumStore.h"

namespace tavrelion::spectrumio {
namespace {

using testing_support::Cd6Text;
using testing_support::CdmaxText;
using testing_support::JcdText;
using testing_support::TvrText;

constexpr int GridPoints = store::MaxPoints;
constexpr int FirstWavelength = 175;

// count values in deg.cm2/dmol with three decimals, shaped like a helical protein's spectrum
// around -12345.678.
std::vector<std::string> SpectrumValues(int count) {
    std::vector<std::string> values;
    values.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double value = -12345.678 + 20000.0 * std::sin(i * 0.05) * std::exp(-i * 0.002);
        char text[32];
        std::snprintf(text, sizeof text, "%.3f", value);
        values.emplace_back(text);
    }
    return values;
}

// The benchmark files, written once into a folder of their own that is also the program folder.
struct BenchFiles {
    testing_support::TemporaryFolder folder;
    std::filesystem::path cd6;
    std::filesystem::path cdmax;
    std::filesystem::path jcd;
    std::filesystem::path tvr;

    BenchFiles() {
        // Instrument files have one value less than their grid has points.
        const std::string count = std::to_string(GridPoints - 1);
        const std::string first = std::to_string(FirstWavelength);
        cd6 = folder.write("FULL.ASC", Cd6Text("\x5B\xE9\x5D", "0.0008", "0.1", first, count, "1",
                                               SpectrumValues(GridPoints - 1)));
        cdmax = folder.write("FULLMAX.ASC",
                             CdmaxText(first, "1", count, "144", SpectrumValues(GridPoints - 1)));
        // JCD lists its values from the highest wavelength down, both ends included.
        jcd = folder.write("FULL.JCD",
                           JcdText("Data mode\tMol. Ellip.", FirstWavelength + GridPoints - 1,
                                   FirstWavelength, "1.000000", SpectrumValues(GridPoints)));
        tvr = folder.write("FULL.TVR",
                           TvrText(GridPoints, FirstWavelength, SpectrumValues(GridPoints)));
    }
};

const BenchFiles& Files() {
    static const BenchFiles files;
    return files;
}

void LoadFullSpectrum(benchmark::State& state, std::filesystem::path BenchFiles::*file) {
    const BenchFiles& files = Files();
    auto store = std::make_unique<store::SpectrumStore>();
    store->ProgramDir = files.folder.path().string();
    store::SetStartupTables(*store);
    store->SpectrumFileName = (files.*file).string();
    testing_support::FakeMessages messages;
    testing_support::FakeDialogs dialogs;
    testing_support::RecordingListener listener;
    LoadServices services{messages, dialogs, listener};

    const auto loadIntoFirstSlot = [&] {
        store->SpectrumCount = 1;
        return LoadSpectrum(*store, 1, services);
    };
    if (!loadIntoFirstSlot() || store->PointCount != GridPoints) {
        state.SkipWithError("the file does not load as a 1000-point spectrum");
        return;
    }
    for (auto _ : state) {
        if (!loadIntoFirstSlot()) {
            state.SkipWithError("a load failed");
            break;
        }
        listener.stored.clear();
    }
    if (!messages.shown.empty()) {
        state.SkipWithError(("a load showed: " + messages.shown.front().text).c_str());
    }
}

BENCHMARK_CAPTURE(LoadFullSpectrum, Cd6, &BenchFiles::cd6)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(LoadFullSpectrum, Cdmax, &BenchFiles::cdmax)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(LoadFullSpectrum, Jcd, &BenchFiles::jcd)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(LoadFullSpectrum, Tvr, &BenchFiles::tvr)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tavrelion::spectrumio

BENCHMARK_MAIN();
