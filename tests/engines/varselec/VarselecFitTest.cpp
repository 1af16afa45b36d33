#include <gtest/gtest.h>

#include <Eigen/SVD>
#include <cmath>
#include <limits>
#include <numeric>

#include "VarselecBasis.h"
#include "VarselecFixture.h"
#include "varselec/CombinationWalker.h"
#include "varselec/ControlFiles.h"
#include "varselec/SolutionLine.h"
#include "varselec/SubsetFitter.h"

namespace tavrelion::engines::varselec {
namespace {

using test_support::Sp175;

// The 33 basis proteins and a protein's spectrum, 240 to 178 nm.
AlignedData BasisAndSample(const std::string& code) {
    const auto chosen = tools::ChooseVarselecBasis(Sp175());
    AlignedData data;
    for (int nm = 240; nm >= 178; --nm) {
        data.wavelengths.push_back(nm);
    }
    const Eigen::MatrixXd spectra = Sp175().spectraBetween(240, 178);
    data.spectra.resize(spectra.rows(), static_cast<Eigen::Index>(chosen.size()));
    data.fractions.resize(ClassCount, static_cast<Eigen::Index>(chosen.size()));
    for (std::size_t c = 0; c < chosen.size(); ++c) {
        data.spectra.col(static_cast<Eigen::Index>(c)) = spectra.col(chosen[c]);
        data.fractions.col(static_cast<Eigen::Index>(c)) = Sp175().fractions.col(chosen[c]);
    }
    data.sample = spectra.col(test_support::ProteinIndex(code));
    return data;
}

std::vector<int> Complement(int n, const std::vector<int>& removed) {
    std::vector<int> kept;
    for (int i = 0; i < n; ++i) {
        if (std::find(removed.begin(), removed.end(), i) == removed.end()) {
            kept.push_back(i);
        }
    }
    return kept;
}

// The fit of the subset written out directly: the least-norm coefficients that reproduce the
// spectrum's projection on the leading singular vectors of all chosen proteins.
SubsetSolution DirectProjectedFit(const AlignedData& data, const FitSettings& settings,
                                  const std::vector<int>& kept) {
    const Eigen::Index m = data.spectra.rows();
    const Eigen::Index n = data.spectra.cols();
    Eigen::MatrixXd a(m + 1, n);
    a << data.spectra, Eigen::RowVectorXd::Constant(n, settings.sumRuleWeight);
    Eigen::VectorXd b(m + 1);
    b << data.sample, settings.sumRuleWeight;
    const Eigen::JacobiSVD<Eigen::MatrixXd> svd(a, Eigen::ComputeThinU | Eigen::ComputeThinV);
    const int r = settings.singularVectors;
    const Eigen::MatrixXd z =
        svd.singularValues().head(r).asDiagonal() * svd.matrixV().leftCols(r).transpose();
    const Eigen::VectorXd beta = svd.matrixU().leftCols(r).transpose() * b;
    Eigen::MatrixXd zs(r, static_cast<Eigen::Index>(kept.size()));
    Eigen::MatrixXd fs(ClassCount, zs.cols());
    Eigen::MatrixXd as(m, zs.cols());
    for (std::size_t j = 0; j < kept.size(); ++j) {
        zs.col(static_cast<Eigen::Index>(j)) = z.col(kept[j]);
        fs.col(static_cast<Eigen::Index>(j)) = data.fractions.col(kept[j]);
        as.col(static_cast<Eigen::Index>(j)) = data.spectra.col(kept[j]);
    }
    const Eigen::VectorXd x = zs.completeOrthogonalDecomposition().pseudoInverse() * beta;
    SubsetSolution solution;
    const Eigen::VectorXd f = fs * x;
    for (int c = 0; c < ClassCount; ++c) {
        solution.fractions[static_cast<std::size_t>(c)] = f(c);
    }
    solution.total = f.sum();
    solution.rmsDeviation =
        std::sqrt((as * x - data.sample).squaredNorm() / static_cast<double>(m));
    return solution;
}

TEST(VarselecFit, DowndatedSolutionEqualsTheSubsetFitWrittenOut) {
    const AlignedData data = BasisAndSample("HGDC");
    const FitSettings settings;
    const SubsetFitter fitter(data, settings, MaximumRemoved);
    ASSERT_EQ(fitter.singularVectorsUsed(), settings.singularVectors);
    const std::vector<std::vector<int>> removals = {
        {}, {0}, {32}, {3, 17}, {0, 1, 2}, {5, 9, 14, 22}, {1, 8, 16, 24, 31}};
    for (const auto& removed : removals) {
        SCOPED_TRACE(::testing::PrintToString(removed));
        const SubsetSolution fast = fitter.solve(removed);
        const SubsetSolution direct = DirectProjectedFit(data, settings, Complement(33, removed));
        for (int c = 0; c < ClassCount; ++c) {
            EXPECT_NEAR(fast.fractions[static_cast<std::size_t>(c)],
                        direct.fractions[static_cast<std::size_t>(c)], 1e-9);
        }
        EXPECT_NEAR(fast.total, direct.total, 1e-9);
        EXPECT_NEAR(fast.rmsDeviation, direct.rmsDeviation, 1e-6);
    }
}

TEST(VarselecFit, DegenerateBasisGivesFiniteSolutions) {
    AlignedData data = BasisAndSample("LYS");
    // Two identical proteins and a basis of rank far below the wanted singular vectors.
    data.spectra.col(1) = data.spectra.col(0);
    data.fractions.col(1) = data.fractions.col(0);
    const SubsetFitter fitter(data, FitSettings{}, 2);
    const SubsetSolution solution = fitter.solve(std::vector<int>{0, 1});
    EXPECT_TRUE(std::isfinite(solution.total));
    AlignedData flat = data;
    flat.spectra.setConstant(1.0);
    const SubsetFitter flatFitter(flat, FitSettings{}, 2);
    EXPECT_LE(flatFitter.singularVectorsUsed(), 1);
    EXPECT_TRUE(std::isfinite(flatFitter.solve(std::vector<int>{3, 4}).total));
}

TEST(VarselecFit, CombinationsAreVisitedOnceInLexicographicOrder) {
    for (const auto& [n, kept] :
         std::vector<std::pair<int, int>>{{33, 31}, {10, 5}, {6, 6}, {12, 7}}) {
        CombinationWalker walker(n, kept);
        long count = 0;
        std::vector<int> previous;
        do {
            const std::vector<int> current(walker.kept().begin(), walker.kept().end());
            ASSERT_EQ(static_cast<int>(current.size()), kept);
            ASSERT_TRUE(std::is_sorted(current.begin(), current.end()));
            ASSERT_TRUE(previous.empty() || previous < current);
            std::vector<int> all(current);
            all.insert(all.end(), walker.removed().begin(), walker.removed().end());
            std::sort(all.begin(), all.end());
            std::vector<int> expected(static_cast<std::size_t>(n));
            std::iota(expected.begin(), expected.end(), 0);
            ASSERT_EQ(all, expected);
            previous = current;
            ++count;
        } while (walker.next());
        EXPECT_EQ(count, CombinationCount(n, n - kept)) << n << " " << kept;
    }
    EXPECT_EQ(CombinationCount(33, 2), 528);
    EXPECT_EQ(CombinationCount(33, 5), 237336);
}

struct FiveCase {
    double value;
    const char* text;
};

class VarselecFiveCharacters : public ::testing::TestWithParam<FiveCase> {};

TEST_P(VarselecFiveCharacters, FitsFiveColumnsAndReadsBack) {
    const std::string text = FiveCharacters(GetParam().value);
    EXPECT_EQ(text, GetParam().text);
    EXPECT_EQ(text.size(), 5u);
}

INSTANTIATE_TEST_SUITE_P(Values, VarselecFiveCharacters,
                         ::testing::Values(FiveCase{0.352, "0.352"}, FiveCase{1.0124, "1.012"},
                                           FiveCase{-0.052, "-.052"}, FiveCase{-0.0004, "0.000"},
                                           FiveCase{0.0, "0.000"}, FiveCase{9.9996, "10.00"},
                                           FiveCase{12.345, "12.35"}, FiveCase{99.996, "100.0"},
                                           FiveCase{-0.9996, "-1.00"}, FiveCase{-12.34, "-12.3"},
                                           FiveCase{-100.0, "*****"}, FiveCase{5000.0, "*****"},
                                           FiveCase{std::numeric_limits<double>::quiet_NaN(),
                                                    "*****"}));

}  // namespace
}  // namespace tavrelion::engines::varselec
