// The numerical parts of the CONTIN engine: the F distribution behind PROB1, the quadratic
// program on the simplex, and the choice of the regulariser.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

#include "contin/FDistribution.h"
#include "contin/RegularisedFit.h"
#include "contin/SimplexQuadraticProgram.h"

namespace tavrelion::engines::contin {
namespace {

Eigen::MatrixXd RandomMatrix(int rows, int cols, unsigned seed) {
    std::mt19937 generator(seed);
    std::normal_distribution<double> normal;
    Eigen::MatrixXd m(rows, cols);
    for (int c = 0; c < cols; ++c) {
        for (int r = 0; r < rows; ++r) {
            m(r, c) = normal(generator);
        }
    }
    return m;
}

TEST(FDistribution, MatchesClosedFormsOnBothSidesOfTheContinuedFraction) {
    for (double x : {0.02, 0.3, 0.5, 0.8, 0.99}) {
        EXPECT_NEAR(RegularisedIncompleteBeta(1.0, 1.0, x), x, 1e-12);
        EXPECT_NEAR(RegularisedIncompleteBeta(3.5, 1.0, x), std::pow(x, 3.5), 1e-12);
        EXPECT_NEAR(RegularisedIncompleteBeta(1.0, 7.0, x), 1.0 - std::pow(1.0 - x, 7.0), 1e-12);
    }
    // Equal freedoms: F = 1 is the median, whatever the (fractional) degrees of freedom.
    for (double freedom : {1.0, 4.3, 25.0, 60.0}) {
        EXPECT_NEAR(FDistributionProbability(1.0, freedom, freedom), 0.5, 1e-10) << freedom;
    }
    // F(2, d) has the closed form 1 - (1 + 2f/d)^(-d/2).
    EXPECT_NEAR(FDistributionProbability(3.0, 2.0, 40.0), 1.0 - std::pow(1.0 + 6.0 / 40.0, -20.0),
                1e-12);
    EXPECT_EQ(FDistributionProbability(0.0, 3.0, 40.0), 0.0);
    EXPECT_EQ(FDistributionProbability(-1.0, 3.0, 40.0), 0.0);
    EXPECT_NEAR(FDistributionProbability(1e9, 3.0, 40.0), 1.0, 1e-9);
}

// The Euclidean projection onto the simplex (sort and threshold) for comparison.
Eigen::VectorXd ProjectOntoSimplex(const Eigen::VectorXd& v) {
    std::vector<double> sorted(v.data(), v.data() + v.size());
    std::sort(sorted.rbegin(), sorted.rend());
    double sum = 0.0;
    double threshold = 0.0;
    for (std::size_t j = 0; j < sorted.size(); ++j) {
        sum += sorted[j];
        const double candidate = (sum - 1.0) / static_cast<double>(j + 1);
        if (sorted[j] - candidate > 0.0) {
            threshold = candidate;
        }
    }
    return (v.array() - threshold).cwiseMax(0.0);
}

TEST(SimplexQuadraticProgram, IdentityHessianGivesTheProjectionOntoTheSimplex) {
    const Eigen::MatrixXd identity = Eigen::MatrixXd::Identity(9, 9);
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const Eigen::VectorXd point = RandomMatrix(9, 1, seed).col(0);
        const Eigen::VectorXd x = SimplexQuadraticProgram(identity, point).solve();
        EXPECT_LT((x - ProjectOntoSimplex(point)).norm(), 1e-10) << seed;
    }
}

TEST(SimplexQuadraticProgram, MeetsTheOptimalityConditionsFromAnyStart) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        const Eigen::MatrixXd a = RandomMatrix(30, 20, seed);
        Eigen::MatrixXd hessian = a.transpose() * a;
        hessian.diagonal().array() += 1e-3;
        const Eigen::VectorXd gradient = a.transpose() * RandomMatrix(30, 1, seed + 100).col(0);
        const SimplexQuadraticProgram program(hessian, gradient);
        const Eigen::VectorXd x = program.solve();
        ASSERT_EQ(x.size(), 20);
        EXPECT_NEAR(x.sum(), 1.0, 1e-12);
        EXPECT_GE(x.minCoeff(), 0.0);
        // Free variables share one multiplier; bound ones may only push outwards.
        const Eigen::VectorXd slope = hessian * x - gradient;
        double shared = 0.0;
        for (int i = 0; i < 20; ++i) {
            if (x(i) > 0.0) {
                shared = slope(i);
            }
        }
        for (int i = 0; i < 20; ++i) {
            if (x(i) > 0.0) {
                EXPECT_NEAR(slope(i), shared, 1e-8) << seed << " " << i;
            } else {
                EXPECT_GE(slope(i), shared - 1e-8) << seed << " " << i;
            }
        }
        Eigen::VectorXd corner = Eigen::VectorXd::Zero(20);
        corner(3) = 1.0;
        EXPECT_LT((program.solve(corner) - x).norm(), 1e-8) << "warm start changed the answer";
    }
}

// A spectrum made of three of eight columns plus noise.
struct NoisyMixture {
    Eigen::MatrixXd references = RandomMatrix(50, 8, 7);
    Eigen::VectorXd weights = Eigen::VectorXd::Zero(8);
    Eigen::VectorXd spectrum;
    NoisyMixture() {
        weights(1) = 0.5;
        weights(4) = 0.3;
        weights(6) = 0.2;
        spectrum = references * weights + 0.05 * RandomMatrix(50, 1, 8).col(0);
    }
};

TEST(RegularisedFit, ChoosesTheSolutionWithProb1NearOneHalf) {
    const NoisyMixture mixture;
    RegularisedFitSettings wholeGrid;
    wholeGrid.lastProbability = 2.0;
    const RegularisedFit fit =
        FitWithProbabilityRule(mixture.references, mixture.spectrum, wholeGrid);
    // Stopping the grid once PROB1 nears one changes nothing about the choice.
    const RegularisedFit shortened = FitWithProbabilityRule(mixture.references, mixture.spectrum);
    EXPECT_LT(shortened.grid.size(), fit.grid.size());
    EXPECT_GT(shortened.grid.back().probability, 0.999);
    EXPECT_EQ(shortened.chosen.relativeAlpha, fit.chosen.relativeAlpha);
    EXPECT_NEAR(fit.chosen.probability, 0.5, 0.05);
    EXPECT_NEAR(fit.chosen.weights.sum(), 1.0, 1e-10);
    EXPECT_GE(fit.chosen.weights.minCoeff(), 0.0);
    EXPECT_LT((fit.chosen.weights - mixture.weights).cwiseAbs().maxCoeff(), 0.1);
    // Stronger regularisation never fits better, so PROB1 only rises along the grid.
    for (std::size_t i = 1; i < fit.grid.size(); ++i) {
        EXPECT_GE(fit.grid[i].residualSquares, fit.grid[i - 1].residualSquares * (1 - 1e-9));
        EXPECT_GE(fit.grid[i].probability, fit.grid[i - 1].probability - 1e-9);
    }
    EXPECT_NEAR(fit.grid.front().probability, 0.0, 1e-9);
    // The strongest regulariser pulls the weights to equal shares.
    EXPECT_LT((fit.grid.back().weights.array() - 1.0 / 8).abs().maxCoeff(), 0.02);
}

TEST(RegularisedFit, SurvivesDegenerateReferences) {
    // Identical columns, a zero spectrum and a single reference must still give weights.
    const Eigen::MatrixXd same = RandomMatrix(20, 1, 3).replicate(1, 4);
    const RegularisedFit twins = FitWithProbabilityRule(same, same.col(0));
    EXPECT_NEAR(twins.chosen.weights.sum(), 1.0, 1e-10);
    const RegularisedFit zero =
        FitWithProbabilityRule(RandomMatrix(20, 5, 4), Eigen::VectorXd::Zero(20));
    EXPECT_TRUE(zero.chosen.weights.allFinite());
    EXPECT_NEAR(zero.chosen.weights.sum(), 1.0, 1e-10);
    const RegularisedFit single = FitWithProbabilityRule(same.col(0), same.col(0));
    EXPECT_NEAR(single.chosen.weights(0), 1.0, 1e-12);
}

}  // namespace
}  // namespace tavrelion::engines::contin
