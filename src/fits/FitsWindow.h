#pragma once

#include <QImage>
#include <QMainWindow>
#include <functional>
#include <string>
#include <vector>

#include "analysis/MethodResult.h"
#include "display/FigureSettings.h"

namespace tavrelion::fits {

// "Fits": the measured spectrum, each method's back-calculated spectrum and the residuals of the
// last analyses of the current spectrum, drawn as the figure for print is (DrawFitsFigure) at the
// window's size. File > "Export figure..." hands over to the export the main window provides.
class FitsWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit FitsWindow(QWidget* parent = nullptr);

    // Shows the results of the spectrum (named in the title) with settings for their ranges.
    void showResults(const std::string& spectrumName,
                     const std::vector<analysis::MethodResult>& results,
                     const display::FigureSettings& settings);
    const std::vector<analysis::MethodResult>& results() const { return results_; }
    // The results as drawn now: View > "Least-squares fits" (off at first) draws the
    // least-squares rows' curves too.
    std::vector<analysis::MethodResult> drawnResults() const;
    const display::FigureSettings& settings() const { return settings_; }

    // What File > "Export figure..." does.
    void setExportHandler(std::function<void()> handler) { export_ = std::move(handler); }

    // The figure as the window shows it now.
    QImage image() const;

  private:
    class View;

    View* view_;
    std::vector<analysis::MethodResult> results_;
    bool leastSquaresDrawn_ = false;
    display::FigureSettings settings_;
    std::function<void()> export_;
};

}  // namespace tavrelion::fits
