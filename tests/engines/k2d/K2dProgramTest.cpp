#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/AllMethodsSummary.h"
#include "common/ReferenceSet.h"
#include "drivers/K2dInput.h"
#include "engines/common/EngineTestSupport.h"
#include "fakes/TemporaryFolder.h"
#include "k2d/K2dProgram.h"
#include "k2d/MapTraining.h"
#include "k2d/WeightsFile.h"

namespace tavrelion::engines::k2d {
namespace {

using testing::HasSubstr;
using testing::Not;
using testing_support::ReadBytes;
using testing_support::TemporaryFolder;

using namespace engine_testing;

// K2D.EXE writes TAUX.TXT; program names a copy installed beside its own weights.dat.
ProgramRun RunK2dProgram(const std::filesystem::path& folder,
                         const std::vector<std::string>& arguments,
                         const std::string& program = K2D_PROGRAM) {
    return RunProgram(program, folder, arguments, "TAUX.TXT");
}

// The report's text with every line break and indent as one blank, so that a sentence wrapped
// over lines can be matched.
std::string Flowing(const std::string& report) {
    std::istringstream words(report);
    std::string text;
    std::string word;
    while (words >> word) {
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

// The fraction at the end of a report line, as the main program's summary cuts it.
double LastFour(const std::string& line) {
    const std::string text = line.substr(line.size() - 4);
    EXPECT_THAT(text, testing::MatchesRegex("[01]\\.[0-9][0-9]")) << line;
    return std::stod(text);
}

// Every line ends in CR LF; there is exactly one line with "ALPHA".
void ExpectReportShape(const std::string& report, int alphaLines) {
    EXPECT_TRUE(EveryLineEndsCrLf(report));
    int alpha = 0;
    for (const auto& line : Lines(report)) {
        alpha += line.find("ALPHA") != std::string::npos;
    }
    EXPECT_EQ(alpha, alphaLines);
    EXPECT_THAT(report, HasSubstr("Andrade MA, Chacon P, Merelo JJ, Moran F (1993)"));
    EXPECT_THAT(report, HasSubstr("Lees JG"));
}

// A protein left out of the map's training, from the driver's GD.DAT through the built program
// to the summary line of "All methods".
class K2dLeftOutProtein : public testing::TestWithParam<const char*> {};

TEST_P(K2dLeftOutProtein, IsEstimatedWithinTargetAndSummarisedUnderItsColumns) {
    const int protein = ProteinIndex(GetParam());
    ASSERT_LT(protein, Sp175().proteinCount());
    TemporaryFolder folder;
    WriteWeightsFile(TrainMap(Sp175().without(protein)), {}, folder.path() / WeightsFileName);
    drivers::WriteK2dInput(*ReferenceSpectrum(protein, 190, 260), folder.path());
    ASSERT_EQ(Lines(ReadBytes(folder.path() / "GD.DAT")).size(), 41u);
    const auto installed = testing_support::InstallCopy(K2D_PROGRAM, folder);

    const ProgramRun run = RunK2dProgram(folder.path(), {"CON"}, installed.string());
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    const std::string report = ReadBytes(folder.path() / "TAUX.TXT");
    ExpectReportShape(report, 1);
    EXPECT_THAT(report, HasSubstr("200-240 nm"));
    EXPECT_THAT(report, HasSubstr("SP175, 70 proteins"));
    EXPECT_THAT(report, HasSubstr("Fit quality:        good"));

    const std::vector<std::string> lines = Lines(report);
    const auto alpha = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("ALPHA") != std::string::npos;
    });
    ASSERT_LE(alpha + 3, lines.end());
    const double helix = LastFour(alpha[0]);
    const double beta = LastFour(alpha[1]);
    const double coil = LastFour(alpha[2]);
    const Eigen::Vector3d truth = MapTargets(Sp175()).col(protein);
    EXPECT_NEAR(helix, truth(HelixLabel), 0.09);
    EXPECT_NEAR(beta, truth(BetaLabel), 0.12);
    EXPECT_NEAR(helix + beta + coil, 1.0, 0.015);

    // HELIX at columns 27-31, BETA 34-37, OTHERS 54-59 of the summary header.
    const std::string summary = analysis::K2dSummaryLine(folder.path() / "TAUX.TXT");
    const std::string header = analysis::SummaryHeader;
    EXPECT_EQ(summary.substr(26, 4), alpha[0].substr(alpha[0].size() - 4));
    EXPECT_EQ(header.substr(26, 5), "HELIX");
    EXPECT_EQ(summary.substr(33, 4), alpha[1].substr(alpha[1].size() - 4));
    EXPECT_EQ(header.substr(33, 4), "BETA");
    EXPECT_EQ(summary.substr(54, 4), alpha[2].substr(alpha[2].size() - 4));
    EXPECT_EQ(header.substr(53, 6), "OTHERS");
}

INSTANTIATE_TEST_SUITE_P(HelicalAndSheetProteins, K2dLeftOutProtein,
                         testing::Values("MBH", "CONA"));

TEST(K2dProgram, RunsOnTheShippedMapWithoutArgumentOrConsole) {
    TemporaryFolder folder;
    std::filesystem::copy_file(DataFolder() / WeightsFileName, folder.path() / WeightsFileName);
    drivers::WriteK2dInput(*ReferenceSpectrum("LYS", 190, 260), folder.path());
    const ProgramRun run = RunK2dProgram(folder.path(), {});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.errors, "");
    ExpectReportShape(ReadBytes(folder.path() / "TAUX.TXT"), 1);
    EXPECT_EQ(run.output, "");
}

// A spectrum from 210 nm gives 31 lines: the report says why there is no estimate, and the
// summary shows "none" in its three columns.
TEST(K2dProgram, ShortSpectrumGetsAReportWithoutNumbers) {
    TemporaryFolder folder;
    std::filesystem::copy_file(DataFolder() / WeightsFileName, folder.path() / WeightsFileName);
    drivers::WriteK2dInput(*ReferenceSpectrum("LYS", 210, 260), folder.path());
    const ProgramRun run = RunK2dProgram(folder.path(), {"CON"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    const std::string report = ReadBytes(folder.path() / "TAUX.TXT");
    ExpectReportShape(report, 0);
    EXPECT_THAT(Flowing(report),
                HasSubstr("needs the 41 values from 200 to 240 nm and GD.DAT holds 31 values"));
    EXPECT_THAT(report, Not(testing::ContainsRegex("[01]\\.[0-9][0-9]\r\n")));
    EXPECT_EQ(
        analysis::K2dSummaryLine(folder.path() / "TAUX.TXT"),
        " K2D method " + std::string(14, ' ') + "none   none" + std::string(17, ' ') + "none");
}

// Broken exchange files: the reason in TAUX.TXT and on the error output, a failed run.
TEST(K2dProgram, BrokenInputFilesAreExplainedAndFail) {
    std::string spectrum41;
    for (int i = 0; i < 41; ++i) {
        spectrum41 += "-1.5\r\n";
    }
    const std::string shippedWeights = ReadBytes(DataFolder() / WeightsFileName);
    const struct {
        const char* what;
        std::string gdDat;  // "-" for no file
        std::string weights;
        std::string reason;
        int exitCode;
    } cases[] = {
        {"letters", spectrum41.substr(0, 24) + "abc\r\n" + spectrum41.substr(24), shippedWeights,
         "line 5 of GD.DAT is not a number", 1},
        {"a blank line", "\r\n" + spectrum41, shippedWeights, "line 1 of GD.DAT is not a number",
         1},
        {"binary", std::string("\0\x7f\xff\r\n", 5), shippedWeights, "is not a number", 1},
        {"no GD.DAT", "-", shippedWeights, "GD.DAT is missing", 1},
        {"cut after ten lines", spectrum41.substr(0, 60), shippedWeights, "GD.DAT holds 10 values",
         0},
        {"cut in a number", spectrum41.substr(0, 61), shippedWeights,
         "line 11 of GD.DAT is not a number", 1},
        {"empty", "", shippedWeights, "GD.DAT holds 0 values", 0},
        {"no weights", spectrum41, "-", "weights.dat: cannot be opened", 1},
        {"cut weights", spectrum41, shippedWeights.substr(0, shippedWeights.size() / 3),
         "weights.dat, line 157: ends before", 1},
        {"a value beyond any spectrum",
         "9.99e307\r\n" + spectrum41.substr(spectrum41.find('\n') + 1), shippedWeights,
         "line 1 of GD.DAT holds 9.99e307, beyond 10^7 deg.cm2/dmol", 1},
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.what);
        TemporaryFolder folder;
        if (bad.gdDat != "-") {
            folder.write("GD.DAT", bad.gdDat);
        }
        if (bad.weights != "-") {
            folder.write(WeightsFileName, bad.weights);
        }
        std::ostringstream errors;
        EXPECT_EQ(RunK2d(folder.path(), errors), bad.exitCode);
        const std::string report = ReadBytes(folder.path() / "TAUX.TXT");
        ExpectReportShape(report, 0);
        EXPECT_THAT(Flowing(report), HasSubstr(bad.reason));
        EXPECT_TRUE(report.ends_with("Secondary structure estimate: none\r\n"));
        if (bad.exitCode == 0) {
            EXPECT_EQ(errors.str(), "");
        } else {
            EXPECT_THAT(errors.str(), HasSubstr(bad.reason));
        }
    }
}

TEST(K2dProgram, BuiltProgramFailsWithAMessageOnADamagedMap) {
    TemporaryFolder folder;
    folder.write(WeightsFileName, "MAP KOHONEN\r\nGRID 8\r\n");
    drivers::WriteK2dInput(*ReferenceSpectrum(0, 190, 260), folder.path());
    const auto installed = testing_support::InstallCopy(K2D_PROGRAM, folder);
    const ProgramRun run = RunK2dProgram(folder.path(), {"CON"}, installed.string());
    EXPECT_NE(run.exitCode, 0);
    EXPECT_THAT(run.errors, HasSubstr("weights.dat, line 3: ends before the number of columns"));
    EXPECT_THAT(ReadBytes(folder.path() / "TAUX.TXT"), HasSubstr("cannot be read"));
}

}  // namespace
}  // namespace tavrelion::engines::k2d
