#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "display/RecordingSurface.h"
#include "fits/FitCurves.h"
#include "fits/FitsFigure.h"

namespace tavrelion::fits {
namespace {

using analysis::MethodResult;
using testing_support::RecordingSurface;
using Operation = RecordingSurface::Operation;

MethodResult Fit(const std::string& method, std::optional<double> nrmsd, const std::string& quality,
                 std::vector<double> wavelengths, std::vector<double> measured,
                 std::vector<double> calculated) {
    MethodResult result;
    result.method = method;
    result.nrmsd = nrmsd;
    result.quality = quality;
    result.wavelengths = std::move(wavelengths);
    result.measured = std::move(measured);
    result.calculated = std::move(calculated);
    return result;
}

MethodResult WithoutSpectrum(const std::string& method, const std::string& quality = "") {
    MethodResult result;
    result.method = method;
    result.quality = quality;
    return result;
}

struct LegendCase {
    MethodResult result;
    std::string text;
};

class FitLegendTest : public testing::TestWithParam<LegendCase> {};

TEST_P(FitLegendTest, NamesTheMethodWithItsNrmsdAndQuality) {
    EXPECT_EQ(FitLegendText(GetParam().result), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Methods, FitLegendTest,
    testing::Values(
        LegendCase{Fit("SELCON3", 0.034, "good", {240, 239}, {-1, -2}, {-1, -2}),
                   "SELCON3  NRMSD 0.034 good"},
        LegendCase{Fit("CONTIN", 0.1204, "poor", {240}, {-1}, {-1}), "CONTIN  NRMSD 0.120 poor"},
        LegendCase{Fit("Chen", 0.0996, "", {240}, {-1}, {-1}), "Chen  NRMSD 0.100"},
        LegendCase{Fit("Yang", std::nullopt, "", {240}, {-1}, {-1}), "Yang"},
        LegendCase{WithoutSpectrum("K2D", "good"), "K2D  no back-calculated spectrum"},
        // Columns of unequal length are no spectrum to draw.
        LegendCase{Fit("SELCON2", 0.05, "fair", {240, 239}, {-1}, {-1, -2}),
                   "SELCON2  no back-calculated spectrum"},
        // Nor is one with a number that cannot be drawn.
        LegendCase{Fit("CONTIN", 0.05, "fair", {240, 239}, {-1, -2}, {-1, std::nan("")}),
                   "CONTIN  no back-calculated spectrum"}));

TEST(FitCurves, MeasuredSpansEveryMethodsRangeAndResidualsAreMeasuredMinusCalculated) {
    const std::vector<MethodResult> results = {
        Fit("SELCON3", 0.02, "good", {200, 199, 198}, {-100, 50, 300}, {-90, 60, 250}),
        WithoutSpectrum("K2D"),
        Fit("CONTIN", 0.03, "good", {201, 200}, {-400, -101}, {-420, -100})};
    const FitCurve measured = MeasuredCurve(results);
    EXPECT_EQ(measured.wavelengths, (std::vector<double>{201, 200, 199, 198}));
    EXPECT_EQ(measured.values, (std::vector<double>{-400, -100, 50, 300}));

    const std::vector<FitCurve> residuals = ResidualCurves(results);
    ASSERT_EQ(residuals.size(), 2u);
    EXPECT_EQ(residuals[0].values, (std::vector<double>{-10, -10, 50}));
    EXPECT_EQ(residuals[1].values, (std::vector<double>{20, -1}));
    EXPECT_EQ(residuals[1].wavelengths, (std::vector<double>{201, 200}));

    // Over the main plot each fit looks as in the Fits window and is named in the plot's legend.
    const std::vector<display::OverlayCurve> overlays = PlotOverlays(results);
    ASSERT_EQ(overlays.size(), 2u);
    EXPECT_EQ(overlays[1].label, "CONTIN fit");
    EXPECT_EQ(overlays[1].values, (std::vector<double>{-420, -100}));
    EXPECT_EQ(overlays[1].colour, residuals[1].colour);
    EXPECT_EQ(overlays[1].drawStyle, residuals[1].drawStyle);

    // Ten methods (the five basis sets, SELCON2/3, CONTIN and two more) never share a look.
    std::vector<MethodResult> many(10, results[0]);
    std::set<std::pair<display::Colour, int>> looks;
    for (const FitCurve& curve : CalculatedCurves(many)) {
        EXPECT_NE(curve.drawStyle, display::Solid);  // solid is the measured spectrum's
        looks.insert({curve.colour, curve.drawStyle});
    }
    EXPECT_EQ(looks.size(), 10u);
}

// The least-squares rows' curves come from calibration bases: left out until asked for, their
// measured values and NRMSD still shown; the other methods are drawn as they were.
TEST(FitCurves, LeastSquaresCurvesAreDrawnOnlyWhenAskedFor) {
    MethodResult fasman = Fit("Fasman", 0.874, "not graded", {205, 204}, {-900, -800}, {300, 400});
    fasman.calibrationBasis = true;
    const std::vector<MethodResult> results = {
        fasman, Fit("SELCON3", 0.02, "good", {200, 199}, {-100, 50}, {-90, 60})};

    const std::vector<MethodResult> shown = DrawnResults(results, false);
    const std::vector<FitCurve> calculated = CalculatedCurves(shown);
    ASSERT_EQ(calculated.size(), 1u);
    EXPECT_EQ(calculated[0].label, "SELCON3  NRMSD 0.020 good");
    EXPECT_EQ(FitLegendText(shown[0]), "Fasman  NRMSD 0.874 not graded, not drawn");
    EXPECT_EQ(MeasuredCurve(shown).wavelengths, (std::vector<double>{205, 204, 200, 199}));
    EXPECT_EQ(ResidualCurves(shown).size(), 1u);
    EXPECT_TRUE(PlotOverlays(shown).size() == 1u && PlotOverlays(shown)[0].label == "SELCON3 fit");

    const std::vector<MethodResult> all = DrawnResults(results, true);
    ASSERT_EQ(CalculatedCurves(all).size(), 2u);
    EXPECT_EQ(CalculatedCurves(all)[0].label, "Fasman  NRMSD 0.874 not graded");
}

// The values of the lines in one colour inside a frame, read back through the frame's scale.
std::vector<std::pair<double, double>> PointsIn(const RecordingSurface& surface,
                                                const display::FigureFrame& frame,
                                                display::Colour colour, double low, double high,
                                                double firstWavelength, double lastWavelength) {
    std::vector<std::pair<double, double>> points;
    for (const Operation& line : surface.lines()) {
        if (line.colour != colour || line.y1 < frame.top || line.y1 > frame.bottom ||
            line.x1 < frame.left - 1 || line.x1 > frame.right + 1) {
            continue;
        }
        const double lambda = firstWavelength + (line.x1 - frame.left) /
                                                    (frame.right - frame.left) *
                                                    (lastWavelength - firstWavelength);
        const double value =
            low + (frame.bottom - line.y1) / (frame.bottom - frame.top) * (high - low);
        points.emplace_back(lambda, value);
    }
    return points;
}

TEST(FitsFigure, DrawsResidualsBelowTheSpectraAndTheLegendBesideThem) {
    const std::vector<MethodResult> results = {
        Fit("SELCON3", 0.034, "good", {240, 230, 220, 210}, {0, -10000, -20000, 5000},
            {0, -9000, -21000, 5500}),
        WithoutSpectrum("K2D")};
    const display::FigureSettings settings = DefaultFitsSettings(results);
    EXPECT_EQ(settings.firstWavelength, 210);
    EXPECT_EQ(settings.lastWavelength, 240);
    RecordingSurface surface(10080, 7200);
    const FitsFrames frames = DrawFitsFigure(surface, results, settings);

    EXPECT_EQ(surface.operations.front().colour, display::White);
    EXPECT_GT(frames.residuals.top, frames.spectra.bottom);
    EXPECT_TRUE(surface.findText("Measured"));
    const auto fit = surface.findText("SELCON3  NRMSD 0.034 good");
    ASSERT_TRUE(fit);
    EXPECT_GT(fit->x1, frames.spectra.right);
    const auto without = surface.findText("K2D  no back-calculated spectrum");
    ASSERT_TRUE(without);
    EXPECT_GT(without->y1, fit->y1);
    EXPECT_TRUE(surface.findText("Residual (measured \xE2\x88\x92 calculated)"));

    // Residuals 0, -1000, 1000, -500: the axis is 0 +- 1000 and a twentieth of room.
    const display::Colour colour = CalculatedCurves(results)[0].colour;
    const auto residuals = PointsIn(surface, frames.residuals, colour, -1100, 1100,
                                    settings.firstWavelength, settings.lastWavelength);
    ASSERT_EQ(residuals.size(), 3u);  // three segments start at 240, 230 and 220 nm
    const double expected[][2] = {{240, 0}, {230, -1000}, {220, 1000}};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_NEAR(residuals[k].first, expected[k][0], 0.01);
        EXPECT_NEAR(residuals[k].second, expected[k][1], 0.5);
    }
    // The back-calculated curve stands in the upper frame, dashed, in the same colour.
    const auto calculated =
        std::count_if(surface.operations.begin(), surface.operations.end(), [&](const auto& op) {
            return op.kind == Operation::Line && op.colour == colour &&
                   op.y1 <= frames.spectra.bottom && op.drawStyle == display::Dashed;
        });
    EXPECT_GE(calculated, 3);
}

TEST(FitsFigure, SaysSoWhenNoMethodGivesABackCalculatedSpectrum) {
    RecordingSurface surface(10080, 7200);
    const std::vector<MethodResult> results = {WithoutSpectrum("K2D"), WithoutSpectrum("Varselec")};
    DrawFitsFigure(surface, results, DefaultFitsSettings(results));
    EXPECT_TRUE(surface.findText(NoFitsText));
    EXPECT_TRUE(surface.lines().empty());
}

}  // namespace
}  // namespace tavrelion::fits
