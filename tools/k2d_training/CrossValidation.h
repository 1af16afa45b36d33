#pragma once

#include <array>

#include "common/ReferenceSet.h"
#include "k2d/MapTraining.h"

namespace tavrelion::engines::k2d {

struct ClassAccuracy {
    double rmsd = 0.0;         // root-mean-square deviation of the estimates from the truth
    double correlation = 0.0;  // Pearson correlation of the estimates with the truth
};

struct CrossValidationResult {
    Eigen::MatrixXd estimates;  // LabelCount x proteins
    Eigen::MatrixXd truth;      // LabelCount x proteins
    std::array<ClassAccuracy, LabelCount> accuracy;
};

// Leave-one-out: for every protein a map is trained on the other proteins with the same
// settings, and the left-out protein's spectrum is estimated on it.
CrossValidationResult CrossValidate(const ReferenceSet& set, const MapTrainingSettings& settings,
                                    int estimateNodes = EstimateNodes);

}  // namespace tavrelion::engines::k2d
