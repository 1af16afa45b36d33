#pragma once

#include <functional>
#include <memory>
#include <string>

#include "results/ResultWindow.h"

namespace tavrelion::results {

// The program's two result windows, one of each, reused for every file they show. The
// application object owns them; the analysis commands show their files through
// OpenResultWindow.
class ResultWindows {
  public:
    explicit ResultWindows(const ResultWindowServices& services);
    ~ResultWindows();
    ResultWindows(const ResultWindows&) = delete;
    ResultWindows& operator=(const ResultWindows&) = delete;

    // Shows a text file in a window: the window is closed and shown again with the file less
    // its last character, captioned "Tavrelion Editor: " + the path, with "&Analyze" when the
    // file contains "combination:". A file that cannot be read, or is empty, is told with
    // "Error encountered while trying to open file, please retry."
    // A preface (lines ended by CR LF) is shown above the file's text and saved with it.
    void OpenResultWindow(const std::string& path, ResultWindowKind which,
                          const std::string& preface = {});
    void CloseResultWindow(ResultWindowKind which);

    ResultWindow& window(ResultWindowKind which);

    // What "&Analyze" of frmeditorres runs: the Varselec result analysis of the file named by
    // ResultFilePath.
    void setAnalyzeHandler(std::function<void()> handler);

  private:
    std::unique_ptr<ResultWindow> analysisResults_;
    std::unique_ptr<ResultWindow> varselecList_;
};

}  // namespace tavrelion::results
