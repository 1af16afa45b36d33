#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>

#include "fakes/FakeServices.h"
#include "fakes/FakeWindowServices.h"
#include "fakes/TemporaryFolder.h"
#include "results/FindText.h"
#include "results/ResultWindows.h"

namespace tavrelion::results {
namespace {

using testing_support::FakeFileDialogs;
using testing_support::FakeFindDialog;
using testing_support::FakeMessages;
using testing_support::FakePrinter;
using testing_support::ReadBytes;
using testing_support::TemporaryFolder;

constexpr const char* OpenError = "Error encountered while trying to open file, please retry.";

class ResultWindowTest : public testing::Test {
  protected:
    ResultWindow& results() { return windows.window(ResultWindowKind::AnalysisResults); }
    ResultWindow& list() { return windows.window(ResultWindowKind::VarselecList); }

    static QAction& Action(ResultWindow& window, const char* name) {
        auto* action = window.findChild<QAction*>(name);
        EXPECT_NE(action, nullptr) << name;
        return *action;
    }
    static void Trigger(ResultWindow& window, const char* name) { Action(window, name).trigger(); }
    static QString Selected(ResultWindow& window) {
        return window.editor().textCursor().selectedText();
    }
    std::string Write(const char* name, const std::string& bytes) {
        return folder.write(name, bytes).string();
    }

    TemporaryFolder folder;
    store::SpectrumStore store;
    SearchState search;
    FakeMessages messages;
    FakeFileDialogs dialogs;
    FakePrinter printer;
    FakeFindDialog findDialog;
    ResultWindows windows{
        ResultWindowServices{store, search, messages, dialogs, printer, findDialog}};
};

TEST_F(ResultWindowTest, ShowsAFileEndingInCrLfWithoutItsLfAndSavesItWithCrLf) {
    const std::string report = Write("FIT.VAL", " TAVRELION results\r\n Fasman  0.35\r\n");
    windows.OpenResultWindow(report, ResultWindowKind::AnalysisResults);

    EXPECT_TRUE(results().isVisible());
    EXPECT_EQ(results().windowTitle().toStdString(), "Tavrelion Editor: " + report);
    EXPECT_EQ(results().text(), " TAVRELION results\r\n Fasman  0.35\r");
    EXPECT_EQ(results().editor().toPlainText(), " TAVRELION results\n Fasman  0.35\n");

    const std::string saved = (folder.path() / "COPY.OUT").string();
    dialogs.answers = {saved};
    Trigger(results(), "mnufileitem3");
    EXPECT_EQ(ReadBytes(saved), " TAVRELION results\r\n Fasman  0.35\r\r\n");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ResultWindowTest, ATableShownAboveTheSummaryIsSavedWithItAndLeavesTheFileAlone) {
    const std::string summary = Write("LYSO.SUM", " Fasman  0.35\r\n Varselec 35.00 ");
    windows.OpenResultWindow(summary, ResultWindowKind::AnalysisResults,
                             " method  helix\r\n Fasman  0.350\r\n\r\n");
    EXPECT_EQ(results().windowTitle().toStdString(), "Tavrelion Editor: " + summary);
    EXPECT_EQ(results().editor().toPlainText(),
              " method  helix\n Fasman  0.350\n\n Fasman  0.35\n Varselec 35.00");
    EXPECT_EQ(ReadBytes(summary), " Fasman  0.35\r\n Varselec 35.00 ");
}

TEST_F(ResultWindowTest, EditedTextIsSavedWithCrLfLineEnds) {
    windows.OpenResultWindow(Write("A.SCM", "line 1\nline 2\n"), ResultWindowKind::AnalysisResults);
    QTextCursor cursor = results().editor().textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\nnote"));
    results().editor().setTextCursor(cursor);
    EXPECT_EQ(results().text(), "line 1\r\nline 2\r\nnote");
}

TEST_F(ResultWindowTest, AnalyzeIsOfferedOnlyWhileAVarselecSolutionsFileIsShown) {
    int analyses = 0;
    windows.setAnalyzeHandler([&] { ++analyses; });
    QAction& analyze = Action(results(), "mnuAnalyze");
    EXPECT_EQ(analyze.text(), "&Analyze");
    EXPECT_FALSE(analyze.isVisible());

    windows.OpenResultWindow(Write("LYSO.OUT", "Solutions\r\ncombination: 1 2 3\r\n"),
                             ResultWindowKind::AnalysisResults);
    EXPECT_TRUE(analyze.isVisible());
    analyze.trigger();
    EXPECT_EQ(analyses, 1);

    windows.OpenResultWindow(Write("LYSO.K2D", "ALPHA 0.45\r\n"),
                             ResultWindowKind::AnalysisResults);
    EXPECT_FALSE(analyze.isVisible());

    windows.OpenResultWindow(Write("LYSO.LST", "combination: in a list\r\n"),
                             ResultWindowKind::VarselecList);
    QAction& blank = Action(list(), "mnuAnalyze");
    EXPECT_TRUE(blank.isVisible());
    EXPECT_EQ(blank.text(), " ");
    blank.trigger();
    EXPECT_EQ(analyses, 1) << "the list window's menu does nothing";
}

TEST_F(ResultWindowTest, AFileThatCannotBeReadIsToldAndTheWindowStaysAsItWas) {
    windows.OpenResultWindow((folder.path() / "MISSING.OUT").string(),
                             ResultWindowKind::AnalysisResults);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, OpenError);
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Critical);
    EXPECT_FALSE(results().isVisible());

    windows.OpenResultWindow(Write("FULL.OUT", "text\r\n"), ResultWindowKind::AnalysisResults);
    windows.OpenResultWindow(Write("EMPTY.OUT", ""), ResultWindowKind::AnalysisResults);
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{OpenError, OpenError}));
    EXPECT_TRUE(results().isVisible());
    EXPECT_EQ(results().windowTitle(), "Secondary structure contents");
    EXPECT_EQ(results().editor().toPlainText(), "");
}

TEST_F(ResultWindowTest, FindWalksThroughEveryHelixWhateverItsCase) {
    windows.OpenResultWindow(Write("S.SC3", "helix at the start\r\nHELIX 0.35\r\nHelix 0.31\r\n"),
                             ResultWindowKind::AnalysisResults);
    findDialog.presses = {"helix"};
    Trigger(results(), "mnuEditItem4");
    EXPECT_EQ(search.SearchText, "helix");
    EXPECT_EQ(results().editor().textCursor().selectionStart(), 0);  // the very first characters
    EXPECT_EQ(Selected(results()), "helix");

    Trigger(results(), "mnuEditItem5");
    EXPECT_EQ(results().editor().textCursor().selectionStart(), 19);
    EXPECT_EQ(Selected(results()), "HELIX");

    Trigger(results(), "mnuEditItem5");
    EXPECT_EQ(results().editor().textCursor().selectionStart(), 30);
    EXPECT_EQ(Selected(results()), "Helix");
    EXPECT_TRUE(messages.shown.empty());

    Trigger(results(), "mnuEditItem5");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Text not found"});
    EXPECT_EQ(messages.shown.back().icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(results().editor().textCursor().selectionStart(), 30) << "the selection stays";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass is gone";
}

TEST_F(ResultWindowTest, FindFindsTheFirstCharacterAndCancelKeepsTheSearchText) {
    windows.OpenResultWindow(Write("S.LST", "helix only here\r\n"), ResultWindowKind::VarselecList);
    search.SearchText = "helix";
    findDialog.presses = {std::nullopt};
    Trigger(list(), "mnuEditItem4");
    EXPECT_EQ(findDialog.shownTexts, std::vector<std::string>{"helix"});
    EXPECT_EQ(search.SearchText, "helix");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Selected(list()), "helix");
}

TEST_F(ResultWindowTest, SaveOverAnExistingFileAnsweredNoLeavesItUntouched) {
    const std::string existing = Write("KEEP.OUT", "keep me\r\n");
    windows.OpenResultWindow(Write("FIT.VAL", "new\r\n"), ResultWindowKind::AnalysisResults);
    dialogs.answers = {existing};
    messages.answers = {false};
    Trigger(results(), "mnufileitem3");
    EXPECT_EQ(ReadBytes(existing), "keep me\r\n");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Overwrite existing file?\r" + existing});

    dialogs.answers = {existing};
    messages.answers = {true};
    Trigger(results(), "mnufileitem3");
    EXPECT_EQ(ReadBytes(existing), "new\r\r\n");
}

TEST_F(ResultWindowTest, CancelledLoadOpensTheProposedListFileOrTellsItIsMissing) {
    store.SpectrumFileName = (folder.path() / "LYSO.ASC").string();
    Write("LYSO.LST", " Results for VARSELEC fit program\r\n");
    Trigger(list(), "mnufileitem1");
    EXPECT_TRUE(list().isVisible());
    EXPECT_EQ(list().text(), " Results for VARSELEC fit program\r");
    EXPECT_EQ(dialogs.openRequests.at(0).proposedName, (folder.path() / "LYSO.LST").string());

    std::filesystem::remove(folder.path() / "LYSO.LST");
    Trigger(list(), "mnufileitem1");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{OpenError});
    EXPECT_EQ(list().text(), " Results for VARSELEC fit program\r") << "the window stays";
}

TEST_F(ResultWindowTest, LoadInTheResultsWindowNamesTheSolutionsFileForAnalyze) {
    const std::string chosen = Write("RUN.OUT", "combination: 1\r\n");
    dialogs.answers = {chosen};
    Trigger(results(), "mnufileitem1");
    EXPECT_EQ(store.ResultFilePath, chosen);
    EXPECT_TRUE(Action(results(), "mnuAnalyze").isVisible());
}

TEST_F(ResultWindowTest, SaveAndPrintWaitForTextInTheResultsWindowOnly) {
    EXPECT_FALSE(Action(results(), "mnufileitem3").isEnabled());
    EXPECT_FALSE(Action(results(), "mnufileitem4").isEnabled());
    EXPECT_TRUE(Action(list(), "mnufileitem3").isEnabled());
    EXPECT_TRUE(Action(list(), "mnufileitem4").isEnabled());

    const std::string report = Write("FIT.VAL", "Fasman\r\nChen\r\n");
    windows.OpenResultWindow(report, ResultWindowKind::AnalysisResults);
    EXPECT_TRUE(Action(results(), "mnufileitem3").isEnabled());
    Trigger(results(), "mnufileitem4");
    ASSERT_EQ(printer.jobs.size(), 1U);
    EXPECT_EQ(printer.jobs[0].documentPath, report);
    EXPECT_EQ(printer.jobs[0].lines, (std::vector<std::string>{"Fasman", "Chen", ""}));

    Trigger(results(), "mnufileitem7");
    EXPECT_FALSE(results().isVisible()) << "Close hides the window";
}

TEST_F(ResultWindowTest, EditCommandsUseTheClipboardAndNeedASelectionToCutOrCopy) {
    windows.OpenResultWindow(Write("FIT.VAL", "Helix 0.35\r\n"), ResultWindowKind::AnalysisResults);
    auto* edit = results().findChild<QMenu*>("mnuEdit");
    ASSERT_NE(edit, nullptr);
    emit edit->aboutToShow();
    EXPECT_FALSE(Action(results(), "mnuEditItem0").isEnabled());
    EXPECT_FALSE(Action(results(), "mnuEditItem1").isEnabled());

    QTextCursor cursor = results().editor().textCursor();
    cursor.setPosition(6);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    results().editor().setTextCursor(cursor);
    emit edit->aboutToShow();
    EXPECT_TRUE(Action(results(), "mnuEditItem1").isEnabled());
    Trigger(results(), "mnuEditItem1");
    EXPECT_EQ(QApplication::clipboard()->text(), "0.35");

    QApplication::clipboard()->setText(QStringLiteral("0.40"));
    Trigger(results(), "mnuEditItem2");
    EXPECT_EQ(results().text(), "Helix 0.40\r\n") << "edited, every line end is CR LF";

    cursor.setPosition(0);
    cursor.setPosition(6, QTextCursor::KeepAnchor);
    results().editor().setTextCursor(cursor);
    emit edit->aboutToShow();
    Trigger(results(), "mnuEditItem0");
    EXPECT_EQ(QApplication::clipboard()->text(), "Helix ");
    EXPECT_EQ(results().text(), "0.40\r\n");
}

}  // namespace
}  // namespace tavrelion::results
