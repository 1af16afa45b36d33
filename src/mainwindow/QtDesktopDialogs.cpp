#include <QColorDialog>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrinter>

#include "display/ExportFigureDialog.h"
#include "mainwindow/DesktopDialogs.h"
#include "platform/PrinterChoice.h"

namespace tavrelion::mainwindow {

std::optional<QColor> QtDesktopDialogs::chooseColour(const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent_);
    return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
}

std::optional<QFont> QtDesktopDialogs::chooseFont(const QFont& initial, bool printerFonts) {
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(
        &accepted, initial, parent_, printerFonts ? "Printer font" : "Screen font",
        printerFonts ? QFontDialog::FontDialogOptions() : QFontDialog::MonospacedFonts);
    return accepted ? std::optional<QFont>(chosen) : std::nullopt;
}

void QtDesktopDialogs::setUpPrinter(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent_);
    dialog.exec();
}

std::unique_ptr<QPrinter> QtDesktopDialogs::startPrintout(const QString& documentName) {
    return platform::ChoosePrinterOrPdf(documentName.toLocal8Bit().toStdString(), files_);
}

bool QtDesktopDialogs::chooseFigureSettings(display::FigureSettings& settings) {
    display::ExportFigureDialog dialog(settings, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    settings = dialog.settings();
    return true;
}

}  // namespace tavrelion::mainwindow
