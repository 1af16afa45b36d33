#pragma once

#include <memory>
#include <string>

#include "platform/FileDialogService.h"

class QPrinter;

namespace tavrelion::platform {

// The printer of a printout of the document at documentPath (a file's path or a window's
// caption): the desktop's default printer, or, where none is configured, a PDF file the user
// chooses, proposed beside the document. Nothing when the user cancels that choice.
std::unique_ptr<QPrinter> ChoosePrinterOrPdf(const std::string& documentPath,
                                             FileDialogService& files);

}  // namespace tavrelion::platform
