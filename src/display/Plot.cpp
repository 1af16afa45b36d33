#include "display/Plot.h"

#include "display/Cursor.h"
#include "display/PlotParts.h"

namespace tavrelion::display {

double XOfWavelength(const store::SpectrumStore& store, const PlotState& state, double lambda) {
    return state.PlotLeft + state.XScale * (lambda - store.DisplayFirstWavelength + 1);
}

void VerticalText(DrawingSurface& surface, const std::string& text) {
    const double w = surface.ScaleWidth();
    for (std::size_t i = 1; i <= text.size(); ++i) {
        surface.CurrentX = w - w / 40;
        surface.CurrentY = static_cast<double>(i) * surface.FontSize() * 18;
        surface.PrintText(text.substr(i - 1, 1), true);
    }
}

void RedrawPlot(DrawingSurface& surface, store::SpectrumStore& store, PlotState& state) {
    if (store.SpectrumLoaded == 0) {
        return;
    }
    surface.Clear();
    surface.DrawMode = CopyPen;
    if (state.LineWidth == 0) {
        state.LineWidth = 1;
    }
    const double w = surface.ScaleWidth();
    const double h = surface.ScaleHeight();
    state.PlotLeft = w / 8;
    state.PlotHeight = h;
    surface.DrawWidth = 1;
    if (store.SlotRawCount(store.CurrentSlot) == 0) {
        store.SlotRawCount(store.CurrentSlot) = 1;
    }
    state.SavedForeColor = surface.ForeColor;

    surface.CurrentY = h / 25;
    surface.PrintText("deg.cm\xB2/dmol", true);
    const ValueRange shown = DrawLegendAndGatherRanges(surface, store, w);
    DrawOverlayLegend(surface, state, w);
    const ValueRange values = ApplyZoom(store, state, shown);
    const double range = SetScales(store, state, values, w, h);

    surface.ForeColor = state.SavedForeColor;
    DrawWavelengthTicks(surface, store, state, h);
    DrawFrameAndZeroLine(surface, state, w, h);
    surface.DrawWidth = state.LineWidth;
    DrawCurves(surface, store, state, true, w, h);
    DrawOverlays(surface, store, state, w, h);
    surface.DrawWidth = 1;
    DrawHtCuts(surface, store, state, h);

    surface.DrawWidth = 1;
    surface.CurrentX = w / 2.5;
    surface.CurrentY = h - 0.035 * h;
    surface.PrintText("Wavelength (nm)", true);
    DrawValueTicks(surface, state, range, h);

    if (state.CursorShown == 1) {
        surface.DrawMode = Invert;
        DrawCursor(surface, store, state, state.PlotLeft, state.PlotHeight);
    }
    surface.ForeColor = state.SavedForeColor;
    VerticalText(surface, "MEAN RESIDUE ELLIPTICITY");
}

}  // namespace tavrelion::display
