#include "CrossValidation.h"

#include <cmath>

namespace tavrelion::engines::k2d {
namespace {

ClassAccuracy Accuracy(const Eigen::VectorXd& estimate, const Eigen::VectorXd& truth) {
    ClassAccuracy accuracy;
    accuracy.rmsd = std::sqrt((estimate - truth).squaredNorm() / static_cast<double>(truth.size()));
    const Eigen::VectorXd e = estimate.array() - estimate.mean();
    const Eigen::VectorXd t = truth.array() - truth.mean();
    const double spread = e.norm() * t.norm();
    accuracy.correlation = spread > 0 ? e.dot(t) / spread : 0.0;
    return accuracy;
}

}  // namespace

CrossValidationResult CrossValidate(const ReferenceSet& set, const MapTrainingSettings& settings,
                                    int estimateNodes) {
    CrossValidationResult result;
    result.truth = MapTargets(set);
    result.estimates.resize(LabelCount, set.proteinCount());
    const Eigen::MatrixXd inputs = MapInputs(set);
    for (int p = 0; p < set.proteinCount(); ++p) {
        const KohonenMap map = TrainMap(set.without(p), settings);
        result.estimates.col(p) = EstimateStructure(map, inputs.col(p), estimateNodes).fractions;
    }
    for (int label = 0; label < LabelCount; ++label) {
        result.accuracy[static_cast<std::size_t>(label)] =
            Accuracy(result.estimates.row(label).transpose(), result.truth.row(label).transpose());
    }
    return result;
}

}  // namespace tavrelion::engines::k2d
