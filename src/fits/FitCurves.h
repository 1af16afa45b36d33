#pragma once

#include <string>
#include <vector>

#include "analysis/MethodResult.h"
#include "display/DrawingSurface.h"
#include "display/PlotState.h"

// What the Fits window and the main plot draw of an analysis: the measured spectrum, each
// method's back-calculated spectrum and the residuals, each curve with its own look, and the
// legend's words. Values are mean residue ellipticity (deg cm2 dmol-1), as in MethodResult.
namespace tavrelion::fits {

struct FitCurve {
    std::string label;
    std::vector<double> wavelengths;  // nm, highest first
    std::vector<double> values;
    display::Colour colour = display::Black;
    int drawStyle = display::Solid;
};

// The legend text of a method: its name, then its NRMSD with three decimals and its quality word
// where it gives them ("SELCON3  NRMSD 0.034 good"); a method without a back-calculated spectrum
// says so ("K2D  no back-calculated spectrum").
std::string FitLegendText(const analysis::MethodResult& result);

// The results as the Fits window and the main plot draw them. The least-squares rows'
// back-calculated spectra, which come from calibration bases and show no fit, are left out unless
// `leastSquaresDrawn`; their measured values stay, and their legend keeps the NRMSD and says the
// curve is not drawn.
std::vector<analysis::MethodResult> DrawnResults(std::vector<analysis::MethodResult> results,
                                                 bool leastSquaresDrawn);

// Whether the method gives a back-calculated spectrum that can be drawn: columns of one length,
// every number finite.
bool HasFit(const analysis::MethodResult& result);

// The measured spectrum over every wavelength some method used (its fit drawn or not), labelled
// "Measured", solid black: at a wavelength several methods share, the first method's value.
FitCurve MeasuredCurve(const std::vector<analysis::MethodResult>& results);

// The back-calculated spectra of the methods that give one, in their order, labelled with the
// legend text. Each takes the next colour and dash pattern, so that no two of up to 28 methods
// look alike and each reads on white and on black.
std::vector<FitCurve> CalculatedCurves(const std::vector<analysis::MethodResult>& results);

// The residuals (measured - calculated) of the same methods, looking as their calculated curves.
std::vector<FitCurve> ResidualCurves(const std::vector<analysis::MethodResult>& results);

// The back-calculated spectra as curves over the main plot, in the same looks as in the Fits
// window, labelled with the method's name and "fit" ("SELCON3 fit").
std::vector<display::OverlayCurve> PlotOverlays(const std::vector<analysis::MethodResult>& results);

}  // namespace tavrelion::fits
