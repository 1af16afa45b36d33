#pragma once

#include <QColor>
#include <QFont>
#include <memory>
#include <optional>

#include "display/FigureSettings.h"
#include "platform/FileDialogService.h"

class QPrinter;

namespace tavrelion::mainwindow {

// The colour, font and printer dialogs of the main window, and the printer a printout goes to.
// Tests answer them with a fake.
class DesktopDialogs {
  public:
    virtual ~DesktopDialogs() = default;

    // The colour chosen, or nothing when the user cancels.
    virtual std::optional<QColor> chooseColour(const QColor& initial) = 0;
    // The font chosen among screen or printer fonts, or nothing when the user cancels.
    virtual std::optional<QFont> chooseFont(const QFont& initial, bool printerFonts) = 0;
    // The print setup dialog for the printer the next printouts go to.
    virtual void setUpPrinter(QPrinter& printer) = 0;
    // The printer of a printout, ready to paint on: the configured printer, or where there is
    // none a PDF file the user chooses. Nothing when the user cancels.
    virtual std::unique_ptr<QPrinter> startPrintout(const QString& documentName) = 0;
    // The settings of a figure export, starting from settings; false when the user cancels.
    virtual bool chooseFigureSettings(display::FigureSettings& settings) = 0;
};

// The desktop's own dialogs.
class QtDesktopDialogs : public DesktopDialogs {
  public:
    QtDesktopDialogs(QWidget* parent, platform::FileDialogService& files)
        : parent_(parent), files_(files) {}

    std::optional<QColor> chooseColour(const QColor& initial) override;
    std::optional<QFont> chooseFont(const QFont& initial, bool printerFonts) override;
    void setUpPrinter(QPrinter& printer) override;
    std::unique_ptr<QPrinter> startPrintout(const QString& documentName) override;
    bool chooseFigureSettings(display::FigureSettings& settings) override;

  private:
    QWidget* parent_;
    platform::FileDialogService& files_;
};

}  // namespace tavrelion::mainwindow
