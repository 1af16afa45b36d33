#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "RecordingSurface.h"
#include "display/Plot.h"
#include "fakes/TemporaryFolder.h"
#include "store/SpectrumStore.h"

namespace tavrelion::display {
namespace {

using testing_support::FillSlot;
using testing_support::RecordingSurface;

std::vector<double> Ramp(int count, double from, double to) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(from + (to - from) * i / (count - 1));
    }
    return values;
}

class PlotGeometry : public testing::Test {
  protected:
    PlotGeometry() { store::SetStartupTables(*store); }

    void redraw() { RedrawPlot(surface, *store, state); }

    std::unique_ptr<store::SpectrumStore> store = std::make_unique<store::SpectrumStore>();
    PlotState state;
    RecordingSurface surface{8000, 6000};
};

// tests/golden/plot-two-slots.txt is worked out by hand from the layout (see the README there):
// frame from w/8 to w - w/30 and h/20 to 19h/20, 80 % of the width for the shown nm, 80 % of
// the height for the value range, tick marks, labels, legend, curves, the HT cut and the titles.
TEST(PlotRecording, TwoSlotsWithAnHtCutMatchTheWorkedExample) {
    auto store = std::make_unique<store::SpectrumStore>();
    store::SetStartupTables(*store);
    FillSlot(*store, 1, 200, 1, {-3000, 1000, -1000});
    store->SlotHtCut(1) = 201;
    FillSlot(*store, 2, 201, 1, {0, -2000});
    PlotState state;
    state.CursorShown = 0;
    RecordingSurface surface{9000, 6000};
    RedrawPlot(surface, *store, state);
    EXPECT_EQ(surface.transcript(),
              testing_support::ReadBytes(std::filesystem::path(TAVRELION_SOURCE_DIR) /
                                         "tests/golden/plot-two-slots.txt"));
}

TEST_F(PlotGeometry, DisplayedRangeOnlyWidensUntilNewSet) {
    FillSlot(*store, 1, 178, 1, Ramp(83, -10000, 0));
    FillSlot(*store, 2, 200, 1, Ramp(41, -5000, 0));  // narrower, loaded later
    redraw();
    EXPECT_EQ(store->DisplayFirstWavelength, 178);
    EXPECT_EQ(store->DisplayLastWavelength, 260);
    store->CurrentSlot = 1;  // only slot 1 is drawn and listed
    surface.operations.clear();
    redraw();
    EXPECT_FALSE(surface.findText(" 2)SLOT2.ASC"));
}

TEST_F(PlotGeometry, AllZeroValuesAndSingleWavelengthStillDrawTheFrame) {
    FillSlot(*store, 1, 222, 1, {0.0});
    redraw();
    EXPECT_TRUE(std::isfinite(state.YScale));
    EXPECT_TRUE(std::isfinite(state.ZeroLineY));
    EXPECT_EQ(state.XTickStep, 1);
    EXPECT_GE(surface.lines().size(), 4u);
    EXPECT_TRUE(surface.findText("Wavelength (nm)"));
}

TEST_F(PlotGeometry, NothingIsDrawnWithoutASpectrum) {
    redraw();
    EXPECT_TRUE(surface.operations.empty());
}

}  // namespace
}  // namespace tavrelion::display
