#pragma once

#include <Eigen/Dense>
#include <array>

#include "common/ReferenceSet.h"
#include "contin/LocalAnalysis.h"

namespace tavrelion::engines::contin {

// Leave-one-out check of the analysis on the reference set itself: each protein's spectrum,
// rounded as CONTIN.IN carries it (whole deg.cm2/dmol), is analysed with the other proteins as
// references, and the estimates are compared with its crystal-structure fractions.
struct ClassScore {
    double rmsd = 0.0;
    double correlation = 0.0;
};

struct CrossValidation {
    std::array<ClassScore, ReferenceSet::ClassCount> classes;
    Eigen::MatrixXd estimated;  // ClassCount x proteins
};

CrossValidation LeaveOneOut(const ReferenceSet& set, int highestWavelength, int lowestWavelength,
                            const AnalysisSettings& settings = {});

// One protein's spectrum as the driver sends it and the program reads it back: delta epsilon
// times 3300 rounded to whole deg.cm2/dmol, divided by 3300 again.
Eigen::VectorXd RoundedAsSent(const Eigen::VectorXd& deltaEpsilon);

}  // namespace tavrelion::engines::contin
