#pragma once

#include <QPrinter>

#include "display/PainterSurface.h"

namespace tavrelion::display {

// A printer page (or a PDF file) as a drawing surface; the page's printable area is the surface.
class PrinterSurface : public PainterSurface {
  public:
    // Paper is white: texts stand on a white ground, whatever the window's background.
    explicit PrinterSurface(QPrinter& printer) : printer_(printer) { BackColor = White; }
    ~PrinterSurface() override { finishPainting(); }
    PrinterSurface(const PrinterSurface&) = delete;
    PrinterSurface& operator=(const PrinterSurface&) = delete;

    void newPage();
    // Ends the document: the page goes to the printer or the file is written.
    void endDocument() { finishPainting(); }

  protected:
    QPaintDevice& device() override { return printer_; }
    double pixelWidth() const override;
    double pixelHeight() const override;
    double twipsPerPixel() const override { return 1440.0 / printer_.resolution(); }

  private:
    QPrinter& printer_;
};

}  // namespace tavrelion::display
