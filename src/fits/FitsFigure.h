#pragma once

#include <vector>

#include "analysis/MethodResult.h"
#include "display/DrawingSurface.h"
#include "display/Figure.h"
#include "display/FigureSettings.h"

namespace tavrelion::fits {

// Where the two frames of the fits figure lie on its surface, in twips.
struct FitsFrames {
    display::FigureFrame spectra;    // measured and back-calculated spectra
    display::FigureFrame residuals;  // measured - calculated, below
};

// The wavelength range every method used, values chosen automatically, 7 x 5 inches.
display::FigureSettings DefaultFitsSettings(const std::vector<analysis::MethodResult>& results);

// Draws the fits for print on the whole surface, as DrawFigure draws spectra: a white ground; the
// measured spectrum (solid black) and each method's back-calculated spectrum in the upper frame;
// the residuals with a dotted zero line in a lower frame a third as high, on the same wavelength
// axis; axis titles and tick labels outside the frames; and the legend to the right of them, one
// line per curve with its sample and the method's NRMSD, then the methods without a
// back-calculated spectrum. The value range of the settings is the upper frame's; the residual
// frame always fits its curves, 0 in the middle. Returns the frames; draws nothing but the ground
// (and a line saying why) when no method gives a back-calculated spectrum or the settings are not
// sound.
FitsFrames DrawFitsFigure(display::DrawingSurface& surface,
                          const std::vector<analysis::MethodResult>& results,
                          const display::FigureSettings& settings);

// The text drawn when no method of the results gives a back-calculated spectrum.
inline constexpr const char* NoFitsText =
    "None of the methods run on this spectrum gives a back-calculated spectrum.";

}  // namespace tavrelion::fits
