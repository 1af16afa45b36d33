#include <benchmark/benchmark.h>

#include <QApplication>

#include "fakes/FakeDesktopDialogs.h"
#include "fakes/FakeServices.h"
#include "fakes/FakeWindowServices.h"
#include "mainwindow/MainWindow.h"
#include "results/ResultWindows.h"

namespace tavrelion::mainwindow {
namespace {

// From nothing to a shown main window: the program's state, the window with its menus and plot,
// the start-up values, the basis sets read from DATA.CD, and the first paint.
void StartUpToShownMainWindow(benchmark::State& run) {
    testing_support::FakeMessages messages;
    testing_support::FakeFileDialogs files;
    testing_support::FakeDialogs dialogs;
    testing_support::FakeDesktopDialogs desktop("/tmp");
    testing_support::FakePrinter printer;
    testing_support::FakeFindDialog findDialog;
    const QString data = QString(TAVRELION_SOURCE_DIR) + "/data";
    for (auto _ : run) {
        ProgramState state;
        results::ResultWindows resultWindows(
            {*state.store, state.search, messages, files, printer, findDialog});
        MainWindow window(state, {messages, files, dialogs, desktop, resultWindows});
        window.show();
        window.startUp(data);
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
    if (!messages.shown.empty()) {
        run.SkipWithError("start-up showed a message");
    }
}
BENCHMARK(StartUpToShownMainWindow)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tavrelion::mainwindow

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
