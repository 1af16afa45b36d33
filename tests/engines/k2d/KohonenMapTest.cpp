#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "common/ReferenceSet.h"
#include "engines/common/EngineTestSupport.h"
#include "k2d/MapTraining.h"
#include "k2d/WeightsFile.h"

namespace tavrelion::engines::k2d {
namespace {

using engine_testing::Sp175;

MapTrainingSettings QuickSettings() {
    MapTrainingSettings settings;
    settings.rows = 4;
    settings.columns = 3;
    settings.epochs = 10;
    return settings;
}

TEST(K2dTraining, SameSettingsGiveTheSameMapAndTheSeedMatters) {
    const KohonenMap first = TrainMap(Sp175(), QuickSettings());
    const KohonenMap second = TrainMap(Sp175(), QuickSettings());
    EXPECT_EQ(first.weights, second.weights);
    EXPECT_EQ(first.labels, second.labels);

    MapTrainingSettings reseeded = QuickSettings();
    reseeded.seed += 1;
    EXPECT_NE(TrainMap(Sp175(), reseeded).weights, first.weights);
}

// (That the shipped file is byte for byte what the trainer writes is checked by the CTest
// K2dWeights.CommittedWeightsAreReproduced.) The shipped map places the reference spectra it was
// trained on close to their own structures.
TEST(K2dTraining, ShippedMapReadsItsTrainingProteinsBack) {
    const KohonenMap shipped = ReadWeightsFile(engine_testing::DataFolder() / WeightsFileName);
    EXPECT_EQ(shipped.trainingSet, "SP175");
    EXPECT_EQ(shipped.trainingProteins, 71);
    const Eigen::MatrixXd inputs = MapInputs(Sp175());
    const Eigen::MatrixXd targets = MapTargets(Sp175());
    Eigen::MatrixXd estimates(LabelCount, inputs.cols());
    for (Eigen::Index p = 0; p < inputs.cols(); ++p) {
        estimates.col(p) = EstimateStructure(shipped, inputs.col(p)).fractions;
    }
    const auto rmsd = [&](int label) {
        return std::sqrt((estimates.row(label) - targets.row(label)).squaredNorm() /
                         static_cast<double>(inputs.cols()));
    };
    EXPECT_LT(rmsd(HelixLabel), 0.07);
    EXPECT_LT(rmsd(BetaLabel), 0.08);
}

TEST(K2dTraining, InputsAreEllipticityInThousandsFrom200nmUp) {
    const Eigen::MatrixXd inputs = MapInputs(Sp175());
    ASSERT_EQ(inputs.rows(), InputCount);
    const ReferenceSet& set = Sp175();
    EXPECT_DOUBLE_EQ(inputs(0, 5), 3.3 * set.spectra(set.rowOfWavelength(200), 5));
    EXPECT_DOUBLE_EQ(inputs(22, 5), 3.3 * set.spectra(set.rowOfWavelength(222), 5));
    const Eigen::MatrixXd targets = MapTargets(set);
    EXPECT_NEAR(targets.col(7).sum(), 1.0, 1e-12);
    EXPECT_NEAR(
        targets(HelixLabel, 7) / targets(BetaLabel, 7),
        set.fractions(ReferenceSet::HelixClass, 7) / set.fractions(ReferenceSet::SheetClass, 7),
        1e-12);
}

// Two nodes whose spectra differ by a constant: a spectrum on a node takes its labels, one in
// between gets a value between theirs.
TEST(K2dEstimate, ReadsTheClosestNodesWeightedByCloseness) {
    KohonenMap map;
    map.rows = 1;
    map.columns = 3;
    map.weights = Eigen::MatrixXd::Zero(InputCount, 3);
    map.weights.col(1).setConstant(2.0);
    map.weights.col(2).setConstant(10.0);
    map.labels = Eigen::MatrixXd(LabelCount, 3);
    map.labels << 0.8, 0.2, 0.0,  //
        0.0, 0.4, 0.5,            //
        0.2, 0.4, 0.5;

    const Eigen::VectorXd onSecond = Eigen::VectorXd::Constant(InputCount, 2.0);
    MapEstimate estimate = EstimateStructure(map, onSecond);
    EXPECT_EQ(estimate.node, 1);
    EXPECT_NEAR(estimate.distance, 0.0, 1e-12);
    EXPECT_NEAR(estimate.fractions(HelixLabel), 0.2, 1e-6);

    const Eigen::VectorXd nearFirst = Eigen::VectorXd::Constant(InputCount, 0.5);
    estimate = EstimateStructure(map, nearFirst);
    EXPECT_EQ(estimate.node, 0);
    EXPECT_NEAR(estimate.distance, 0.5, 1e-12);
    // weights 1/0.5^2 and 1/1.5^2: nine to one for the first node; the far third node not used.
    EXPECT_NEAR(estimate.fractions(HelixLabel), 0.9 * 0.8 + 0.1 * 0.2, 1e-3);
    EXPECT_NEAR(estimate.fractions.sum(), 1.0, 1e-12);
}

}  // namespace
}  // namespace tavrelion::engines::k2d
