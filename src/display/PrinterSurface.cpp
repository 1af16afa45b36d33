#include "display/PrinterSurface.h"

namespace tavrelion::display {

void PrinterSurface::newPage() {
    printer_.newPage();
}

double PrinterSurface::pixelWidth() const {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).width();
}

double PrinterSurface::pixelHeight() const {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
}

}  // namespace tavrelion::display
