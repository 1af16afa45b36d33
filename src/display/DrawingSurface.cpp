#include "display/DrawingSurface.h"

namespace tavrelion::display {

void DrawingSurface::Clear() {
    fill(BackColor);
    CurrentX = 0.0;
    CurrentY = 0.0;
}

void DrawingSurface::PrintText(const std::string& text, bool endLine) {
    drawText(CurrentX, CurrentY, text);
    if (endLine) {
        CurrentX = 0.0;
        CurrentY += lineHeight();
    } else {
        CurrentX += textWidth(text);
    }
}

void DrawingSurface::DrawLine(double x1, double y1, double x2, double y2,
                              std::optional<Colour> colour) {
    drawSegment(x1, y1, x2, y2, colour.value_or(ForeColor));
}

}  // namespace tavrelion::display
