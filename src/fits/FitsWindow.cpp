#include "fits/FitsWindow.h"

#include <QMenuBar>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "display/FigureExport.h"
#include "fits/FitCurves.h"
#include "fits/FitsFigure.h"
#include "platform/DisplayText.h"

namespace tavrelion::fits {
namespace {

constexpr int ScreenDpi = 96;

}  // namespace

// Draws the figure at the widget's size, in the device pixels of its screen.
class FitsWindow::View : public QWidget {
  public:
    explicit View(FitsWindow& window) : window_(window) {
        setMinimumSize(480, 360);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    QImage image() const {
        const double ratio = std::max(devicePixelRatioF(), 1.0);
        display::FigureSettings settings = window_.settings_;
        settings.dpi = static_cast<int>(ScreenDpi * ratio);
        settings.widthInches = static_cast<double>(width()) / ScreenDpi;
        settings.heightInches = static_cast<double>(height()) / ScreenDpi;
        const std::vector<analysis::MethodResult> results = window_.drawnResults();
        QImage image = display::FigureImage(
            [&results](display::DrawingSurface& surface, const display::FigureSettings& drawn) {
                DrawFitsFigure(surface, results, drawn);
            },
            settings);
        image.setDevicePixelRatio(ratio);
        return image;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(QPointF(0, 0), image());
    }

  private:
    FitsWindow& window_;
};

FitsWindow::FitsWindow(QWidget* parent) : QMainWindow(parent), view_(new View(*this)) {
    setObjectName("frmfits");
    setWindowFlag(Qt::Window);
    setCentralWidget(view_);
    QMenu* file = menuBar()->addMenu("&File");
    QAction* exportFigure = file->addAction("Export &figure\u2026");
    exportFigure->setObjectName("fitsexportfigure");
    connect(exportFigure, &QAction::triggered, this, [this] {
        if (export_) {
            export_();
        }
    });
    QAction* closeWindow = file->addAction("&Close");
    closeWindow->setObjectName("fitsclose");
    connect(closeWindow, &QAction::triggered, this, &QWidget::close);
    QMenu* view = menuBar()->addMenu("&View");
    QAction* leastSquares = view->addAction("&Least-squares fits");
    leastSquares->setObjectName("fitsleastsquares");
    leastSquares->setCheckable(true);
    connect(leastSquares, &QAction::toggled, this, [this](bool drawn) {
        leastSquaresDrawn_ = drawn;
        view_->update();
    });
    resize(760, 560);
}

void FitsWindow::showResults(const std::string& spectrumName,
                             const std::vector<analysis::MethodResult>& results,
                             const display::FigureSettings& settings) {
    results_ = results;
    settings_ = settings;
    setWindowTitle("Fits - " + platform::DisplayText(spectrumName));
    view_->update();
}

std::vector<analysis::MethodResult> FitsWindow::drawnResults() const {
    return DrawnResults(results_, leastSquaresDrawn_);
}

QImage FitsWindow::image() const {
    return view_->image();
}

}  // namespace tavrelion::fits
