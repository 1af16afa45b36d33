#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "RecordingSurface.h"
#include "display/Figure.h"
#include "display/FigureSettings.h"

namespace tavrelion::display {
namespace {

using testing_support::FillSlot;
using testing_support::RecordingSurface;
using Operation = RecordingSurface::Operation;

// An alpha-helical protein: +60000 at 190 nm, minima near 208 and 222 nm, 0 at 260 nm.
std::vector<double> Helix() {
    std::vector<double> values;
    for (int lambda = 190; lambda <= 260; ++lambda) {
        values.push_back(60000 * std::exp(-std::pow((lambda - 191) / 6.0, 2)) -
                         33000 * std::exp(-std::pow((lambda - 208) / 7.0, 2)) -
                         32000 * std::exp(-std::pow((lambda - 222) / 9.0, 2)));
    }
    return values;
}

bool Inside(double x, double y, const FigureFrame& frame) {
    return x > frame.left && x < frame.right && y > frame.top && y < frame.bottom;
}

struct UnitsCase {
    FigureUnits units;
    std::string title;
    std::string tick;  // a value tick only these units have
};

class FigureUnitsTest : public testing::TestWithParam<UnitsCase> {};

TEST_P(FigureUnitsTest, PrintsOnWhiteWithEveryTextOutsideTheFrameAndNoCursor) {
    store::SpectrumStore store;
    store::SetStartupTables(store);
    FillSlot(store, 1, 190, 1, Helix());
    FigureSettings settings = DefaultFigureSettings(store);
    settings.units = GetParam().units;
    RecordingSurface surface(8640, 5760);
    const FigureFrame frame = DrawFigure(surface, store, settings);

    ASSERT_EQ(surface.operations.front().kind, Operation::Fill);
    EXPECT_EQ(surface.operations.front().colour, White);
    ASSERT_TRUE(surface.findText(GetParam().title));
    ASSERT_TRUE(surface.findText("Wavelength (nm)"));
    ASSERT_TRUE(surface.findText(GetParam().tick));
    ASSERT_TRUE(surface.findText("SLOT1.ASC"));
    for (const Operation& text : surface.texts()) {
        const double right = text.x1 + 100.0 * static_cast<double>(text.text.size());
        const bool apart = right <= frame.left || text.x1 >= frame.right ||
                           text.y1 + 200 <= frame.top || text.y1 >= frame.bottom;
        EXPECT_TRUE(apart) << text.text << " at " << text.x1 << ", " << text.y1;
        EXPECT_EQ(text.colour, Black) << text.text;
    }
    // The highest curve point is the 190-nm maximum, inside the frame; nothing is inverted and no
    // line crosses the frame from top to bottom but its own edges.
    double top = frame.bottom;
    for (const Operation& line : surface.lines()) {
        EXPECT_NE(line.drawMode, Invert);
        const bool fullHeight = std::min(line.y1, line.y2) <= frame.top + 1 &&
                                std::max(line.y1, line.y2) >= frame.bottom - 1;
        EXPECT_FALSE(fullHeight && line.x1 == line.x2 && line.x1 > frame.left + 1 &&
                     line.x1 < frame.right - 1);
        if (line.colour != Black && Inside(line.x1, line.y1, frame)) {
            top = std::min(top, line.y1);
        }
    }
    EXPECT_GT(top, frame.top);
    EXPECT_LT(top, frame.top + (frame.bottom - frame.top) / 10);
}

INSTANTIATE_TEST_SUITE_P(
    Units, FigureUnitsTest,
    testing::Values(UnitsCase{FigureUnits::MeanResidueEllipticity,
                              "[\xCE\xB8] (deg cm\xC2\xB2 dmol\xE2\x81\xBB\xC2\xB9)", "-20000"},
                    UnitsCase{FigureUnits::DeltaEpsilon,
                              "\xCE\x94\xCE\xB5 (M\xE2\x81\xBB\xC2\xB9 cm\xE2\x81\xBB\xC2\xB9)",
                              "-10"}));

TEST(FigureTest, KeepsTheCurvesInsideAChosenRange) {
    store::SpectrumStore store;
    store::SetStartupTables(store);
    FillSlot(store, 1, 190, 1, Helix());
    FigureSettings settings = DefaultFigureSettings(store);
    EXPECT_EQ(settings.firstWavelength, 190);
    EXPECT_EQ(settings.lastWavelength, 260);
    settings.firstWavelength = 200;
    settings.lastWavelength = 240;
    settings.automaticValues = false;
    settings.minimumValue = -20000;
    settings.maximumValue = 10000;
    RecordingSurface surface(8640, 5760);
    const FigureFrame frame = DrawFigure(surface, store, settings);

    for (const Operation& line : surface.lines()) {
        for (double x : {line.x1, line.x2}) {
            if (line.colour != Black) {
                EXPECT_GE(x, frame.left - 1e-6);
            }
        }
        for (double y : {line.y1, line.y2}) {
            EXPECT_GE(y, frame.top - 1e-6);
        }
    }
    EXPECT_TRUE(surface.findText("200"));
    EXPECT_TRUE(surface.findText("240"));
    EXPECT_FALSE(surface.findText("190"));
    EXPECT_TRUE(surface.findText("-20000"));
    EXPECT_TRUE(surface.findText("10000"));
}

TEST(FigureSettingsTest, NamesWhatIsWrongAndGivesTheFileItsExtension) {
    FigureSettings sound;
    EXPECT_FALSE(FigureSettingsProblem(sound));
    FigureSettings reversed = sound;
    reversed.firstWavelength = 260;
    EXPECT_EQ(FigureSettingsProblem(reversed), "The first wavelength must be below the last one.");
    FigureSettings values = sound;
    values.automaticValues = false;
    EXPECT_EQ(FigureSettingsProblem(values), "The lowest value must be below the highest one.");
    FigureSettings coarse = sound;
    coarse.dpi = 10;
    EXPECT_EQ(FigureSettingsProblem(coarse), "The resolution must lie between 50 and 2400 dpi.");

    EXPECT_EQ(FigureFileName("/data/lyso.d01", FigureFormat::Png), "/data/lyso.png");
    EXPECT_EQ(FigureFileName("/data/lyso.SVG", FigureFormat::Svg), "/data/lyso.SVG");
    EXPECT_EQ(FigureFileName("/data.v2/lyso", FigureFormat::Pdf), "/data.v2/lyso.pdf");
}

TEST(DrawingSurfacePolyline, IsCutAtTheClipAndGoesOnWhereItComesBack) {
    RecordingSurface surface(1000, 1000);
    surface.SetClip(100, 100, 500, 500);
    surface.DrawStyle = Dashed;
    // In, out through the right edge at y 300, back in at y 400, and wholly outside at the end.
    surface.DrawPolyline(
        {{200, 300}, {300, 300}, {700, 300}, {700, 400}, {300, 400}, {300, 900}, {900, 900}},
        0x00123456);
    std::vector<std::array<double, 4>> drawn;
    for (const Operation& line : surface.lines()) {
        EXPECT_EQ(line.colour, 0x00123456u);
        EXPECT_EQ(line.drawStyle, Dashed);
        drawn.push_back({line.x1, line.y1, line.x2, line.y2});
    }
    const std::vector<std::array<double, 4>> expected = {
        {200, 300, 300, 300}, {300, 300, 500, 300}, {500, 400, 300, 400}, {300, 400, 300, 500}};
    EXPECT_EQ(drawn, expected);
}

}  // namespace
}  // namespace tavrelion::display
