#include "fits/FitsFigure.h"

#include <algorithm>
#include <cmath>

#include "display/FigureAxes.h"
#include "fits/FitCurves.h"

namespace tavrelion::fits {
namespace {

using display::DrawingSurface;
using display::FigureAxis;
using display::FigureFrame;
using display::FigureSettings;

constexpr double TickLength = 90.0;     // twips
constexpr double LabelGap = 80.0;       // between a tick label and the frame
constexpr double SampleLength = 480.0;  // the legend's line sample: long enough to show a dash
constexpr double TextPoints = 10.0;
constexpr double ResidualShare = 0.3;  // of the height the two frames take together

// The range of the values inside the wavelength range, with a twentieth of room above and below;
// with zeroInMiddle symmetric about 0.
FigureAxis AutomaticAxis(const std::vector<FitCurve>& curves, const FigureSettings& settings,
                         bool zeroInMiddle) {
    double low = 0;
    double high = 0;
    for (const FitCurve& curve : curves) {
        for (std::size_t i = 0; i < curve.values.size(); ++i) {
            if (curve.wavelengths[i] >= settings.firstWavelength &&
                curve.wavelengths[i] <= settings.lastWavelength) {
                const double v = display::InFigureUnits(curve.values[i], settings.units);
                low = std::min(low, v);
                high = std::max(high, v);
            }
        }
    }
    if (zeroInMiddle) {
        high = std::max(high, -low);
        low = -high;
    }
    if (!(high - low > 0)) {
        high = 1;
        low = -1;
    }
    const double room = (high - low) / 20;
    FigureAxis axis{low - room, high + room, 1};
    axis.step = display::TickStep(axis.high - axis.low);
    return axis;
}

// Draws curves, ticks and value labels of one frame; the caller draws its titles.
class FramePainter {
  public:
    FramePainter(DrawingSurface& surface, const FigureFrame& frame, const FigureAxis& wavelengths,
                 const FigureAxis& values, const FigureSettings& settings)
        : surface_(surface),
          frame_(frame),
          wavelengths_(wavelengths),
          values_(values),
          settings_(settings) {}

    double x(double lambda) const {
        return frame_.left + (lambda - wavelengths_.low) / (wavelengths_.high - wavelengths_.low) *
                                 (frame_.right - frame_.left);
    }
    double y(double v) const {
        return frame_.bottom -
               (v - values_.low) / (values_.high - values_.low) * (frame_.bottom - frame_.top);
    }

    void drawFrame(bool wavelengthLabels) {
        const double line = TextPoints * 20;
        for (double lambda : display::Ticks(wavelengths_)) {
            surface_.DrawLine(x(lambda), frame_.bottom, x(lambda), frame_.bottom - TickLength);
            if (wavelengthLabels) {
                const std::string text = display::TickText(lambda, wavelengths_.step);
                surface_.CurrentX = x(lambda) - surface_.TextWidth(text) / 2;
                surface_.CurrentY = frame_.bottom + LabelGap;
                surface_.PrintText(text, true);
            }
        }
        for (double v : display::Ticks(values_)) {
            const std::string text = display::TickText(v, values_.step);
            surface_.DrawLine(frame_.left, y(v), frame_.left + TickLength, y(v));
            surface_.CurrentX = frame_.left - LabelGap - surface_.TextWidth(text);
            surface_.CurrentY = y(v) - line / 2;
            surface_.PrintText(text, true);
        }
        if (values_.low < 0 && values_.high > 0) {
            surface_.DrawStyle = display::Dotted;
            surface_.DrawLine(frame_.left, y(0), frame_.right, y(0), 0x00808080);
            surface_.DrawStyle = display::Solid;
        }
        surface_.DrawLine(frame_.left, frame_.top, frame_.right, frame_.top);
        surface_.DrawLine(frame_.right, frame_.top, frame_.right, frame_.bottom);
        surface_.DrawLine(frame_.right, frame_.bottom, frame_.left, frame_.bottom);
        surface_.DrawLine(frame_.left, frame_.bottom, frame_.left, frame_.top);
    }

    void drawCurve(const FitCurve& curve) {
        std::vector<display::SurfacePoint> points;
        for (std::size_t i = 0; i < curve.values.size(); ++i) {
            points.push_back({x(curve.wavelengths[i]),
                              y(display::InFigureUnits(curve.values[i], settings_.units))});
        }
        surface_.SetClip(frame_.left, frame_.top, frame_.right, frame_.bottom);
        surface_.DrawStyle = curve.drawStyle;
        surface_.DrawPolyline(points, curve.colour);
        surface_.DrawStyle = display::Solid;
        surface_.ClearClip();
    }

  private:
    DrawingSurface& surface_;
    FigureFrame frame_;
    FigureAxis wavelengths_;
    FigureAxis values_;
    const FigureSettings& settings_;
};

double LabelWidth(DrawingSurface& surface, const FigureAxis& axis) {
    double width = 0;
    for (double v : display::Ticks(axis)) {
        width = std::max(width, surface.TextWidth(display::TickText(v, axis.step)));
    }
    return width;
}

}  // namespace

FigureSettings DefaultFitsSettings(const std::vector<analysis::MethodResult>& results) {
    FigureSettings settings;
    settings.widthInches = 7.0;
    settings.heightInches = 5.0;
    const FitCurve measured = MeasuredCurve(results);
    if (measured.wavelengths.size() > 1) {
        settings.firstWavelength = measured.wavelengths.back();
        settings.lastWavelength = measured.wavelengths.front();
    }
    return settings;
}

FitsFrames DrawFitsFigure(DrawingSurface& surface,
                          const std::vector<analysis::MethodResult>& results,
                          const FigureSettings& settings) {
    surface.BackColor = display::White;
    surface.ForeColor = display::Black;
    surface.DrawMode = display::CopyPen;
    surface.DrawStyle = display::Solid;
    surface.ClearClip();
    surface.Clear();
    surface.SetFontSize(TextPoints);
    const double line = TextPoints * 20;
    const FitCurve measured = MeasuredCurve(results);
    if (measured.wavelengths.empty()) {
        surface.CurrentX = line;
        surface.CurrentY = line;
        surface.PrintText(NoFitsText, true);
        return {};
    }
    if (display::FigureSettingsProblem(settings)) {
        return {};
    }
    const double w = surface.ScaleWidth();
    const double h = surface.ScaleHeight();
    const double twipsPerPixel = 1440.0 / std::max(settings.dpi, 1);
    const int axisWidth = std::max(1, static_cast<int>(std::lround(15 / twipsPerPixel)));
    const int curveWidth = std::max(1, static_cast<int>(std::lround(24 / twipsPerPixel)));

    const std::vector<FitCurve> calculated = CalculatedCurves(results);
    const std::vector<FitCurve> residuals = ResidualCurves(results);
    std::vector<FitCurve> spectra = calculated;
    spectra.insert(spectra.begin(), measured);

    const FigureAxis wavelengths{
        settings.firstWavelength, settings.lastWavelength,
        display::TickStep(settings.lastWavelength - settings.firstWavelength)};
    FigureAxis values = AutomaticAxis(spectra, settings, false);
    if (!settings.automaticValues) {
        values = {settings.minimumValue, settings.maximumValue,
                  display::TickStep(settings.maximumValue - settings.minimumValue)};
    }
    const FigureAxis residualValues = AutomaticAxis(residuals, settings, true);

    std::vector<std::string> legend;
    for (const FitCurve& curve : spectra) {
        legend.push_back(curve.label);
    }
    for (const analysis::MethodResult& result : results) {
        if (!HasFit(result)) {
            legend.push_back(FitLegendText(result));
        }
    }
    double legendWidth = 0;
    for (const std::string& text : legend) {
        legendWidth = std::max(legendWidth, surface.TextWidth(text));
    }
    legendWidth = std::min(legendWidth + SampleLength + 3 * LabelGap, 0.45 * w);

    const double left = std::max(LabelWidth(surface, values), LabelWidth(surface, residualValues)) +
                        LabelGap + TickLength + line / 2;
    const double right = w - legendWidth - line / 2;
    const double top = 2.5 * line;
    const double bottom = h - 3 * line;
    const double gap = 2.5 * line;  // the residual frame's title between the two
    const double residualHeight = (bottom - top - gap) * ResidualShare;
    const FitsFrames frames{{left, top, right, bottom - residualHeight - gap},
                            {left, bottom - residualHeight, right, bottom}};

    FramePainter upper(surface, frames.spectra, wavelengths, values, settings);
    FramePainter lower(surface, frames.residuals, wavelengths, residualValues, settings);
    surface.DrawWidth = axisWidth;
    upper.drawFrame(false);
    lower.drawFrame(true);

    const std::string wavelengthTitle = "Wavelength (nm)";
    surface.CurrentX = (left + right - surface.TextWidth(wavelengthTitle)) / 2;
    surface.CurrentY = bottom + LabelGap + 1.3 * line;
    surface.PrintText(wavelengthTitle, true);
    surface.CurrentX = left - LabelGap - LabelWidth(surface, values);
    surface.CurrentY = top - 1.8 * line;
    surface.PrintText(display::FigureUnitsTitle(settings.units), true);
    surface.CurrentX = left - LabelGap - LabelWidth(surface, residualValues);
    surface.CurrentY = frames.residuals.top - 1.8 * line;
    surface.PrintText("Residual (measured \xE2\x88\x92 calculated)", true);

    surface.DrawWidth = curveWidth;
    for (const FitCurve& curve : calculated) {
        upper.drawCurve(curve);
    }
    upper.drawCurve(measured);  // on top: it is what every fit is judged against
    for (const FitCurve& curve : residuals) {
        lower.drawCurve(curve);
    }

    const double sampleLeft = right + 2 * LabelGap;
    for (std::size_t k = 0; k < legend.size(); ++k) {
        const double lineTop = top + static_cast<double>(k) * 1.2 * line;
        if (k < spectra.size()) {
            surface.DrawStyle = spectra[k].drawStyle;
            surface.DrawPolyline(
                {{sampleLeft, lineTop + line / 2}, {sampleLeft + SampleLength, lineTop + line / 2}},
                spectra[k].colour);
            surface.DrawStyle = display::Solid;
        }
        surface.CurrentX = sampleLeft + SampleLength + LabelGap;
        surface.CurrentY = lineTop;
        surface.PrintText(legend[k], true);
    }
    surface.DrawWidth = 1;
    return frames;
}

}  // namespace tavrelion::fits
