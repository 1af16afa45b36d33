// The analysis on reference proteins left out of the reference set: the answers are known.
#include "contin/LocalAnalysis.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "contin/ContinReport.h"
#include "contin/CrossValidation.h"
#include "engines/common/EngineTestSupport.h"

namespace tavrelion::engines::contin {
namespace {

using engine_testing::ProteinIndex;
using engine_testing::Sp175;

struct LeftOut {
    const char* code;
    int high;
    int low;
};

class LeftOutProtein : public ::testing::TestWithParam<LeftOut> {};

TEST_P(LeftOutProtein, IsEstimatedWithinTheTargetErrors) {
    const LeftOut c = GetParam();
    const int p = ProteinIndex(c.code);
    const ReferenceSet others = Sp175().without(p);
    const Eigen::VectorXd spectrum = RoundedAsSent(Sp175().spectraBetween(c.high, c.low).col(p));
    const ContinEstimate estimate = AnalyseSpectrum(others, c.high, c.low, spectrum);
    const Eigen::Vector4d known = Sp175().fractions.col(p);
    EXPECT_NEAR(estimate.fractions(ReferenceSet::HelixClass), known(0), 0.075);
    EXPECT_NEAR(estimate.fractions(ReferenceSet::SheetClass), known(1), 0.09);
    EXPECT_NEAR(estimate.fractions(ReferenceSet::TurnClass), known(2), 0.1);
    EXPECT_NEAR(estimate.fractions(ReferenceSet::OtherClass), known(3), 0.1);
    // The solution is a proper mixture of the other proteins and fits the spectrum.
    EXPECT_EQ(estimate.weights.size(), 70);
    EXPECT_GE(estimate.weights.minCoeff(), 0.0);
    EXPECT_NEAR(estimate.weights.sum(), 1.0, 1e-9);
    EXPECT_LT((estimate.fractions - others.fractions * estimate.weights).norm(), 1e-12);
    EXPECT_LT(estimate.nrmsd, 0.15);
    EXPECT_EQ(estimate.fitted.size(), c.high - c.low + 1);
    EXPECT_NE(estimate.ranking.front(), -1);
    for (const auto& subset : estimate.subsets) {
        EXPECT_NEAR(subset.solution.probability, 0.5, 0.1) << subset.size << " proteins";
    }
}

// A sheet protein and a mixed one over the whole reference range, a helical one over the
// shortest range the program accepts (the program tests cover 240-190 and 230-190 nm).
INSTANTIATE_TEST_SUITE_P(Sp175, LeftOutProtein,
                         ::testing::Values(LeftOut{"IGG", 240, 175}, LeftOut{"GLOX", 240, 175},
                                           LeftOut{"CPHY", 230, 195}));

TEST(ContinAnalysis, AbsurdSpectrumGivesAProperMixtureAndAWarning) {
    // A million deg.cm2/dmol, changing sign at every nanometre: nothing like a protein.
    Eigen::VectorXd zigzag(51);
    for (Eigen::Index i = 0; i < zigzag.size(); ++i) {
        zigzag(i) = i % 2 == 0 ? 300.0 : -300.0;
    }
    const ContinEstimate estimate = AnalyseSpectrum(Sp175(), 240, 190, zigzag);
    EXPECT_TRUE(estimate.weights.allFinite());
    EXPECT_NEAR(estimate.weights.sum(), 1.0, 1e-9);
    EXPECT_GT(estimate.nrmsd, 0.25);
    ContinInput input;
    input.count = 51;
    input.highestWavelength = 240;
    input.lowestWavelength = 190;
    const std::string report = EstimateReport(input, {&Sp175(), ""}, estimate);
    EXPECT_NE(report.find("The fit is poor"), std::string::npos);
}

TEST(ContinAnalysis, RefusesWavelengthsTheReferencesLack) {
    const Eigen::VectorXd spectrum = Eigen::VectorXd::Ones(51);
    EXPECT_THROW(AnalyseSpectrum(Sp175(), 250, 200, spectrum), std::invalid_argument);
    EXPECT_THROW(AnalyseSpectrum(Sp175(), 240, 190, Eigen::VectorXd::Ones(50)),
                 std::invalid_argument);
}

// The driver cuts characters 24-29, 38-42 and 51-56 of the FRACTION line.
TEST(ContinReport, FractionLineKeepsEachValueInItsField) {
    struct Case {
        double helix, sheet;
        const char* helixField;
        const char* sheetField;
        const char* restField;
    };
    for (const Case c : {Case{0.354, 0.123, " 0.354", "0.12 ", "0.523 "},
                         Case{1.0, 0.0, " 1.000", "0.00 ", "0.000 "},
                         Case{0.0, 0.996, " 0.000", "1.00 ", "0.004 "},
                         Case{0.6, 0.41, " 0.600", "0.41 ", "0.000 "}}) {
        const std::string line = FractionLine(Eigen::Vector2d(c.helix, c.sheet));
        ASSERT_EQ(line.size(), 56u);
        EXPECT_EQ(line.substr(0, 9), " FRACTION");
        EXPECT_EQ(line.substr(23, 6), c.helixField);
        EXPECT_EQ(line.substr(37, 5), c.sheetField);
        EXPECT_EQ(line.substr(50, 6), c.restField);
    }
    EXPECT_EQ(FractionLine(std::nullopt), " FRACTION" + std::string(47, ' '));
}

}  // namespace
}  // namespace tavrelion::engines::contin
