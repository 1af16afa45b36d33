#include "analysis/VarselecList.h"

#include <gtest/gtest.h>

#include <numeric>

#include "AnalysisTestFiles.h"
#include "fakes/TemporaryFolder.h"
#include "store/BasicError.h"
#include "store/SpectrumStore.h"

namespace tavrelion::analysis {
namespace {

using testing_support::BasisFile;
using testing_support::CrLf;
using testing_support::ReadBytes;
using testing_support::SolutionLine;
using testing_support::TemporaryFolder;

std::vector<int> AllBut(const std::vector<int>& removed) {
    std::vector<int> proteins;
    for (int p = 1; p <= 33; ++p) {
        if (std::find(removed.begin(), removed.end(), p) == removed.end())
            proteins.push_back(p);
    }
    return proteins;
}

class VarselecListTest : public ::testing::Test {
  protected:
    VarselecListTest() {
        store::SetStartupTables(store_);
        folder_.write("s.ori", BasisFile());
    }

    long analyse(const std::vector<std::string>& solutionLines, int low = 10, int high = 110) {
        VarselecListRequest request;
        request.solutions = folder_.write("LYSO.OUT", CrLf(solutionLines));
        request.basis = folder_.path() / "s.ori";
        request.list = folder_.path() / "LYSO.LST";
        request.contentMin = low;
        request.contentMax = high;
        request.labels = &store_.StructureLabel;
        return WriteVarselecList(request);
    }

    std::string list() const { return ReadBytes(folder_.path() / "LYSO.LST"); }

    store::SpectrumStore store_;
    TemporaryFolder folder_;
};

// tests/golden/LYSO.LST, worked out by hand (see the README there): the third solution's total
// of 360 % lies outside 10..110; the means and spreads are those of 0.30/0.40, 0.20/0.10 and so
// on; protein 1 is in no accepted solution, 2 and 3 in one each, the others in both, which is
// already the order of the sorted list. The first line names the solutions file.
TEST_F(VarselecListTest, ListFileOfTwoAcceptedSolutions) {
    const std::vector<std::string> solutions = {
        " Varselec solutions, combination: 33 proteins, 2 removed",
        "",
        SolutionLine(1, {0.30, 0.20, 0.0, 0.10, 0.40}, 1.0, AllBut({1, 2})),
        SolutionLine(2, {0.40, 0.10, 0.0, 0.20, 0.30}, 1.0, AllBut({1, 3})),
        SolutionLine(3, {0.90, 0.90, 0.0, 0.90, 0.90}, 3.6, AllBut({2, 3})),
    };
    EXPECT_EQ(analyse(solutions), 2);
    std::string expected =
        ReadBytes(std::filesystem::path(TAVRELION_SOURCE_DIR) / "tests/golden/LYSO.LST");
    expected.replace(0, expected.find("\r\n"), (folder_.path() / "LYSO.OUT").string());
    EXPECT_EQ(list(), expected);
}

TEST_F(VarselecListTest, BoundsAreInclusiveAndBlankTotalsCountAsZero) {
    const auto line = [](int n, double total) {
        return SolutionLine(n, {0.5, 0.1, 0.0, 0.1, 0.2}, total, AllBut({}));
    };
    std::string blankTotal = line(3, 1.0);
    blankTotal.replace(41, 5, "     ");
    // 0.5 and 1.25 lie on the bounds 50 and 125; 1.26 and the blank total do not.
    EXPECT_EQ(analyse({line(1, 0.5), line(2, 1.25), blankTotal, line(4, 1.26)}, 50, 125), 2);
    EXPECT_EQ(analyse({line(1, 0.5), blankTotal}, 0, 125), 2);
    // 0.995 is 99.5 %, within 10..110; 1.115 is not.
    EXPECT_EQ(analyse({line(1, 0.995), line(2, 1.115)}), 1);
}

TEST_F(VarselecListTest, TrailerLinesAreCandidatesToo) {
    std::string trailer = "End of the run";
    trailer.resize(41, ' ');
    trailer += "1.000";
    EXPECT_EQ(analyse({"header", SolutionLine(1, {0.3, 0.2, 0, 0.1, 0.4}, 1.0, AllBut({})), trailer,
                       "last line"}),
              2);
}

TEST_F(VarselecListTest, NoAcceptedSolutionStillWritesACompleteList) {
    EXPECT_EQ(analyse({SolutionLine(1, {0.3, 0.2, 0, 0.1, 0.4}, 1.0, AllBut({})),
                       SolutionLine(2, {0.3, 0.2, 0, 0.1, 0.4}, 1.0, AllBut({}))},
                      120, 130),
              0);
    const std::string text = list();
    EXPECT_NE(text.find("\r\n\r\nAveraged total content is : 000\r\nNumber of points : 0\r\n"),
              std::string::npos);
    EXPECT_EQ(text.find("Helix"), std::string::npos);
    EXPECT_NE(text.find("Protein number 33                     REMOVED from list\r\n="),
              std::string::npos);
}

TEST_F(VarselecListTest, SolutionsFileWithoutTwoLinesEndsAfterTheHeader) {
    const std::string header =
        (folder_.path() / "LYSO.OUT").string() + "\r\n\r\n Results for VARSELEC fit program\r\n";
    EXPECT_THROW(analyse({"no solution here", "nor here"}), store::BasicError);
    EXPECT_EQ(list(), header);
    EXPECT_THROW(analyse({"header", SolutionLine(1, {0.3, 0.2, 0, 0.1, 0.4}, 1.0, AllBut({}))}),
                 store::BasicError);
    EXPECT_EQ(list(), header);
    std::filesystem::remove(folder_.path() / "s.ori");
    EXPECT_THROW(analyse({"a", "b"}), store::BasicError);
}

TEST_F(VarselecListTest, FourProteinsLeftOutOf33GiveMoreSolutionsThanA16BitCount) {
    const std::string solution = SolutionLine(1, {0.3, 0.2, 0, 0.1, 0.4}, 1.0, AllBut({}));
    const std::vector<std::string> solutions(40920, solution);
    EXPECT_EQ(analyse(solutions), 40920);
    EXPECT_NE(list().find("Number of points : 40920\r\n"), std::string::npos);
    EXPECT_NE(list().find("is present 40920 times over  40920\r\n"), std::string::npos);
}

// Proteins are listed by how often they were removed; the order among equal counts is the
// sort's own and not pinned here.
TEST(ShellSortByCount, SortsByCountAndKeepsEachLineWithItsCount) {
    std::vector<long> count(34);
    std::vector<std::string> line(34);
    for (int i = 1; i <= 33; ++i) {
        count[static_cast<std::size_t>(i)] = (i * 13) % 7;
        line[static_cast<std::size_t>(i)] = std::to_string((i * 13) % 7) + ":" + std::to_string(i);
    }
    std::vector<std::string> before = line;
    ShellSortByCount(33, count, line);
    EXPECT_TRUE(std::is_sorted(count.begin() + 1, count.end()));
    for (int i = 1; i <= 33; ++i) {
        const auto& l = line[static_cast<std::size_t>(i)];
        EXPECT_EQ(l.substr(0, l.find(':')), std::to_string(count[static_cast<std::size_t>(i)]));
    }
    std::sort(before.begin(), before.end());
    std::sort(line.begin(), line.end());
    EXPECT_EQ(line, before);
}

}  // namespace
}  // namespace tavrelion::analysis
