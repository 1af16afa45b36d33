#include "display/FigureExport.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>

#include "display/Figure.h"
#include "display/PainterSurface.h"

namespace tavrelion::display {
namespace {

// A figure's paint device as a drawing surface of the given pixels at dpi, in Liberation Sans with
// smooth lines.
class FigureSurface : public PainterSurface {
  public:
    FigureSurface(QPaintDevice& device, QSize pixels, int dpi)
        : device_(device), pixels_(pixels), dpi_(dpi) {
        setSmoothLines(true);
        setFont(QFont("Liberation Sans", 10));
    }
    ~FigureSurface() override { finishPainting(); }
    FigureSurface(const FigureSurface&) = delete;
    FigureSurface& operator=(const FigureSurface&) = delete;

  protected:
    QPaintDevice& device() override { return device_; }
    double pixelWidth() const override { return pixels_.width(); }
    double pixelHeight() const override { return pixels_.height(); }
    double twipsPerPixel() const override { return 1440.0 / dpi_; }

  private:
    QPaintDevice& device_;
    QSize pixels_;
    int dpi_;
};

QSize FigurePixels(const FigureSettings& settings) {
    return {static_cast<int>(std::lround(settings.widthInches * settings.dpi)),
            static_cast<int>(std::lround(settings.heightInches * settings.dpi))};
}

void Draw(QPaintDevice& device, const FigureDrawing& draw, const FigureSettings& settings) {
    FigureSurface surface(device, FigurePixels(settings), settings.dpi);
    draw(surface, settings);
}

FigureDrawing SpectraDrawing(const store::SpectrumStore& store) {
    return [&store](DrawingSurface& surface, const FigureSettings& settings) {
        DrawFigure(surface, store, settings);
    };
}

}  // namespace

QImage FigureImage(const FigureDrawing& draw, const FigureSettings& settings) {
    QImage image(FigurePixels(settings), QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(settings.dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    Draw(image, draw, settings);
    return image;
}

QImage FigureImage(const store::SpectrumStore& store, const FigureSettings& settings) {
    return FigureImage(SpectraDrawing(store), settings);
}

std::optional<std::string> ExportFigure(const FigureDrawing& draw, const FigureSettings& settings,
                                        const std::string& path, const std::string& title) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return "Cannot write " + path + ": " + file.errorString().toStdString();
    }
    bool written = true;
    switch (settings.format) {
        case FigureFormat::Png:
            written = FigureImage(draw, settings).save(&file, "PNG");
            break;
        case FigureFormat::Svg: {
            QSvgGenerator svg;
            svg.setOutputDevice(&file);
            svg.setResolution(settings.dpi);
            svg.setSize(FigurePixels(settings));
            svg.setViewBox(QRect(QPoint(0, 0), FigurePixels(settings)));
            svg.setTitle(QString::fromStdString(title));
            Draw(svg, draw, settings);
            break;
        }
        case FigureFormat::Pdf: {
            QPdfWriter pdf(&file);
            pdf.setResolution(settings.dpi);
            pdf.setPageSize(QPageSize(QSizeF(settings.widthInches, settings.heightInches),
                                      QPageSize::Inch, QString(), QPageSize::ExactMatch));
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
            pdf.setTitle(QString::fromStdString(title));
            Draw(pdf, draw, settings);
            break;
        }
    }
    if (!written || !file.commit()) {
        return "Cannot write " + path + ": " + file.errorString().toStdString();
    }
    return std::nullopt;
}

std::optional<std::string> ExportFigure(const store::SpectrumStore& store,
                                        const FigureSettings& settings, const std::string& path) {
    return ExportFigure(SpectraDrawing(store), settings, path, "CD spectra");
}

}  // namespace tavrelion::display
