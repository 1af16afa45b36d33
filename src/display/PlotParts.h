#pragma once

#include "display/DrawingSurface.h"
#include "display/PlotState.h"
#include "store/SpectrumStore.h"

// The parts of the plot that the window and the vector printout draw alike. Each takes the size
// of the area it draws on (the window, or the printed part of a page) instead of reading the
// surface's own size, and the layout in state that the caller has set for that area.
namespace tavrelion::display {

// The union of the shown slots' values, 0 always included.
struct ValueRange {
    double maximum = 0.0;
    double minimum = 0.0;
};

// Prints the legend from the current text line down, one slot label per line at x = width / 3
// in the slot's colour, and gathers the ranges of slots 1..CurrentSlot: widens the displayed
// wavelength range to every shown slot (starting it at the current spectrum's first wavelength
// when it is still unset) and returns the union of their values. Values that are 0 everywhere
// give -1..1, so that the plot still gets a frame, with the zero line in its middle.
ValueRange DrawLegendAndGatherRanges(DrawingSurface& surface, store::SpectrumStore& store,
                                     double width, bool forPaper = false);

// While zoomed (state.ZoomFirst/ZoomLast), narrows the displayed wavelength range that the legend
// step widened to the zoomed one, and returns the union of the values drawn inside it (0 always
// included) so that the zoomed part fills the frame; otherwise returns values unchanged. A zoom
// that no longer overlaps the shown slots is dropped.
ValueRange ApplyZoom(store::SpectrumStore& store, PlotState& state, const ValueRange& values);

// Sets XScale, YScale and ZeroLineY for a plot of width x height twips and returns the value
// span |maximum| + |minimum|. A single displayed wavelength gets the whole width. The zero line
// is lowered where the largest value would stand above the frame.
double SetScales(const store::SpectrumStore& store, PlotState& state, const ValueRange& values,
                 double width, double height);

// Sets XTickStep from the displayed range and draws the wavelength ticks on the frame's top and
// bottom edges, each labelled just inside the bottom edge, starting two nm (at most 200 twips)
// left of its tick.
void DrawWavelengthTicks(DrawingSurface& surface, const store::SpectrumStore& store,
                         PlotState& state, double height);

// The frame, its right edge at width - width / 30, and the dotted zero line across it.
void DrawFrameAndZeroLine(DrawingSurface& surface, const PlotState& state, double width,
                          double height);

// The curves of slots 1..CurrentSlot in their colours (made readable on white for paper), at the
// surface's DrawWidth, clipped to the frame of a plot width x height twips (and the strip above
// it where the layout puts the value 0 of a spectrum without positive values). MinSlotStep is
// lowered to the smallest slot step; with resetMinSlotStep it first starts again from 100.
void DrawCurves(DrawingSurface& surface, const store::SpectrumStore& store, PlotState& state,
                bool resetMinSlotStep, double width, double height, bool forPaper = false);

// The labels of the overlay curves, one per line from the current text line down at
// x = width / 3 (below the spectra's labels), each in its curve's colour (darkened where it would
// be too pale on paper).
void DrawOverlayLegend(DrawingSurface& surface, const PlotState& state, double width,
                       bool forPaper = false);

// The overlay curves of state, each in its colour and dash pattern, clipped to the frame as the
// curves are.
void DrawOverlays(DrawingSurface& surface, const store::SpectrumStore& store,
                  const PlotState& state, double width, double height, bool forPaper = false);

// The dotted band of one standard deviation around an averaged slot's curve; nothing for a slot
// without one.
void DrawDeviationBand(DrawingSurface& surface, const store::SpectrumStore& store,
                       const PlotState& state, int slot);

// The value ticks on the frame's left edge, labelled in the left margin 60 twips above their
// ticks, between height / 10 and 19 x height / 20; 0 is labelled by both the upward and the
// downward pass.
// A dotted line in the slot's colour where the HT cut-off made a spectrum start, marked "HT".
void DrawHtCuts(DrawingSurface& surface, const store::SpectrumStore& store, const PlotState& state,
                double height);

void DrawValueTicks(DrawingSurface& surface, const PlotState& state, double range, double height);

}  // namespace tavrelion::display
