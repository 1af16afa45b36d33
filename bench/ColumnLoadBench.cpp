// Time to load a 1000-point file of each of today's export kinds, as LoadSpectrumBench does for
// the classic kinds. The unit is set by the choices (as --unit mre does), so that no dialog is
// needed; the HT stays below every limit.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "fakes/FakeServices.h"
#include "fakes/TemporaryFolder.h"
#include "spectrumio/LoadSpectrum.h"
#include "store/SpectrumStore.h"

namespace tavrelion::spectrumio {
namespace {

constexpr int Points = store::MaxPoints;

// Row k's wavelength and value as text, with the separator between them.
std::string Row(int k, const char* separator, const std::string& more = "") {
    char text[96];
    const double value = -12345.678 + 20000.0 * std::sin(k * 0.05) * std::exp(-k * 0.002);
    std::snprintf(text, sizeof text, "%d%s%.3f", 175 + k, separator, value);
    return text + more + "\r\n";
}

std::string Rows(const char* separator, const std::string& more = "") {
    std::string text;
    for (int k = 0; k < Points; ++k) {
        text += Row(k, separator, more);
    }
    return text;
}

struct BenchFiles {
    testing_support::TemporaryFolder folder;
    std::filesystem::path jasco, chirascan, aviv, gen, pcd, plain;

    BenchFiles() {
        jasco = folder.write("FULL.txt",
                             "TITLE\tbench\r\nORIGIN\tJASCO\r\nYUNITS\tCD [mdeg]\r\n"
                             "Y2UNITS\tHT [V]\r\nNPOINTS\t1000\r\nXYDATA\r\n" +
                                 Rows("\t", "\t300.0"));
        chirascan = folder.write("FULL.csv",
                                 "ProDataCSV,,,\r\nCircularDichroism,,,\r\nCell:,1,,\r\n"
                                 "Wavelength,Repeat,,\r\n,1,2,3\r\n" +
                                     Rows(",", ",-1.5,-2.5") + "\r\nHV,,,\r\n,1,2,3\r\n" +
                                     Rows(",", ",300,300") + "\r\n");
        std::string scans = "$SUMMARY\r\n$DATA\r\n";
        for (int scan = 1; scan <= 2; ++scan) {
            scans +=
                "$MDCNAME:scan\r\n$MDCDATA:\r\nX  CD_Signal  CD_Dynode\r\n" + Rows("  ", "  300");
        }
        aviv = folder.write("FULL.dat", scans + "$ENDDATA\r\n");
        gen = folder.write(
            "FULL.gen", "Generic\tCD\r\nPathlength (cm)\t0.01\r\n" + Rows("\t", "\t300\t0\t0\t0"));
        pcd = folder.write("FULL.pcd", std::string(60, ' ').replace(0, 15, "Pathlength (cm)") +
                                           "0.01\r\nDATA\r\nwavelength final HT\r\n" +
                                           Rows("  ", "  300"));
        plain = folder.write("PLAIN.csv", "nm,mre\r\n" + Rows(","));
    }
};

const BenchFiles& Files() {
    static const BenchFiles files;
    return files;
}

void LoadColumnFile(benchmark::State& state, std::filesystem::path BenchFiles::*file) {
    auto store = std::make_unique<store::SpectrumStore>();
    store->ProgramDir = Files().folder.path().string();
    store::SetStartupTables(*store);
    store->SpectrumFileName = (Files().*file).string();
    testing_support::FakeMessages messages;
    testing_support::FakeDialogs dialogs;
    testing_support::RecordingListener listener;
    ConversionChoices choices;
    choices.unit = CdUnit::MeanResidue;
    LoadServices services{messages, dialogs, listener, &choices};
    const auto loadIntoFirstSlot = [&] {
        store->SpectrumCount = 1;
        return LoadSpectrum(*store, 1, services);
    };
    if (!loadIntoFirstSlot() || store->PointCount != Points) {
        state.SkipWithError(messages.shown.empty() ? "not a 1000-point spectrum"
                                                   : messages.shown.front().text.c_str());
        return;
    }
    for (auto _ : state) {
        if (!loadIntoFirstSlot()) {
            state.SkipWithError("a load failed");
            break;
        }
        listener.stored.clear();
    }
}

#define COLUMN_BENCHMARK(name, file)              \
    BENCHMARK_CAPTURE(LoadColumnFile, name, file) \
        ->Unit(benchmark::kMicrosecond)           \
        ->Repetitions(10)                         \
        ->ReportAggregatesOnly(true)

COLUMN_BENCHMARK(Jasco, &BenchFiles::jasco);
COLUMN_BENCHMARK(Chirascan, &BenchFiles::chirascan);
COLUMN_BENCHMARK(Aviv, &BenchFiles::aviv);
COLUMN_BENCHMARK(PcddbGen, &BenchFiles::gen);
COLUMN_BENCHMARK(PcddbPcd, &BenchFiles::pcd);
COLUMN_BENCHMARK(PlainColumns, &BenchFiles::plain);

}  // namespace
}  // namespace tavrelion::spectrumio

BENCHMARK_MAIN();
