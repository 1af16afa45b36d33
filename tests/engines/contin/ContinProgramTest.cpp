// CONTIN.EXE run as the main program runs it: CONTIN.IN written by the driver, SP175.REF beside
// it, the report read back and cut the way the All-methods summary cuts it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "analysis/AllMethodsSummary.h"
#include "drivers/ContinInput.h"
#include "engines/common/EngineTestSupport.h"
#include "fakes/TemporaryFolder.h"

namespace tavrelion::engines::contin {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using namespace engine_testing;
using testing_support::TemporaryFolder;

void CopyReferenceData(const std::filesystem::path& folder) {
    CopyData(folder, ReferenceFileName);
}

// CONTIN.EXE reads SP175.REF from its own folder: program names a copy installed elsewhere.
ProgramRun RunContin(const std::filesystem::path& folder, const std::vector<std::string>& arguments,
                     const std::string& program = CONTIN_PROGRAM) {
    return RunProgram(program, folder, arguments, "CONTIN.CNT");
}

// The summary line the main program builds from the report, and the values in it.
struct SummaryValues {
    std::string line;
    double helix = -1;
    double sheet = -1;
    double rest = -1;
};

SummaryValues Summarise(const std::filesystem::path& folder) {
    SummaryValues values;
    values.line = analysis::ContinSummaryLine(folder / "CONTIN.CNT");
    const auto number = [&](std::size_t from, std::size_t length) {
        const std::string field = values.line.substr(from - 1, length);
        return field.find_first_not_of(' ') == std::string::npos ? -1.0 : std::stod(field);
    };
    values.helix = number(26, 6);
    values.sheet = number(34, 5);
    values.rest = number(55, 6);
    return values;
}

// Every non-blank character of the value part lies inside one header column.
void ExpectUnderColumns(const std::string& summaryLine) {
    const std::string header = analysis::SummaryHeader;
    const std::string prefix = " CONTIN method           ";
    ASSERT_EQ(summaryLine.substr(0, prefix.size()), prefix);
    for (std::size_t i = prefix.size(); i < summaryLine.size(); ++i) {
        if (summaryLine[i] == ' ') {
            continue;
        }
        const bool helix = i >= 26 && i <= 30;   // HELIX, columns 27-31
        const bool beta = i >= 33 && i <= 36;    // BETA, 34-37
        const bool others = i >= 53 && i <= 58;  // OTHERS, 54-59
        EXPECT_TRUE(helix || beta || others) << "column " << i + 1 << " of\n"
                                             << header << "\n"
                                             << summaryLine;
    }
}

struct Known {
    const char* code;
    int first;  // the spectrum's range in the main program
    int last;
    const char* used;  // the wavelengths the report must name
};

class LeftOutByTheProgram : public ::testing::TestWithParam<Known> {};

TEST_P(LeftOutByTheProgram, ReportsTheKnownStructureUnderTheSummaryColumns) {
    const Known c = GetParam();
    TemporaryFolder folder;
    CopyReferenceData(folder.path());
    drivers::WriteContinInput(*ReferenceSpectrum(c.code, c.first, c.last), folder.path());
    const auto run = RunContin(folder.path(), {"CON", "--leave-out", c.code});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_THAT(run.report, HasSubstr("WAVELENGTHS USED: " + std::string(c.used)));
    EXPECT_THAT(run.report, HasSubstr(std::string(c.code) + " was left out"));
    EXPECT_THAT(run.report, HasSubstr("SP175: 70 proteins used"));
    EXPECT_THAT(run.report, HasSubstr("Provencher SW, Gloeckner J (1981)"));
    EXPECT_THAT(run.report, HasSubstr("Anal Biochem 287:252-260"));
    EXPECT_THAT(run.report, HasSubstr("Lees JG, Miles AJ, Wien F, Wallace BA (2006)"));
    EXPECT_THAT(run.report, HasSubstr("Bioinformatics 22:1955-1962"));
    EXPECT_TRUE(EveryLineEndsCrLf(run.report));

    const int p = ProteinIndex(c.code);
    const SummaryValues summary = Summarise(folder.path());
    EXPECT_NEAR(summary.helix, Sp175().fractions(ReferenceSet::HelixClass, p), 0.075);
    EXPECT_NEAR(summary.sheet, Sp175().fractions(ReferenceSet::SheetClass, p), 0.09);
    EXPECT_NEAR(summary.rest, 1.0 - summary.helix - summary.sheet, 0.006);
    ExpectUnderColumns(summary.line);
}

INSTANTIATE_TEST_SUITE_P(Sp175, LeftOutByTheProgram,
                         ::testing::Values(Known{"MBH", 180, 260, "240-190 nm, 51 points"},
                                           Known{"HGDC", 190, 240, "240-190 nm, 51 points"},
                                           Known{"NMRA", 180, 230, "230-190 nm, 41 points"}));

TEST(ContinProgram, UsesAllReferenceProteinsWithoutArgument) {
    TemporaryFolder folder;
    CopyReferenceData(folder.path());
    drivers::WriteContinInput(*ReferenceSpectrum("LYS", 185, 250), folder.path());
    const std::set<std::filesystem::path> before = {folder.path() / "CONTIN.IN",
                                                    folder.path() / ReferenceFileName};
    const auto run = RunContin(folder.path(), {});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_THAT(run.report, HasSubstr("SP175: 71 proteins used"));
    EXPECT_THAT(run.report, Not(HasSubstr("left out")));
    std::set<std::filesystem::path> written;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        written.insert(entry.path());
    }
    const std::set<std::filesystem::path> expected = {folder.path() / "CONTIN.IN",
                                                      folder.path() / ReferenceFileName,
                                                      folder.path() / "CONTIN.CNT"};
    EXPECT_EQ(written, expected);
}

TEST(ContinProgram, SpectrumWithNothingBelow200GetsAReasonAndBlankFields) {
    TemporaryFolder folder;
    CopyReferenceData(folder.path());
    drivers::WriteContinInput(*ReferenceSpectrum("MBH", 200, 250), folder.path());
    const auto run = RunContin(folder.path(), {"CON"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_THAT(run.report, HasSubstr("NO ESTIMATE WAS MADE"));
    EXPECT_THAT(run.report, HasSubstr("covers 240-200 nm"));
    EXPECT_THAT(run.report, HasSubstr("230-195 nm"));
    const SummaryValues summary = Summarise(folder.path());
    EXPECT_EQ(summary.line, " CONTIN method" + std::string(46, ' '));
}

TEST(ContinProgram, FlatSpectrumGetsAReason) {
    TemporaryFolder folder;
    CopyReferenceData(folder.path());
    auto spectrum = ReferenceSpectrum("MBH", 190, 240);
    for (int i = 1; i <= spectrum->PointCount; ++i) {
        spectrum->SpectrumValue(i) = 20.0;
    }
    drivers::WriteContinInput(*spectrum, folder.path());
    const auto run = RunContin(folder.path(), {"CON"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_THAT(run.report, HasSubstr("The spectrum is flat"));
}

struct BrokenFolder {
    const char* name;
    std::function<void(const std::filesystem::path&)> prepare;
    const char* says;
};

class BrokenProgramInput : public ::testing::TestWithParam<BrokenFolder> {};

TEST_P(BrokenProgramInput, EndsWithAMessageAndAnExplainedReport) {
    TemporaryFolder folder;
    GetParam().prepare(folder.path());
    const auto installed = testing_support::InstallCopy(CONTIN_PROGRAM, folder);
    const auto run = RunContin(folder.path(), {"CON"}, installed.string());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.errors, HasSubstr(GetParam().says));
    EXPECT_THAT(run.report, HasSubstr(GetParam().says));
    EXPECT_THAT(run.report, HasSubstr("NO ESTIMATE WAS MADE"));
    EXPECT_EQ(Summarise(folder.path()).helix, -1.0);
}

void GoodInput(const std::filesystem::path& folder) {
    drivers::WriteContinInput(*ReferenceSpectrum("MBH", 180, 260), folder);
}

void Truncate(const std::filesystem::path& file, std::size_t keep) {
    const std::string bytes = testing_support::ReadBytes(file);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes.substr(0, keep);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, BrokenProgramInput,
    ::testing::Values(
        BrokenFolder{"NoInputFile", [](const auto& f) { CopyReferenceData(f); }, "not found"},
        BrokenFolder{"EmptyInput",
                     [](const auto& f) {
                         CopyReferenceData(f);
                         std::ofstream(f / "CONTIN.IN");
                     },
                     "empty"},
        BrokenFolder{"TruncatedInput",
                     [](const auto& f) {
                         CopyReferenceData(f);
                         GoodInput(f);
                         Truncate(f / "CONTIN.IN", 1100);
                     },
                     "truncated"},
        BrokenFolder{"NoReferenceData", [](const auto& f) { GoodInput(f); }, "SP175.REF"},
        BrokenFolder{"TruncatedReferenceData",
                     [](const auto& f) {
                         CopyReferenceData(f);
                         GoodInput(f);
                         Truncate(f / ReferenceFileName, 3000);
                     },
                     "reference data could not be read"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ContinProgram, UnknownProteinToLeaveOutIsRefused) {
    TemporaryFolder folder;
    CopyReferenceData(folder.path());
    GoodInput(folder.path());
    const auto run = RunContin(folder.path(), {"CON", "--leave-out", "NOSUCH"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.errors, HasSubstr("NOSUCH"));
}

}  // namespace
}  // namespace tavrelion::engines::contin
