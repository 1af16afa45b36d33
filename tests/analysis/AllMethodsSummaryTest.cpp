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

std::string Blanks(std::size_t n) {
    return std::string(n, ' ');
}

TEST(AllMethodsSummary, TakesTheLeastSquaresRowsByLabelEvenWhenThePathSaysFasman) {
    TemporaryFolder folder;
    const auto report = folder.write(
        "FIT.VAL", CrLf({" File: /data/Fasman 2/LYSO.ASC", "", "              HELIX  BETA",
                         "Fasman  .30 .40", "Chen  .31 .41", "Bolotina  .32 .42", "Chang  .33 .43",
                         "Yang  .34 .44", "", "end of report"}));
    const auto summary = folder.path() / "LYSO.SUM";
    StartSummary(summary, report);
    EXPECT_EQ(
        ReadBytes(summary),
        CrLf({Blanks(26) + "HELIX  BETA  TURN   PP2    OTHERS  F-Sum CDRMS", "Fasman  .30 .40",
              "Chen  .31 .41", "Bolotina  .32 .42", "Chang  .33 .43", "Yang  .34 .44"}));

    AppendSummaryLine(summary, "one more");
    AppendSummaryText(summary, " no line end");
    const std::string bytes = ReadBytes(summary);
    EXPECT_EQ(bytes.substr(bytes.size() - 24), "\r\none more\r\n no line end");
}

TEST(AllMethodsSummary, SelconLinesDropTheirMarkersAndLastCharacter) {
    TemporaryFolder folder;
    const auto selcon2 =
        folder.write("LYSO.SCM", CrLf({" Average solution from above set", "Solution1 .10 .20 .30X",
                                       " Average solution from above set", "Solution2 .35 .25 .15X",
                                       "Original data (pp2)"}));
    EXPECT_EQ(Selcon2SummaryLine(selcon2), " Self Consistent Method  .35 .25 .15");

    const auto selcon3 = folder.write(
        "LYSO.SC3", CrLf({"report", "  Fractions: 0.301 0.202 #", "  Fractions: 0.9 #"}));
    EXPECT_EQ(Selcon3SummaryLine(selcon3), " Self Selcon3    Method  0.301 0.202 ");
    // Without "Fractions:" the line comes from the last line read.
    const auto noFractions = folder.write("OTHER.SC3", CrLf({"report", "no estimate made here."}));
    EXPECT_EQ(Selcon3SummaryLine(noFractions), " Self Selcon3    Method made here");
    EXPECT_THROW(Selcon3SummaryLine(folder.path() / "missing.SC3"), store::BasicError);
}

TEST(AllMethodsSummary, K2dLineTakesTheLastFourCharactersOfThreeLines) {
    TemporaryFolder folder;
    const auto result =
        folder.write("LYSO.K2D", CrLf({"K2D report", "ALPHA HELIX       0.45",
                                       "BETA SHEET        0.12", "RANDOM COIL       0.43", "end"}));
    EXPECT_EQ(K2dSummaryLine(result),
              " K2D method " + Blanks(14) + "0.45" + Blanks(3) + "0.12" + Blanks(17) + "0.43");
    // A file that ends early repeats the last line read.
    const auto shortResult = folder.write("S.K2D", CrLf({"no", "ALPHA 0.50"}));
    EXPECT_EQ(K2dSummaryLine(shortResult),
              " K2D method " + Blanks(14) + "0.50" + Blanks(3) + "0.50" + Blanks(17) + "0.50");
}

TEST(AllMethodsSummary, ContinLineCutsThreeFieldsAfterTheChosenSolution) {
    TemporaryFolder folder;
    //                              1        10        20        30        40        50
    const std::string fractions =
        "  FRACTION (HELIX, SHEET, REST)   0.354         0.123    0.523  ";
    const auto result = folder.write(
        "LYSO.CNT",
        CrLf({"  FRACTION before the choice", "++  CHOSEN SOLUTION  ", "other", fractions}));
    EXPECT_EQ(ContinSummaryLine(result), " CONTIN method           " + fractions.substr(23, 6) +
                                             "  " + fractions.substr(37, 5) + Blanks(16) +
                                             fractions.substr(50, 6));
    const auto none = folder.write("NONE.CNT", CrLf({"FRACTION", "no solution"}));
    EXPECT_EQ(ContinSummaryLine(none).rfind(" CONTIN method", 0), 0u);
}

TEST(AllMethodsSummary, VarselecTextCollectsTheClassMeansOnOneLine) {
    TemporaryFolder folder;
    const auto list = folder.write(
        "LYSO.LST",
        CrLf({"LYSO.OUT", "", " Results for VARSELEC fit program", "", "   Helix = 35.20 %+- 3.10",
              "AP sheet = 15.00 %+- 5.00", "PP sheet = 0.00 %+- 0.00", "    Turn = 15.00 %+- 5.00",
              "   Other = 35.00 %+- 5.00", "Averaged total content is : 100",
              "Number of points : 2", "   Helix = 99.99 %+- 9.99"}));
    // The pieces are cut at fixed columns, which leaves a digit off the sheet and turn means.
    EXPECT_EQ(VarselecSummaryText(list), std::string(" Varselec             ") + " 35.20 " +
                                             " 15.0" + " 0.00" + " 15.0" + Blanks(9) + " 35.00 " +
                                             ": 100 ");
}

}  // namespace
}  // namespace tavrelion::analysis
