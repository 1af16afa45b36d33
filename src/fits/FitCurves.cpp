#include "fits/FitCurves.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace tavrelion::fits {
namespace {

// Okabe & Ito's colours for colour-blind readers (0x00BBGGRR), without the yellow, which vanishes
// on white: blue, vermillion, bluish green, reddish purple, orange, sky blue, grey.
constexpr display::Colour MethodColours[] = {0x00B27200, 0x00005ED5, 0x00739E00, 0x00A779CC,
                                             0x00009FE6, 0x00E9B456, 0x00808080};
constexpr int MethodStyles[] = {display::Dashed, display::DashDot, display::DashDotDot,
                                display::Dotted};

constexpr std::size_t ColourCount = std::size(MethodColours);
constexpr std::size_t StyleCount = std::size(MethodStyles);

std::string Nrmsd(double nrmsd) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", nrmsd);
    return text;
}

// The n-th fitted method's look: colour and dash pattern both change from one method to the next,
// so that two methods whose curves nearly coincide still differ in both; 7 and 4 have no common
// divisor, so the first 28 looks are all different.
FitCurve Look(std::size_t n) {
    FitCurve curve;
    curve.colour = MethodColours[n % ColourCount];
    curve.drawStyle = MethodStyles[n % StyleCount];
    return curve;
}

std::vector<FitCurve> FittedCurves(const std::vector<analysis::MethodResult>& results,
                                   bool residuals) {
    std::vector<FitCurve> curves;
    for (const analysis::MethodResult& result : results) {
        if (!HasFit(result)) {
            continue;
        }
        FitCurve curve = Look(curves.size());
        curve.label = FitLegendText(result);
        curve.wavelengths = result.wavelengths;
        curve.values = result.calculated;
        if (residuals) {
            for (std::size_t i = 0; i < curve.values.size(); ++i) {
                curve.values[i] = result.measured[i] - result.calculated[i];
            }
        }
        curves.push_back(std::move(curve));
    }
    return curves;
}

bool AllFinite(const std::vector<double>& values) {
    return std::all_of(values.begin(), values.end(),
                       [](double value) { return std::isfinite(value); });
}

// The measured values the method compared its fit with, whether or not the fit is drawn.
bool HasMeasured(const analysis::MethodResult& result) {
    return !result.wavelengths.empty() && result.measured.size() == result.wavelengths.size() &&
           AllFinite(result.wavelengths) && AllFinite(result.measured);
}

}  // namespace

bool HasFit(const analysis::MethodResult& result) {
    return HasMeasured(result) && result.calculated.size() == result.wavelengths.size() &&
           AllFinite(result.calculated);
}

std::string FitLegendText(const analysis::MethodResult& result) {
    // A least-squares row whose curve is not drawn still has its NRMSD to tell.
    if (!HasFit(result) && !(result.calibrationBasis && result.nrmsd)) {
        return result.method + "  no back-calculated spectrum";
    }
    std::string text = result.method;
    if (result.nrmsd) {
        text += "  NRMSD " + Nrmsd(*result.nrmsd);
    }
    if (!result.quality.empty()) {
        text += (result.nrmsd ? " " : "  ") + result.quality;
    }
    return text;
}

std::vector<analysis::MethodResult> DrawnResults(std::vector<analysis::MethodResult> results,
                                                 bool leastSquaresDrawn) {
    for (analysis::MethodResult& result : results) {
        if (result.calibrationBasis && !leastSquaresDrawn && HasFit(result)) {
            result.calculated.clear();
            result.quality += result.quality.empty() ? "not drawn" : ", not drawn";
        }
    }
    return results;
}

FitCurve MeasuredCurve(const std::vector<analysis::MethodResult>& results) {
    std::map<double, double, std::greater<>> measured;
    for (const analysis::MethodResult& result : results) {
        if (HasMeasured(result)) {
            for (std::size_t i = 0; i < result.wavelengths.size(); ++i) {
                measured.emplace(result.wavelengths[i], result.measured[i]);
            }
        }
    }
    FitCurve curve;
    curve.label = "Measured";
    for (const auto& [wavelength, value] : measured) {
        curve.wavelengths.push_back(wavelength);
        curve.values.push_back(value);
    }
    return curve;
}

std::vector<FitCurve> CalculatedCurves(const std::vector<analysis::MethodResult>& results) {
    return FittedCurves(results, false);
}

std::vector<FitCurve> ResidualCurves(const std::vector<analysis::MethodResult>& results) {
    return FittedCurves(results, true);
}

std::vector<display::OverlayCurve> PlotOverlays(
    const std::vector<analysis::MethodResult>& results) {
    std::vector<display::OverlayCurve> overlays;
    std::size_t n = 0;
    for (const analysis::MethodResult& result : results) {
        if (HasFit(result)) {
            const FitCurve look = Look(n++);
            overlays.push_back({result.method + " fit", result.wavelengths, result.calculated,
                                look.colour, look.drawStyle});
        }
    }
    return overlays;
}

}  // namespace tavrelion::fits
