#include "analysis/AllMethodsSummary.h"

#include <gtest/gtest.h>

#include "AnalysisTestFiles.h"
#include "fakes/TemporaryFolder.h"
#include "store/BasicError.h"

namespace tavrelion::analysis {
namespace {

using testing_support::CrLf;
using testing_support::ReadBytes;
using testing_support::TemporaryFolder;

const std::filesystem::path Golden = std::filesystem::path(TAVRELION_SOURCE_DIR) / "tests/golden";

// Each program's result as the engines write it, cut by hand into tests/golden/all-methods/LYSO.SUM
// (see the README there): the Fasman row found by its label though the file's path says Fasman,
// the last SELCON2 average, the first SELCON3 fractions, CONTIN's line after the chosen solution.
TEST(AllMethodsSummary, WorkedExampleOfEveryMethodByteForByte) {
    TemporaryFolder folder;
    const auto summary = folder.path() / "LYSO.SUM";
    const auto methods = Golden / "all-methods";
    StartSummary(summary, methods / "LYSO.FIT");
    AppendSummaryLine(summary, Selcon2SummaryLine(methods / "LYSO.SCM"));
    AppendSummaryLine(summary, Selcon3SummaryLine(methods / "LYSO.SC3"));
    AppendSummaryLine(summary, K2dSummaryLine(methods / "LYSO.K2D"));
    AppendSummaryLine(summary, ContinSummaryLine(methods / "LYSO.CNT"));
    AppendSummaryText(summary, VarselecSummaryText(Golden / "LYSO.LST"));
    EXPECT_EQ(ReadBytes(summary), ReadBytes(methods / "LYSO.SUM"));
}

// Results that end before the lines looked for still give a line, never an error.
TEST(AllMethodsSummary, ShortResultsFallBackToTheLastLineRead) {
    TemporaryFolder folder;
    const auto selcon3 = folder.write("OTHER.SC3", CrLf({"report", "no estimate made here."}));
    EXPECT_EQ(Selcon3SummaryLine(selcon3), " Self Selcon3    Method made here");
    const auto k2d = folder.write("S.K2D", CrLf({"no", "ALPHA 0.50"}));
    EXPECT_EQ(K2dSummaryLine(k2d), " K2D method               0.50   0.50                 0.50");
    const auto contin = folder.write("NONE.CNT", CrLf({"FRACTION", "no solution"}));
    EXPECT_EQ(ContinSummaryLine(contin),
              " CONTIN method           (no chosen solution in the result)");
    EXPECT_THROW(Selcon3SummaryLine(folder.path() / "missing.SC3"), store::BasicError);
}

}  // namespace
}  // namespace tavrelion::analysis
