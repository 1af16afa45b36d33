#pragma once

#include <string>

#include "display/DrawingSurface.h"
#include "display/PlotState.h"
#include "store/SpectrumStore.h"

namespace tavrelion::display {

// The vertical wavelength cursor, drawn in invert mode (the caller sets DrawMode 6) so that
// drawing it again removes it. DrawCursor also prints the readout: the cursor wavelength, and for
// each shown slot its value at the cursor in the slot's colour, with a short mark on the curve.
void DrawCursor(DrawingSurface& surface, store::SpectrumStore& store, PlotState& state, double left,
                double height);

// Draws the line and the marks (no text) again at CursorIndex, which removes them.
void EraseCursor(DrawingSurface& surface, store::SpectrumStore& store, PlotState& state);

// A mouse press, or a move with a button held, at x twips: the cursor jumps to the nearest point of
// the finest slot step there.
void MoveCursorToX(DrawingSurface& surface, store::SpectrumStore& store, PlotState& state,
                   double x);

enum class CursorKey { Left, Right, Up, Down };

// Left/Right move the cursor by the smallest slot step (ten steps with Shift), and past the shown
// part of a zoomed plot move the view with it; Up/Down halve or double the shown wavelength range
// (by 4 with Shift) about the cursor, down to 4 nm and up to every shown slot's whole range.
void PressCursorKey(DrawingSurface& surface, store::SpectrumStore& store, PlotState& state,
                    CursorKey key, bool shift);

// Shows a hidden cursor or hides a shown one; returns the menu item's new caption.
std::string ToggleCursor(DrawingSurface& surface, store::SpectrumStore& store, PlotState& state);

// Forgets the Up/Down zoom: the next redraw shows every shown slot's whole range.
void ResetZoom(PlotState& state);

}  // namespace tavrelion::display
