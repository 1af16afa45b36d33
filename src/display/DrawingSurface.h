#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tavrelion::display {

// Colours are 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr Colour LightRed = 0x000000FF;    // colour 12 of the 16-colour table
constexpr Colour LightGreen = 0x0000FF00;  // colour 10
constexpr Colour White = 0x00FFFFFF;
constexpr Colour Black = 0x00000000;

enum DrawModeCode : int { CopyPen = 13, Invert = 6 };
enum DrawStyleCode : int { Solid = 0, Dashed = 1, Dotted = 2, DashDot = 3, DashDotDot = 4 };

// A point of a polyline, in twips.
struct SurfacePoint {
    double x = 0.0;
    double y = 0.0;
};

// What the plot draws on: the window's image or a printer page. Positions are in twips
// (1/1440 inch) from the top-left corner, y downward. Text is drawn on an opaque background of
// BackColor, so a field of blanks wipes out an older, longer text; in invert mode lines take the
// inverse of the pixels under them, so drawing the same line twice restores the surface.
class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;

    // Fills everything with BackColor and moves the text position to (0, 0).
    void Clear();

    // Draws text in ForeColor at the text position; then moves right by its width, or with
    // endLine to x = 0 one text line down.
    void PrintText(const std::string& text, bool endLine);

    // The width of the text in the current font, in twips.
    double TextWidth(const std::string& text) const { return textWidth(text); }

    // A segment in the given colour, or in ForeColor; only its part inside the clip rectangle,
    // when one is set.
    void DrawLine(double x1, double y1, double x2, double y2,
                  std::optional<Colour> colour = std::nullopt);

    // The points joined in turn by one line in the given colour, or in ForeColor, clipped like
    // DrawLine; a dash pattern runs on along the whole line instead of starting again at every
    // point.
    void DrawPolyline(const std::vector<SurfacePoint>& points,
                      std::optional<Colour> colour = std::nullopt);

    // Lines are drawn only inside this rectangle until ClearClip (text is never clipped).
    void SetClip(double left, double top, double right, double bottom);
    void ClearClip() { clip_.reset(); }

    double FontSize() const { return fontSize_; }
    void SetFontSize(double points) { fontSize_ = points; }

    double CurrentX = 0.0;
    double CurrentY = 0.0;
    Colour ForeColor = White;
    Colour BackColor = Black;
    int DrawWidth = 1;
    int DrawStyle = Solid;
    int DrawMode = CopyPen;

  protected:
    virtual void fill(Colour colour) = 0;
    virtual void drawText(double x, double y, const std::string& text) = 0;
    virtual void drawSegment(double x1, double y1, double x2, double y2, Colour colour) = 0;
    // A run of joined segments that lies inside the clip rectangle; by default segment by segment.
    virtual void drawPath(const std::vector<SurfacePoint>& points, Colour colour);
    virtual double textWidth(const std::string& text) const = 0;
    virtual double lineHeight() const = 0;

  private:
    struct Rectangle {
        double left, top, right, bottom;
    };
    // The part of the segment inside the clip rectangle (the whole one without a clip), or none.
    std::optional<std::pair<SurfacePoint, SurfacePoint>> clipped(SurfacePoint from,
                                                                 SurfacePoint to) const;

    double fontSize_ = 8.25;
    std::optional<Rectangle> clip_;
};

}  // namespace tavrelion::display
