#include "display/PlotParts.h"

#include <algorithm>
#include <cmath>

#include "display/Colours.h"
#include "display/Plot.h"
#include "store/NumberText.h"

namespace tavrelion::display {
namespace {

// Int(10 ^ Int(log10(span))): 10 for spans of 10 to 99 nm; 1 for a single wavelength.
store::Int16 WavelengthTickStep(int span) {
    if (span < 1) {
        return 1;
    }
    return static_cast<store::Int16>(std::pow(10.0, std::floor(std::log10(span))));
}

constexpr double MaxLabelOffset = 200.0;  // twips

Colour Ink(Colour colour, bool forPaper) {
    return forPaper ? ReadableOnWhite(colour) : colour;
}

double SlotWavelength(const store::SpectrumStore& store, int s, int j) {
    return store.SlotFirstWavelength(s) + (j - 1) * store.SlotStep(s);
}

}  // namespace

ValueRange ApplyZoom(store::SpectrumStore& store, PlotState& state, const ValueRange& values) {
    if (state.ZoomFirst == 0 && state.ZoomLast == 0) {
        return values;
    }
    const auto first = std::max(state.ZoomFirst, store.DisplayFirstWavelength);
    const auto last = std::min(state.ZoomLast, store.DisplayLastWavelength);
    if (first >= last) {
        state.ZoomFirst = 0;
        state.ZoomLast = 0;
        return values;
    }
    store.DisplayFirstWavelength = first;
    store.DisplayLastWavelength = last;
    ValueRange zoomed;
    for (int s = 1; s <= store.CurrentSlot; ++s) {
        const int points = std::min<int>(store.SlotRawCount(s), store::MaxPoints);
        for (int j = 1; j <= points; ++j) {
            const double lambda = SlotWavelength(store, s, j);
            if (lambda >= first && lambda <= last) {
                zoomed.maximum = std::max(zoomed.maximum, store.SlotValue(j, s));
                zoomed.minimum = std::min(zoomed.minimum, store.SlotValue(j, s));
            }
        }
    }
    return zoomed.maximum == 0 && zoomed.minimum == 0 ? values : zoomed;
}

ValueRange DrawLegendAndGatherRanges(DrawingSurface& surface, store::SpectrumStore& store,
                                     double width, bool forPaper) {
    ValueRange values;
    for (int s = 1; s <= store.CurrentSlot; ++s) {
        surface.CurrentX = width / 3;
        surface.ForeColor = Ink(store.SlotColor(s), forPaper);
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
    if (store.DisplayFirstWavelength == 0) {
        store.DisplayFirstWavelength = store.SpectrumWavelength(1);
    }
    if (values.maximum == 0 && values.minimum == 0) {
        values = {1.0, -1.0};
    }
    return values;
}

double SetScales(const store::SpectrumStore& store, PlotState& state, const ValueRange& values,
                 double width, double height) {
    const double range = std::fabs(values.maximum) + std::fabs(values.minimum);
    const int span = store.DisplayLastWavelength - store.DisplayFirstWavelength;
    state.YScale = (16 * height / 20) / range;
    state.XScale = 0.8 * width / std::max(span + 1, 1);
    state.ZeroLineY =
        (18 * height / 20) * values.maximum / range + (height / 20 - 0.3 * height / 20);
    // Spectra with few or no positive values would reach above the frame's top edge: they are
    // lowered just enough to stay inside it.
    state.ZeroLineY = std::max(state.ZeroLineY, height / 20 + state.YScale * values.maximum);
    return range;
}

void DrawWavelengthTicks(DrawingSurface& surface, const store::SpectrumStore& store,
                         PlotState& state, double height) {
    const double h = height;
    state.XTickStep =
        WavelengthTickStep(store.DisplayLastWavelength - store.DisplayFirstWavelength);
    const int count = store.DisplayLastWavelength - store.DisplayFirstWavelength + 1;
    for (int k = 1; k <= count; k += state.XTickStep) {
        const double x = state.PlotLeft + k * state.XScale;
        surface.DrawLine(x, h / 20, x, h / 20 + 0.3 * h / 20);
        surface.DrawLine(x, 19 * h / 20, x, 19 * h / 20 - 0.3 * h / 20);
        surface.CurrentY = 18 * h / 20;
        // Two nm left of the tick, which for a zoomed plot is at most about half a label.
        surface.CurrentX = x - std::min(2 * state.XScale, MaxLabelOffset);
        surface.PrintText(store::RightAlignNumber(store.DisplayFirstWavelength + k - 1, 3), true);
    }
}

void DrawFrameAndZeroLine(DrawingSurface& surface, const PlotState& state, double width,
                          double height) {
    const double h = height;
    const double right = width - width / 30;
    surface.DrawLine(state.PlotLeft, h / 20, right, h / 20);
    surface.DrawLine(state.PlotLeft, h / 20, state.PlotLeft, 19 * h / 20);
    surface.DrawLine(right, h / 20, right, 19 * h / 20);
    surface.DrawLine(state.PlotLeft, 19 * h / 20, right, 19 * h / 20);
    surface.DrawStyle = Dotted;
    surface.DrawLine(state.PlotLeft, state.ZeroLineY, right, state.ZeroLineY);
    surface.DrawStyle = Solid;
}

void DrawCurves(DrawingSurface& surface, const store::SpectrumStore& store, PlotState& state,
                bool resetMinSlotStep, double width, double height, bool forPaper) {
    if (resetMinSlotStep) {
        state.MinSlotStep = 100;
    }
    const auto y = [&state](double value) { return state.ZeroLineY - state.YScale * value; };
    // A zoomed plot would otherwise draw over the margins, the axis labels and the legend.
    surface.SetClip(state.PlotLeft, height / 20, width - width / 30, 19 * height / 20);
    for (int s = 1; s <= store.CurrentSlot; ++s) {
        state.MinSlotStep = std::min(state.MinSlotStep, store.SlotStep(s));
        const int points = std::min<int>(store.SlotRawCount(s), store::MaxPoints);
        const Colour colour = Ink(store.SlotColor(s), forPaper);
        for (int j = 1; j < points; ++j) {
            const double lambda = SlotWavelength(store, s, j);
            surface.DrawLine(XOfWavelength(store, state, lambda), y(store.SlotValue(j, s)),
                             XOfWavelength(store, state, lambda + store.SlotStep(s)),
                             y(store.SlotValue(j + 1, s)), colour);
        }
        DrawDeviationBand(surface, store, state, s);
    }
    surface.ClearClip();
}

void DrawOverlayLegend(DrawingSurface& surface, const PlotState& state, double width,
                       bool forPaper) {
    for (const OverlayCurve& curve : state.Overlays) {
        surface.CurrentX = width / 3;
        surface.ForeColor = Ink(curve.colour, forPaper);
        surface.PrintText(curve.label, true);
    }
}

void DrawOverlays(DrawingSurface& surface, const store::SpectrumStore& store,
                  const PlotState& state, double width, double height, bool forPaper) {
    surface.SetClip(state.PlotLeft, height / 20, width - width / 30, 19 * height / 20);
    for (const OverlayCurve& curve : state.Overlays) {
        std::vector<SurfacePoint> points;
        for (std::size_t i = 0; i < curve.values.size() && i < curve.wavelengths.size(); ++i) {
            points.push_back({XOfWavelength(store, state, curve.wavelengths[i]),
                              state.ZeroLineY - state.YScale * curve.values[i]});
        }
        surface.DrawStyle = curve.drawStyle;
        surface.DrawPolyline(points, Ink(curve.colour, forPaper));
    }
    surface.DrawStyle = Solid;
    surface.ClearClip();
}

// An averaged slot's standard deviation, dotted above and below its curve.
void DrawDeviationBand(DrawingSurface& surface, const store::SpectrumStore& store,
                       const PlotState& state, int slot) {
    const auto y = [&state](double value) { return state.ZeroLineY - state.YScale * value; };
    const int points = std::min<int>(store.SlotDeviationCount(slot), store::MaxPoints);
    surface.DrawStyle = Dotted;
    for (int j = 1; j < points; ++j) {
        const double lambda = store.SlotFirstWavelength(slot) + (j - 1) * store.SlotStep(slot);
        for (double side : {-1.0, 1.0}) {
            surface.DrawLine(
                XOfWavelength(store, state, lambda),
                y(store.SlotValue(j, slot) + side * store.SlotDeviation(j, slot)),
                XOfWavelength(store, state, lambda + store.SlotStep(slot)),
                y(store.SlotValue(j + 1, slot) + side * store.SlotDeviation(j + 1, slot)),
                store.SlotColor(slot));
        }
    }
    surface.DrawStyle = Solid;
}

void DrawHtCuts(DrawingSurface& surface, const store::SpectrumStore& store, const PlotState& state,
                double height) {
    surface.DrawStyle = Dotted;
    for (int s = 1; s <= store.CurrentSlot; ++s) {
        const double cut = store.SlotHtCut(s);
        if (cut <= 0 || cut < store.DisplayFirstWavelength || cut > store.DisplayLastWavelength) {
            continue;
        }
        const double x = XOfWavelength(store, state, cut);
        surface.DrawLine(x, height / 20, x, 19 * height / 20, store.SlotColor(s));
        surface.CurrentX = x;
        surface.CurrentY = 19 * height / 20 - 2 * surface.FontSize() * 20;
        surface.PrintText("HT", true);
    }
    surface.DrawStyle = Solid;
}

void DrawValueTicks(DrawingSurface& surface, const PlotState& state, double range, double height) {
    const double h = height;
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
        // A zero line lowered to the frame's top keeps its label out of the unit label's place.
        if (tick < 19 * h / 20 && tick > h / 10) {
            surface.PrintText(store::RightAlignNumber(-v, 4), true);
            surface.DrawLine(state.PlotLeft, tick, state.PlotLeft + 100, tick);
        }
    }
}

}  // namespace tavrelion::display
