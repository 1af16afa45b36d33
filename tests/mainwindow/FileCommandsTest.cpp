#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "fakes/FakeServices.h"
#include "fakes/FakeWindowServices.h"
#include "fakes/TemporaryFolder.h"
#include "mainwindow/FileCommands.h"

namespace tavrelion::mainwindow {
namespace {

using testing::ElementsAre;

const std::filesystem::path Samples = std::filesystem::path(TAVRELION_SOURCE_DIR) / "samples";
const std::filesystem::path Data = std::filesystem::path(TAVRELION_SOURCE_DIR) / "data";

std::string Sample(const char* name) {
    return (Samples / name).string();
}

class RecordingView : public MainWindowView {
  public:
    void setCaption(const std::string& text) override { caption = text; }
    void redrawPlot() override { ++redraws; }
    void clearPlot() override { ++clears; }
    void commandsChanged() override {}

    std::string caption;
    int redraws = 0;
    int clears = 0;
};

class FileCommandsTest : public testing::Test {
  protected:
    // The program folder is the test's own, with the shipped basis sets: loads write CD.TMP there.
    FileCommandsTest() {
        std::filesystem::copy_file(Data / "DATA.CD", programFolder.path() / "DATA.CD");
        commands.StartUp(programFolder.path().string());
    }

    void open(const std::string& path) {
        files.answers.push_back(path);
        commands.Open();
    }

    store::SpectrumStore& store() { return *state.store; }

    testing_support::TemporaryFolder programFolder;
    ProgramState state;
    RecordingView view;
    testing_support::FakeMessages messages;
    testing_support::FakeFileDialogs files;
    testing_support::FakeDialogs dialogs;
    FileCommands commands{state, view, {messages, files, dialogs}};
};

TEST_F(FileCommandsTest, StartUpLeavesOnlyOpenQuitAndAbout) {
    EXPECT_EQ(view.caption, "TAVRELION 2000");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(state.commands.leastSquareFit);
    EXPECT_FALSE(state.commands.newSet || state.commands.print || state.commands.fitMenu ||
                 state.commands.hideCursor || state.commands.corrections);
    EXPECT_EQ(state.plot.CursorIndex, 1);
    EXPECT_EQ(state.plot.CursorShown, 1);
    EXPECT_EQ(store().ProgramDir, programFolder.path().string());
    EXPECT_EQ((*state.referenceSets)(estimation::Chang).ComponentCount, 4);
}

TEST_F(FileCommandsTest, MissingBasisSetsAreToldOnceAndDisableTheFit) {
    testing_support::TemporaryFolder empty;
    ProgramState fresh;
    FileCommands other{fresh, view, {messages, files, dialogs}};
    other.StartUp(empty.path().string());
    EXPECT_THAT(messages.texts(),
                ElementsAre("Fail to find " + empty.path().string() + " Data.cd"));
    EXPECT_FALSE(fresh.commands.leastSquareFit);
}

TEST_F(FileCommandsTest, OpeningThreeSamplesFillsThreeSlots) {
    store().BaselineCorrection = 5;
    open(Sample("LYSO.ASC"));
    open(Sample("UBIQ.ASC"));
    open(Sample("CYTC.JCD"));
    EXPECT_EQ(store().SpectrumCount, 3);
    EXPECT_EQ(store().CurrentSlot, 3);
    EXPECT_EQ(store().SlotLabel(1), " 1)LYSO.ASC");
    EXPECT_EQ(store().SlotLabel(3), " 3)CYTC.JCD");
    EXPECT_EQ(store().ResultFilePath, " 3)CYTC.JCD");
    EXPECT_EQ(store().BaselineCorrection, 0);
    EXPECT_EQ(store().MultiplyFactor, 1);
    EXPECT_EQ(view.caption, Sample("CYTC.JCD"));
    EXPECT_EQ(view.redraws, 3);
    EXPECT_EQ(state.recentFiles.paths().size(), 3u);
    EXPECT_TRUE(state.commands.newSet && state.commands.fitMenu && state.commands.hideCursor);
    EXPECT_TRUE(state.commands.corrections);  // a JCD file can be corrected too
    ASSERT_EQ(files.openRequests.size(), 3u);
    EXPECT_EQ(files.openRequests[0].title, "Choose a CD spectrum file");
    // Every kind the program reads, each on its own and all together, and all files.
    ASSERT_EQ(files.openRequests[0].filters.size(), 10u);
    EXPECT_EQ(files.openRequests[0].filters[0].description, "All spectrum files");
    EXPECT_EQ(files.openRequests[0].filters[3].description, "JCD files (*.JCD)");
    EXPECT_EQ(files.openRequests[0].filters[9].description, "All files (*)");
    EXPECT_EQ(files.openRequests[0].filters[9].patterns, "*");
}

TEST_F(FileCommandsTest, SameFileTwiceUsesTwoSlotsAndOneRecentEntry) {
    open(Sample("LYSO.TVR"));
    open(Sample("LYSO.TVR"));
    EXPECT_EQ(store().SpectrumCount, 2);
    EXPECT_EQ(state.recentFiles.paths().size(), 1u);
}

TEST_F(FileCommandsTest, SixteenthOpenAsksBeforeClearingTheScreen) {
    for (int i = 0; i < 15; ++i) {
        open(Sample("LYSO.TVR"));
    }
    ASSERT_EQ(store().SpectrumCount, 15);
    messages.answers = {false};
    commands.Open();
    EXPECT_THAT(messages.texts(), ElementsAre("Loading a new spectrum will clear the screen"));
    EXPECT_EQ(store().SpectrumCount, 15);
    EXPECT_EQ(files.openRequests.size(), 15u);  // no dialog after No

    messages.answers = {true};
    open(Sample("UBIQ.ASC"));
    EXPECT_EQ(store().SpectrumCount, 1);
    EXPECT_EQ(store().CurrentSlot, 1);
    EXPECT_EQ(store().SlotLabel(1), " 1)UBIQ.ASC");
}

TEST_F(FileCommandsTest, NewSetThenOpenStartsAgainAtSlotOne) {
    open(Sample("LYSO.TVR"));
    open(Sample("UBIQ.ASC"));
    commands.NewSet();
    EXPECT_EQ(view.caption, "TAVRELION 2000");
    EXPECT_EQ(store().SpectrumCount, 0);
    EXPECT_EQ(store().SpectrumLoaded, 0);
    EXPECT_EQ(store().DisplayFirstWavelength, 0);
    EXPECT_FALSE(state.commands.newSet || state.commands.fitMenu);
    EXPECT_EQ(view.clears, 1);
    EXPECT_EQ(state.recentFiles.paths().size(), 2u);  // the lists stay
    open(Sample("CYTC.JCD"));
    EXPECT_EQ(store().SlotLabel(1), " 1)CYTC.JCD");
}

TEST_F(FileCommandsTest, CancelledOrFailedOpenKeepsTheCount) {
    open(Sample("LYSO.TVR"));
    commands.Open();  // the dialog is cancelled
    EXPECT_EQ(store().SpectrumCount, 1);
    EXPECT_EQ(view.caption, Sample("LYSO.TVR"));

    testing_support::TemporaryFolder folder;
    open(folder.write("BROKEN.TVR", "title\r\n3,unit\r\n").string());
    EXPECT_EQ(store().SpectrumCount, 1);
    EXPECT_EQ(store().CurrentSlot, 1);
    EXPECT_THAT(messages.texts(), ElementsAre("Error  62 in format\r\nBROKEN.TVR, line 3"));
}

TEST_F(FileCommandsTest, RecentEntryLoadsIntoTheNextSlotAndNamesItInTheCaption) {
    open(Sample("LYSO.TVR"));
    open(Sample("UBIQ.ASC"));
    commands.OpenRecent(1);
    EXPECT_EQ(store().SpectrumCount, 3);
    EXPECT_EQ(store().SlotLabel(3), " 3)LYSO.TVR");
    EXPECT_EQ(store().SpectrumFileName, Sample("LYSO.TVR"));
    EXPECT_EQ(view.caption, Sample("LYSO.TVR"));
    commands.OpenRecent(7);  // no such entry
    EXPECT_EQ(store().SpectrumCount, 3);
}

TEST_F(FileCommandsTest, RefusedFileLeavesTheCurrentSpectrumAndItsName) {
    open(Sample("UBIQ.ASC"));
    testing_support::TemporaryFolder folder;
    const std::string bytes = testing_support::ReadBytes(Sample("LYSO.ASC"));
    const std::string truncated =
        folder.write("PROTB.ASC", bytes.substr(0, bytes.size() / 2)).string();
    for (const std::string& refused : {truncated, folder.write("PROTB.TXT", "x").string()}) {
        open(refused);
        EXPECT_EQ(store().SpectrumFileName, Sample("UBIQ.ASC"));
        EXPECT_EQ(store().SpectrumCount, 1);
        EXPECT_EQ(store().PointCount, 66);
        EXPECT_EQ(store().SpectrumValue(48), -4610.1);  // 222 nm, UBIQ's own value
        EXPECT_EQ(view.caption, Sample("UBIQ.ASC"));
    }
}

TEST_F(FileCommandsTest, CancelledOpenAfterTheSixteenthQuestionClearsNothing) {
    for (int i = 0; i < 15; ++i) {
        open(Sample("LYSO.TVR"));
    }
    messages.answers = {true};
    commands.Open();  // Yes, then the dialog is cancelled
    EXPECT_EQ(store().SpectrumCount, 15);
    EXPECT_EQ(store().CurrentSlot, 15);
    EXPECT_TRUE(state.commands.fitMenu);
}

TEST_F(FileCommandsTest, ImageNameIsProposedBesideTheSpectrum) {
    EXPECT_FALSE(commands.ChooseImageFile());  // no file yet: nothing asked
    EXPECT_TRUE(files.saveRequests.empty());
    open(Sample("LYSO.ASC"));
    files.answers.push_back("/tmp/chosen.BMP");
    EXPECT_EQ(commands.ChooseImageFile(), "/tmp/chosen.BMP");
    ASSERT_EQ(files.saveRequests.size(), 1u);
    EXPECT_EQ(files.saveRequests[0].title, "Save the image as a bitmap");
    EXPECT_EQ(files.saveRequests[0].proposedName, (Samples / "LYSO.BMP").string());
    EXPECT_EQ(files.saveRequests[0].filters[0].patterns, "*.BMP");
}

TEST_F(FileCommandsTest, SavedSpectrumOpensAgainWithTheSameGrid) {
    commands.SaveSpectrumAsTvr();  // no spectrum yet: nothing asked
    EXPECT_TRUE(files.saveRequests.empty());
    open(Sample("CYTC.JCD"));
    const auto saved = (programFolder.path() / "CYTC.TVR").string();
    files.answers.push_back(saved);
    commands.SaveSpectrumAsTvr();
    ASSERT_EQ(files.saveRequests.size(), 1u);
    EXPECT_EQ(files.saveRequests[0].proposedName, (Samples / "CYTC.TVR").string());
    const store::SpectrumStore before = store();
    open(saved);
    EXPECT_EQ(store().PointCount, before.PointCount);
    EXPECT_EQ(store().SpectrumValue(48), before.SpectrumValue(48));

    files.answers.push_back((programFolder.path() / "CYTC.csv").string());
    commands.ExportSpectrumAsCsv();
    EXPECT_EQ(files.saveRequests.at(1).filters[0].patterns, "*.csv");
    EXPECT_TRUE(std::filesystem::exists(programFolder.path() / "CYTC.csv"));
}

}  // namespace
}  // namespace tavrelion::mainwindow
