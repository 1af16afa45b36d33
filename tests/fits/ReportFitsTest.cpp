#include <gtest/gtest.h>

#include "fakes/TemporaryFolder.h"
#include "fits/AnalysisRecord.h"
#include "fits/ReportFits.h"

namespace tavrelion::fits {
namespace {

// The end of a SELCON3 report as the program writes it, CR LF line ends.
const std::string Selcon3Report =
    " SELCON3 results\r\n"
    " ...\r\n"
    "\r\n"
    " Fit quality: NRMSD 0.034, good\r\n"
    " (NRMSD = sqrt(sum (d - d_calc)^2 / sum d^2), Mao, Wachter & Wallace 1982; good up to "
    "0.041, fair up to 0.092,\r\n"
    " the median and 90th percentile of SELCON3 in leave-one-out over SP175 at 240-175 nm)\r\n"
    " Back-calculated spectrum (delta epsilon per residue, M-1 cm-1):\r\n"
    "   nm   measured calculated\r\n"
    "  240     -0.100     -0.120\r\n"
    "  239     -0.250     -0.200\r\n"
    "  238      1.000      0.500\r\n";

TEST(ReportFits, ReadsTheNrmsdAndTheBackCalculatedSpectrumInMeanResidueEllipticity) {
    // A SELCON3 report of a sine as the program wrote it, and the list of Varselec's solutions,
    // which ends with the average of the accepted fits.
    const struct {
        const char* file;
        const char* method;
        double nrmsd;
    } reports[] = {{"SINE.SC3", "SELCON3", 0.987}, {"SINE.LST", "Varselec", 0.986}};
    for (const auto& report : reports) {
        SCOPED_TRACE(report.file);
        const auto result = ReadReportFit(std::filesystem::path(TAVRELION_SOURCE_DIR) / "tests" /
                                          "analysis" / "reports" / report.file);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->method, report.method);
        ASSERT_TRUE(result->nrmsd);
        EXPECT_NEAR(*result->nrmsd, report.nrmsd, 1e-9);
        EXPECT_EQ(result->quality, "poor");
        ASSERT_FALSE(result->wavelengths.empty());
        EXPECT_EQ(result->wavelengths.front(), 240);
        EXPECT_EQ(result->measured.size(), result->wavelengths.size());
        EXPECT_EQ(result->calculated.size(), result->wavelengths.size());
    }
}

TEST(ReportFits, ReportsWithoutAWholeTableGiveTheMethodAloneAndOtherFilesNothing) {
    testing_support::TemporaryFolder folder;
    std::string damaged = Selcon3Report;
    damaged.replace(damaged.find("  239     -0.250"), 16, "  239     -0.2x0");
    const std::vector<std::string> files = {
        folder.write("A.CNT", damaged).string(),
        folder.write("A.K2D", " K2D\r\n Fit quality:        good\r\n").string(),
        folder.write("A.FIT", Selcon3Report).string(),
        (folder.path() / "MISSING.SC3").string(),
        folder.write("A.SCM", Selcon3Report.substr(0, 40)).string(),
        folder.write("A.OUT", " combination:\r\n" + Selcon3Report).string()};
    const std::vector<analysis::MethodResult> results = ReadReportFits(files);
    ASSERT_EQ(results.size(), 4u);
    EXPECT_EQ(results[0].method, "CONTIN");
    EXPECT_TRUE(results[0].wavelengths.empty());
    EXPECT_EQ(results[1].method, "K2D");
    EXPECT_FALSE(results[1].nrmsd);
    EXPECT_EQ(results[2].method, "SELCON2");
    EXPECT_TRUE(results[2].wavelengths.empty());
    // Varselec's solutions hold no single fit: its list does, once they are analysed.
    EXPECT_EQ(results[3].method, "Varselec");
    EXPECT_TRUE(results[3].wavelengths.empty());
}

TEST(AnalysisRecord, AnalysesOfOneSpectrumAddUpAndAMethodRunAgainReplacesItsFile) {
    AnalysisRecord record;
    EXPECT_FALSE(record.any());
    record.analysed({"/d/LYSO.SC3"});
    record.analysed({"/d/LYSO.FIT", "/d/LYSO.SC3", "/d/LYSO.SUM"});
    record.analysed({"/d/LYSO.cnt"});
    // Varselec's solutions, then their analysis: the list, which holds the fit, takes their place.
    record.analysed({"/d/LYSO.OUT"});
    record.analysed({"/d/LYSO.OUT", "/d/LYSO.LST"});
    EXPECT_EQ(record.files(), (std::vector<std::string>{"/d/LYSO.SC3", "/d/LYSO.FIT", "/d/LYSO.SUM",
                                                        "/d/LYSO.cnt", "/d/LYSO.LST"}));
    record.forget();
    EXPECT_FALSE(record.any());
}

}  // namespace
}  // namespace tavrelion::fits
