#include "contin/RegularisedFit.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "contin/FDistribution.h"
#include "contin/SimplexQuadraticProgram.h"

namespace tavrelion::engines::contin {
namespace {

// What stays the same for every alpha: R'R, R'y and the scale of R.
class Problem {
  public:
    Problem(const Eigen::MatrixXd& references, const Eigen::VectorXd& spectrum)
        : references_(references),
          spectrum_(spectrum),
          normal_(references.transpose() * references),
          projection_(references.transpose() * spectrum) {
        const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> eigen(normal_, Eigen::EigenvaluesOnly);
        scale_ = std::sqrt(std::max(eigen.eigenvalues().maxCoeff(), 1e-300));
    }

    RegularisedSolution solve(double relativeAlpha, const Eigen::VectorXd& start) const {
        const double alpha = relativeAlpha * scale_;
        const Eigen::Index k = normal_.rows();
        const double equalShare = 1.0 / static_cast<double>(k);
        Eigen::MatrixXd hessian = normal_;
        hessian.diagonal().array() += alpha * alpha;
        const Eigen::VectorXd gradient = projection_.array() + alpha * alpha * equalShare;
        RegularisedSolution solution;
        solution.relativeAlpha = relativeAlpha;
        solution.weights = SimplexQuadraticProgram(hessian, gradient).solve(start);
        solution.residualSquares = (references_ * solution.weights - spectrum_).squaredNorm();
        solution.degreesOfFreedom = degreesOfFreedom(solution.weights, alpha);
        return solution;
    }

    Eigen::Index wavelengths() const { return spectrum_.size(); }

  private:
    // The trace of the influence matrix of the free weights within the sum constraint:
    // sum s^2 / (s^2 + alpha^2) over the singular values s of R_free Z, Z spanning the
    // directions that keep the sum.
    double degreesOfFreedom(const Eigen::VectorXd& weights, double alpha) const {
        std::vector<Eigen::Index> free;
        for (Eigen::Index j = 0; j < weights.size(); ++j) {
            if (weights(j) > 0.0) {
                free.push_back(j);
            }
        }
        if (free != cachedFreeSet_) {
            cachedFreeSet_ = free;
            cachedEigenvalues_ = SquaredSingularValues(free);
        }
        double freedom = 0.0;
        for (Eigen::Index i = 0; i < cachedEigenvalues_.size(); ++i) {
            const double s2 = std::max(cachedEigenvalues_(i), 0.0);
            freedom += s2 / (s2 + alpha * alpha);
        }
        return freedom;
    }

    // The squared singular values of R_free Z: the eigenvalues of Z' R_free' R_free Z.
    Eigen::VectorXd SquaredSingularValues(const std::vector<Eigen::Index>& free) const {
        const auto count = static_cast<Eigen::Index>(free.size());
        if (count < 2) {
            return {};
        }
        Eigen::MatrixXd freeNormal(count, count);
        for (Eigen::Index a = 0; a < count; ++a) {
            for (Eigen::Index b = 0; b < count; ++b) {
                freeNormal(a, b) =
                    normal_(free[static_cast<std::size_t>(a)], free[static_cast<std::size_t>(b)]);
            }
        }
        const Eigen::HouseholderQR<Eigen::MatrixXd> qr(Eigen::MatrixXd::Ones(count, 1));
        const Eigen::MatrixXd q = qr.householderQ();
        const Eigen::MatrixXd keepingSum = q.rightCols(count - 1);
        const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> eigen(
            keepingSum.transpose() * freeNormal * keepingSum, Eigen::EigenvaluesOnly);
        return eigen.eigenvalues();
    }

    const Eigen::MatrixXd& references_;
    const Eigen::VectorXd& spectrum_;
    Eigen::MatrixXd normal_;
    Eigen::VectorXd projection_;
    double scale_ = 1.0;
    // Along the alpha grid the free set often stays the same; its spectrum is then reused.
    mutable std::vector<Eigen::Index> cachedFreeSet_;
    mutable Eigen::VectorXd cachedEigenvalues_;
};

// PROB1 of a solution against the reference (least regularised) solution.
double Probability(const RegularisedSolution& solution, const RegularisedSolution& reference,
                   double wavelengths) {
    const double freedom = std::max(reference.degreesOfFreedom, 0.5);
    const double remaining = std::max(wavelengths - freedom, 0.5);
    const double floor = 1e-30 + 1e-15 * reference.residualSquares;
    const double v0 = std::max(reference.residualSquares, floor);
    const double worse = std::max(solution.residualSquares - reference.residualSquares, 0.0);
    const double f = (worse / freedom) / (v0 / remaining);
    return FDistributionProbability(f, freedom, remaining);
}

}  // namespace

RegularisedFit FitWithProbabilityRule(const Eigen::MatrixXd& references,
                                      const Eigen::VectorXd& spectrum,
                                      const RegularisedFitSettings& settings) {
    const Problem problem(references, spectrum);
    const double m = static_cast<double>(problem.wavelengths());
    const double lowLog = std::log10(settings.smallestRelativeAlpha);
    const double highLog = std::log10(settings.largestRelativeAlpha);
    const int steps = std::max(
        1, static_cast<int>(std::lround((highLog - lowLog) * settings.gridPointsPerDecade)));
    RegularisedFit fit;
    Eigen::VectorXd start;
    for (int i = 0; i <= steps; ++i) {
        const double logAlpha = lowLog + (highLog - lowLog) * i / steps;
        fit.grid.push_back(problem.solve(std::pow(10.0, logAlpha), start));
        start = fit.grid.back().weights;
        fit.grid.back().probability = Probability(fit.grid.back(), fit.grid.front(), m);
        // PROB1 only rises with alpha: once it is near one, stronger regularisers cannot be
        // chosen, and they are the costly ones (every weight free).
        if (fit.grid.back().probability > settings.lastProbability) {
            break;
        }
    }
    std::size_t best = 0;
    const auto distance = [&](const RegularisedSolution& s) {
        return std::fabs(s.probability - settings.targetProbability);
    };
    for (std::size_t i = 1; i < fit.grid.size(); ++i) {
        if (distance(fit.grid[i]) < distance(fit.grid[best])) {
            best = i;
        }
    }
    fit.chosen = fit.grid[best];
    // Bisect in log alpha between the grid neighbours where PROB1 crosses the target.
    const std::size_t other =
        best + 1 < fit.grid.size() && (fit.grid[best].probability < settings.targetProbability)
            ? best + 1
            : (best > 0 ? best - 1 : best);
    if (other == best) {
        return fit;
    }
    double lowAlpha = std::log10(fit.grid[std::min(best, other)].relativeAlpha);
    double highAlpha = std::log10(fit.grid[std::max(best, other)].relativeAlpha);
    for (int step = 0; step < settings.refinementSteps; ++step) {
        const double middle = 0.5 * (lowAlpha + highAlpha);
        RegularisedSolution trial = problem.solve(std::pow(10.0, middle), fit.chosen.weights);
        trial.probability = Probability(trial, fit.grid.front(), m);
        if (distance(trial) < distance(fit.chosen)) {
            fit.chosen = trial;
        }
        (trial.probability < settings.targetProbability ? lowAlpha : highAlpha) = middle;
    }
    return fit;
}

}  // namespace tavrelion::engines::contin
