#include "selcon3/SelfConsistentMethod.h"

#include <gtest/gtest.h>

#include "engines/selcon3/SelconTestSupport.h"
#include "selcon3/SelconEstimate.h"

namespace tavrelion::engines::selcon {
namespace {

using testing::ProteinIndex;
using testing::Sp175;

MeasuredSpectrum RoundedSpectrum(int protein, int lowest) {
    MeasuredSpectrum spectrum{240, lowest, {}};
    for (int nm = 240; nm >= lowest; --nm) {
        const double value = Sp175().spectra(Sp175().rowOfWavelength(nm), protein);
        spectrum.values.push_back(std::round(value * 100.0) / 100.0);
    }
    return spectrum;
}

TEST(SelfConsistentMethod, IterationCapStopsTheCycles) {
    const int protein = ProteinIndex("CONA");
    const ReferenceSet references = Sp175().without(protein);
    const Eigen::VectorXd query = references.spectra.col(0) * 0.3 + references.spectra.col(5) * 0.7;
    SelfConsistentSettings settings = DefaultOptions().method;
    settings.maxIterations = 1;
    for (const Solution& s :
         SolveSubsets(references.spectra, references.fractions, query, settings))
        EXPECT_EQ(s.iterations, 1);
    settings.maxIterations = 200;
    settings.convergence = 1e-6;
    int converged = 0;
    const auto solutions = SolveSubsets(references.spectra, references.fractions, query, settings);
    for (const Solution& s : solutions)
        converged += s.converged;
    EXPECT_GT(converged, static_cast<int>(solutions.size()) / 2);
}

TEST(SelfConsistentMethod, CandidatesCoverEverySubsetAndBasisSize) {
    const ReferenceSet& set = Sp175();
    SelfConsistentSettings settings;
    settings.smallestSubset = 60;
    settings.subsetStep = 4;
    settings.fewestBasis = 2;
    settings.mostBasis = 5;
    const auto solutions = SolveSubsets(set.spectra, set.fractions, set.spectra.col(3), settings);
    ASSERT_EQ(solutions.size(), 4u * 4u);  // subsets of 60, 64, 68, 71 proteins; h = 2 to 5
    EXPECT_EQ(solutions.front().referenceCount, 60);
    EXPECT_EQ(solutions.back().referenceCount, 71);
    EXPECT_EQ(solutions.back().basisCount, 5);
}

TEST(SelconEstimate, RefusesRangesAndSpectraItCannotUse) {
    const int protein = ProteinIndex("MBH");
    MeasuredSpectrum tooShort = RoundedSpectrum(protein, 191);
    Estimate estimate = EstimateStructure(Sp175(), tooShort, DefaultOptions());
    EXPECT_FALSE(estimate.made);
    EXPECT_NE(estimate.reason.find("190"), std::string::npos);

    MeasuredSpectrum flat = RoundedSpectrum(protein, 175);
    std::fill(flat.values.begin(), flat.values.end(), 0.0);
    estimate = EstimateStructure(Sp175(), flat, DefaultOptions());
    EXPECT_FALSE(estimate.made);
    EXPECT_NE(estimate.reason.find("zero"), std::string::npos);
}

}  // namespace
}  // namespace tavrelion::engines::selcon
