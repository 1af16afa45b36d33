#pragma once

#include <QFont>
#include <QMainWindow>
#include <QPrinter>
#include <memory>
#include <vector>

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

namespace tavrelion::mainwindow {

class DesktopDialogs;

struct MainWindowServices {
    platform::MessageService& messages;
    platform::FileDialogService& fileDialogs;
    platform::DialogPresenter& dialogs;
    DesktopDialogs& desktop;
    results::ResultWindows& resultWindows;
};

// frmeditor, the central window: the plot of the loaded spectra and the menu bar.
class MainWindow : public QMainWindow, private MainWindowView {
    Q_OBJECT
  public:
    MainWindow(ProgramState& state, MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start values of the program, the program folder and the basis sets.
    void startUp(const QString& programDir);

    // The menu item of an object name (mnufileitem1, graphic9, ...), for the keyboard and tests.
    QAction* action(const QString& objectName) const;
    display::PlotWidget& plot() { return *plot_; }

    void printVector(int printSize);
    void printBitmap();
    void copyImage();
    void saveImage();
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

    void buildMenus();
    void buildFileMenu();
    void buildSettingsMenu();
    void buildFitMenu();
    QAction* addItem(QMenu* menu, const QString& objectName, const QString& caption,
                     const QKeySequence& shortcut = {});
    void syncRecentEntries();
    void chooseColour(int item);
    void setDefaultColours();
    void chooseFont(bool printerFonts);
    void leastSquareFit();
    void helixFromEllipticity();
    void quit();
    void widenToScreen();

    ProgramState& state_;
    MainWindowServices services_;
    FileCommands commands_;
    display::PlotWidget* plot_;
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
};

}  // namespace tavrelion::mainwindow
