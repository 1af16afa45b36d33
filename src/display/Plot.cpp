#include "display/Plot.h"

#include <algorithm>
#include <cmath>

#include "display/Cursor.h"
#include "store/NumberText.h"

namespace tavrelion::display {
namespace {

struct ValueRange {
    double maximum = 0.0;
    double minimum = 0.0;
};

// Legend column and the union of the shown slots' ranges.
ValueRange DrawLegendAndWidenRange(DrawingSurface& surface, store::SpectrumStore& store) {
    ValueRange values;
    for (int s = 1; s <= store.CurrentSlot; ++s) {
        surface.CurrentX = surface.ScaleWidth() / 3;
        surface.ForeColor = store.SlotColor(s);
        surface.PrintText(store.SlotLabel(s), true);
        values.maximum = std::max(values.maximum, store.SlotMax(s));
        values.minimum = std::min(values.minimum, store.SlotMin(s));
        if (store.SlotFirstWavelength(s) <= store.DisplayFirstWavelength) {
            store.DisplayFirstWavelength = store.SlotFirstWavelength(s);
        }
        if (store.SlotLastWavelength(s) >= store.DisplayLastWavelength) {
            store.DisplayLastWavelength = store.SlotLastWavelength(s);
        }
    }
    return values;
}

// Int(10 ^ Int(log10(span))): 10 for spans of 10 to 99 nm; 1 for a single wavelength.
store::Int16 WavelengthTickStep(int span) {
    if (span < 1) {
        return 1;
    }
    return static_cast<store::Int16>(std::pow(10.0, std::floor(std::log10(span))));
}

void DrawWavelengthTicks(DrawingSurface& surface, const store::SpectrumStore& store,
                         const PlotState& state) {
    const double h = surface.ScaleHeight();
    const int count = store.DisplayLastWavelength - store.DisplayFirstWavelength + 1;
    for (int k = 1; k <= count; k += state.XTickStep) {
        const double x = state.PlotLeft + k * state.XScale;
        surface.DrawLine(x, h / 20, x, h / 20 + 0.3 * h / 20);
        surface.DrawLine(x, 19 * h / 20, x, 19 * h / 20 - 0.3 * h / 20);
        surface.CurrentY = 18 * h / 20;
        surface.CurrentX = state.PlotLeft + (k - 2) * state.XScale;
        surface.PrintText(store::RightAlignNumber(store.DisplayFirstWavelength + k - 1, 3), true);
    }
}

void DrawFrameAndZeroLine(DrawingSurface& surface, const PlotState& state) {
    const double w = surface.ScaleWidth();
    const double h = surface.ScaleHeight();
    const double right = w - w / 30;
    surface.DrawLine(state.PlotLeft, h / 20, right, h / 20);
    surface.DrawLine(state.PlotLeft, h / 20, state.PlotLeft, 19 * h / 20);
    surface.DrawLine(right, h / 20, right, 19 * h / 20);
    surface.DrawLine(state.PlotLeft, 19 * h / 20, right, 19 * h / 20);
    surface.DrawStyle = Dotted;
    surface.DrawLine(state.PlotLeft, state.ZeroLineY, right, state.ZeroLineY);
    surface.DrawStyle = Solid;
}

void DrawCurves(DrawingSurface& surface, const store::SpectrumStore& store, PlotState& state) {
    state.MinSlotStep = 100;
    const auto y = [&state](double value) { return state.ZeroLineY - state.YScale * value; };
    for (int s = 1; s <= store.CurrentSlot; ++s) {
        state.MinSlotStep = std::min(state.MinSlotStep, store.SlotStep(s));
        const int points = std::min<int>(store.SlotRawCount(s), store::MaxPoints);
        for (int j = 1; j < points; ++j) {
            const double lambda = store.SlotFirstWavelength(s) + (j - 1) * store.SlotStep(s);
            surface.DrawLine(XOfWavelength(store, state, lambda), y(store.SlotValue(j, s)),
                             XOfWavelength(store, state, lambda + store.SlotStep(s)),
                             y(store.SlotValue(j + 1, s)), store.SlotColor(s));
        }
    }
}

// Labels in the left margin 60 twips above their ticks; 0 is labelled by both passes.
void DrawValueTicks(DrawingSurface& surface, const PlotState& state, double range) {
    const double h = surface.ScaleHeight();
    surface.CurrentY = h / 40;
    surface.CurrentX = 0;
    double step = std::pow(10.0, std::floor(std::log10(range)));
    if (step == 0) {
        step = 1;
    }
    if (step > range / 2) {
        step /= 10;
    }
    for (double v = 0; v <= range; v += step) {
        const double tick = state.ZeroLineY - v * state.YScale;
        surface.CurrentX = 0;
        surface.CurrentY = tick - 60;
        if (tick > h / 10) {
            surface.PrintText(store::RightAlignNumber(v, 4), true);
            surface.DrawLine(state.PlotLeft, tick, state.PlotLeft + 100, tick);
        }
    }
    for (double v = 0; v <= range; v += step) {
        const double tick = state.ZeroLineY + v * state.YScale;
        surface.CurrentX = 0;
        surface.CurrentY = tick - 60;
        if (tick < 19 * h / 20) {
            surface.PrintText(store::RightAlignNumber(-v, 4), true);
            surface.DrawLine(state.PlotLeft, tick, state.PlotLeft + 100, tick);
        }
    }
}

}  // namespace

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
    ValueRange values = DrawLegendAndWidenRange(surface, store);
    if (store.DisplayFirstWavelength == 0) {
        store.DisplayFirstWavelength = store.SpectrumWavelength(1);
    }
    // Spectra that are 0 everywhere still get a frame, with the zero line in its middle.
    if (values.maximum == 0 && values.minimum == 0) {
        values = {1.0, -1.0};
    }
    const double range = std::fabs(values.maximum) + std::fabs(values.minimum);
    const int span = store.DisplayLastWavelength - store.DisplayFirstWavelength;
    state.YScale = (16 * h / 20) / range + state.YScaleZoom;
    state.XScale = 0.8 * w / std::max(span + 1, 1) + state.XScaleZoom;
    state.ZeroLineY = (18 * h / 20) * values.maximum / range + (h / 20 - 0.3 * h / 20);

    surface.ForeColor = state.SavedForeColor;
    state.XTickStep = WavelengthTickStep(span);
    DrawWavelengthTicks(surface, store, state);
    DrawFrameAndZeroLine(surface, state);
    surface.DrawWidth = state.LineWidth;
    DrawCurves(surface, store, state);

    surface.DrawWidth = 1;
    surface.CurrentX = w / 2.5;
    surface.CurrentY = h - 0.035 * h;
    surface.PrintText("Wavelength (nm)", true);
    DrawValueTicks(surface, state, range);

    if (state.CursorShown == 1) {
        surface.DrawMode = Invert;
        DrawCursor(surface, store, state, state.PlotLeft, state.PlotHeight);
    }
    surface.ForeColor = state.SavedForeColor;
    VerticalText(surface, "MEAN RESIDUE ELLIPTICITY");
}

}  // namespace tavrelion::display
