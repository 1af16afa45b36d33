#include "display/PainterSurface.h"

#include <QPaintDevice>
#include <QPolygonF>

#include "platform/DisplayText.h"

namespace tavrelion::display {

QColor ToQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

PainterSurface::PainterSurface() = default;

PainterSurface::~PainterSurface() = default;

QPainter& PainterSurface::painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&device());
        painter_->setRenderHint(QPainter::Antialiasing, smoothLines_);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *painter_;
}

void PainterSurface::finishPainting() {
    painter_.reset();
}

void PainterSurface::setFont(const QFont& font) {
    face_ = font;
    SetFontSize(font.pointSizeF() > 0 ? font.pointSizeF() : FontSize());
    font_.reset();
}

const QFont& PainterSurface::currentFont() const {
    if (!font_ || font_->pointSizeF() != FontSize()) {
        font_ = std::make_unique<QFont>(face_);
        font_->setStyleHint(QFont::TypeWriter);
        font_->setPointSizeF(FontSize());
        metrics_.reset();
    }
    return *font_;
}

const QFontMetricsF& PainterSurface::metrics() const {
    const QFont& current = currentFont();
    if (!metrics_) {
        metrics_ =
            std::make_unique<QFontMetricsF>(current, &const_cast<PainterSurface*>(this)->device());
    }
    return *metrics_;
}

void PainterSurface::fill(Colour colour) {
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillRect(QRectF(0, 0, pixelWidth(), pixelHeight()), ToQColor(colour));
}

void PainterSurface::drawText(double x, double y, const std::string& text) {
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (p.font() != currentFont()) {
        p.setFont(currentFont());
    }
    p.setPen(ToQColor(ForeColor));
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(ToQColor(BackColor));
    const QString shown = platform::DisplayText(text);
    p.drawText(QPointF(x / twipsPerPixel(), y / twipsPerPixel() + metrics().ascent()), shown);
}

namespace {

Qt::PenStyle PenStyle(int drawStyle) {
    switch (drawStyle) {
        case Dashed:
            return Qt::DashLine;
        case Dotted:
            return Qt::DotLine;
        case DashDot:
            return Qt::DashDotLine;
        case DashDotDot:
            return Qt::DashDotDotLine;
        default:
            return Qt::SolidLine;
    }
}

}  // namespace

void PainterSurface::preparePen(Colour colour) {
    QPainter& p = painter();
    p.setCompositionMode(DrawMode == Invert ? QPainter::RasterOp_NotDestination
                                            : QPainter::CompositionMode_SourceOver);
    QPen pen(ToQColor(colour));
    pen.setWidth(std::max(DrawWidth, 1));
    pen.setStyle(PenStyle(DrawStyle));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
}

void PainterSurface::drawSegment(double x1, double y1, double x2, double y2, Colour colour) {
    preparePen(colour);
    const double scale = twipsPerPixel();
    painter().drawLine(QPointF(x1 / scale, y1 / scale), QPointF(x2 / scale, y2 / scale));
}

void PainterSurface::drawPath(const std::vector<SurfacePoint>& points, Colour colour) {
    preparePen(colour);
    const double scale = twipsPerPixel();
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(points.size()));
    for (const SurfacePoint& point : points) {
        line << QPointF(point.x / scale, point.y / scale);
    }
    painter().drawPolyline(line);
}

double PainterSurface::textWidth(const std::string& text) const {
    const QString shown = platform::DisplayText(text);
    return metrics().horizontalAdvance(shown) * twipsPerPixel();
}

// A text line is 20 twips per point of the font, as the plot's layout assumes.
double PainterSurface::lineHeight() const {
    return FontSize() * 20;
}

}  // namespace tavrelion::display
