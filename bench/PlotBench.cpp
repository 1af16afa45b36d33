#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>
#include <memory>

#include "display/Cursor.h"
#include "display/ImageSurface.h"
#include "display/Plot.h"
#include "store/SpectrumStore.h"

namespace tavrelion::display {
namespace {

// Fifteen 1000-point spectra, as many as the window shows, on a full-HD image.
struct FullPlot {
    FullPlot() {
        store::SetStartupTables(*store);
        for (int s = 1; s <= store::MaxSlots; ++s) {
            double minimum = 0;
            double maximum = 0;
            for (int i = 1; i <= store::MaxPoints; ++i) {
                const double value = -12000 * std::exp(-std::pow((i - 400.0 - 10 * s) / 150, 2)) +
                                     3000 * std::sin(i / (40.0 + s));
                store->SlotValue(i, s) = value;
                minimum = std::min(minimum, value);
                maximum = std::max(maximum, value);
            }
            store->SlotFirstWavelength(s) = 100;
            store->SlotLastWavelength(s) = 1099;
            store->SlotStep(s) = 1;
            store->SlotRawCount(s) = store::MaxPoints;
            store->SlotMin(s) = minimum;
            store->SlotMax(s) = maximum;
            store->SlotLabel(s) = " " + std::to_string(s) + ")SPECTRUM.ASC";
        }
        store->SpectrumCount = store->CurrentSlot = store::MaxSlots;
        store->SpectrumLoaded = 1;
        store->DisplayFirstWavelength = 100;
        store->DisplayLastWavelength = 1099;
        surface.resize(1920, 1080);
    }

    std::unique_ptr<store::SpectrumStore> store = std::make_unique<store::SpectrumStore>();
    PlotState state;
    ImageSurface surface;
};

void RedrawFifteenSpectra(benchmark::State& run) {
    FullPlot plot;
    for (auto _ : run) {
        RedrawPlot(plot.surface, *plot.store, plot.state);
        benchmark::DoNotOptimize(plot.surface.image().constBits());
    }
}
BENCHMARK(RedrawFifteenSpectra)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void MoveCursorWithFifteenSpectra(benchmark::State& run) {
    FullPlot plot;
    RedrawPlot(plot.surface, *plot.store, plot.state);
    double x = plot.state.PlotLeft;
    for (auto _ : run) {
        x = x > 25000 ? plot.state.PlotLeft : x + 37;
        MoveCursorToX(plot.surface, *plot.store, plot.state, x);
        benchmark::DoNotOptimize(plot.surface.image().constBits());
    }
}
BENCHMARK(MoveCursorWithFifteenSpectra)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tavrelion::display

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);  // fonts need one
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
