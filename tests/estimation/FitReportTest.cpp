#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "estimation/FitReport.h"
#include "fakes/TemporaryFolder.h"

namespace tavrelion::estimation {
namespace {

using testing_support::ReadBytes;
using testing_support::TemporaryFolder;

std::string Blanks(int count) {
    return std::string(static_cast<std::size_t>(count), ' ');
}

TEST(FitReportRow, ThreeColumnSetHasNoTurnColumnAndTotalsUnroundedValues) {
    FitResults results;
    results.FitHelix(Fasman) = 0.3456;
    results.FitSheet(Fasman) = 0.2;
    results.FitCoil(Fasman) = 0.41;
    EXPECT_EQ(FitReportRow(results, Fasman), " Fasman" + Blanks(3 + 16) + "0.35" + Blanks(3) +
                                                 "0.20" + Blanks(15) + "0.41" + Blanks(4) +
                                                 "00.96");
}

TEST(FitReportRow, FourColumnSetShowsTurnAndWidensForLargeOrNegativeValues) {
    FitResults results;
    results.FitHelix(Chang) = -0.012;
    results.FitSheet(Chang) = 12.5;
    results.FitTurn(Chang) = 0.125;
    results.FitCoil(Chang) = 88.0;
    EXPECT_EQ(FitReportRow(results, Chang), " Chang    " + Blanks(16) + "-0.01" + Blanks(3) +
                                                "12.50" + Blanks(3) + "0.13" + Blanks(9) + "88.00" +
                                                Blanks(4) + "100.61");
}

TEST(FitReportRow, SetWithoutSolutionSaysSo) {
    FitResults results;
    EXPECT_EQ(FitReportRow(results, Yang), " Yang     " + Blanks(16) + "no solution");
}

TEST(WriteFitReport, WritesTheWholeFileWithCrLf) {
    TemporaryFolder folder;
    auto store = std::make_unique<store::SpectrumStore>();
    store->ProgramDir = folder.path().string();
    store->SpectrumFileName = "C:\\data\\LYSO.ASC";
    store->BaselineCorrection = -0.25;
    store->MultiplyFactor = 1;
    FitResults results;
    for (int set = 1; set <= ReferenceSetCount; ++set) {
        results.FitHelix(set) = 0.5;
        results.FitSheet(set) = 0.25;
        results.FitCoil(set) = 0.25;
        if (set == Bolotina || set == Chang) {
            results.FitTurn(set) = 0;
        }
    }
    WriteFitReport(*store, results);
    const std::string three = Blanks(16) + "0.50   0.25" + Blanks(15) + "0.25    01.00\r\n";
    const std::string four = Blanks(16) + "0.50   0.25   0.00" + Blanks(9) + "0.25    01.00\r\n";
    EXPECT_EQ(ReadBytes(folder.path() / "FIT.VAL"),
              " TAVRELION results\r\n"
              " File: C:\\data\\LYSO.ASC\r\n"
              "Correction of data for baseline -.25 \r\n"
              "Your spectrum data are multiplied by  1 \r\n"
              "            Helix     Sheet    Turn     Coil     Total\r\n"
              " Fasman   " +
                  three + " Chen     " + three + " Bolotina " + four + " Chang    " + four +
                  " Yang     " + three);
}

TEST(WriteFitReport, UnwritableFolderIsPassedOverSilently) {
    auto store = std::make_unique<store::SpectrumStore>();
    store->ProgramDir = "/nonexistent/folder";
    EXPECT_NO_THROW(WriteFitReport(*store, FitResults()));
}

}  // namespace
}  // namespace tavrelion::estimation
