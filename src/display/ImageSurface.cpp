#include "display/ImageSurface.h"

#include <algorithm>
#include <cmath>

namespace tavrelion::display {

void ImageSurface::resize(int width, int height, double devicePixelRatio) {
    finishPainting();
    const double ratio = std::max(devicePixelRatio, 1.0);
    image_ = QImage(std::max(1, static_cast<int>(width * ratio)),
                    std::max(1, static_cast<int>(height * ratio)), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(ToQColor(BackColor));
}

const QImage& ImageSurface::image() {
    finishPainting();
    return image_;
}

// The cursor line is a full-height inverted line, drawn twice on every cursor move: inverting the
// column's pixels here is exact and spares the painter's thread hand-over of tall fills.
void ImageSurface::drawSegment(double x1, double y1, double x2, double y2, Colour colour) {
    if (DrawMode == Invert && x1 == x2 && DrawWidth <= 1 && DrawStyle == Solid) {
        invertColumn(x1, y1, y2);
        return;
    }
    PainterSurface::drawSegment(x1, y1, x2, y2, colour);
}

void ImageSurface::invertColumn(double x, double y1, double y2) {
    if (!image_.isDetached()) {
        finishPainting();  // writing detaches the image: no painter may keep the old pixels
    }
    const double scale = image_.devicePixelRatio() / twipsPerPixel();
    const int thickness = std::max(1, static_cast<int>(image_.devicePixelRatio()));
    const int left = static_cast<int>(std::floor(x * scale));
    const int top = std::max(0, static_cast<int>(std::lround(std::min(y1, y2) * scale)));
    const int bottom =
        std::min(image_.height() - 1, static_cast<int>(std::lround(std::max(y1, y2) * scale)));
    for (int column = std::max(left, 0); column < std::min(left + thickness, image_.width());
         ++column) {
        for (int row = top; row <= bottom; ++row) {
            auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
            line[column] = (~line[column] & 0x00FFFFFF) | 0xFF000000;
        }
    }
}

double ImageSurface::pixelWidth() const {
    return image_.width() / image_.devicePixelRatio();
}

double ImageSurface::pixelHeight() const {
    return image_.height() / image_.devicePixelRatio();
}

}  // namespace tavrelion::display
