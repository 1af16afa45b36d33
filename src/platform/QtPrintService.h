#pragma once

#include "platform/FileDialogService.h"
#include "platform/PrintService.h"

class QPrinter;
class QWidget;

namespace tavrelion::platform {

// Prints text on the default printer, or into a PDF file chosen through the file dialogs when
// the system has no printer.
class QtPrintService : public PrintService {
  public:
    explicit QtPrintService(FileDialogService& files) : files_(files) {}

    bool printText(const std::string& documentPath, const std::vector<std::string>& lines) override;

    // Lays the lines out on the printer's pages in a fixed-pitch font, as large as 10 points and
    // as small as 6 points so that the longest line fits the page's width; a line still too wide
    // goes on over the next printed lines. Returns false when the printer could not be used.
    static bool PrintLines(QPrinter& printer, const std::vector<std::string>& lines);

  private:
    FileDialogService& files_;
};

}  // namespace tavrelion::platform
