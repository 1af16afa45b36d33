#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "RecordingSurface.h"
#include "display/Colours.h"
#include "display/Cursor.h"
#include "display/Plot.h"
#include "display/PrintVector.h"
#include "store/SpectrumStore.h"

namespace tavrelion::display {
namespace {

using testing_support::FillSlot;
using testing_support::RecordingSurface;
using Operation = RecordingSurface::Operation;

constexpr double PageWidth = 11000;
constexpr double PageHeight = 15000;
const std::string Title = "Mean residue ellipticity (deg.cm\xB2/dmol)";

std::vector<double> Ramp(int count, double from, double to) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(from + (to - from) * i / (count - 1));
    }
    return values;
}

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

TEST_F(PrintVectorTest, HalfSizeFillsTheTopLeftQuarterOfThePage) {
    print(2);
    EXPECT_EQ(state.PlotLeft, 687.5);
    EXPECT_EQ(state.PlotHeight, 7500);
    EXPECT_NEAR(state.XScale, 0.8 * 5500 / 71, 1e-9);
    const double right = 5500 - 5500 / 30.0;
    const auto lines = page.lines();
    const auto has = [&](double x1, double y1, double x2, double y2) {
        return std::any_of(lines.begin(), lines.end(), [&](const auto& l) {
            return std::abs(l.x1 - x1) < 1e-6 && std::abs(l.y1 - y1) < 1e-6 &&
                   std::abs(l.x2 - x2) < 1e-6 && std::abs(l.y2 - y2) < 1e-6;
        });
    };
    EXPECT_TRUE(has(687.5, 375, right, 375));
    EXPECT_TRUE(has(687.5, 7125, right, 7125));
    EXPECT_TRUE(has(right, 375, right, 7125));
    for (const auto& operation : page.operations) {
        EXPECT_NE(operation.kind, Operation::Fill) << "the page is not cleared";
        for (const double x : {operation.x1, operation.x2}) {
            EXPECT_GE(x, 0);
            EXPECT_LE(x, 5500) << operation.text;
        }
        for (const double y : {operation.y1, operation.y2}) {
            EXPECT_GE(y, 0);
            EXPECT_LE(y, 7500) << operation.text;
        }
    }
}

TEST_F(PrintVectorTest, FullSizeFillsThePage) {
    print(1);
    EXPECT_EQ(state.PlotLeft, PageWidth / 8);
    EXPECT_EQ(state.PlotHeight, PageHeight);
    const double right = PageWidth - PageWidth / 30;
    double rightmost = 0;
    double lowest = 0;
    for (const auto& line : page.lines()) {
        rightmost = std::max({rightmost, line.x1, line.x2});
        lowest = std::max({lowest, line.y1, line.y2});
    }
    EXPECT_NEAR(rightmost, right, 1e-6);
    EXPECT_NEAR(lowest, 19 * PageHeight / 20, 1e-6);
    EXPECT_EQ(page.findText("Wavelength (nm)")->y1, PageHeight - 0.035 * PageHeight);
}

TEST_F(PrintVectorTest, OneHorizontalTitleInsteadOfUnitLabelAndVerticalTitle) {
    FillSlot(*store, 2, 200, 1, Ramp(51, -5000, 0));
    store->DisplayFirstWavelength = 190;
    store->DisplayLastWavelength = 260;
    print(2);
    EXPECT_EQ(textsAt(0, 7500 / 40.0), std::vector<std::string>{Title});
    EXPECT_FALSE(page.findText("deg.cm\xB2/dmol"));
    EXPECT_FALSE(page.findText("M"));
    EXPECT_EQ(textsAt(5500 / 2.5, 7500 - 0.035 * 7500),
              std::vector<std::string>{"Wavelength (nm)"});
    // The legend starts at a fifteenth of the height, one line per slot.
    EXPECT_EQ(textsAt(5500 / 3.0, 7500 / 15.0), std::vector<std::string>{" 1)SLOT1.ASC"});
    EXPECT_EQ(textsAt(5500 / 3.0, 7500 / 15.0 + 8.25 * 20),
              std::vector<std::string>{" 2)SLOT2.ASC"});
}

TEST_F(PrintVectorTest, AxesFollowThePageSize) {
    FillSlot(*store, 1, 190, 1, Ramp(71, -20000, 10000));
    redrawScreen();
    print(2);
    EXPECT_NEAR(state.ZeroLineY, 0.335 * 7500, 1e-6);
    EXPECT_EQ(state.XTickStep, 10);
    for (int lambda = 190; lambda <= 260; lambda += 10) {
        const auto label = page.findText(" " + std::to_string(lambda));
        ASSERT_TRUE(label) << lambda;
        EXPECT_EQ(label->y1, 18 * 7500 / 20.0);
        EXPECT_NEAR(label->x1, XOfWavelength(*store, state, lambda) - 2 * state.XScale, 1e-9);
    }
    std::vector<std::string> valueLabels;
    for (const auto& text : page.texts()) {
        if (text.x1 == 0 && text.y1 > 375 && text.y1 < 7125) {
            valueLabels.push_back(text.text);
        }
    }
    EXPECT_THAT(valueLabels, testing::ElementsAre("    0", "    0", "-10000", "-20000"));
    const double tick = state.ZeroLineY + 10000 * state.YScale;
    EXPECT_NEAR(page.findText("-10000")->y1, tick - 60, 1e-6);
    const auto lines = page.lines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const auto& l) {
        return l.x1 == 687.5 && l.x2 == 787.5 && std::abs(l.y1 - tick) < 1e-6;
    }));
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const auto& l) {
        return l.drawStyle == Dotted && l.y1 == state.ZeroLineY && l.x1 == 687.5;
    }));
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

TEST_F(PrintVectorTest, BlackOnPaperWhateverTheScreenColours) {
    screen.ForeColor = 0x00FFFF00;
    redrawScreen();
    page.ForeColor = 0x00123456;
    page.DrawMode = Invert;
    const Colour slotColour = 0x00FF00FF;
    store->SlotColor(1) = slotColour;
    state.CursorIndex = 21.25;
    print(2);
    for (const auto& text : page.texts()) {
        if (text.text == " 1)SLOT1.ASC" || text.text == "-2100") {
            EXPECT_EQ(text.colour, slotColour) << text.text;
        } else if (text.text == " 210.25" || text.text == "       ") {
            EXPECT_EQ(text.colour, LightRed) << text.text;
        } else if (text.text.rfind("TAVRELION 2000", 0) == 0) {
            EXPECT_EQ(text.colour, ReadableOnWhite(LightGreen));
        } else {
            EXPECT_EQ(text.colour, Black) << text.text;
        }
    }
    for (const auto& line : page.lines()) {
        EXPECT_EQ(line.colour, (line.drawWidth == 2 || IsMark(line)) ? slotColour : Black);
        EXPECT_EQ(line.drawMode, CopyPen);
    }
    EXPECT_EQ(curveSegments().size(), 70u);
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

TEST_F(PrintVectorTest, ReadoutLineWithSignatureAndBlackCursor) {
    state.CursorIndex = 21.25;  // 210.25 nm
    print(2);
    const double start = 5500 / 20.0;
    const auto label = page.findText("Wavelength : ");
    ASSERT_TRUE(label);
    EXPECT_EQ(label->x1, start);
    EXPECT_EQ(label->y1, 0);
    EXPECT_EQ(textsAt(start + 1300, 0), std::vector<std::string>{" 210.25"});
    EXPECT_EQ(textsAt(start + 2000, 0), std::vector<std::string>{"       "});
    const auto signature = textsAt(start + 2700, 0);
    ASSERT_EQ(signature.size(), 1u);
    EXPECT_THAT(signature.front(), testing::StartsWith("TAVRELION 2000"));
    const double x = 687.5 + state.XScale * 21.25;
    const auto lines = page.lines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const auto& l) {
        return l.x1 == x && l.x2 == x && l.y1 == 7125 && l.y2 == 375 && l.colour == Black;
    }));
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

TEST_F(PrintVectorTest, ReadoutColumnEvery180TwipsWithMarksOnTheCurves) {
    FillSlot(*store, 2, 200, 0.5, std::vector<double>(101, -50.0));
    FillSlot(*store, 3, 190, 1, Ramp(71, 0, 7000));
    store->DisplayFirstWavelength = 190;
    store->DisplayLastWavelength = 260;
    state.CursorIndex = 21;  // 210 nm
    print(2);
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(textsAt(5500 / 1.5, 7500 / 15.0 + 180 * (s - 1)),
                  std::vector<std::string>{std::string(22, ' ')})
            << s;
    }
    ASSERT_TRUE(readout(1) && readout(2) && readout(3));
    EXPECT_EQ(readoutText(1), "-2100");
    EXPECT_EQ(readoutText(2), "-50");
    EXPECT_EQ(readoutText(3), " 2000");
    const double x = 687.5 + state.XScale * 21;
    std::vector<Operation> marks;
    for (const auto& line : page.lines()) {
        if (line.x1 == x - 200 && line.x2 == x + 200) {
            marks.push_back(line);
        }
    }
    ASSERT_EQ(marks.size(), 3u);
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(readout(s)->colour, store->SlotColor(s));
        EXPECT_EQ(marks[s - 1].colour, store->SlotColor(s));
    }
    EXPECT_NEAR(marks[0].y1, state.ZeroLineY + 2100 * state.YScale, 1e-6);
    EXPECT_NEAR(marks[2].y1, state.ZeroLineY - 2000 * state.YScale, 1e-6);
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
