#include "display/Cursor.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "display/Plot.h"
#include "store/NumberText.h"

namespace tavrelion::display {
namespace {

// The point of slot s under the cursor, or 0 when the cursor lies before the slot's first point
// or past its last one.
int SlotPointAtCursor(store::SpectrumStore& store, const PlotState& state, int s) {
    if (store.SlotStep(s) == 0) {
        store.SlotStep(s) = 1;
    }
    const double cursorWavelength = store.DisplayFirstWavelength + state.CursorIndex;
    const double q = (cursorWavelength - 0.5 - store.SlotFirstWavelength(s)) / store.SlotStep(s);
    if (!(q >= 0.5 && q < 1000)) {
        return 0;
    }
    const double i = std::nearbyint(
        (cursorWavelength - 1 - store.SlotFirstWavelength(s)) / store.SlotStep(s) + 1);
    // Past the slot's last point there is no value of its own to show.
    if (i < 1 || i > store.SlotRawCount(s) || i > store::MaxPoints) {
        return 0;
    }
    return static_cast<int>(i);
}

double CursorX(const PlotState& state, double left, double index) {
    return left + state.XScale * index;
}

void DrawMark(DrawingSurface& surface, const store::SpectrumStore& store, const PlotState& state,
              int s, int i, double x) {
    const double y = state.ZeroLineY - state.YScale * store.SlotValue(i, s);
    surface.DrawLine(x - state.CursorMarkHalfWidth, y, x + state.CursorMarkHalfWidth, y,
                     store.SlotColor(s));
}

void RedrawCursor(DrawingSurface& surface, store::SpectrumStore& store, PlotState& state) {
    DrawCursor(surface, store, state, state.PlotLeft, state.PlotHeight);
}

// Zooming never goes below this many nanometres shown.
constexpr int NarrowestZoom = 4;

// The wavelengths of every shown slot, first and last.
std::pair<int, int> WholeRange(const store::SpectrumStore& store) {
    int first = store.DisplayFirstWavelength;
    int last = store.DisplayLastWavelength;
    for (int s = 1; s <= store.CurrentSlot; ++s) {
        first = std::min<int>(first, store.SlotFirstWavelength(s));
        last = std::max<int>(last, store.SlotLastWavelength(s));
    }
    return {first, last};
}

// Shows span + 1 wavelengths from first on (within the whole range), or the whole range when
// they reach it, keeping the cursor on its wavelength.
void ShowWavelengths(store::SpectrumStore& store, PlotState& state, int first, int span) {
    const double cursor = store.DisplayFirstWavelength + state.CursorIndex - 1;
    const auto [wholeFirst, wholeLast] = WholeRange(store);
    if (span >= wholeLast - wholeFirst) {
        state.ZoomFirst = 0;
        state.ZoomLast = 0;
        first = wholeFirst;
        span = wholeLast - wholeFirst;
    } else {
        first = std::clamp(first, wholeFirst, wholeLast - span);
        state.ZoomFirst = static_cast<store::Int16>(first);
        state.ZoomLast = static_cast<store::Int16>(first + span);
    }
    store.DisplayFirstWavelength = static_cast<store::Int16>(first);
    store.DisplayLastWavelength = static_cast<store::Int16>(first + span);
    state.CursorIndex = cursor - first + 1;
}

// Up zooms in (by 2, with Shift by 4) about the cursor, Down out, the cursor keeping its place.
void Zoom(store::SpectrumStore& store, PlotState& state, bool in, bool shift) {
    const int first = store.DisplayFirstWavelength;
    const int span = std::max(store.DisplayLastWavelength - first, 1);
    const double factor = shift ? 4.0 : 2.0;
    const int newSpan = in ? std::max(static_cast<int>(span / factor), NarrowestZoom)
                           : static_cast<int>(span * factor);
    const double cursor = first + state.CursorIndex - 1;
    const double share = std::clamp((cursor - first) / span, 0.0, 1.0);
    ShowWavelengths(store, state, static_cast<int>(std::lround(cursor - share * newSpan)),
                    std::min(newSpan, 30000));
}

// The cursor's step grid: a position the readout has a point for.
double OnStepGrid(double index, double step) {
    if (!(step > 0)) {
        return index;
    }
    return 1 + std::nearbyint((index - 1) / step) * step;
}

}  // namespace

void DrawCursor(DrawingSurface& surface, store::SpectrumStore& store, PlotState& state, double left,
                double height) {
    const double w = surface.ScaleWidth();
    const double h = height;
    const double n = store.DisplayLastWavelength - store.DisplayFirstWavelength + 1;
    if (state.CursorIndex < 1) {
        state.CursorIndex = 1;
    } else if (state.CursorIndex > n) {
        state.CursorIndex = n;
    }
    surface.CurrentY = 0;
    surface.CurrentX = w / 20;
    surface.ForeColor = state.SavedForeColor;
    surface.PrintText("Wavelength : ", false);
    surface.ForeColor = LightRed;
    surface.PrintText(store::RoundTo3(store.DisplayFirstWavelength - 1 + state.CursorIndex), false);
    surface.PrintText("     ", false);
    surface.ForeColor = state.SavedForeColor;

    const double x = CursorX(state, left, state.CursorIndex);
    surface.DrawLine(x, 19 * h / 20, x, h / 20, LightRed);
    for (int s = 1; s <= store.CurrentSlot; ++s) {
        surface.CurrentY = h / 15 + 190 * (s - 1);
        surface.CurrentX = w / 1.5;
        surface.PrintText("           ", true);
        const int i = SlotPointAtCursor(store, state, s);
        if (i == 0) {
            continue;
        }
        surface.ForeColor = store.SlotColor(s);
        surface.CurrentY = h / 15 + 190 * (s - 1);
        surface.CurrentX = w / 1.5;
        surface.PrintText(store::RoundTo3(store.SlotValue(i, s)), true);
        DrawMark(surface, store, state, s, i, x);
    }
    surface.ForeColor = state.SavedForeColor;
}

void EraseCursor(DrawingSurface& surface, store::SpectrumStore& store, PlotState& state) {
    state.PreviousCursorIndex = state.CursorIndex;
    const double h = state.PlotHeight;
    const double x = CursorX(state, state.PlotLeft, state.PreviousCursorIndex);
    surface.DrawLine(x, 19 * h / 20, x, h / 20, LightRed);
    for (int s = 1; s <= store.CurrentSlot; ++s) {
        const int i = SlotPointAtCursor(store, state, s);
        if (i != 0) {
            DrawMark(surface, store, state, s, i, x);
        }
    }
}

void MoveCursorToX(DrawingSurface& surface, store::SpectrumStore& store, PlotState& state,
                   double x) {
    if (store.SpectrumLoaded == 0 || state.CursorShown == 0 || state.XScale == 0) {
        return;
    }
    surface.CurrentY = 0;
    surface.CurrentX = 5;
    surface.DrawMode = Invert;
    EraseCursor(surface, store, state);
    // The cursor stands on the points of the finest slot step, so that the wavelength shown is
    // the one whose values are shown.
    state.CursorIndex = OnStepGrid((x - state.PlotLeft) / state.XScale, state.MinSlotStep);
    RedrawCursor(surface, store, state);
}

void PressCursorKey(DrawingSurface& surface, store::SpectrumStore& store, PlotState& state,
                    CursorKey key, bool shift) {
    if (store.SpectrumLoaded == 0) {
        return;
    }
    switch (key) {
        case CursorKey::Left:
        case CursorKey::Right: {
            if (state.CursorShown != 1) {
                return;
            }
            const double step = (shift ? 10 : 1) * state.MinSlotStep;
            const double moved = state.CursorIndex + (key == CursorKey::Right ? step : -step);
            const int span = store.DisplayLastWavelength - store.DisplayFirstWavelength;
            const bool zoomed = state.ZoomFirst != 0 || state.ZoomLast != 0;
            if (zoomed && (moved < 1 || moved > span + 1)) {
                // Past the shown part of a zoomed plot: the view follows the cursor.
                const double cursor = store.DisplayFirstWavelength + moved - 1;
                const int by = static_cast<int>(moved < 1 ? std::floor(moved - 1)
                                                          : std::ceil(moved - span - 1));
                ShowWavelengths(store, state, store.DisplayFirstWavelength + by, span);
                state.CursorIndex = cursor - store.DisplayFirstWavelength + 1;
                break;
            }
            surface.DrawMode = Invert;
            EraseCursor(surface, store, state);
            state.CursorIndex = moved;
            RedrawCursor(surface, store, state);
            surface.DrawMode = CopyPen;
            return;
        }
        case CursorKey::Up:
        case CursorKey::Down:
            Zoom(store, state, key == CursorKey::Up, shift);
            break;
    }
    RedrawPlot(surface, store, state);
}

std::string ToggleCursor(DrawingSurface& surface, store::SpectrumStore& store, PlotState& state) {
    surface.DrawMode = Invert;
    if (state.CursorShown == 0) {
        state.CursorShown = 1;
        if (store.SpectrumLoaded != 0) {
            RedrawCursor(surface, store, state);
        }
        surface.DrawMode = CopyPen;
        return "&Hide cursor";
    }
    state.CursorShown = 0;
    if (store.SpectrumLoaded != 0) {
        EraseCursor(surface, store, state);
    }
    surface.DrawMode = CopyPen;
    RedrawPlot(surface, store, state);
    return "&Show cursor";
}

void ResetZoom(PlotState& state) {
    state.ZoomFirst = 0;
    state.ZoomLast = 0;
}

}  // namespace tavrelion::display
