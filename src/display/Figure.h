#pragma once

#include "display/DrawingSurface.h"
#include "display/FigureSettings.h"
#include "store/SpectrumStore.h"

namespace tavrelion::display {

// Where a figure's frame lies on its surface, in twips.
struct FigureFrame {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// Draws the shown slots (1..CurrentSlot) for print on the whole surface: a white ground, a dark
// frame with ticks, tick labels and axis titles outside it, the curves in colours readable on
// white clipped to the chosen wavelength and value range, and the legend to the right of the frame,
// where it never covers a curve. The window's cursor, zoom and layout are not used. Returns the
// frame; draws nothing but the ground while no spectrum is loaded or the settings are not sound.
FigureFrame DrawFigure(DrawingSurface& surface, const store::SpectrumStore& store,
                       const FigureSettings& settings);

}  // namespace tavrelion::display
