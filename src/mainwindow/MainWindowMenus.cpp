// The menu bar of the main window: captions, item names, shortcuts, and enabled states.
#include <QActionGroup>
#include <QMenuBar>

#include "display/PlotWidget.h"
#include "fits/FitsWindow.h"
#include "help/HelpBrowser.h"
#include "mainwindow/AboutBox.h"
#include "mainwindow/DesktopDialogs.h"
#include "mainwindow/MainWindow.h"
#include "platform/DisplayText.h"

namespace tavrelion::mainwindow {
namespace {

// A file name as a menu caption: an & in it is shown, not taken as a shortcut mark.
QString MenuCaption(const std::string& fileName) {
    return platform::DisplayText(fileName).replace("&", "&&");
}

}  // namespace

QAction* MainWindow::addItem(QMenu* menu, const QString& objectName, const QString& caption,
                             const QKeySequence& shortcut) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(objectName);
    if (!shortcut.isEmpty()) {
        item->setShortcut(shortcut);
    }
    return item;
}

QAction* MainWindow::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void MainWindow::buildMenus() {
    buildFileMenu();
    buildSettingsMenu();
    buildFitMenu();
    buildCorrectionsMenu();
    QAction* help = menuBar()->addAction("&Help");
    help->setObjectName("Help");
    connect(help, &QAction::triggered, this,
            [this] { help::OpenHelpWindow(state_.store->ProgramDir, services_.fileDialogs); });
}

void MainWindow::buildFileMenu() {
    fileMenu_ = menuBar()->addMenu("&File");
    fileMenu_->setObjectName("mnufile");
    connect(addItem(fileMenu_, "mnufileitem0", "&New set", QKeySequence("Ctrl+N")),
            &QAction::triggered, this, [this] { commands_.NewSet(); });
    connect(addItem(fileMenu_, "mnufileitem1", "&Open...", QKeySequence("Ctrl+O")),
            &QAction::triggered, this, [this] { commands_.Open(); });

    QMenu* print = fileMenu_->addMenu("&Print");
    print->menuAction()->setObjectName("mnufileitem2");
    connect(addItem(print, "bitmap1", "&Bitmap"), &QAction::triggered, this,
            [this] { printBitmap(); });
    QMenu* vector = print->addMenu("&Vector");
    vector->menuAction()->setObjectName("bitmap2");
    connect(addItem(vector, "full1", "&Full size"), &QAction::triggered, this,
            [this] { printVector(1); });
    connect(addItem(vector, "full2", "&Half size"), &QAction::triggered, this,
            [this] { printVector(2); });

    connect(addItem(fileMenu_, "mnufileitem3", "&Copy to clipboard"), &QAction::triggered, this,
            [this] { copyImage(); });
    connect(addItem(fileMenu_, "mnufileitem4", "&Save image as bitmap (*.BMP)"),
            &QAction::triggered, this, [this] { saveImage(); });
    connect(addItem(fileMenu_, "mnufileexportfigure", "Export &figure\u2026"), &QAction::triggered,
            this, [this] { exportFigure(); });
    connect(addItem(fileMenu_, "mnufilesavetvr", "Save spectrum as &TVR..."), &QAction::triggered,
            this, [this] { commands_.SaveSpectrumAsTvr(); });
    connect(addItem(fileMenu_, "mnufileexportcsv", "&Export spectrum as CSV..."),
            &QAction::triggered, this, [this] { commands_.ExportSpectrumAsCsv(); });
    fileMenu_->addSeparator()->setObjectName("mnufileitem6");
    connect(addItem(fileMenu_, "mnufileitem7", "&Quit", QKeySequence("Ctrl+Q")),
            &QAction::triggered, this, [this] { quit(); });
    fileMenu_->addSeparator()->setObjectName("mnufileitem8");
    connect(addItem(fileMenu_, "mnufileitem9", "&About...", QKeySequence("Ctrl+A")),
            &QAction::triggered, this, [this] {
                AboutBox about(services_.messages, this);
                about.exec();
            });
    QAction* recentSeparator = fileMenu_->addSeparator();
    recentSeparator->setObjectName("mnuFileArray0");
    recentSeparator->setVisible(false);
}

void MainWindow::buildSettingsMenu() {
    QMenu* settings = menuBar()->addMenu("&Settings");
    settings->setObjectName("mnusettings");

    coloursMenu_ = settings->addMenu("&Colors");
    coloursMenu_->menuAction()->setObjectName("mnusettingsitem0");
    connect(addItem(coloursMenu_, "mnuColorsItem0", "&BackColor"), &QAction::triggered, this,
            [this] { chooseColour(-1); });
    connect(addItem(coloursMenu_, "mnuColorsItem1", "&ForeColor"), &QAction::triggered, this,
            [this] { chooseColour(0); });
    connect(addItem(coloursMenu_, "mnuColorsItem2", "&Defaults"), &QAction::triggered, this,
            [this] { setDefaultColours(); });
    QAction* colourSeparator = coloursMenu_->addSeparator();
    colourSeparator->setObjectName("custocolor0");
    colourSeparator->setVisible(false);
    connect(coloursMenu_, &QMenu::aboutToShow, this, [this] { syncColourEntries(); });

    QMenu* lineWidth = settings->addMenu("&Linewidth");
    lineWidth->menuAction()->setObjectName("mnusettingsitem1");
    for (int k = 1; k <= 4; ++k) {
        connect(addItem(lineWidth, QString("linesize%1").arg(k), QString::number(k)),
                &QAction::triggered, this, [this, k] {
                    state_.plot.LineWidth = static_cast<store::Int16>(k);
                    redrawPlot();
                });
    }
    connect(addItem(settings, "mnusettingsitem2", "&Hide cursor"), &QAction::triggered, this,
            [this] { action("mnusettingsitem2")->setText(plot_->toggleCursor()); });

    QMenu* font = settings->addMenu("&Font");
    font->menuAction()->setObjectName("mnusettingsitem4");
    connect(font, &QMenu::aboutToShow, this, [this] { redrawPlot(); });
    connect(addItem(font, "ecran0", "&Screen"), &QAction::triggered, this,
            [this] { chooseFont(false); });
    connect(addItem(font, "ecran1", "&Printer"), &QAction::triggered, this,
            [this] { chooseFont(true); });
    connect(addItem(settings, "mnusettingsitem5", "&Printer"), &QAction::triggered, this,
            [this] { services_.desktop.setUpPrinter(printerSettings_); });
    connect(addItem(settings, "mnusettingsht", "&HT cut-off..."), &QAction::triggered, this,
            [this] { commands_.SetHtCutOff(); });
    buildReferenceSetMenu(settings);
}

// The reference set of the analysis programs: one checked entry, kept for the run like the other
// analysis settings.
void MainWindow::buildReferenceSetMenu(QMenu* settings) {
    QMenu* sets = settings->addMenu("&Reference set");
    sets->menuAction()->setObjectName("mnusettingsreference");
    auto* group = new QActionGroup(sets);
    const struct {
        const char* name;
        const char* caption;
        analysis::ReferenceSetChoice choice;
    } entries[] = {
        {"referenceset0", "&SP175 (71 proteins of known structure)",
         analysis::ReferenceSetChoice::Sp175},
        {"referenceset1", "&IDP175 (SP175 with 5 intrinsically disordered proteins)",
         analysis::ReferenceSetChoice::Idp175},
    };
    for (const auto& entry : entries) {
        QAction* item = addItem(sets, entry.name, entry.caption);
        item->setCheckable(true);
        item->setChecked(state_.analysis.referenceSet == entry.choice);
        group->addAction(item);
        const analysis::ReferenceSetChoice choice = entry.choice;
        connect(item, &QAction::triggered, this,
                [this, choice] { state_.analysis.referenceSet = choice; });
    }
}

void MainWindow::buildFitMenu() {
    fitMenu_ = menuBar()->addMenu("F&it");
    fitMenu_->setObjectName("fit");
    const char* methods[] = {"&Least square fit",
                             "&Varselec",
                             "&Calculate from ellipticity",
                             "&Self consistent method (selcon2)",
                             "&Self consistent method (selcon3)",
                             "&K2D (neural network)",
                             "&Contin (Linear combination)"};
    for (int k = 1; k <= 7; ++k) {
        addItem(fitMenu_, QString("graphic%1").arg(k), methods[k - 1]);
    }
    fitMenu_->addSeparator()->setObjectName("graphic8");
    addItem(fitMenu_, "graphic9", "&All methods");
    for (int k : {1, 2, 3, 4, 5, 6, 7, 9}) {
        connect(action(QString("graphic%1").arg(k)), &QAction::triggered, this,
                [this, k] { analyse(k); });
    }
    fitMenu_->addSeparator();
    connect(addItem(fitMenu_, "mnufitsshow", "Show &fits"), &QAction::triggered, this,
            [this] { showFits(); });
    QAction* overlays = addItem(fitMenu_, "mnufitsplot", "Show fits in the &plot");
    overlays->setCheckable(true);
    connect(overlays, &QAction::toggled, this, [this] { syncFitOverlays(); });
}

void MainWindow::buildCorrectionsMenu() {
    correctionsMenu_ = menuBar()->addMenu("&Corrections");
    correctionsMenu_->setObjectName("correction");
    const char* corrections[] = {"&Baseline",          "&Multiplication", "Spectrum &substraction",
                                 "Spectrum &addition", "Smo&oth",         "A&verage"};
    for (int k = 1; k <= 6; ++k) {
        connect(addItem(correctionsMenu_, QString("baseline%1").arg(k), corrections[k - 1]),
                &QAction::triggered, this, [this, k] { correct(k); });
    }
}

void MainWindow::commandsChanged() {
    const CommandStates& states = state_.commands;
    action("mnufileitem0")->setEnabled(states.newSet);
    action("mnufileitem2")->setEnabled(states.print);
    action("mnufileitem3")->setEnabled(states.copyToClipboard);
    action("mnufileitem4")->setEnabled(states.saveImage);
    action("mnufilesavetvr")->setEnabled(states.saveImage);
    action("mnufileexportfigure")->setEnabled(states.saveImage);
    action("mnufileexportcsv")->setEnabled(states.saveImage);
    action("mnusettingsitem2")->setEnabled(states.hideCursor);
    fitMenu_->menuAction()->setEnabled(states.fitMenu && !analysisRunning_);
    action("graphic1")->setEnabled(states.leastSquareFit);
    action("mnufitsshow")->setEnabled(states.showFits());
    // Fits of another spectrum must not stay over this one; the caller redraws.
    if (!states.showFits()) {
        state_.plot.Overlays.clear();
        if (fitsWindow_ != nullptr) {
            fitsWindow_->close();
        }
    }
    // A correction replaces the current spectrum, which a running analysis still reads.
    correctionsMenu_->menuAction()->setEnabled(states.corrections && !analysisRunning_);
    syncRecentEntries();
}

// Adds the menu entries of files stored since the last call; entries are never removed.
void MainWindow::syncRecentEntries() {
    const auto& paths = state_.recentFiles.paths();
    action("mnuFileArray0")->setVisible(!paths.empty());
    while (recentEntries_.size() < paths.size()) {
        const int k = static_cast<int>(recentEntries_.size()) + 1;
        QAction* entry = addItem(fileMenu_, QString("mnuFileArray%1").arg(k),
                                 MenuCaption(paths[static_cast<std::size_t>(k - 1)]));
        connect(entry, &QAction::triggered, this, [this, k] { commands_.OpenRecent(k); });
        recentEntries_.push_back(entry);
    }
    syncColourEntries();
}

// One colour entry per loaded spectrum, named after its file: entry k recolours slot k.
void MainWindow::syncColourEntries() {
    const store::SpectrumStore& store = *state_.store;
    const auto count = static_cast<std::size_t>(std::max<int>(store.SpectrumCount, 0));
    action("custocolor0")->setVisible(count > 0);
    while (colourEntries_.size() > count) {
        delete colourEntries_.back();
        colourEntries_.pop_back();
    }
    while (colourEntries_.size() < count) {
        const int k = static_cast<int>(colourEntries_.size()) + 1;
        QAction* entry = addItem(coloursMenu_, QString("custocolor%1").arg(k), QString());
        connect(entry, &QAction::triggered, this, [this, k] { chooseColour(k); });
        colourEntries_.push_back(entry);
    }
    for (std::size_t k = 1; k <= count; ++k) {
        const std::string& label = store.SlotLabel(static_cast<int>(k));
        colourEntries_[k - 1]->setText(MenuCaption(label.substr(label.find(')') + 1)));
    }
}

}  // namespace tavrelion::mainwindow
