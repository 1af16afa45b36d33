#pragma once

#include <QFont>
#include <QMainWindow>
#include <QPrinter>
#include <memory>
#include <optional>
#include <vector>

#include "analysis/AnalysisCommands.h"
#include "analysis/AnalysisHost.h"
#include "analysis/MethodResult.h"
#include "corrections/CorrectionModels.h"
#include "display/FigureExport.h"
#include "display/FigureSettings.h"
#include "mainwindow/FileCommands.h"
#include "mainwindow/ProgramState.h"

class QAction;
class QMenu;

namespace tavrelion::display {
class PlotWidget;
}
namespace tavrelion::results {
class ResultWindows;
}
namespace tavrelion::fits {
class FitsWindow;
}

namespace tavrelion::mainwindow {

class DesktopDialogs;

struct MainWindowServices {
    platform::MessageService& messages;
    platform::FileDialogService& fileDialogs;
    spectrumio::DialogPresenter& dialogs;
    DesktopDialogs& desktop;
    results::ResultWindows& resultWindows;
};

// frmeditor, the central window: the plot of the loaded spectra and the menu bar.
class MainWindow : public QMainWindow, private MainWindowView, private analysis::AnalysisHost {
    Q_OBJECT
  public:
    MainWindow(ProgramState& state, MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start values of the program, the program folder and the basis sets.
    void startUp(const QString& programDir);

    // The menu item of an object name (mnufileitem1, graphic9, ...), for the keyboard and tests.
    QAction* action(const QString& objectName) const;
    display::PlotWidget& plot() { return *plot_; }
    // The dialogs of the analysis commands; the window shows its own unless given others.
    void useAnalysisDialogs(analysis::AnalysisDialogs& dialogs);
    analysis::AnalysisCommands& analysisCommands() { return *analysis_; }
    // The dialogs of the Corrections menu; the window shows its own unless given others.
    void useCorrectionDialogs(corrections::CorrectionDialogs& dialogs) {
        correctionDialogs_ = &dialogs;
    }

    void printVector(int printSize);
    void printBitmap();
    void copyImage();
    void saveImage();
    // A figure of the shown spectra for print, as PNG, SVG or PDF.
    void exportFigure();
    // The Fits window of the current spectrum's last analyses (made on first use).
    void showFits();
    fits::FitsWindow* fitsWindow() const { return fitsWindow_; }
    // The Fits window's figure for print, as PNG, SVG or PDF.
    void exportFitsFigure();
    // Asks before the program ends; true when it is to end.
    bool confirmQuit();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setCaption(const std::string& caption) override;
    void redrawPlot() override;
    void clearPlot() override;
    void commandsChanged() override;

    drivers::ProgramOutcome runProgram(const std::string& program,
                                       const std::vector<std::string>& arguments,
                                       const std::string& workingFolder) override;
    void showResult(const std::string& path, results::ResultWindowKind window) override;
    void showResultWithPreface(const std::string& path, results::ResultWindowKind window,
                               const std::string& preface) override;
    void closeResult(results::ResultWindowKind window) override;
    void analysisRunning(bool running) override;

    void buildMenus();
    void buildFileMenu();
    void buildSettingsMenu();
    void buildFitMenu();
    void buildCorrectionsMenu();
    void correct(int entry);
    void analyse(int entry);
    // The Fits window and the plot's fit curves take the result files the analysis wrote.
    void recordAnalysis();
    // The results of the current spectrum's analyses, from their result files.
    std::vector<analysis::MethodResult> lastResults() const;
    // The back-calculated spectra over the plot while asked for and there are any.
    void syncFitOverlays();
    // Asks for the settings and the file and writes the drawing there. Returns whether settings
    // were chosen (and are kept in settings), whether or not a file was then written.
    bool exportDrawing(const display::FigureDrawing& draw, display::FigureSettings& settings,
                       const std::string& title);
    void buildReferenceSetMenu(QMenu* settings);
    QAction* addItem(QMenu* menu, const QString& objectName, const QString& caption,
                     const QKeySequence& shortcut = {});
    void syncRecentEntries();
    void syncColourEntries();
    void chooseColour(int item);
    void setDefaultColours();
    void chooseFont(bool printerFonts);
    void quit();
    void widenToScreen();

    ProgramState& state_;
    MainWindowServices services_;
    FileCommands commands_;
    display::PlotWidget* plot_;
    std::unique_ptr<analysis::AnalysisDialogs> ownAnalysisDialogs_;
    analysis::AnalysisDialogs* analysisDialogs_;
    std::unique_ptr<analysis::AnalysisCommands> analysis_;
    std::unique_ptr<corrections::CorrectionDialogs> ownCorrectionDialogs_;
    corrections::CorrectionDialogs* correctionDialogs_;
    bool analysisRunning_ = false;
    QMenu* fileMenu_ = nullptr;
    QMenu* coloursMenu_ = nullptr;
    QMenu* fitMenu_ = nullptr;
    QMenu* correctionsMenu_ = nullptr;
    std::vector<QAction*> recentEntries_;
    std::vector<QAction*> colourEntries_;
    QPrinter printerSettings_{QPrinter::HighResolution};
    QFont printerFont_{"Liberation Mono", 8};
    bool closingByProgram_ = false;
    QString imageFileName_;
    std::optional<display::FigureSettings> figureSettings_;
    fits::FitsWindow* fitsWindow_ = nullptr;
};

}  // namespace tavrelion::mainwindow
