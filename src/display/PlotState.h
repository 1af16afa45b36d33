#pragma once

#include <string>
#include <vector>

#include "display/DrawingSurface.h"
#include "store/Int16.h"

namespace tavrelion::display {

// A curve drawn over the spectra, such as a back-calculated spectrum: values in mean residue
// ellipticity at wavelengths in nm.
struct OverlayCurve {
    std::string label;  // its line in the legend, below the spectra's
    std::vector<double> wavelengths;
    std::vector<double> values;
    Colour colour = White;
    int drawStyle = Dashed;
};

// The layout of the last redraw, which the cursor and the mouse use, and the display settings.
struct PlotState {
    double PlotLeft = 0.0;    // x of the frame's left edge
    double PlotHeight = 0.0;  // surface height at the last redraw
    double XScale = 0.0;      // twips per nm
    double YScale = 0.0;      // twips per deg.cm2/dmol
    double ZeroLineY = 0.0;   // y of the value 0
    store::Int16 XTickStep = 0;
    double MinSlotStep = 0.0;  // the cursor keys' step, nm
    Colour SavedForeColor = White;
    store::Int16 LineWidth = 1;
    store::Int16 CursorShown = 1;

    double CursorIndex = 1.0;  // cursor wavelength = DisplayFirstWavelength + CursorIndex - 1
    double PreviousCursorIndex = 0.0;
    store::Int16 CursorMarkHalfWidth = 200;

    // The wavelengths the Up/Down keys zoomed to (both 0: every shown slot's whole range), kept
    // until zoomed out again or a new set is started.
    store::Int16 ZoomFirst = 0;
    store::Int16 ZoomLast = 0;

    // Drawn over the spectra, in the same scales, until replaced; none by default.
    std::vector<OverlayCurve> Overlays;
};

}  // namespace tavrelion::display
