#include "selcon3/SelfConsistentMethod.h"

#include "common/FitQuality.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tavrelion::engines::selcon {
namespace {

// Singular values below this share of the largest carry rounding noise only (the squares come
// from a Gram matrix, so the limit stays well above the square root of the machine precision).
constexpr double RankTolerance = 1e-6;

// The products p_h = V_h V_h^T e_last for h = 1 up to most (fewer when the rank is lower) of the
// decomposition A = U S V^T of the subset matrix, whose last column is the query. They come from
// the eigenvectors of the smaller Gram matrix: A^T A = V S^2 V^T directly, or A A^T = U S^2 U^T
// with v_j = A^T u_j / s_j, so v_j v_j(last) = A^T u_j (u_j . q) / s_j^2.
std::vector<Eigen::VectorXd> BasisProducts(const Eigen::MatrixXd& a, int most) {
    const Eigen::Index m = a.cols();
    const bool byColumns = m <= a.rows();
    const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> eigen(
        byColumns ? Eigen::MatrixXd(a.transpose() * a) : Eigen::MatrixXd(a * a.transpose()));
    const Eigen::VectorXd& squares = eigen.eigenvalues();  // ascending
    const Eigen::Index count = squares.size();
    std::vector<Eigen::VectorXd> products;
    Eigen::VectorXd product = Eigen::VectorXd::Zero(m);
    for (Eigen::Index h = 1; h <= std::min<Eigen::Index>(most, count); ++h) {
        const Eigen::Index j = count - h;
        if (squares(j) <= RankTolerance * RankTolerance * squares(count - 1))
            break;
        const auto vector = eigen.eigenvectors().col(j);
        if (byColumns)
            product += vector * vector(m - 1);
        else
            product += a.transpose() * vector * (vector.dot(a.col(m - 1)) / squares(j));
        products.push_back(product);
    }
    return products;
}

// Iterates f' = F p_ref + f p_last, the self-consistent update written with the product
// p = V_h S_h^-1 U_h^T q = V_h V_h^T e_last (as U_h^T q = S_h V_h^T e_last), which does not change
// between cycles (only the guess column of the fractions does). The spectrum of the solution
// follows the same weights: s' = C p_ref + s p_last, started from the spectrum of the closest
// protein; its distance from q is the refit.
Solution Iterate(const Eigen::MatrixXd& subsetSpectra, const Eigen::MatrixXd& subsetFractions,
                 const Eigen::VectorXd& product, const Eigen::VectorXd& query,
                 const SelfConsistentSettings& settings) {
    const Eigen::Index n = subsetFractions.cols();
    const Eigen::VectorXd fromReferences = subsetFractions * product.head(n);
    const Eigen::VectorXd spectrumFromReferences = subsetSpectra * product.head(n);
    const double fromGuess = product(n);
    Solution solution;
    solution.fractions = subsetFractions.col(0);
    Eigen::VectorXd spectrum = subsetSpectra.col(0);
    for (int cycle = 1; cycle <= settings.maxIterations; ++cycle) {
        spectrum = spectrumFromReferences + fromGuess * spectrum;
        const Eigen::VectorXd next = fromReferences + fromGuess * solution.fractions;
        const double change = (next - solution.fractions).cwiseAbs().maxCoeff();
        solution.fractions = next;
        solution.iterations = cycle;
        if (change < settings.convergence) {
            solution.converged = true;
            break;
        }
    }
    solution.refitNrmsd = Nrmsd(query, spectrum);
    solution.spectrum = std::move(spectrum);
    return solution;
}

// Weights of the references by closeness to the query: 1 for the closest, falling off as a
// Gaussian of the spectral distance in units of localWidth times the distance of the second
// closest (distances in ascending order). The second closest sets the scale so that a query
// equal to one reference still has neighbours with weight.
Eigen::VectorXd ClosenessWeights(const Eigen::VectorXd& distances, double localWidth) {
    Eigen::VectorXd weights = Eigen::VectorXd::Ones(distances.size());
    if (localWidth <= 0.0 || distances.size() < 2)
        return weights;
    const double scale = localWidth * std::max(distances(1), 1e-6);
    for (Eigen::Index j = 0; j < distances.size(); ++j) {
        const double excess = (distances(j) - distances.minCoeff()) / scale;
        weights(j) = std::exp(-0.5 * excess * excess);
    }
    return weights;
}

}  // namespace

std::vector<int> OrderByDistance(const Eigen::MatrixXd& spectra, const Eigen::VectorXd& query) {
    const Eigen::VectorXd distances = (spectra.colwise() - query).colwise().squaredNorm();
    std::vector<int> order(static_cast<std::size_t>(spectra.cols()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return distances(a) < distances(b); });
    return order;
}

std::vector<Solution> SolveSubsets(const Eigen::MatrixXd& spectra, const Eigen::MatrixXd& fractions,
                                   const Eigen::VectorXd& query,
                                   const SelfConsistentSettings& settings) {
    std::vector<Solution> solutions;
    const int proteins = static_cast<int>(spectra.cols());
    if (proteins < 2 || spectra.rows() < 2 || query.squaredNorm() <= 0.0)
        return solutions;
    // Columns in order of closeness, each scaled by the square root of its weight; the first
    // (closest) keeps weight 1 and gives the starting guess.
    const std::vector<int> order = OrderByDistance(spectra, query);
    Eigen::MatrixXd augmented(spectra.rows(), proteins + 1);
    Eigen::MatrixXd weightedFractions(fractions.rows(), proteins);
    Eigen::VectorXd distances(proteins);
    for (int i = 0; i < proteins; ++i)
        distances(i) = (spectra.col(order[static_cast<std::size_t>(i)]) - query).norm();
    const Eigen::VectorXd weights = ClosenessWeights(distances, settings.localWidth);
    for (int i = 0; i < proteins; ++i) {
        const int protein = order[static_cast<std::size_t>(i)];
        augmented.col(i) = std::sqrt(weights(i)) * spectra.col(protein);
        weightedFractions.col(i) = std::sqrt(weights(i)) * fractions.col(protein);
    }

    Eigen::MatrixXd subset(spectra.rows(), proteins + 1);
    const int step = std::max(1, settings.subsetStep);
    for (int n = std::clamp(settings.smallestSubset, 2, proteins); n <= proteins;
         n = n < proteins ? std::min(n + step, proteins) : proteins + 1) {
        subset.resize(spectra.rows(), n + 1);
        subset << augmented.leftCols(n), query;
        const std::vector<Eigen::VectorXd> products = BasisProducts(subset, settings.mostBasis);
        for (int h = std::max(1, settings.fewestBasis); h <= static_cast<int>(products.size());
             ++h) {
            Solution solution = Iterate(augmented.leftCols(n), weightedFractions.leftCols(n),
                                        products[static_cast<std::size_t>(h - 1)], query, settings);
            solution.referenceCount = n;
            solution.basisCount = h;
            solutions.push_back(std::move(solution));
        }
    }
    return solutions;
}

}  // namespace tavrelion::engines::selcon
