#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "RecordingSurface.h"
#include "display/Cursor.h"
#include "display/Plot.h"

namespace tavrelion::display {
namespace {

using testing_support::FillSlot;
using testing_support::RecordingSurface;

class CursorTest : public testing::Test {
  protected:
    CursorTest() {
        store::SetStartupTables(*store);
        std::vector<double> values;
        for (int i = 1; i <= 71; ++i) {
            values.push_back(-100.0 * i);  // slot 1: 190..260 nm, value -100 x point
        }
        FillSlot(*store, 1, 190, 1, values);
        RedrawPlot(surface, *store, state);
        surface.operations.clear();
    }

    // The readout value printed for slot s by the last cursor drawing, if any.
    std::optional<std::string> readout(int s) const {
        std::optional<std::string> value;
        for (const auto& text : surface.texts()) {
            if (text.x1 == 8000 / 1.5 && text.y1 == 6000 / 15.0 + 190 * (s - 1) &&
                text.text.find_first_not_of(' ') != std::string::npos) {
                value = text.text;
            }
        }
        return value;
    }

    std::unique_ptr<store::SpectrumStore> store = std::make_unique<store::SpectrumStore>();
    PlotState state;
    RecordingSurface surface{8000, 6000};
};

TEST_F(CursorTest, ClickBetweenPointsShowsTheWavelengthOfThePointWhoseValueIsShown) {
    MoveCursorToX(surface, *store, state, state.PlotLeft + 2.3 * state.XScale);
    EXPECT_DOUBLE_EQ(state.CursorIndex, 2);
    EXPECT_TRUE(surface.findText(" 191"));
    EXPECT_FALSE(surface.findText(" 191.3"));
    EXPECT_EQ(readout(1), "-200");
    FillSlot(*store, 2, 190, 0.5, std::vector<double>(141, -1.0));
    RedrawPlot(surface, *store, state);
    MoveCursorToX(surface, *store, state, state.PlotLeft + 3.6 * state.XScale);
    EXPECT_TRUE(surface.findText(" 192.5"));  // on the finest slot's half-nm points
}

TEST_F(CursorTest, ClickLeftOfTheFrameClampsToTheFirstWavelength) {
    MoveCursorToX(surface, *store, state, 10);
    EXPECT_EQ(state.CursorIndex, 1);
    EXPECT_TRUE(surface.findText(" 190"));
    MoveCursorToX(surface, *store, state, 1e6);
    EXPECT_EQ(state.CursorIndex, 71);
    EXPECT_EQ(readout(1), "-7100");
}

TEST_F(CursorTest, EraseRedrawsTheSameFigureInInvertMode) {
    state.CursorIndex = 20;
    surface.DrawMode = Invert;
    DrawCursor(surface, *store, state, state.PlotLeft, state.PlotHeight);
    const auto drawn = surface.lines();
    surface.operations.clear();
    EraseCursor(surface, *store, state);
    const auto erased = surface.lines();
    ASSERT_EQ(drawn.size(), erased.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(drawn[i].x1, erased[i].x1);
        EXPECT_EQ(drawn[i].y1, erased[i].y1);
        EXPECT_EQ(drawn[i].x2, erased[i].x2);
        EXPECT_EQ(erased[i].drawMode, Invert);
    }
    EXPECT_TRUE(surface.texts().empty());
    EXPECT_EQ(state.PreviousCursorIndex, 20);
}

TEST_F(CursorTest, ReadoutColumnOneLineEvery190Twips) {
    FillSlot(*store, 2, 200, 0.5, std::vector<double>(101, -50.0));
    RedrawPlot(surface, *store, state);
    surface.operations.clear();
    state.CursorIndex = 21;  // 210 nm
    DrawCursor(surface, *store, state, state.PlotLeft, state.PlotHeight);
    EXPECT_EQ(readout(1), "-2100");
    EXPECT_EQ(readout(2), "-50");
    const auto marks = surface.lines();
    ASSERT_EQ(marks.size(), 3u);  // the cursor line and one mark per slot
    EXPECT_EQ(marks[1].x2 - marks[1].x1, 400);
    EXPECT_EQ(marks[2].colour, store->SlotColor(2));
}

TEST_F(CursorTest, SlotStartingLaterShowsNothingBeforeItsFirstPoint) {
    FillSlot(*store, 2, 230, 1, std::vector<double>(31, -10.0));
    store->DisplayFirstWavelength = 190;
    RedrawPlot(surface, *store, state);
    surface.operations.clear();
    state.CursorIndex = 40;  // 229 nm
    DrawCursor(surface, *store, state, state.PlotLeft, state.PlotHeight);
    EXPECT_FALSE(readout(2));
    state.CursorIndex = 41;  // 230 nm
    DrawCursor(surface, *store, state, state.PlotLeft, state.PlotHeight);
    EXPECT_EQ(readout(2), "-10");
}

TEST_F(CursorTest, SlotEndingEarlierShowsNoValueItDoesNotHold) {
    FillSlot(*store, 2, 190, 1, std::vector<double>(11, -10.0));  // 190..200 nm
    store->SlotValue(12, 2) = 999;  // left over from an earlier, longer spectrum
    store->DisplayLastWavelength = 260;
    RedrawPlot(surface, *store, state);
    surface.operations.clear();
    state.CursorIndex = 12;  // 201 nm
    DrawCursor(surface, *store, state, state.PlotLeft, state.PlotHeight);
    EXPECT_FALSE(readout(2));
}

TEST_F(CursorTest, ArrowKeysStepBySmallestSlotStep) {
    FillSlot(*store, 2, 190, 0.5, std::vector<double>(141, -1.0));
    RedrawPlot(surface, *store, state);
    state.CursorIndex = 10;
    PressCursorKey(surface, *store, state, CursorKey::Right, false);
    EXPECT_EQ(state.CursorIndex, 10.5);
    PressCursorKey(surface, *store, state, CursorKey::Left, true);
    EXPECT_EQ(state.CursorIndex, 5.5);
    EXPECT_EQ(surface.DrawMode, CopyPen);
}

TEST_F(CursorTest, HiddenCursorIgnoresClicksAndReturnsWhereItWas) {
    state.CursorIndex = 30;
    EXPECT_EQ(ToggleCursor(surface, *store, state), "&Show cursor");
    MoveCursorToX(surface, *store, state, state.PlotLeft + 5 * state.XScale);
    PressCursorKey(surface, *store, state, CursorKey::Right, false);
    EXPECT_EQ(state.CursorIndex, 30);
    surface.operations.clear();
    RedrawPlot(surface, *store, state);
    EXPECT_FALSE(surface.findText("Wavelength : "));
    EXPECT_EQ(ToggleCursor(surface, *store, state), "&Hide cursor");
    EXPECT_TRUE(surface.findText(" 219"));
}

TEST_F(CursorTest, ZoomKeepsTheCursorWavelengthAndEveryCurveInsideTheFrame) {
    const auto cursorWavelength = [this] {
        return store->DisplayFirstWavelength + state.CursorIndex - 1;
    };
    state.CursorIndex = 26;  // 215 nm
    PressCursorKey(surface, *store, state, CursorKey::Up, false);
    PressCursorKey(surface, *store, state, CursorKey::Up, false);
    EXPECT_EQ(store->DisplayLastWavelength - store->DisplayFirstWavelength, 17);
    EXPECT_EQ(cursorWavelength(), 215);
    RedrawPlot(surface, *store, state);  // the zoom lasts over redraws
    EXPECT_EQ(store->DisplayLastWavelength - store->DisplayFirstWavelength, 17);
    EXPECT_EQ(readout(1), "-2600");
    int curveSegments = 0;
    for (const auto& line : surface.lines()) {
        if (line.colour == store->SlotColor(1) && line.drawWidth == state.LineWidth) {
            ++curveSegments;  // inside the frame, 1000..7733 x 300..5700 twips
            EXPECT_TRUE(std::min(line.x1, line.x2) >= 1000 - 1e-9 &&
                        std::max(line.x1, line.x2) <= 8000 - 8000 / 30.0 + 1e-9 &&
                        std::min(line.y1, line.y2) >= 300 - 1e-9 &&
                        std::max(line.y1, line.y2) <= 5700 + 1e-9);
        }
    }
    EXPECT_GT(curveSegments, 17);  // the cut pieces at both ends are kept

    for (int press = 0; press < 4; ++press) {  // 40 nm to the right: the view follows
        PressCursorKey(surface, *store, state, CursorKey::Right, true);
    }
    EXPECT_EQ(cursorWavelength(), 255);
    EXPECT_GE(store->DisplayLastWavelength, 255);
    EXPECT_EQ(store->DisplayLastWavelength - store->DisplayFirstWavelength, 17);

    PressCursorKey(surface, *store, state, CursorKey::Down, true);
    PressCursorKey(surface, *store, state, CursorKey::Down, true);
    EXPECT_EQ(store->DisplayFirstWavelength, 190);
    EXPECT_EQ(store->DisplayLastWavelength, 260);
    EXPECT_EQ(cursorWavelength(), 255);
}

}  // namespace
}  // namespace tavrelion::display
