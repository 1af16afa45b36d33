#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "mainwindow/DesktopDialogs.h"

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
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(documentName);
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        return printer;
    }
    // Without a printer the printout becomes a PDF file.
    const QString file = QFileDialog::getSaveFileName(parent_, "Print to a PDF file",
                                                      documentName + ".pdf", "PDF file (*.pdf)");
    if (file.isEmpty()) {
        return nullptr;
    }
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    return printer;
}

}  // namespace tavrelion::mainwindow
