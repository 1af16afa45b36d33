#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <filesystem>

#include "analysis/MethodResultReaders.h"
#include "analysis/QtAnalysisDialogs.h"
#include "corrections/CorrectionCommands.h"
#include "corrections/QtCorrectionDialogs.h"
#include "display/Colours.h"
#include "display/Figure.h"
#include "display/FigureExport.h"
#include "display/PlotWidget.h"
#include "display/PrintVector.h"
#include "display/PrinterSurface.h"
#include "drivers/ProgramRunner.h"
#include "drivers/RunningProgramWindow.h"
#include "fits/FitCurves.h"
#include "fits/FitsFigure.h"
#include "fits/FitsWindow.h"
#include "fits/ReportFits.h"
#include "mainwindow/DesktopDialogs.h"
#include "mainwindow/PrintingNote.h"
#include "platform/DisplayText.h"
#include "platform/ProgramName.h"
#include "results/ResultWindows.h"
#include "store/TextRoutines.h"

namespace tavrelion::mainwindow {
namespace {

display::Colour ToColour(const QColor& colour) {
    return static_cast<display::Colour>(colour.red()) |
           (static_cast<display::Colour>(colour.green()) << 8) |
           (static_cast<display::Colour>(colour.blue()) << 16);
}

}  // namespace

MainWindow::MainWindow(ProgramState& state, MainWindowServices services, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      services_(services),
      commands_(state, *this, {services.messages, services.fileDialogs, services.dialogs}),
      plot_(new display::PlotWidget(*state.store, state.plot)),
      ownAnalysisDialogs_(std::make_unique<analysis::QtAnalysisDialogs>(this)),
      ownCorrectionDialogs_(std::make_unique<corrections::QtCorrectionDialogs>(this)),
      correctionDialogs_(ownCorrectionDialogs_.get()) {
    setObjectName("frmeditor");
    useAnalysisDialogs(*ownAnalysisDialogs_);
    // The list the analysis writes holds Varselec's average fit, which the Fits window shows.
    services_.resultWindows.setAnalyzeHandler([this] {
        if (analysis_->VarselecAnalysis()) {
            recordAnalysis();
        }
    });
    setCentralWidget(plot_);
    plot_->installEventFilter(this);
    buildMenus();
    resize(900, 620);
}

MainWindow::~MainWindow() = default;

void MainWindow::startUp(const QString& programDir) {
    commands_.StartUp(programDir.toStdString());
}

void MainWindow::setCaption(const std::string& caption) {
    setWindowTitle(platform::DisplayText(caption));
}

void MainWindow::redrawPlot() {
    syncColourEntries();
    plot_->redraw();
}

void MainWindow::clearPlot() {
    plot_->surface().Clear();
    plot_->update();
}

void MainWindow::chooseColour(int item) {
    display::ImageSurface& surface = plot_->surface();
    display::Colour* edited = nullptr;
    if (item < 0) {
        edited = &surface.BackColor;
    } else if (item == 0) {
        edited = &surface.ForeColor;
    } else if (item <= store::MaxSlots) {
        edited = &state_.store->SlotColor(item);
    } else {
        return;
    }
    if (const auto chosen = services_.desktop.chooseColour(display::ToQColor(*edited))) {
        *edited = ToColour(*chosen);
    }
    // Axes and labels must not vanish into a new background.
    surface.ForeColor = display::ContrastingTextColour(surface.ForeColor, surface.BackColor);
    redrawPlot();
}

void MainWindow::setDefaultColours() {
    plot_->surface().BackColor = display::Black;
    plot_->surface().ForeColor = display::White;
    store::SetDefaultSlotColours(*state_.store);
    redrawPlot();
}

void MainWindow::chooseFont(bool printerFonts) {
    if (printerFonts) {
        if (const auto chosen = services_.desktop.chooseFont(printerFont_, true)) {
            printerFont_ = *chosen;
        }
        return;
    }
    display::ImageSurface& surface = plot_->surface();
    if (const auto chosen = services_.desktop.chooseFont(surface.font(), false)) {
        surface.setFont(*chosen);  // shown from the next redraw on
    }
}

void MainWindow::useAnalysisDialogs(analysis::AnalysisDialogs& dialogs) {
    analysisDialogs_ = &dialogs;
    analysis_ = std::make_unique<analysis::AnalysisCommands>(analysis::AnalysisContext{
        *state_.store, *state_.referenceSets, *state_.fitResults, state_.ResidueCount,
        state_.analysis, services_.messages, *analysisDialogs_, *this});
}

void MainWindow::correct(int entry) {
    corrections::CorrectionCommands commands(*state_.store, services_.messages, *correctionDialogs_,
                                             [this] { redrawPlot(); });
    // The corrected spectrum is a new one, which no analysis has seen.
    if (commands.Run(entry) > 0) {
        state_.commands.analyses.forget();
        commandsChanged();
        redrawPlot();
    }
}

void MainWindow::analyse(int entry) {
    analysis_->AnalysisMenuClick(entry);
    recordAnalysis();
}

void MainWindow::recordAnalysis() {
    if (analysis_->resultFiles().empty()) {
        return;
    }
    state_.commands.analyses.analysed(analysis_->resultFiles());
    commandsChanged();
    syncFitOverlays();
    if (fitsWindow_ != nullptr && fitsWindow_->isVisible()) {
        showFits();
    }
}

std::vector<analysis::MethodResult> MainWindow::lastResults() const {
    const std::vector<std::string>& files = state_.commands.analyses.files();
    std::vector<analysis::MethodResult> results;
    // The least-squares report holds no spectrum: its fits are computed again from the fit.
    const bool leastSquares = std::any_of(files.begin(), files.end(), [](const std::string& file) {
        return store::UpperCase(std::filesystem::path(file).extension().string()) == ".FIT";
    });
    if (leastSquares) {
        results =
            analysis::LeastSquaresResults(*state_.store, *state_.referenceSets, *state_.fitResults);
    }
    for (analysis::MethodResult& result : fits::ReadReportFits(files)) {
        results.push_back(std::move(result));
    }
    return results;
}

void MainWindow::syncFitOverlays() {
    const bool wanted = action("mnufitsplot")->isChecked() && state_.commands.showFits();
    state_.plot.Overlays = wanted ? fits::PlotOverlays(fits::DrawnResults(lastResults(), false))
                                  : std::vector<display::OverlayCurve>();
    redrawPlot();
}

void MainWindow::showFits() {
    if (!state_.commands.showFits()) {
        return;
    }
    if (fitsWindow_ == nullptr) {
        fitsWindow_ = new fits::FitsWindow(this);
        fitsWindow_->setExportHandler([this] { exportFitsFigure(); });
    }
    const std::vector<analysis::MethodResult> results = lastResults();
    display::FigureSettings settings = fits::DefaultFitsSettings(results);
    // A unit chosen for an export stays; the ranges follow the new results.
    settings.units = fitsWindow_->settings().units;
    fitsWindow_->showResults(state_.store->SpectrumFileName, results, settings);
    fitsWindow_->show();
    fitsWindow_->raise();
}

void MainWindow::exportFitsFigure() {
    if (fitsWindow_ == nullptr || fitsWindow_->results().empty()) {
        return;
    }
    const std::vector<analysis::MethodResult> drawn = fitsWindow_->drawnResults();
    display::FigureSettings settings = fitsWindow_->settings();
    if (exportDrawing(
            [&drawn](display::DrawingSurface& surface, const display::FigureSettings& chosen) {
                fits::DrawFitsFigure(surface, drawn, chosen);
            },
            settings, "CD spectra and their fits")) {
        // The settings chosen for the export stay for the window.
        fitsWindow_->showResults(state_.store->SpectrumFileName, fitsWindow_->results(), settings);
    }
}

// A program that runs longer than a second gets a window with Cancel over this one.
drivers::ProgramOutcome MainWindow::runProgram(const std::string& program,
                                               const std::vector<std::string>& arguments,
                                               const std::string& workingFolder) {
    drivers::RunLimits limits;
    limits.showRunning = [this](const std::string& name, std::function<void()> cancel) {
        return drivers::ShowRunningProgram(this, name, std::move(cancel));
    };
    return drivers::RunAndWait(program, arguments, workingFolder, limits);
}

void MainWindow::showResult(const std::string& path, results::ResultWindowKind window) {
    services_.resultWindows.OpenResultWindow(path, window);
}

void MainWindow::showResultWithPreface(const std::string& path, results::ResultWindowKind window,
                                       const std::string& preface) {
    services_.resultWindows.OpenResultWindow(path, window, preface);
}

void MainWindow::closeResult(results::ResultWindowKind window) {
    services_.resultWindows.CloseResultWindow(window);
}

// The F&it menu stays closed while an analysis program runs.
void MainWindow::analysisRunning(bool running) {
    analysisRunning_ = running;
    commandsChanged();
}

void MainWindow::printBitmap() {
    const auto printer = services_.desktop.startPrintout(windowTitle());
    if (!printer) {
        return;
    }
    const QImage& image = plot_->surface().image();
    QPainter page(printer.get());
    const QRect area = page.viewport();
    const QSize size = image.size().scaled(area.size(), Qt::KeepAspectRatio);
    page.setViewport(area.x(), area.y(), size.width(), size.height());
    page.setWindow(image.rect());
    page.drawImage(0, 0, image);
}

void MainWindow::printVector(int printSize) {
    PrintingNote note(this);
    note.showNote("Printing in progress...");
    if (const auto printer = services_.desktop.startPrintout(windowTitle())) {
        printer->setPageLayout(printerSettings_.pageLayout());
        display::PrinterSurface page(*printer);
        page.setFont(printerFont_);
        display::PrintVector(page, *state_.store, state_.plot, printSize);
        page.endDocument();
    }
    note.close();
    redrawPlot();
}

void MainWindow::copyImage() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(plot_->surface().image());
}

void MainWindow::saveImage() {
    if (const auto file = commands_.ChooseImageFile()) {
        imageFileName_ = QString::fromLocal8Bit(file->c_str());
        plot_->surface().image().save(imageFileName_, "BMP");
    }
}

void MainWindow::exportFigure() {
    const store::SpectrumStore& store = *state_.store;
    if (store.SpectrumLoaded == 0) {
        return;
    }
    display::FigureSettings settings =
        figureSettings_.value_or(display::DefaultFigureSettings(store));
    if (exportDrawing(
            [&store](display::DrawingSurface& surface, const display::FigureSettings& chosen) {
                display::DrawFigure(surface, store, chosen);
            },
            settings, "CD spectra")) {
        figureSettings_ = settings;
    }
}

bool MainWindow::exportDrawing(const display::FigureDrawing& draw,
                               display::FigureSettings& settings, const std::string& title) {
    if (!services_.desktop.chooseFigureSettings(settings)) {
        return false;
    }
    const std::string& spectrum = state_.store->SpectrumFileName;
    const std::string extension = display::FigureExtension(settings.format);
    const auto file =
        services_.fileDialogs.chooseFileToSave({"Export figure",
                                                display::FigureFileName(spectrum, settings.format),
                                                {{"Figure (*" + extension + ")", "*" + extension}},
                                                1,
                                                true});
    if (file) {
        const std::string path = display::FigureFileName(*file, settings.format);
        if (const auto problem = display::ExportFigure(draw, settings, path, title)) {
            services_.messages.showMessage(*problem, platform::MessageIcon::Exclamation);
        }
    }
    return true;
}

bool MainWindow::confirmQuit() {
    return services_.messages.askYesNo(
        std::string("Really want to quit ") + platform::ProgramName + "? ", false);
}

// Yes closes every window of the program, the most recent first, and ends the run.
void MainWindow::quit() {
    if (!confirmQuit()) {
        return;
    }
    closingByProgram_ = true;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (*it != this && (*it)->isVisible()) {
            (*it)->close();
        }
    }
    close();
    QApplication::quit();
}

// Only a close the user or the desktop asked for is questioned.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (closingByProgram_ || !event->spontaneous()) {
        event->accept();
        return;
    }
    event->ignore();
    quit();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == plot_ && event->type() == QEvent::MouseButtonDblClick) {
        widenToScreen();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// A double click in the plot widens a normal window to the whole width of its screen.
void MainWindow::widenToScreen() {
    if (windowState() != Qt::WindowNoState || screen() == nullptr) {
        return;
    }
    const QRect available = screen()->availableGeometry();
    move(available.left(), y());
    resize(available.width() - (frameGeometry().width() - width()), height());
}

}  // namespace tavrelion::mainwindow
