#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <filesystem>

#include "analysis/AnalysisTestFiles.h"
#include "display/PlotWidget.h"
#include "fakes/FakeAnalysis.h"
#include "fakes/FakeDesktopDialogs.h"
#include "fakes/FakeServices.h"
#include "fakes/FakeWindowServices.h"
#include "fakes/TemporaryFolder.h"
#include "fits/FitsWindow.h"
#include "mainwindow/MainWindow.h"
#include "results/ResultWindows.h"

#include <QPlainTextEdit>
#include <QTimer>
#include <QXmlStreamReader>

namespace tavrelion::mainwindow {
namespace {

const std::filesystem::path Source(TAVRELION_SOURCE_DIR);

// The real main window with its menus, the user's part played by fakes.
class MainWindowTest : public testing::Test {
  protected:
    // The program folder is the test's own, with the shipped basis sets.
    MainWindowTest() {
        std::filesystem::copy_file(Source / "data" / "DATA.CD", folder.path() / "DATA.CD");
        window.startUp(QString::fromStdString(folder.path().string()));
        window.resize(800, 600);
        window.show();
    }

    // Copies a sample into the test's folder and opens it through File > Open.
    void open(const char* sample) {
        const auto copy = folder.path() / sample;
        std::filesystem::copy_file(Source / "samples" / sample, copy,
                                   std::filesystem::copy_options::overwrite_existing);
        files.answers.push_back(copy.string());
        window.action("mnufileitem1")->trigger();
    }

    bool isPdf(const QString& file) {
        QFile pdf(file);
        return pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-" && pdf.size() > 1000;
    }

    testing_support::TemporaryFolder folder;
    ProgramState state;
    testing_support::FakeMessages messages;
    testing_support::FakeFileDialogs files;
    testing_support::FakeDialogs dialogs;
    testing_support::FakeDesktopDialogs desktop{QString::fromStdString(folder.path().string())};
    testing_support::FakePrinter printer;
    testing_support::FakeFindDialog findDialog;
    results::ResultWindows resultWindows{
        {*state.store, state.search, messages, files, printer, findDialog}};
    MainWindow window{state, {messages, files, dialogs, desktop, resultWindows}};
};

TEST_F(MainWindowTest, MenusStartWithOnlyOpenQuitAndAboutUsable) {
    EXPECT_EQ(window.windowTitle(), "TAVRELION 2000");
    EXPECT_EQ(window.action("mnufileitem1")->text(), "&Open...");
    EXPECT_EQ(window.action("mnufileitem1")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(window.action("mnufileitem7")->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(window.action("graphic9")->text(), "&All methods");
    EXPECT_FALSE(window.action("mnufileitem0")->isEnabled());
    EXPECT_FALSE(window.action("mnufileitem4")->isEnabled());
    EXPECT_FALSE(window.action("mnusettingsitem2")->isEnabled());
    EXPECT_FALSE(window.findChild<QMenu*>("fit")->menuAction()->isEnabled());
    EXPECT_TRUE(window.findChild<QMenu*>("correction")->menuAction()->isVisible());
    EXPECT_FALSE(window.findChild<QMenu*>("correction")->menuAction()->isEnabled());
    EXPECT_FALSE(window.action("mnuFileArray0")->isVisible());
}

TEST_F(MainWindowTest, OpenedFilesEnableCommandsAndJoinTheLists) {
    open("LYSO.ASC");
    open("UBIQ.ASC");
    open("LYSO.ASC");
    EXPECT_TRUE(window.action("mnufileitem0")->isEnabled());
    EXPECT_TRUE(window.findChild<QMenu*>("fit")->menuAction()->isEnabled());
    EXPECT_TRUE(window.action("mnuFileArray0")->isVisible());
    ASSERT_TRUE(window.action("mnuFileArray2"));
    EXPECT_FALSE(window.action("mnuFileArray3"));
    EXPECT_EQ(window.action("custocolor1")->text(), "LYSO.ASC");
    EXPECT_EQ(state.store->SpectrumCount, 3);
    EXPECT_EQ(window.windowTitle().toStdString(), (folder.path() / "LYSO.ASC").string());

    window.action("mnuFileArray2")->trigger();  // the recent entry of UBIQ.ASC
    EXPECT_EQ(state.store->SlotLabel(4), " 4)UBIQ.ASC");
}

TEST_F(MainWindowTest, AccentedFileNamesAreShownAsTheFileSystemNamesThem) {
    const std::filesystem::path accented = folder.path() /
                                           "Pr\xC3\xBC"
                                           "fung" /
                                           "Lysozym \xC3\xA4 1.ASC";  // Prüfung/Lysozym ä 1
    std::filesystem::create_directory(accented.parent_path());
    std::filesystem::copy_file(Source / "samples" / "LYSO.ASC", accented);
    files.answers.push_back(accented.string());
    window.action("mnufileitem1")->trigger();
    const QString shown = QString::fromUtf8(accented.string().c_str());
    EXPECT_EQ(window.windowTitle(), shown);
    EXPECT_EQ(window.action("mnuFileArray1")->text(), shown);
    EXPECT_EQ(window.action("custocolor1")->text(), QString::fromUtf8("Lysozym \xC3\xA4 1.ASC"));
}

TEST_F(MainWindowTest, WhiteBackgroundTurnsWhiteTextBlackAndNewSetEmptiesTheColourList) {
    open("LYSO.ASC");
    open("UBIQ.ASC");
    desktop.colours = {Qt::white};
    window.action("mnuColorsItem0")->trigger();
    EXPECT_EQ(window.plot().surface().BackColor, display::White);
    EXPECT_EQ(window.plot().surface().ForeColor, display::Black);

    window.action("mnufileitem0")->trigger();  // New set
    open("CYTC.JCD");
    ASSERT_TRUE(window.action("custocolor1"));
    EXPECT_EQ(window.action("custocolor1")->text(), "CYTC.JCD");
    EXPECT_FALSE(window.action("custocolor2"));
    desktop.colours = {QColor(0x12, 0x34, 0x56)};
    window.action("custocolor1")->trigger();
    EXPECT_EQ(state.store->SlotColor(1), 0x00563412u);
}

// Chooses every listed spectrum and keeps the other dialogs' proposals.
struct ChooseAllDialogs : corrections::CorrectionDialogs {
    void showBaseline(corrections::BaselineModel& model) override { model.ok(); }
    void showMultiply(corrections::MultiplyModel& model) override { model.ok(); }
    void showSmooth(corrections::SmoothModel& model) override { model.ok(); }
    void showSlotChoice(corrections::SlotChoiceModel& model) override {
        for (int row = 0; row < static_cast<int>(model.labels().size()); ++row) {
            model.chosenRows.push_back(row);
        }
        model.ok();
    }
};

TEST_F(MainWindowTest, CorrectionsFollowFitAndAddTheCurrentSpectrum) {
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_GE(menus.size(), 5);
    EXPECT_EQ(menus[2]->text(), "F&it");
    EXPECT_EQ(menus[3]->text(), "&Corrections");
    ChooseAllDialogs chooser;
    window.useCorrectionDialogs(chooser);
    open("CYTC.JCD");
    EXPECT_TRUE(window.findChild<QMenu*>("correction")->menuAction()->isEnabled());
    open("LYSO.TVR");
    window.action("baseline5")->trigger();
    window.action("baseline6")->trigger();
    EXPECT_EQ(state.store->SlotLabel(3), " 3)LYSO.TVR, smoothed 5 nm");
    EXPECT_EQ(state.store->SlotLabel(4), " 4)mean of 1, 2, 3");
    EXPECT_EQ(state.store->CurrentSlot, 4);
    EXPECT_EQ(state.store->SlotLabel(2), " 2)LYSO.TVR");
}

TEST_F(MainWindowTest, SavedImageIsTheWindowsPlotBesideTheSpectrum) {
    open("LYSO.ASC");
    const auto image = folder.path() / "LYSO.BMP";
    files.answers.push_back(image.string());
    window.action("mnufileitem4")->trigger();
    EXPECT_EQ(files.saveRequests.back().proposedName, image.string());
    QImage saved;
    ASSERT_TRUE(saved.load(QString::fromStdString(image.string()), "BMP"));
    EXPECT_EQ(saved.size(), window.plot().surface().image().size());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              window.plot().surface().image().convertToFormat(QImage::Format_RGB32));
}

TEST_F(MainWindowTest, ExportedFigureTakesTheChosenFormatsExtension) {
    open("LYSO.ASC");
    desktop.figureChoice = [](display::FigureSettings& settings) {
        settings.format = display::FigureFormat::Pdf;
    };
    files.answers.push_back((folder.path() / "figure").string());
    window.action("mnufileexportfigure")->trigger();
    EXPECT_EQ(files.saveRequests.back().proposedName, (folder.path() / "LYSO.pdf").string());
    EXPECT_TRUE(isPdf(QString::fromStdString((folder.path() / "figure.pdf").string())));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowTest, CopyPutsTheWindowsImageOnTheClipboard) {
    open("UBIQ.ASC");
    window.action("mnufileitem3")->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), window.plot().surface().image().size());
}

TEST_F(MainWindowTest, VectorPrintoutsInFullAndHalfSizeAndTheWindowRedrawn) {
    open("LYSO.ASC");
    const double plotLeft = state.plot.PlotLeft;
    window.action("full1")->trigger();
    window.action("full2")->trigger();
    window.action("bitmap1")->trigger();
    ASSERT_EQ(desktop.printouts.size(), 3u);
    for (const QString& pdf : desktop.printouts) {
        EXPECT_TRUE(isPdf(pdf)) << pdf.toStdString();
    }
    EXPECT_EQ(state.plot.PlotLeft, plotLeft);
}

TEST_F(MainWindowTest, SettingsChangeColoursWidthAndCursor) {
    open("LYSO.ASC");
    desktop.colours = {QColor(Qt::white)};
    window.action("mnuColorsItem0")->trigger();
    EXPECT_EQ(window.plot().surface().BackColor, display::White);
    window.action("mnuColorsItem2")->trigger();
    EXPECT_EQ(window.plot().surface().BackColor, display::Black);
    window.action("linesize4")->trigger();
    EXPECT_EQ(state.plot.LineWidth, 4);
    window.action("mnusettingsitem2")->trigger();
    EXPECT_EQ(window.action("mnusettingsitem2")->text(), "&Show cursor");
    EXPECT_EQ(state.plot.CursorShown, 0);
    window.action("mnusettingsitem2")->trigger();
    EXPECT_EQ(window.action("mnusettingsitem2")->text(), "&Hide cursor");
    desktop.fonts = {QFont("Liberation Mono", 12)};
    window.action("ecran0")->trigger();
    EXPECT_EQ(window.plot().surface().FontSize(), 12);
}

TEST_F(MainWindowTest, ReferenceSetIsOneCheckedChoiceKeptForTheAnalyses) {
    EXPECT_TRUE(window.action("referenceset0")->isChecked());
    window.action("referenceset1")->trigger();
    EXPECT_EQ(state.analysis.referenceSet, analysis::ReferenceSetChoice::Idp175);
    EXPECT_FALSE(window.action("referenceset0")->isChecked());
    window.action("referenceset0")->trigger();
    EXPECT_EQ(state.analysis.referenceSet, analysis::ReferenceSetChoice::Sp175);
    EXPECT_FALSE(window.action("referenceset1")->isChecked());
}

TEST_F(MainWindowTest, HelpOpensTheManualFromTheProgramFolder) {
    const auto countHelpWindows = [] {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            count += widget->objectName() == "frmBrowser" && widget->isVisible();
        }
        return count;
    };
    const int before = countHelpWindows();
    window.action("Help")->trigger();
    window.action("Help")->trigger();
    EXPECT_EQ(countHelpWindows(), before + 2);  // each Help opens a window of its own
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == "frmBrowser") {
            widget->close();
        }
    }
}

TEST_F(MainWindowTest, LeastSquareFitShowsItsReport) {
    open("LYSO.ASC");
    window.action("graphic1")->trigger();
    const auto& shown = resultWindows.window(results::ResultWindowKind::AnalysisResults);
    EXPECT_TRUE(shown.isVisible());
    const std::string text = shown.editor().toPlainText().toStdString();
    EXPECT_NE(text.find(" TAVRELION results"), std::string::npos);
    EXPECT_NE(text.find(" Bolotina "), std::string::npos);
    EXPECT_TRUE(messages.shown.empty());
    resultWindows.CloseResultWindow(results::ResultWindowKind::AnalysisResults);
}

TEST_F(MainWindowTest, HelixFromEllipticityAsksAndTells) {
    open("LYSO.TVR");
    messages.typedAnswers = {"129"};
    window.action("graphic3")->trigger();
    ASSERT_EQ(messages.shown.size(), 2u);
    // -11061.6 at 222 nm, 129 residues: 100 * 11061.6 / (39500 * (1 - 2.57 / 129)) = 28.573
    EXPECT_EQ(messages.shown[1].text, "Alpha helix content in LYSO.TVR 28.573 %");
}

// A stand-in analysis program: a shell script that takes its time and leaves its output.
void WriteScript(const std::filesystem::path& file, const std::string& commands) {
    std::ofstream(file, std::ios::binary) << "#!/bin/sh\n" << commands << "\n";
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
}

TEST_F(MainWindowTest, AnalysisMenuStaysClosedWhileAProgramRuns) {
    folder.write("weights.dat", "map");
    WriteScript(folder.path() / "K2D.EXE",
                "sleep 0.3\nprintf 'K2D\\r\\nALPHA 0.45\\r\\nBETA 0.12\\r\\nCOIL 0.43\\r\\n' > "
                "TAUX.TXT");
    open("LYSO.ASC");
    QMenu* fit = window.findChild<QMenu*>("fit");
    bool enabledDuringRun = true;
    QTimer::singleShot(100, [&] { enabledDuringRun = fit->menuAction()->isEnabled(); });
    window.action("graphic6")->trigger();

    EXPECT_FALSE(enabledDuringRun);
    EXPECT_TRUE(fit->menuAction()->isEnabled());
    const auto& shown = resultWindows.window(results::ResultWindowKind::AnalysisResults);
    EXPECT_TRUE(shown.isVisible());
    EXPECT_NE(shown.editor().toPlainText().toStdString().find("ALPHA 0.45"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "LYSO.K2D"));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "GD.DAT"));
    resultWindows.CloseResultWindow(results::ResultWindowKind::AnalysisResults);
}

// The texts of an SVG file's text elements.
QStringList SvgTexts(const std::filesystem::path& file) {
    QFile svg(QString::fromStdString(file.string()));
    QStringList texts;
    if (!svg.open(QIODevice::ReadOnly)) {
        return texts;
    }
    QXmlStreamReader xml(&svg);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text") {
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    return texts;
}

TEST_F(MainWindowTest, FitsFollowTheAnalysesOfTheCurrentSpectrumAndExportAsSvg) {
    // A SELCON3 report of a sine, as the program wrote it.
    const auto report =
        std::filesystem::path(TAVRELION_SOURCE_DIR) / "tests" / "analysis" / "reports" / "SINE.SC3";
    WriteScript(folder.path() / "selcon3_mod.exe", "cp '" + report.string() + "' protein.ssc");
    open("LYSO.ASC");
    QAction* show = window.action("mnufitsshow");
    EXPECT_EQ(show->text(), "Show &fits");
    EXPECT_FALSE(show->isEnabled());
    window.action("graphic5")->trigger();
    resultWindows.CloseResultWindow(results::ResultWindowKind::AnalysisResults);
    ASSERT_TRUE(show->isEnabled());
    show->trigger();
    ASSERT_TRUE(window.fitsWindow() && window.fitsWindow()->isVisible());
    ASSERT_EQ(window.fitsWindow()->results().size(), 1u);
    EXPECT_EQ(window.fitsWindow()->windowTitle().toStdString(),
              "Fits - " + (folder.path() / "LYSO.ASC").string());

    // Off by default; checked, the back-calculated spectrum is drawn over the plot.
    QAction* overlays = window.action("mnufitsplot");
    EXPECT_FALSE(overlays->isChecked());
    const QImage plain = window.plot().surface().image().copy();
    overlays->trigger();
    ASSERT_EQ(state.plot.Overlays.size(), 1u);
    EXPECT_EQ(state.plot.Overlays[0].label, "SELCON3 fit");
    EXPECT_NE(window.plot().surface().image(), plain);

    desktop.figureChoice = [](display::FigureSettings& settings) {
        settings.format = display::FigureFormat::Svg;
    };
    files.answers.push_back((folder.path() / "fits").string());
    window.fitsWindow()->findChild<QAction*>("fitsexportfigure")->trigger();
    EXPECT_EQ(files.saveRequests.back().proposedName, (folder.path() / "LYSO.svg").string());
    const QStringList texts = SvgTexts(folder.path() / "fits.svg");
    EXPECT_TRUE(texts.contains("SELCON3  NRMSD 0.987 poor")) << texts.join("|").toStdString();
    EXPECT_TRUE(texts.contains("Measured"));
    EXPECT_TRUE(texts.contains("Wavelength (nm)"));
    EXPECT_TRUE(messages.shown.empty());

    // A new spectrum has no analysis: no fits for it, in the menu, the window or the plot.
    open("UBIQ.ASC");
    EXPECT_FALSE(show->isEnabled());
    EXPECT_FALSE(window.fitsWindow()->isVisible());
    EXPECT_TRUE(state.plot.Overlays.empty());
    window.action("graphic5")->trigger();
    resultWindows.CloseResultWindow(results::ResultWindowKind::AnalysisResults);
    EXPECT_TRUE(show->isEnabled());
    EXPECT_EQ(state.plot.Overlays.size(), 1u);
    // A corrected spectrum is a new one too; New set leaves no spectrum at all.
    ChooseAllDialogs chooser;
    window.useCorrectionDialogs(chooser);
    window.action("baseline5")->trigger();  // Smooth
    EXPECT_FALSE(show->isEnabled());
    EXPECT_TRUE(state.plot.Overlays.empty());
    window.action("graphic5")->trigger();
    resultWindows.CloseResultWindow(results::ResultWindowKind::AnalysisResults);
    EXPECT_TRUE(show->isEnabled());
    window.action("mnufileitem0")->trigger();
    EXPECT_FALSE(show->isEnabled());
}

TEST_F(MainWindowTest, AnalyzeOfTheVarselecSolutionsWritesAndShowsTheList) {
    testing_support::FakeAnalysisDialogs analysisDialogs;
    window.useAnalysisDialogs(analysisDialogs);
    folder.write("s.ori", testing_support::BasisFile());  // every spectrum -1.5 to 240 nm
    // Each solution's coefficients after column 162 rebuild -1.5 at every wavelength.
    std::string solutions =
        " Varselec, combination: test\r\n"
        " Spectrum fitted (delta epsilon per residue), 240 to 238 nm: -1.5 -1.5 -1.2\r\n";
    for (int n = 1; n <= 3; ++n) {
        std::string line =
            testing_support::SolutionLine(n, {0.3, 0.2, 0.0, 0.1, 0.4}, 1.0, {1, 2, 3});
        line.resize(162, ' ');
        solutions += line + " 0.50000 0.30000 0.20000\r\n";
    }
    folder.write("solutions.txt", solutions);
    WriteScript(folder.path() / "varslc1.exe", "cp solutions.txt COMB2.OP");
    open("LYSO.ASC");
    window.action("graphic2")->trigger();
    EXPECT_EQ(analysisDialogs.referenceChoices, 1);
    auto& solutionsWindow = resultWindows.window(results::ResultWindowKind::AnalysisResults);
    ASSERT_TRUE(solutionsWindow.isVisible());
    QAction* analyze = solutionsWindow.findChild<QAction*>("mnuAnalyze");
    ASSERT_TRUE(analyze->isVisible());
    analyze->trigger();
    EXPECT_EQ(analysisDialogs.contentBounds, 1);
    const auto& list = resultWindows.window(results::ResultWindowKind::VarselecList);
    EXPECT_TRUE(list.isVisible());
    EXPECT_NE(list.editor().toPlainText().toStdString().find("Number of points : 3"),
              std::string::npos);
    resultWindows.CloseResultWindow(results::ResultWindowKind::AnalysisResults);
    resultWindows.CloseResultWindow(results::ResultWindowKind::VarselecList);

    // The Fits window takes Varselec's average fit from the list, in place of the solutions:
    // sqrt(0.3^2 / (1.5^2 + 1.5^2 + 1.2^2)) = 0.123.
    window.action("mnufitsshow")->trigger();
    ASSERT_TRUE(window.fitsWindow());
    const auto& fits = window.fitsWindow()->results();
    ASSERT_EQ(fits.size(), 1u);
    EXPECT_EQ(fits[0].method, "Varselec");
    ASSERT_TRUE(fits[0].nrmsd);
    EXPECT_NEAR(*fits[0].nrmsd, 0.123, 1e-9);
    EXPECT_EQ(fits[0].quality, "poor");
    EXPECT_EQ(fits[0].calculated, (std::vector<double>{-4950, -4950, -4950}));
}

TEST_F(MainWindowTest, QuitAnsweredNoKeepsEverything) {
    open("LYSO.ASC");
    messages.answers = {false};
    window.action("mnufileitem7")->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Really want to quit TAVRELION 2000? ");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(state.store->SpectrumCount, 1);
}

}  // namespace
}  // namespace tavrelion::mainwindow
