#include "display/Cursor.h"

#include <cmath>

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
    state.CursorIndex = (x - state.PlotLeft) / state.XScale;
    RedrawCursor(surface, store, state);
}

void PressCursorKey(DrawingSurface& surface, store::SpectrumStore& store, PlotState& state,
                    CursorKey key, bool shift) {
    if (store.SpectrumLoaded == 0) {
        return;
    }
    const double xStep = shift ? 10 : 1;
    const double yStep = shift ? 0.01 : 0.001;
    switch (key) {
        case CursorKey::Left:
        case CursorKey::Right: {
            if (state.CursorShown != 1) {
                return;
            }
            surface.DrawMode = Invert;
            EraseCursor(surface, store, state);
            const double step = (shift ? 10 : 1) * state.MinSlotStep;
            state.CursorIndex += key == CursorKey::Right ? step : -step;
            RedrawCursor(surface, store, state);
            surface.DrawMode = CopyPen;
            return;
        }
        case CursorKey::Up:
            state.YScaleZoom += yStep;
            state.XScaleZoom += xStep;
            break;
        case CursorKey::Down:
            if (state.YScale > yStep) {
                state.YScaleZoom -= yStep;
            }
            if (state.XScale > xStep) {
                state.XScaleZoom -= xStep;
            }
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
    state.XScaleZoom = 0.0;
    state.YScaleZoom = 0.0;
}

}  // namespace tavrelion::display
