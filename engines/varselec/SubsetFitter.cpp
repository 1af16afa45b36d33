#include "varselec/SubsetFitter.h"

#include <Eigen/Eigenvalues>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "varselec/ControlFiles.h"

namespace tavrelion::engines::varselec {
namespace {

using SmallMatrix =
    Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, 0, MaximumRemoved, MaximumRemoved>;
using SmallVector = Eigen::Matrix<double, Eigen::Dynamic, 1, 0, MaximumRemoved, 1>;

// Squared singular values below this share of the largest carry no information, only rounding
// (singular values below a millionth of the largest).
constexpr double RankTolerance = 1e-12;

int UsableSingularVectors(const Eigen::VectorXd& squaredSingularValues, int wanted,
                          int keptAtLeast) {
    int rank = 0;
    while (rank < squaredSingularValues.size() &&
           squaredSingularValues(rank) > RankTolerance * squaredSingularValues(0)) {
        ++rank;
    }
    return std::max(0, std::min({wanted, keptAtLeast, rank}));
}

}  // namespace

SubsetFitter::SubsetFitter(const AlignedData& data, const FitSettings& settings,
                           int removedAtMost) {
    const Eigen::Index m = data.spectra.rows();
    const Eigen::Index n = data.spectra.cols();
    if (n < 1 || removedAtMost < 0 || removedAtMost >= n || data.fractions.cols() != n ||
        data.fractions.rows() != ClassCount || data.sample.size() != m) {
        throw std::invalid_argument("SubsetFitter: inconsistent data");
    }
    Eigen::MatrixXd augmented(m + 1, n);
    augmented << data.spectra, Eigen::RowVectorXd::Constant(n, settings.sumRuleWeight);
    Eigen::VectorXd target(m + 1);
    target << data.sample, settings.sumRuleWeight;

    // The right singular vectors and the squared singular values of A', from its Gram matrix
    // (n x n, far smaller than A'), in descending order.
    const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> eigen(augmented.transpose() * augmented);
    const Eigen::VectorXd squares = eigen.eigenvalues().reverse();
    singularVectors_ = UsableSingularVectors(squares, settings.singularVectors,
                                             static_cast<int>(n) - removedAtMost);
    const Eigen::Index r = singularVectors_;
    const Eigen::MatrixXd v = eigen.eigenvectors().rowwise().reverse().leftCols(r);
    // g = V S^-1 U^T b' = V S^-2 V^T A'^T b'
    fullCoefficients_ = v * (squares.head(r).cwiseInverse().asDiagonal() *
                             (v.transpose() * (augmented.transpose() * target)));
    projection_ = v * v.transpose();
    fractions_ = data.fractions;
    complement_ = data.fractions * (Eigen::MatrixXd::Identity(n, n) - projection_);
    fullFractions_ = data.fractions * fullCoefficients_;
    gram_ = data.spectra.transpose() * data.spectra;
    gramTimesFull_ = gram_ * fullCoefficients_;
    gramTimesProjection_ = gram_ * projection_;
    sampleGram_ = data.spectra.transpose() * data.sample;
    sampleNorm2_ = data.sample.squaredNorm();
    wavelengthCount_ = static_cast<int>(m);
}

SubsetSolution SubsetFitter::solve(std::span<const int> removed) const {
    const auto k = static_cast<Eigen::Index>(removed.size());
    if (k > MaximumRemoved || k >= proteinCount()) {
        throw std::invalid_argument("SubsetFitter: too many proteins left out");
    }
    Eigen::Vector4d fractions = fullFractions_;
    // The subset's coefficients x and A^T A x, updated column by column rather than multiplied.
    Eigen::VectorXd coefficients = fullCoefficients_;
    Eigen::VectorXd gramTimesCoefficients = gramTimesFull_;
    if (k > 0) {
        SmallMatrix kept(k, k);
        SmallVector right(k);
        for (Eigen::Index i = 0; i < k; ++i) {
            right(i) = fullCoefficients_(removed[i]);
            for (Eigen::Index j = 0; j < k; ++j) {
                kept(i, j) = (i == j ? 1.0 : 0.0) - projection_(removed[i], removed[j]);
            }
        }
        const Eigen::LLT<SmallMatrix> cholesky(kept);
        const SmallVector u =
            cholesky.info() == Eigen::Success
                ? SmallVector(cholesky.solve(right))
                : SmallVector(kept.completeOrthogonalDecomposition().solve(right));
        for (Eigen::Index i = 0; i < k; ++i) {
            fractions -= complement_.col(removed[i]) * u(i);
            coefficients += projection_.col(removed[i]) * u(i);
            gramTimesCoefficients += gramTimesProjection_.col(removed[i]) * u(i);
        }
        // The removed proteins take no part: their coefficients become 0.
        for (Eigen::Index i = 0; i < k; ++i) {
            gramTimesCoefficients -= gram_.col(removed[i]) * coefficients(removed[i]);
        }
        for (Eigen::Index i = 0; i < k; ++i) {
            coefficients(removed[i]) = 0.0;
        }
    }
    SubsetSolution solution;
    for (int c = 0; c < ClassCount; ++c) {
        solution.fractions[static_cast<std::size_t>(c)] = fractions(c);
    }
    solution.total = fractions.sum();
    const double squares =
        coefficients.dot(gram_ * coefficients) - 2.0 * coefficients.dot(sampleGram_) + sampleNorm2_;
    solution.rmsDeviation =
        wavelengthCount_ > 0 ? std::sqrt(std::max(0.0, squares) / wavelengthCount_) : 0.0;
    solution.coefficients = std::move(coefficients);
    return solution;
}

}  // namespace tavrelion::engines::varselec
