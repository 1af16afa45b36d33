#pragma once

#include <QPrinter>
#include <deque>
#include <functional>
#include <memory>

#include "mainwindow/DesktopDialogs.h"

namespace tavrelion::testing_support {

// Colour and font dialogs answered from a script (Cancel when it is empty); printouts go to PDF
// files in a folder of the test's.
class FakeDesktopDialogs : public mainwindow::DesktopDialogs {
  public:
    explicit FakeDesktopDialogs(QString pdfFolder) : pdfFolder_(std::move(pdfFolder)) {}

    std::optional<QColor> chooseColour(const QColor&) override {
        if (colours.empty()) {
            return std::nullopt;
        }
        const QColor colour = colours.front();
        colours.pop_front();
        return colour;
    }
    std::optional<QFont> chooseFont(const QFont& initial, bool) override {
        fontRequests.push_back(initial);
        if (fonts.empty()) {
            return std::nullopt;
        }
        const QFont font = fonts.front();
        fonts.pop_front();
        return font;
    }
    void setUpPrinter(QPrinter&) override { ++printerSetups; }
    std::unique_ptr<QPrinter> startPrintout(const QString&) override {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printouts.push_back(
            QString("%1/printout-%2.pdf").arg(pdfFolder_).arg(printouts.size() + 1));
        printer->setOutputFileName(printouts.back());
        return printer;
    }

    // Accepts the settings given, changed by figureChoice when one is set.
    bool chooseFigureSettings(display::FigureSettings& settings) override {
        if (figureChoice) {
            figureChoice(settings);
        }
        return acceptFigure;
    }

    std::function<void(display::FigureSettings&)> figureChoice;
    bool acceptFigure = true;
    std::deque<QColor> colours;
    std::deque<QFont> fonts;
    std::vector<QFont> fontRequests;
    std::vector<QString> printouts;
    int printerSetups = 0;

  private:
    QString pdfFolder_;
};

}  // namespace tavrelion::testing_support
