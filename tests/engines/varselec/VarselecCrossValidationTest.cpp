#include <gtest/gtest.h>

#include "VarselecFixture.h"
#include "varselec/LeaveOneOut.h"

namespace tavrelion::engines::varselec {
namespace {

// Every SP175 protein through the driver's files, the engine and the analysis's average (bounds
// 10-110 %, 240-178 nm), left out of the basis when it belongs to it. One protein is left out of
// each fit to keep the test short; k = 2 gives the same errors to three decimals.
TEST(VarselecCrossValidation, LeaveOneOutMeetsTheAccuracyTargets) {
    testing_support::TemporaryFolder work;
    CrossValidationSettings settings;
    settings.removed = 1;
    const auto result = LeaveOneOut(test_support::Sp175(), test_support::DataFolder() / "s.ori",
                                    work.path(), settings);
    ASSERT_EQ(result.proteins.size(), 71u);
    EXPECT_EQ(result.withoutEstimate, 0);
    EXPECT_EQ(std::count_if(result.proteins.begin(), result.proteins.end(),
                            [](const ProteinEstimate& p) { return p.inBasis; }),
              33);
    EXPECT_LE(result.scores[0].rmsd, 0.08);
    EXPECT_LE(result.scores[1].rmsd, 0.10);
    EXPECT_GE(result.scores[0].correlation, 0.9);
    EXPECT_GE(result.scores[1].correlation, 0.8);
}

}  // namespace
}  // namespace tavrelion::engines::varselec
