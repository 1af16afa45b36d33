#include "display/ImageSurface.h"

#include <algorithm>

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

double ImageSurface::pixelWidth() const {
    return image_.width() / image_.devicePixelRatio();
}

double ImageSurface::pixelHeight() const {
    return image_.height() / image_.devicePixelRatio();
}

}  // namespace tavrelion::display
