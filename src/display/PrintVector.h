#pragma once

#include "display/DrawingSurface.h"
#include "display/PlotState.h"
#include "store/SpectrumStore.h"

namespace tavrelion::display {

// Draws the plot again, line by line, on a printer page: printSize 1 fills the page, 2 its
// top-left quarter. Unlike the window it has no unit label and no vertical title but one
// horizontal title above the plot; texts, frame and ticks are black, the curves are in the slot
// colours at twice the line width, and the Up/Down zoom of the window does not apply. While the
// cursor is shown, a black cursor line, the readout (wavelength and the value of each slot) and
// the program's signature are printed too. Nothing is printed while no spectrum is loaded.
//
// The page's texts are drawn on an opaque BackColor, which the caller sets to the paper's
// white. The printout overwrites the window's layout in state with the page's and does not end
// the document: the caller ends it (sending the page to the printer) and then redraws the
// window with RedrawPlot, which restores the window's layout.
void PrintVector(DrawingSurface& page, store::SpectrumStore& store, PlotState& state,
                 int printSize);

}  // namespace tavrelion::display
