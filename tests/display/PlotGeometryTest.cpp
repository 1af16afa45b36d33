#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "RecordingSurface.h"
#include "display/Plot.h"
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

TEST_F(PlotGeometry, OneSlotFrom190To260OnAnEightThousandTwipWindow) {
    FillSlot(*store, 1, 190, 1, Ramp(71, -20000, 10000));
    redraw();
    EXPECT_EQ(state.PlotLeft, 1000);
    EXPECT_NEAR(state.XScale, 90.14, 0.01);
    EXPECT_NEAR(XOfWavelength(*store, state, 190), 1090.1, 0.1);
    EXPECT_NEAR(XOfWavelength(*store, state, 260), 7400, 0.1);
    EXPECT_EQ(state.XTickStep, 10);
    for (int lambda = 190; lambda <= 260; lambda += 10) {
        const auto label = surface.findText(" " + std::to_string(lambda));
        ASSERT_TRUE(label) << lambda;
        EXPECT_EQ(label->y1, 18 * 6000 / 20.0);
        EXPECT_NEAR(label->x1, XOfWavelength(*store, state, lambda) - 2 * state.XScale, 1e-9);
    }
    EXPECT_FALSE(surface.findText(" 270"));
}

TEST_F(PlotGeometry, FrameTicksAndDottedZeroLine) {
    FillSlot(*store, 1, 190, 1, Ramp(71, -20000, 10000));
    redraw();
    const auto lines = surface.lines();
    const auto has = [&](double x1, double y1, double x2, double y2, int style) {
        return std::any_of(lines.begin(), lines.end(), [&](const auto& l) {
            return std::abs(l.x1 - x1) < 1e-6 && std::abs(l.y1 - y1) < 1e-6 &&
                   std::abs(l.x2 - x2) < 1e-6 && std::abs(l.y2 - y2) < 1e-6 && l.drawStyle == style;
        });
    };
    const double right = 8000 - 8000 / 30.0;
    EXPECT_TRUE(has(1000, 300, right, 300, Solid));
    EXPECT_TRUE(has(1000, 300, 1000, 5700, Solid));
    EXPECT_TRUE(has(right, 300, right, 5700, Solid));
    EXPECT_TRUE(has(1000, 5700, right, 5700, Solid));
    EXPECT_TRUE(has(1000, state.ZeroLineY, right, state.ZeroLineY, Dotted));
    const double x200 = XOfWavelength(*store, state, 200);
    EXPECT_TRUE(has(x200, 300, x200, 300 + 0.3 * 300, Solid));
    EXPECT_TRUE(has(x200, 5700, x200, 5700 - 0.3 * 300, Solid));
}

TEST_F(PlotGeometry, HtCutIsADottedLineInTheSlotColourMarkedHt) {
    FillSlot(*store, 1, 190, 1, Ramp(71, -20000, 10000));
    store->SlotHtCut(1) = 195;
    redraw();
    const double x = XOfWavelength(*store, state, 195);
    const auto lines = surface.lines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const auto& l) {
        return l.x1 == x && l.x2 == x && l.y1 == 300 && l.y2 == 5700 && l.drawStyle == Dotted &&
               l.colour == store->SlotColor(1);
    }));
    ASSERT_TRUE(surface.findText("HT"));
    EXPECT_EQ(surface.findText("HT")->x1, x);
}

TEST_F(PlotGeometry, ValuesFromMinus20000ToPlus10000) {
    FillSlot(*store, 1, 190, 1, Ramp(71, -20000, 10000));
    redraw();
    EXPECT_NEAR(state.ZeroLineY, 0.335 * 6000, 1e-6);
    std::vector<std::string> labels;
    for (const auto& text : surface.texts()) {
        if (text.x1 == 0 && text.y1 > 300 && text.y1 < 5700) {
            labels.push_back(text.text);
        }
    }
    // 0 is labelled by both passes; +10000 would stand above the top limit.
    EXPECT_THAT(labels, testing::ElementsAre("    0", "    0", "-10000", "-20000"));
    const auto minus10000 = surface.findText("-10000");
    EXPECT_NEAR(minus10000->y1, state.ZeroLineY + 10000 * state.YScale - 60, 1e-6);
}

TEST_F(PlotGeometry, AllPositiveValuesPutTheZeroLineAboveTheBottom) {
    FillSlot(*store, 1, 190, 1, Ramp(71, 0, 5000));
    redraw();
    EXPECT_NEAR(state.ZeroLineY, 0.935 * 6000, 1e-6);
    int zeroLabels = 0;
    for (const auto& text : surface.texts()) {
        zeroLabels += text.text == "    0";
    }
    EXPECT_EQ(zeroLabels, 2);
    EXPECT_FALSE(surface.findText("-1000"));
}

TEST_F(PlotGeometry, LegendColumnAndSlotColours) {
    FillSlot(*store, 1, 190, 1, Ramp(71, -10000, 0));
    FillSlot(*store, 2, 200, 1, Ramp(51, -5000, 0));
    redraw();
    const auto first = surface.findText(" 1)SLOT1.ASC");
    const auto second = surface.findText(" 2)SLOT2.ASC");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->x1, 8000 / 3.0);
    EXPECT_EQ(second->y1 - first->y1, 8.25 * 20);
    EXPECT_EQ(first->colour, store->SlotColor(1));
    EXPECT_EQ(second->colour, store->SlotColor(2));
    int curveSegments = 0;
    for (const auto& line : surface.lines()) {
        curveSegments += line.colour == store->SlotColor(2) && line.drawWidth == 1;
    }
    EXPECT_GE(curveSegments, 50);  // 50 segments and the cursor mark
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

TEST_F(PlotGeometry, TitlesAndVerticalText) {
    FillSlot(*store, 1, 190, 1, Ramp(71, -1000, 0));
    redraw();
    EXPECT_EQ(surface.findText("deg.cm\xB2/dmol")->y1, 6000 / 25.0);
    EXPECT_EQ(surface.findText("Wavelength (nm)")->x1, 8000 / 2.5);
    const auto m = surface.findText("M");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->x1, 8000 - 8000 / 40.0);
    EXPECT_NEAR(m->y1, 8.25 * 18, 1e-9);
}

}  // namespace
}  // namespace tavrelion::display
