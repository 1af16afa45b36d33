#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "RecordingSurface.h"
#include "display/Colours.h"
#include "display/Cursor.h"
#include "display/Plot.h"
#include "display/PrintVector.h"
#include "fakes/TemporaryFolder.h"
#include "store/SpectrumStore.h"

namespace tavrelion::display {
namespace {

using testing_support::FillSlot;
using testing_support::RecordingSurface;
using Operation = RecordingSurface::Operation;

constexpr double PageWidth = 11000;
constexpr double PageHeight = 15000;
const std::string Title = "Mean residue ellipticity (deg.cm\xB2/dmol)";

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// A cursor mark: 200 twips either side of the cursor line, level.
bool IsMark(const RecordingSurface::Operation& line) {
    return line.y1 == line.y2 && std::abs(line.x2 - line.x1 - 400) < 1e-6;
}

// A window of 8000 x 6000 twips showing slot 1 (190..260 nm, -100 x point), and a printer page.
class PrintVectorTest : public testing::Test {
  protected:
    PrintVectorTest() {
        store::SetStartupTables(*store);
        std::vector<double> values;
        for (int i = 1; i <= 71; ++i) {
            values.push_back(-100.0 * i);
        }
        FillSlot(*store, 1, 190, 1, values);
        redrawScreen();
    }

    void redrawScreen() {
        screen.operations.clear();
        RedrawPlot(screen, *store, state);
    }

    void print(int printSize) {
        page.operations.clear();
        PrintVector(page, *store, state, printSize);
    }

    // The texts printed at x, y on the page.
    std::vector<std::string> textsAt(double x, double y) const {
        std::vector<std::string> found;
        for (const auto& text : page.texts()) {
            if (std::abs(text.x1 - x) < 1e-6 && std::abs(text.y1 - y) < 1e-6) {
                found.push_back(text.text);
            }
        }
        return found;
    }

    // The value printed for slot s in the readout column of a half-size page, if any.
    std::optional<Operation> readout(int s) const {
        for (const auto& text : page.texts()) {
            if (text.x1 == 5500 / 1.25 && text.y1 == 7500 / 15.0 + 180 * (s - 1)) {
                return text;
            }
        }
        return std::nullopt;
    }

    std::string readoutText(int s) const {
        const auto value = readout(s);
        return value ? value->text : "(none)";
    }

    // The curve segments: lines in a slot colour that are not the short cursor marks.
    std::vector<Operation> curveSegments() const {
        std::vector<Operation> found;
        for (const auto& line : page.lines()) {
            if (line.colour != Black && !IsMark(line)) {
                found.push_back(line);
            }
        }
        return found;
    }

    std::unique_ptr<store::SpectrumStore> store = std::make_unique<store::SpectrumStore>();
    PlotState state;
    RecordingSurface screen{8000, 6000};
    RecordingSurface page{PageWidth, PageHeight};
};

// Half size draws in the top-left quarter of the page, full size on the whole page; the page is
// never cleared and nothing leaves the part it is given.
class PrintedPageSize : public PrintVectorTest, public testing::WithParamInterface<int> {};

TEST_P(PrintedPageSize, FrameFillsItsShareOfThePage) {
    print(GetParam());
    const double w = PageWidth / GetParam();
    const double h = PageHeight / GetParam();
    double rightmost = 0;
    double lowest = 0;
    for (const auto& operation : page.operations) {
        EXPECT_NE(operation.kind, Operation::Fill) << "the page is not cleared";
        for (const double x : {operation.x1, operation.x2}) {
            EXPECT_GE(x, 0);
            EXPECT_LE(x, w) << operation.text;
        }
        for (const double y : {operation.y1, operation.y2}) {
            EXPECT_GE(y, 0);
            EXPECT_LE(y, h) << operation.text;
        }
        if (operation.kind == Operation::Line) {
            rightmost = std::max({rightmost, operation.x1, operation.x2});
            lowest = std::max({lowest, operation.y1, operation.y2});
        }
    }
    EXPECT_NEAR(rightmost, w - w / 30, 1e-6);
    EXPECT_NEAR(lowest, 19 * h / 20, 1e-6);
    EXPECT_EQ(page.findText("Wavelength (nm)")->y1, h - 0.035 * h);
}

INSTANTIATE_TEST_SUITE_P(HalfAndFull, PrintedPageSize, testing::Values(2, 1));

// tests/golden/print-half-two-slots.txt, worked out by hand (see the README there): the screen's
// worked example at half size on a page twice as large, so that the layout numbers are the
// screen's; black on paper whatever the page's colour and mode were, one horizontal title,
// curves twice as wide, the readout line with the signature and a readout row per slot.
TEST(PrintRecording, TwoSlotsAtHalfSizeMatchTheWorkedExample) {
    auto store = std::make_unique<store::SpectrumStore>();
    store::SetStartupTables(*store);
    FillSlot(*store, 1, 200, 1, {-3000, 1000, -1000});
    store->SlotHtCut(1) = 201;
    FillSlot(*store, 2, 201, 1, {0, -2000});
    PlotState state;
    state.CursorIndex = 2;
    RecordingSurface page{18000, 12000};
    page.ForeColor = 0x00123456;
    page.DrawMode = Invert;
    PrintVector(page, *store, state, 2);
    EXPECT_EQ(page.transcript(),
              testing_support::ReadBytes(std::filesystem::path(TAVRELION_SOURCE_DIR) /
                                         "tests/golden/print-half-two-slots.txt"));
}

TEST_F(PrintVectorTest, PageShowsTheZoomedRangeOfTheScreen) {
    PressCursorKey(screen, *store, state, CursorKey::Up, false);
    const int first = store->DisplayFirstWavelength;
    print(2);
    EXPECT_EQ(store->DisplayFirstWavelength, first);
    EXPECT_EQ(store->DisplayLastWavelength - first, 35);
    EXPECT_NEAR(state.XScale, 0.8 * 5500 / 36, 1e-9);
}

TEST_F(PrintVectorTest, YellowCurvesArePrintedDarkEnoughForWhitePaper) {
    store->SlotColor(1) = 0x0000FFFF;
    print(2);
    ASSERT_FALSE(curveSegments().empty());
    for (const auto& line : curveSegments()) {
        EXPECT_GE(ContrastRatio(line.colour, White), 3.0);
    }
}

// Fits shown over the plot are printed too: dashed, readable on paper, named in the legend, and
// at the values the page's scale gives them.
TEST_F(PrintVectorTest, FitsShownOverThePlotArePrintedWithTheirLegend) {
    state.Overlays = {{"SELCON3 fit", {240, 200, 190}, {-5000, -3000, -1000}, 0x0000FFFF, Dashed}};
    print(2);
    const Colour ink = ReadableOnWhite(0x0000FFFF);
    EXPECT_GE(ContrastRatio(ink, White), 3.0);
    std::vector<Operation> dashed;
    for (const auto& line : page.lines()) {
        if (line.drawStyle == Dashed) {
            dashed.push_back(line);
        }
    }
    ASSERT_EQ(dashed.size(), 2u);
    for (const auto& line : dashed) {
        EXPECT_EQ(line.colour, ink);
    }
    EXPECT_NEAR(dashed[1].x1, XOfWavelength(*store, state, 200), 1e-6);
    EXPECT_NEAR(dashed[1].y1, state.ZeroLineY + state.YScale * 3000, 1e-6);
    EXPECT_NEAR(dashed[1].x2, XOfWavelength(*store, state, 190), 1e-6);
    EXPECT_NEAR(dashed[1].y2, state.ZeroLineY + state.YScale * 1000, 1e-6);
    const auto labels = page.texts();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const Operation& text) {
        return text.text == "SELCON3 fit" && text.colour == ink;
    }));
}

TEST_F(PrintVectorTest, CurvesAtTwiceTheLineWidthEverythingElseThin) {
    state.LineWidth = 4;
    print(1);
    ASSERT_EQ(curveSegments().size(), 70u);
    for (const auto& line : page.lines()) {
        const bool curve = line.colour != Black && !IsMark(line);
        EXPECT_EQ(line.drawWidth, curve ? 8 : 1);
    }
    state.LineWidth = 0;
    print(1);
    EXPECT_EQ(state.LineWidth, 1);
    EXPECT_EQ(curveSegments().front().drawWidth, 2);
}

TEST_F(PrintVectorTest, HiddenCursorPrintsNeitherReadoutNorSignature) {
    state.CursorShown = 0;
    state.CursorIndex = 21.25;
    print(2);
    for (const auto& text : page.texts()) {
        EXPECT_EQ(text.text.find("Wavelength :"), std::string::npos);
        EXPECT_EQ(text.text.find("TAVRELION"), std::string::npos);
        EXPECT_FALSE(IsBlank(text.text));
    }
    EXPECT_EQ(readoutText(1), "(none)");
    const double x = 687.5 + state.XScale * 21.25;
    for (const auto& line : page.lines()) {
        EXPECT_FALSE(line.x1 == x && line.x2 == x) << "cursor line";
        EXPECT_FALSE(IsMark(line)) << "cursor mark";
    }
}

TEST_F(PrintVectorTest, ReadoutPointBetweenTwoRoundsHalfToEven) {
    state.CursorIndex = 2.5;  // point 2.5
    print(2);
    EXPECT_EQ(readoutText(1), "-200");
    state.CursorIndex = 3.5;  // point 3.5
    print(2);
    EXPECT_EQ(readoutText(1), "-400");
}

TEST_F(PrintVectorTest, ReadoutOnlyWhereTheSlotHasAPoint) {
    FillSlot(*store, 2, 230, 1, std::vector<double>(31, -10.0));  // 230..260 nm
    FillSlot(*store, 3, 190, 1, std::vector<double>(11, -20.0));  // 190..200 nm
    store->SlotValue(12, 3) = 999;  // left over from an earlier, longer spectrum
    store->DisplayFirstWavelength = 190;
    store->DisplayLastWavelength = 260;
    state.CursorIndex = 6;  // 195 nm
    print(2);
    EXPECT_EQ(readoutText(2), "(none)");
    EXPECT_EQ(readoutText(3), "-20");
    state.CursorIndex = 40;  // 229 nm
    print(2);
    EXPECT_EQ(readoutText(2), "(none)");
    state.CursorIndex = 41;  // 230 nm
    print(2);
    EXPECT_EQ(readoutText(2), "-10");
    state.CursorIndex = 12;  // 201 nm: past slot 3's last point
    print(2);
    EXPECT_EQ(readoutText(3), "(none)");
    EXPECT_FALSE(page.findText(" 999"));
    EXPECT_EQ(readoutText(1), "-1200");
    // The blank field is printed whether or not a value follows.
    EXPECT_EQ(textsAt(5500 / 1.5, 7500 / 15.0 + 360),
              std::vector<std::string>{std::string(22, ' ')});
}

TEST_F(PrintVectorTest, RedrawAfterPrintingRestoresTheScreen) {
    FillSlot(*store, 2, 200, 0.5, std::vector<double>(101, -50.0));
    state.CursorIndex = 15;
    redrawScreen();
    const PlotState before = state;
    const auto screenBefore = screen.operations;
    print(2);
    EXPECT_NE(state.PlotLeft, before.PlotLeft);
    redrawScreen();
    EXPECT_EQ(state.PlotLeft, before.PlotLeft);
    EXPECT_EQ(state.PlotHeight, before.PlotHeight);
    EXPECT_EQ(state.XScale, before.XScale);
    EXPECT_EQ(state.YScale, before.YScale);
    EXPECT_EQ(state.ZeroLineY, before.ZeroLineY);
    EXPECT_EQ(state.XTickStep, before.XTickStep);
    EXPECT_EQ(state.MinSlotStep, before.MinSlotStep);
    EXPECT_EQ(state.CursorIndex, before.CursorIndex);
    ASSERT_EQ(screen.operations.size(), screenBefore.size());
    for (std::size_t i = 0; i < screenBefore.size(); ++i) {
        EXPECT_EQ(screen.operations[i].x1, screenBefore[i].x1);
        EXPECT_EQ(screen.operations[i].y1, screenBefore[i].y1);
        EXPECT_EQ(screen.operations[i].text, screenBefore[i].text);
    }
}

TEST_F(PrintVectorTest, UndefinedLayoutsStillPrintAFrame) {
    FillSlot(*store, 1, 222, 1, {0.0});  // every value 0, a single wavelength
    state.CursorIndex = 1;
    print(2);
    EXPECT_TRUE(std::isfinite(state.XScale));
    EXPECT_TRUE(std::isfinite(state.YScale));
    EXPECT_TRUE(std::isfinite(state.ZeroLineY));
    EXPECT_EQ(state.XTickStep, 1);
    EXPECT_TRUE(page.findText(" 222"));
    EXPECT_TRUE(page.findText(Title));
    EXPECT_EQ(readoutText(1), " 0");
    for (const auto& operation : page.operations) {
        EXPECT_TRUE(std::isfinite(operation.x1) && std::isfinite(operation.y1) &&
                    std::isfinite(operation.x2) && std::isfinite(operation.y2));
    }

    store->SpectrumLoaded = 0;
    print(2);
    EXPECT_TRUE(page.operations.empty());
}

}  // namespace
}  // namespace tavrelion::display
