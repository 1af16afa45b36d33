#include "display/Figure.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "display/Colours.h"
#include "display/FigureAxes.h"

namespace tavrelion::display {
namespace {

constexpr double TickLength = 90.0;     // twips
constexpr double LabelGap = 80.0;       // between a tick label and the frame
constexpr double SampleLength = 360.0;  // the legend's line sample
constexpr double TextPoints = 10.0;

double WavelengthOf(const store::SpectrumStore& store, int s, int j) {
    return store.SlotFirstWavelength(s) + (j - 1) * store.SlotStep(s);
}

// The chosen value range, or the curves' range inside the wavelength range, 0 included, with a
// twentieth of room above and below.
FigureAxis ValueAxis(const store::SpectrumStore& store, const FigureSettings& settings) {
    FigureAxis axis{settings.minimumValue, settings.maximumValue, 1};
    if (settings.automaticValues) {
        double low = 0;
        double high = 0;
        for (int s = 1; s <= store.CurrentSlot; ++s) {
            const int points = std::min<int>(store.SlotRawCount(s), store::MaxPoints);
            for (int j = 1; j <= points; ++j) {
                const double lambda = WavelengthOf(store, s, j);
                if (lambda >= settings.firstWavelength && lambda <= settings.lastWavelength) {
                    const double v = InFigureUnits(store.SlotValue(j, s), settings.units);
                    low = std::min(low, v);
                    high = std::max(high, v);
                }
            }
        }
        if (high - low <= 0) {
            high = 1;
            low = -1;
        }
        const double room = (high - low) / 20;
        axis = {low - room, high + room, 1};
    }
    axis.step = TickStep(axis.high - axis.low);
    return axis;
}

// A slot's label without the window's " 2)" numbering, which means nothing on paper.
std::string LegendText(const std::string& label) {
    const std::size_t start = label.find_first_not_of(' ');
    if (start == std::string::npos) {
        return "";
    }
    const std::size_t bracket = label.find(')', start);
    if (bracket != std::string::npos && bracket > start &&
        label.find_first_not_of("0123456789", start) == bracket) {
        return label.substr(bracket + 1);
    }
    return label.substr(start);
}

}  // namespace

FigureFrame DrawFigure(DrawingSurface& surface, const store::SpectrumStore& store,
                       const FigureSettings& settings) {
    surface.BackColor = White;
    surface.ForeColor = Black;
    surface.DrawMode = CopyPen;
    surface.DrawStyle = Solid;
    surface.ClearClip();
    surface.Clear();
    // Unsound settings would give no axis to draw (and ticks without a step).
    if (store.SpectrumLoaded == 0 || FigureSettingsProblem(settings)) {
        return {};
    }
    surface.SetFontSize(TextPoints);
    const double w = surface.ScaleWidth();
    const double h = surface.ScaleHeight();
    const double line = TextPoints * 20;
    const double twipsPerPixel = 1440.0 / std::max(settings.dpi, 1);
    const int axisWidth = std::max(1, static_cast<int>(std::lround(15 / twipsPerPixel)));
    const int curveWidth = std::max(1, static_cast<int>(std::lround(28 / twipsPerPixel)));

    const FigureAxis wavelengths{settings.firstWavelength, settings.lastWavelength,
                                 TickStep(settings.lastWavelength - settings.firstWavelength)};
    const FigureAxis values = ValueAxis(store, settings);
    const std::vector<double> valueTicks = Ticks(values);

    double labelWidth = 0;
    for (double v : valueTicks) {
        labelWidth = std::max(labelWidth, surface.TextWidth(TickText(v, values.step)));
    }
    double legendWidth = 0;
    for (int s = 1; s <= store.CurrentSlot; ++s) {
        legendWidth = std::max(legendWidth, surface.TextWidth(LegendText(store.SlotLabel(s))));
    }
    legendWidth = std::min(legendWidth + SampleLength + 3 * LabelGap, 0.35 * w);

    FigureFrame frame{labelWidth + LabelGap + TickLength + line / 2, 2.5 * line,
                      w - legendWidth - line / 2, h - 3 * line};
    const auto x = [&](double lambda) {
        return frame.left + (lambda - wavelengths.low) / (wavelengths.high - wavelengths.low) *
                                (frame.right - frame.left);
    };
    const auto y = [&](double v) {
        return frame.bottom -
               (v - values.low) / (values.high - values.low) * (frame.bottom - frame.top);
    };

    surface.DrawWidth = axisWidth;
    for (double lambda : Ticks(wavelengths)) {
        const std::string text = TickText(lambda, wavelengths.step);
        surface.DrawLine(x(lambda), frame.bottom, x(lambda), frame.bottom - TickLength);
        surface.CurrentX = x(lambda) - surface.TextWidth(text) / 2;
        surface.CurrentY = frame.bottom + LabelGap;
        surface.PrintText(text, true);
    }
    for (double v : valueTicks) {
        const std::string text = TickText(v, values.step);
        surface.DrawLine(frame.left, y(v), frame.left + TickLength, y(v));
        surface.CurrentX = frame.left - LabelGap - surface.TextWidth(text);
        surface.CurrentY = y(v) - line / 2;
        surface.PrintText(text, true);
    }
    const std::string wavelengthTitle = "Wavelength (nm)";
    surface.CurrentX = (frame.left + frame.right - surface.TextWidth(wavelengthTitle)) / 2;
    surface.CurrentY = frame.bottom + LabelGap + 1.3 * line;
    surface.PrintText(wavelengthTitle, true);
    surface.CurrentX = frame.left - LabelGap - labelWidth;
    surface.CurrentY = frame.top - 1.8 * line;
    surface.PrintText(FigureUnitsTitle(settings.units), true);

    if (values.low < 0 && values.high > 0) {
        surface.DrawStyle = Dotted;
        surface.DrawLine(frame.left, y(0), frame.right, y(0), 0x00808080);
        surface.DrawStyle = Solid;
    }
    surface.DrawLine(frame.left, frame.top, frame.right, frame.top);
    surface.DrawLine(frame.right, frame.top, frame.right, frame.bottom);
    surface.DrawLine(frame.right, frame.bottom, frame.left, frame.bottom);
    surface.DrawLine(frame.left, frame.bottom, frame.left, frame.top);

    surface.DrawWidth = curveWidth;
    surface.SetClip(frame.left, frame.top, frame.right, frame.bottom);
    for (int s = 1; s <= store.CurrentSlot; ++s) {
        const Colour colour = ReadableOnWhite(store.SlotColor(s));
        const int points = std::min<int>(store.SlotRawCount(s), store::MaxPoints);
        for (int j = 1; j < points; ++j) {
            surface.DrawLine(x(WavelengthOf(store, s, j)),
                             y(InFigureUnits(store.SlotValue(j, s), settings.units)),
                             x(WavelengthOf(store, s, j + 1)),
                             y(InFigureUnits(store.SlotValue(j + 1, s), settings.units)), colour);
        }
    }
    surface.ClearClip();

    for (int s = 1; s <= store.CurrentSlot; ++s) {
        const double top = frame.top + (s - 1) * 1.2 * line;
        const double sampleLeft = frame.right + 2 * LabelGap;
        surface.DrawLine(sampleLeft, top + line / 2, sampleLeft + SampleLength, top + line / 2,
                         ReadableOnWhite(store.SlotColor(s)));
        surface.ForeColor = Black;
        surface.CurrentX = sampleLeft + SampleLength + LabelGap;
        surface.CurrentY = top;
        surface.PrintText(LegendText(store.SlotLabel(s)), true);
    }
    surface.DrawWidth = 1;
    return frame;
}

}  // namespace tavrelion::display
