#include "contin/LocalAnalysis.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

#include "common/FitQuality.h"

namespace tavrelion::engines::contin {
namespace {

std::vector<int> RankByCloseness(const Eigen::MatrixXd& references,
                                 const Eigen::VectorXd& spectrum) {
    std::vector<double> distance(static_cast<std::size_t>(references.cols()));
    for (Eigen::Index j = 0; j < references.cols(); ++j) {
        distance[static_cast<std::size_t>(j)] = (references.col(j) - spectrum).squaredNorm();
    }
    std::vector<int> ranking(distance.size());
    std::iota(ranking.begin(), ranking.end(), 0);
    std::stable_sort(ranking.begin(), ranking.end(), [&](int a, int b) {
        return distance[static_cast<std::size_t>(a)] < distance[static_cast<std::size_t>(b)];
    });
    return ranking;
}

std::vector<int> SubsetSizes(int proteins, const AnalysisSettings& settings) {
    std::vector<int> sizes;
    const int step = std::max(1, settings.subsetStep);
    for (int k = std::min(settings.smallestSubset, proteins); k < proteins; k += step) {
        sizes.push_back(k);
    }
    sizes.push_back(proteins);
    return sizes;
}

SubsetSolution FitSubset(const ReferenceSet& set, const Eigen::MatrixXd& references,
                         const Eigen::VectorXd& spectrum, const std::vector<int>& ranking, int size,
                         const RegularisedFitSettings& settings) {
    Eigen::MatrixXd chosen(references.rows(), size);
    Eigen::MatrixXd fractions(ReferenceSet::ClassCount, size);
    for (int a = 0; a < size; ++a) {
        chosen.col(a) = references.col(ranking[static_cast<std::size_t>(a)]);
        fractions.col(a) = set.fractions.col(ranking[static_cast<std::size_t>(a)]);
    }
    SubsetSolution subset;
    subset.size = size;
    subset.solution = FitWithProbabilityRule(chosen, spectrum, settings).chosen;
    subset.fractions = fractions * subset.solution.weights;
    subset.rmsd = std::sqrt(subset.solution.residualSquares / static_cast<double>(spectrum.size()));
    return subset;
}

}  // namespace

ContinEstimate AnalyseSpectrum(const ReferenceSet& set, int highestWavelength, int lowestWavelength,
                               const Eigen::VectorXd& spectrum, const AnalysisSettings& settings) {
    if (!set.covers(highestWavelength) || !set.covers(lowestWavelength) ||
        lowestWavelength > highestWavelength ||
        spectrum.size() != highestWavelength - lowestWavelength + 1 || set.proteinCount() < 1) {
        throw std::invalid_argument("the spectrum does not match the reference wavelengths");
    }
    const Eigen::MatrixXd references = set.spectraBetween(highestWavelength, lowestWavelength);
    ContinEstimate estimate;
    estimate.highestWavelength = highestWavelength;
    estimate.lowestWavelength = lowestWavelength;
    estimate.spectrum = spectrum;
    estimate.ranking = RankByCloseness(references, spectrum);
    for (int size : SubsetSizes(set.proteinCount(), settings)) {
        estimate.subsets.push_back(
            FitSubset(set, references, spectrum, estimate.ranking, size, settings.fit));
    }
    estimate.weights = Eigen::VectorXd::Zero(set.proteinCount());
    for (const auto& subset : estimate.subsets) {
        for (int a = 0; a < subset.size; ++a) {
            estimate.weights(estimate.ranking[static_cast<std::size_t>(a)]) +=
                subset.solution.weights(a);
        }
    }
    estimate.weights /= static_cast<double>(estimate.subsets.size());
    estimate.fractions = set.fractions * estimate.weights;
    estimate.fitted = references * estimate.weights;
    const auto points = static_cast<double>(spectrum.size());
    estimate.rmsd = std::sqrt((estimate.fitted - spectrum).squaredNorm() / points);
    estimate.nrmsd = Nrmsd(spectrum, estimate.fitted);
    return estimate;
}

}  // namespace tavrelion::engines::contin
