#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <memory>

#include "display/DrawingSurface.h"

class QPaintDevice;

namespace tavrelion::display {

QColor ToQColor(Colour colour);

// A drawing surface on a Qt paint device: twips become device pixels, lines are drawn without
// antialiasing so that an inverted line drawn twice restores every pixel, and text stands on an
// opaque background. The font is Liberation Mono, the program's stand-in for Courier New.
class PainterSurface : public DrawingSurface {
  public:
    PainterSurface();
    ~PainterSurface() override;

    double ScaleWidth() const override { return pixelWidth() * twipsPerPixel(); }
    double ScaleHeight() const override { return pixelHeight() * twipsPerPixel(); }

    // Ends the painting under way, so that the device holds everything drawn so far.
    void finishPainting();

    // The text font: its family, weight and slant, and FontSize as its size.
    QFont font() const { return currentFont(); }
    void setFont(const QFont& font);

  protected:
    virtual QPaintDevice& device() = 0;
    virtual double pixelWidth() const = 0;
    virtual double pixelHeight() const = 0;
    virtual double twipsPerPixel() const = 0;
    // Lines drawn smooth (antialiased), for surfaces that never invert.
    void setSmoothLines(bool smooth) { smoothLines_ = smooth; }

    void fill(Colour colour) override;
    void drawText(double x, double y, const std::string& text) override;
    void drawSegment(double x1, double y1, double x2, double y2, Colour colour) override;
    void drawPath(const std::vector<SurfacePoint>& points, Colour colour) override;
    double textWidth(const std::string& text) const override;
    double lineHeight() const override;

  private:
    QPainter& painter();
    // The pen of DrawWidth, DrawStyle and DrawMode in the colour.
    void preparePen(Colour colour);
    // The font at FontSize, and its measures on this device, kept until the font changes.
    const QFont& currentFont() const;
    const QFontMetricsF& metrics() const;

    std::unique_ptr<QPainter> painter_;
    bool smoothLines_ = false;
    QFont face_{"Liberation Mono"};
    mutable std::unique_ptr<QFont> font_;
    mutable std::unique_ptr<QFontMetricsF> metrics_;
};

}  // namespace tavrelion::display
