#include "contin/CrossValidation.h"

#include <cmath>

#include "contin/ContinInputFile.h"

namespace tavrelion::engines::contin {
namespace {

ClassScore Score(const Eigen::VectorXd& estimated, const Eigen::VectorXd& known) {
    ClassScore score;
    const auto n = static_cast<double>(known.size());
    score.rmsd = std::sqrt((estimated - known).squaredNorm() / n);
    const Eigen::VectorXd a = estimated.array() - estimated.mean();
    const Eigen::VectorXd b = known.array() - known.mean();
    const double norms = a.norm() * b.norm();
    score.correlation = norms > 0.0 ? a.dot(b) / norms : 0.0;
    return score;
}

}  // namespace

Eigen::VectorXd RoundedAsSent(const Eigen::VectorXd& deltaEpsilon) {
    return (deltaEpsilon * EllipticityPerDeltaEpsilon).array().round() / EllipticityPerDeltaEpsilon;
}

CrossValidation LeaveOneOut(const ReferenceSet& set, int highestWavelength, int lowestWavelength,
                            const AnalysisSettings& settings) {
    const Eigen::MatrixXd spectra = set.spectraBetween(highestWavelength, lowestWavelength);
    CrossValidation result;
    result.estimated.resize(ReferenceSet::ClassCount, set.proteinCount());
    for (int p = 0; p < set.proteinCount(); ++p) {
        const ContinEstimate estimate =
            AnalyseSpectrum(set.without(p), highestWavelength, lowestWavelength,
                            RoundedAsSent(spectra.col(p)), settings);
        result.estimated.col(p) = estimate.fractions;
    }
    for (int c = 0; c < ReferenceSet::ClassCount; ++c) {
        result.classes[static_cast<std::size_t>(c)] =
            Score(result.estimated.row(c).transpose(), set.fractions.row(c).transpose());
    }
    return result;
}

}  // namespace tavrelion::engines::contin
