#include "selcon3/SelectionRules.h"

#include <gtest/gtest.h>

namespace tavrelion::engines::selcon {
namespace {

Solution Candidate(double helix, double sheet, double turn, double other, double refit = 0.1) {
    Solution solution;
    solution.fractions = Eigen::Vector4d(helix, sheet, turn, other);
    solution.refitNrmsd = refit;
    return solution;
}

SelectionRules StrictRules() {
    SelectionRules rules;
    rules.useRefitRule = false;
    rules.useHelixRule = false;
    return rules;
}

TEST(SelectionRules, SumAndFractionRulesRejectTheirViolators) {
    const std::vector<Solution> candidates = {
        Candidate(0.30, 0.20, 0.20, 0.30),   // sum 1.00: passes
        Candidate(0.30, 0.20, 0.20, 0.40),   // sum 1.10: outside 1 +- 0.05
        Candidate(0.50, -0.10, 0.30, 0.30),  // a fraction below -0.025
        Candidate(0.31, 0.20, 0.20, 0.31)};  // sum 1.02: passes
    const Selection selection = SelectSolutions(candidates, StrictRules());
    EXPECT_EQ(selection.accepted, (std::vector<int>{0, 3}));
    EXPECT_EQ(selection.relaxation, 0);
    const Eigen::VectorXd mean = WeightedMean(candidates, selection);
    EXPECT_NEAR(mean.sum(), 1.0, 1e-12) << "each candidate is scaled to sum 1";
    EXPECT_NEAR(mean(0), 0.5 * (0.30 + 0.31 / 1.02), 1e-12);
}

TEST(SelectionRules, RelaxOnlyWhenNothingPassesAndOnlyWhenAllowed) {
    const std::vector<Solution> candidates = {Candidate(0.30, 0.20, 0.20, 0.38)};  // sum 1.08
    SelectionRules rules = StrictRules();
    const Selection relaxed = SelectSolutions(candidates, rules);
    EXPECT_EQ(relaxed.accepted.size(), 1u);
    EXPECT_EQ(relaxed.relaxation, 1);
    EXPECT_NEAR(relaxed.applied.sumTolerance, 0.10, 1e-12);

    rules.allowRelaxation = false;  // selcon2's total rule is strict
    EXPECT_TRUE(SelectSolutions(candidates, rules).accepted.empty());
}

TEST(SelectionRules, SumWeightFavoursSumsNearOne) {
    const std::vector<Solution> candidates = {Candidate(0.60, 0.10, 0.10, 0.20),
                                              Candidate(0.26, 0.26, 0.26, 0.52)};  // sum 1.3
    SelectionRules rules = StrictRules();
    rules.sumTolerance = 0.45;
    rules.sumWidth = 0.15;
    const Selection selection = SelectSolutions(candidates, rules);
    ASSERT_EQ(selection.weights.size(), 2u);
    EXPECT_DOUBLE_EQ(selection.weights[0], 1.0);
    EXPECT_LT(selection.weights[1], 0.2);
    EXPECT_GT(WeightedMean(candidates, selection)(0), 0.5);
}

TEST(SelectionRules, RefitRuleRemovesPoorFitsButStandsAsideForTheMajority) {
    SelectionRules rules = StrictRules();
    rules.useRefitRule = true;
    const std::vector<Solution> mostlyGood = {Candidate(0.3, 0.2, 0.2, 0.3, 0.1),
                                              Candidate(0.3, 0.2, 0.2, 0.3, 0.2),
                                              Candidate(0.6, 0.1, 0.1, 0.2, 0.4)};
    const Selection kept = SelectSolutions(mostlyGood, rules);
    EXPECT_EQ(kept.accepted, (std::vector<int>{0, 1}));
    EXPECT_TRUE(kept.refitRuleApplied);

    const std::vector<Solution> mostlyPoor = {Candidate(0.3, 0.2, 0.2, 0.3, 0.1),
                                              Candidate(0.3, 0.2, 0.2, 0.3, 0.4),
                                              Candidate(0.6, 0.1, 0.1, 0.2, 0.4)};
    const Selection aside = SelectSolutions(mostlyPoor, rules);
    EXPECT_EQ(aside.accepted.size(), 3u);
    EXPECT_FALSE(aside.refitRuleApplied);
}

TEST(SelectionRules, HelixRuleKeepsTheBandOfTheMeanHelix) {
    SelectionRules rules = StrictRules();
    rules.useHelixRule = true;
    // Mean helix 0.5: the band 0.25 to 0.65 drops the 0.2 and the 0.8 helix solutions.
    const std::vector<Solution> candidates = {
        Candidate(0.20, 0.30, 0.20, 0.30), Candidate(0.50, 0.10, 0.20, 0.20),
        Candidate(0.50, 0.10, 0.20, 0.20), Candidate(0.80, 0.00, 0.10, 0.10)};
    const Selection selection = SelectSolutions(candidates, rules);
    EXPECT_EQ(selection.accepted, (std::vector<int>{1, 2}));
    EXPECT_EQ(selection.helixBand, "0.25 to 0.65");
}

}  // namespace
}  // namespace tavrelion::engines::selcon
