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
std::optional<std::pair<SurfacePoint, SurfacePoint>> DrawingSurface::clipped(
    SurfacePoint from, SurfacePoint to) const {
    if (!clip_) {
        return std::make_pair(from, to);
    }
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {from.x - clip_->left, clip_->right - from.x, from.y - clip_->top,
                         clip_->bottom - from.y};
    double enter = 0.0;
    double leave = 1.0;
    for (int edge = 0; edge < 4; ++edge) {
        if (p[edge] == 0.0) {
            if (q[edge] < 0.0) {
                return std::nullopt;  // parallel to this edge and outside it
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
        return std::nullopt;
    }
    return std::make_pair(SurfacePoint{from.x + enter * dx, from.y + enter * dy},
                          SurfacePoint{from.x + leave * dx, from.y + leave * dy});
}

void DrawingSurface::DrawLine(double x1, double y1, double x2, double y2,
                              std::optional<Colour> colour) {
    if (const auto inside = clipped({x1, y1}, {x2, y2})) {
        drawSegment(inside->first.x, inside->first.y, inside->second.x, inside->second.y,
                    colour.value_or(ForeColor));
    }
}

// Each run of segments that stays inside the clip rectangle is drawn as one path; a segment that
// leaves it ends the run.
void DrawingSurface::DrawPolyline(const std::vector<SurfacePoint>& points,
                                  std::optional<Colour> colour) {
    const Colour ink = colour.value_or(ForeColor);
    std::vector<SurfacePoint> run;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const auto inside = clipped(points[i - 1], points[i]);
        const bool continues = inside && !run.empty() && inside->first.x == run.back().x &&
                               inside->first.y == run.back().y;
        if (!continues && run.size() > 1) {
            drawPath(run, ink);
        }
        if (!continues) {
            run.clear();
            if (inside) {
                run.push_back(inside->first);
            }
        }
        if (inside) {
            run.push_back(inside->second);
        }
    }
    if (run.size() > 1) {
        drawPath(run, ink);
    }
}

void DrawingSurface::drawPath(const std::vector<SurfacePoint>& points, Colour colour) {
    for (std::size_t i = 1; i < points.size(); ++i) {
        drawSegment(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, colour);
    }
}

}  // namespace tavrelion::display
