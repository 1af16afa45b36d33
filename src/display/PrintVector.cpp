#include "display/PrintVector.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "display/Colours.h"
#include "display/PlotParts.h"
#include "store/NumberText.h"

namespace tavrelion::display {
namespace {

constexpr const char* Signature = "TAVRELION 2000 - CD spectrum analysis";

// The point of slot s under the printed cursor, or 0 when the cursor lies before the slot's
// first point or nearer to a point past its last one.
int PrintedPointAtCursor(const store::SpectrumStore& store, const PlotState& state, int s) {
    const double step = store.SlotStep(s) == 0 ? 1 : store.SlotStep(s);
    const double cursorWavelength = store.DisplayFirstWavelength + state.CursorIndex - 1;
    const double offset = (cursorWavelength - store.SlotFirstWavelength(s)) / step;
    if (!(offset >= 0)) {
        return 0;
    }
    const double i = std::nearbyint(offset + 1);
    if (i > store.SlotRawCount(s) || i > store::MaxPoints) {
        return 0;
    }
    return static_cast<int>(i);
}

// The readout line with the signature, the cursor line, and each slot's value at the cursor in a
// column at width / 1.25, one line every 180 twips, with a mark on its curve.
void PrintCursor(DrawingSurface& page, const store::SpectrumStore& store, const PlotState& state,
                 double width, double height) {
    const double h = height;
    page.CurrentY = 0;
    page.CurrentX = width / 20;
    page.PrintText("Wavelength : ", false);
    page.ForeColor = LightRed;
    page.PrintText(store::RoundTo3(store.DisplayFirstWavelength - 1 + state.CursorIndex), false);
    page.PrintText("       ", false);
    page.ForeColor = ReadableOnWhite(LightGreen);
    page.PrintText(Signature, true);
    page.ForeColor = Black;

    const double x = state.PlotLeft + state.XScale * state.CursorIndex;
    page.DrawLine(x, 19 * h / 20, x, h / 20, Black);
    for (int s = 1; s <= store.CurrentSlot; ++s) {
        const double y = h / 15 + 180 * (s - 1);
        page.CurrentY = y;
        page.CurrentX = width / 1.5;
        page.PrintText(std::string(22, ' '), true);
        const int i = PrintedPointAtCursor(store, state, s);
        if (i == 0) {
            continue;
        }
        const double value = store.SlotValue(i, s);
        page.ForeColor = ReadableOnWhite(store.SlotColor(s));
        page.CurrentY = y;
        page.CurrentX = width / 1.25;
        page.PrintText(store::RoundTo3(value), true);
        const double markY = state.ZeroLineY - state.YScale * value;
        page.DrawLine(x - state.CursorMarkHalfWidth, markY, x + state.CursorMarkHalfWidth, markY,
                      ReadableOnWhite(store.SlotColor(s)));
        page.ForeColor = Black;
    }
}

}  // namespace

void PrintVector(DrawingSurface& page, store::SpectrumStore& store, PlotState& state,
                 int printSize) {
    if (store.SpectrumLoaded == 0) {
        return;
    }
    const int size = std::max(printSize, 1);
    const double w = page.ScaleWidth() / size;
    const double h = page.ScaleHeight() / size;
    page.DrawMode = CopyPen;
    if (state.LineWidth == 0) {
        state.LineWidth = 1;
    }
    state.PlotLeft = w / 8;
    state.PlotHeight = h;
    page.DrawWidth = 1;
    if (store.SlotRawCount(store.CurrentSlot) == 0) {
        store.SlotRawCount(store.CurrentSlot) = 1;
    }

    page.CurrentY = h / 15;
    const ValueRange shown = DrawLegendAndGatherRanges(page, store, w, true);
    DrawOverlayLegend(page, state, w, true);
    const ValueRange values = ApplyZoom(store, state, shown);
    page.ForeColor = Black;
    const double range = SetScales(store, state, values, w, h);
    DrawFrameAndZeroLine(page, state, w, h);
    page.DrawWidth = 2 * state.LineWidth;
    DrawCurves(page, store, state, false, w, h, true);
    DrawOverlays(page, store, state, w, h, true);

    page.DrawWidth = 1;
    DrawWavelengthTicks(page, store, state, h);
    page.CurrentX = w / 2.5;
    page.CurrentY = h - 0.035 * h;
    page.PrintText("Wavelength (nm)", true);
    page.CurrentY = h / 40;
    page.CurrentX = 0;
    page.PrintText("Mean residue ellipticity (deg.cm\xB2/dmol)", true);
    DrawValueTicks(page, state, range, h);

    if (state.CursorShown == 1) {
        PrintCursor(page, store, state, w, h);
    }
}

}  // namespace tavrelion::display
