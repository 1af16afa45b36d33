#pragma once

#include <QImage>

#include "display/PainterSurface.h"

namespace tavrelion::display {

// The window's persistent image: the plot is drawn here once and the window shows, copies, saves
// and prints this image. On a high-DPI screen the image has the screen's device pixels.
class ImageSurface : public PainterSurface {
  public:
    ImageSurface() = default;
    ~ImageSurface() override { finishPainting(); }  // the painter must end before the image goes
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    // A surface of the given size in logical pixels (15 twips each) and device pixel ratio.
    void resize(int width, int height, double devicePixelRatio = 1.0);

    // The image with everything drawn so far.
    const QImage& image();

  protected:
    QPaintDevice& device() override { return image_; }
    double pixelWidth() const override;
    double pixelHeight() const override;
    double twipsPerPixel() const override { return 15.0; }
    void drawSegment(double x1, double y1, double x2, double y2, Colour colour) override;

  private:
    void invertColumn(double x, double y1, double y2);

    QImage image_;
};

}  // namespace tavrelion::display
