#pragma once

#include <string>

#include "display/DrawingSurface.h"
#include "display/PlotState.h"
#include "store/SpectrumStore.h"

namespace tavrelion::display {

// Draws every shown slot (1..CurrentSlot) as mean residue ellipticity against wavelength: unit
// label, legend, frame with wavelength ticks and labels, dotted zero line, curves, axis titles,
// value ticks, the cursor and its readout. Widens the displayed wavelength range to every shown
// slot and leaves the layout in state. Does nothing while no spectrum is loaded.
void RedrawPlot(DrawingSurface& surface, store::SpectrumStore& store, PlotState& state);

// Prints text one character per line down the right margin.
void VerticalText(DrawingSurface& surface, const std::string& text);

// The x of wavelength lambda in the last redraw's layout.
double XOfWavelength(const store::SpectrumStore& store, const PlotState& state, double lambda);

}  // namespace tavrelion::display
