#include <gtest/gtest.h>

#include "fakes/FakeServices.h"
#include "fakes/FakeWindowServices.h"
#include "fakes/TemporaryFolder.h"
#include "results/ResultWindowModel.h"

namespace tavrelion::results {
namespace {

using testing_support::FakeFileDialogs;
using testing_support::FakeMessages;
using testing_support::ReadBytes;
using testing_support::TemporaryFolder;

class ResultWindowFileCommands : public testing::Test {
  protected:
    store::SpectrumStore store;
    FakeFileDialogs dialogs;
    ResultWindowModel list{ResultWindowKind::VarselecList, store};
    ResultWindowModel results{ResultWindowKind::AnalysisResults, store};
};

TEST_F(ResultWindowFileCommands, ListWindowOffersListAndTextFilesAndSavesUnderTheListName) {
    store.SpectrumFileName = "/data/LYSO.ASC";
    list.chooseFileToLoad(dialogs);
    const auto& filters = dialogs.openRequests.at(0).filters;
    ASSERT_EQ(filters.size(), 3U);
    EXPECT_EQ(filters[0].description, "Varselec result files (*.LST)");
    EXPECT_EQ(filters[0].patterns, "*.LST");
    EXPECT_EQ(filters[1].patterns, "*.TXT");

    dialogs.answers = {"/elsewhere/OTHER.LST"};
    EXPECT_EQ(list.chooseFileToSave(dialogs), "/elsewhere/OTHER.LST");
    EXPECT_EQ(dialogs.saveRequests.at(0).proposedName, "/data/LYSO.LST");
}

TEST_F(ResultWindowFileCommands, SaveAsProposesTheShownResultWithItsFilterAndCancelSavesNothing) {
    TemporaryFolder folder;
    const std::string k2d = folder.write("LYSO.K2D", "K2D report\r\n").string();
    store.ResultFilePath = k2d;
    results.open(k2d);
    EXPECT_EQ(results.chooseFileToSave(dialogs), std::nullopt) << "cancelled";
    EXPECT_EQ(dialogs.saveRequests.at(0).proposedName, k2d);
    ASSERT_EQ(dialogs.saveRequests.at(0).filters.size(), 2U);
    EXPECT_EQ(dialogs.saveRequests.at(0).filters[0].description, "K2D result files (*.K2D)");

    dialogs.answers = {"/elsewhere/COPY.K2D"};
    EXPECT_EQ(results.chooseFileToSave(dialogs), "/elsewhere/COPY.K2D");
    EXPECT_EQ(results.chooseFileToLoad(dialogs), "/elsewhere/COPY.K2D") << "held from the save";

    results.reset();
    EXPECT_EQ(results.chooseFileToLoad(dialogs), std::nullopt) << "a closed window forgets it";
}

TEST_F(ResultWindowFileCommands, NamesTooShortForABaseEndTheCommandSilently) {
    dialogs.answers = {"a.b"};
    EXPECT_EQ(results.chooseFileToLoad(dialogs), std::nullopt);
    EXPECT_EQ(store.ResultFilePath, "");
}

TEST_F(ResultWindowFileCommands, WithoutASpectrumTheDialogStillOpensWithoutProposal) {
    dialogs.answers = {"/data/OLD.LST"};
    EXPECT_EQ(list.chooseFileToLoad(dialogs), "/data/OLD.LST");
    EXPECT_EQ(dialogs.openRequests.at(0).proposedName, "");
}

TEST(SaveResultText, TellsOfAFileThatCannotBeWritten) {
    const TemporaryFolder folder;
    FakeMessages messages;
    EXPECT_FALSE(SaveResultText((folder.path() / "no" / "x.LST").string(), "a", messages));
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, "Error occurred trying to close file, please retry.");
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Critical);
}

TEST(FileDialogFilters, ReadTheProgramsBarSeparatedLists) {
    const auto filters =
        platform::ParseFilterList("HTML files(*.html)|*.htm*|All files (*.*)|*.*|");
    ASSERT_EQ(filters.size(), 2U);
    EXPECT_EQ(filters[0].description, "HTML files(*.html)");
    EXPECT_EQ(filters[0].patterns, "*.htm*");
    EXPECT_EQ(filters[1].patterns, "*.*");
    EXPECT_TRUE(platform::ParseFilterList("").empty());
}

}  // namespace
}  // namespace tavrelion::results
