#pragma once

#include <Eigen/Dense>
#include <vector>

namespace tavrelion::engines::contin {

// The constrained regularised fit of one spectrum y by the columns of R (reference spectra):
//   minimise |R w - y|^2 + alpha^2 |w - 1/k|^2,  w_j >= 0,  sum w_j = 1,
// the regulariser pulling the k weights towards equal shares (Provencher & Glockner 1981,
// Biochemistry 20:33-37). alpha runs over a logarithmic grid relative to the largest singular
// value of R; the smallest alpha gives the reference solution, and each solution is judged by
//   PROB1 = F-distribution((V(alpha) - V0) / N0 / (V0 / (m - N0)); N0, m - N0),
// V the sum of squared residuals, N0 the reference solution's degrees of freedom, m the number of
// wavelengths. The chosen solution is the one whose PROB1 is closest to one half: as smooth as
// the data allow without a significantly worse fit. The grid stops once PROB1 passes 0.999.
struct RegularisedFitSettings {
    double smallestRelativeAlpha = 1e-6;
    double largestRelativeAlpha = 10.0;
    int gridPointsPerDecade = 4;
    int refinementSteps = 8;
    double targetProbability = 0.5;
    double lastProbability = 0.999;  // the grid stops after the first alpha beyond this PROB1
};

struct RegularisedSolution {
    double relativeAlpha = 0.0;  // alpha / largest singular value of R
    Eigen::VectorXd weights;
    double residualSquares = 0.0;
    double degreesOfFreedom = 0.0;  // trace of the influence matrix on the free weights
    double probability = 0.0;       // PROB1
};

struct RegularisedFit {
    std::vector<RegularisedSolution> grid;  // the logarithmic grid, smallest alpha first
    RegularisedSolution chosen;
};

RegularisedFit FitWithProbabilityRule(const Eigen::MatrixXd& references,
                                      const Eigen::VectorXd& spectrum,
                                      const RegularisedFitSettings& settings = {});

}  // namespace tavrelion::engines::contin
