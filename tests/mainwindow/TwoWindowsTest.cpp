// Two windows of the program analysing at once, with the real analysis programs of the build's
// program folder: each works in its own work folder, so neither sees the other's files.
#include <gtest/gtest.h>

#include <QAction>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "drivers/WorkFolder.h"
#include "fakes/FakeAnalysis.h"
#include "fakes/FakeDesktopDialogs.h"
#include "fakes/FakeServices.h"
#include "fakes/FakeWindowServices.h"
#include "fakes/TemporaryFolder.h"
#include "mainwindow/MainWindow.h"
#include "results/ResultWindows.h"

namespace tavrelion::mainwindow {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::TemporaryFolder;

QString Q(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// One running program: its window, its work folder and the user's part played by fakes.
struct ProgramWindow {
    ProgramWindow(const TemporaryFolder& user, const fs::path& data)
        : work(drivers::WorkFolder::Take(Q(user.path() / "work"), Q(user.path() / "runtime"))),
          desktop(Q(data)) {
        state.store->WorkDir = work->path().toStdString();
        window.useAnalysisDialogs(analysisDialogs);
        window.startUp(TAVRELION_PROGRAM_DIR);
    }
    void open(const fs::path& file) {
        files.answers.push_back(file.string());
        window.action("mnufileitem1")->trigger();
    }

    std::unique_ptr<drivers::WorkFolder> work;
    ProgramState state;
    testing_support::FakeMessages messages;
    testing_support::FakeFileDialogs files;
    testing_support::FakeDialogs dialogs;
    testing_support::FakeAnalysisDialogs analysisDialogs;
    testing_support::FakeDesktopDialogs desktop;
    testing_support::FakePrinter printer;
    testing_support::FakeFindDialog findDialog;
    results::ResultWindows resultWindows{
        {*state.store, state.search, messages, files, printer, findDialog}};
    MainWindow window{state, {messages, files, dialogs, desktop, resultWindows}};
};

std::string Results(const fs::path& folder, const std::string& base) {
    std::string all;
    for (const char* extension : {"SCM", "SC3", "K2D", "CNT", "OUT", "LST", "SUM"}) {
        all += std::string(extension) + ":" + ReadBytes(folder / (base + "." + extension));
        fs::remove(folder / (base + "." + extension));
    }
    return all;
}

TEST(TwoWindows, AllMethodsAtOnceGiveTheResultsOfSoloRuns) {
    TemporaryFolder user;
    TemporaryFolder data;
    for (const char* sample : {"LYSO.ASC", "CYTC.JCD"}) {
        fs::copy_file(fs::path(TAVRELION_SOURCE_DIR) / "samples" / sample, data.path() / sample);
    }
    ProgramWindow first(user, data.path());
    ProgramWindow second(user, data.path());
    ASSERT_FALSE(first.work->isPrivate());
    ASSERT_TRUE(second.work->isPrivate());
    first.open(data.path() / "LYSO.ASC");
    second.open(data.path() / "CYTC.JCD");

    first.window.action("graphic9")->trigger();
    second.window.action("graphic9")->trigger();
    const std::string soloLyso = Results(data.path(), "LYSO");
    const std::string soloCytc = Results(data.path(), "CYTC");
    ASSERT_NE(soloLyso.find("Self Selcon3"), std::string::npos);

    // The second window's All methods starts while the first one's first program runs.
    QTimer::singleShot(0, [&] { second.window.action("graphic9")->trigger(); });
    first.window.action("graphic9")->trigger();
    EXPECT_EQ(Results(data.path(), "LYSO"), soloLyso);
    EXPECT_EQ(Results(data.path(), "CYTC"), soloCytc);
    EXPECT_TRUE(first.messages.shown.empty());
    EXPECT_TRUE(second.messages.shown.empty());
}

}  // namespace
}  // namespace tavrelion::mainwindow
