#pragma once

#include <string>
#include <vector>

namespace tavrelion::platform {

// Prints plain text on the default printer. Where no printer is configured, the text goes into a
// PDF file that the user chooses.
class PrintService {
  public:
    virtual ~PrintService() = default;

    // Prints the lines, one printed line each, and ends the job. The document's path names the
    // job and proposes the PDF file's name. Returns false when nothing was printed: no printer
    // and no PDF file chosen, or the printer failed.
    virtual bool printText(const std::string& documentPath,
                           const std::vector<std::string>& lines) = 0;
};

}  // namespace tavrelion::platform
