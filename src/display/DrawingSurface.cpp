#include "display/DrawingSurface.h"

#include <algorithm>

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

void DrawingSurface::SetClip(double left, double top, double right, double bottom) {
    clip_ = Rectangle{left, top, right, bottom};
}

// Liang-Barsky clipping: the segment is p(t) = p1 + t (p2 - p1), 0 <= t <= 1, and each edge of the
// rectangle narrows the range of t that lies inside.
void DrawingSurface::DrawLine(double x1, double y1, double x2, double y2,
                              std::optional<Colour> colour) {
    if (clip_) {
        const double dx = x2 - x1;
        const double dy = y2 - y1;
        const double p[4] = {-dx, dx, -dy, dy};
        const double q[4] = {x1 - clip_->left, clip_->right - x1, y1 - clip_->top,
                             clip_->bottom - y1};
        double enter = 0.0;
        double leave = 1.0;
        for (int edge = 0; edge < 4; ++edge) {
            if (p[edge] == 0.0) {
                if (q[edge] < 0.0) {
                    return;  // parallel to this edge and outside it
                }
                continue;
            }
            const double t = q[edge] / p[edge];
            if (p[edge] < 0.0) {
                enter = std::max(enter, t);
            } else {
                leave = std::min(leave, t);
            }
        }
        if (enter > leave) {
            return;
        }
        const double ex1 = x1 + enter * dx;
        const double ey1 = y1 + enter * dy;
        x2 = x1 + leave * dx;
        y2 = y1 + leave * dy;
        x1 = ex1;
        y1 = ey1;
    }
    drawSegment(x1, y1, x2, y2, colour.value_or(ForeColor));
}

}  // namespace tavrelion::display
