// selcon3_mod.exe run as the main program runs it: INPUT written by the driver's own writer,
// SP175.REF beside it, protein.ssc read back as the All-methods summary reads it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "analysis/AllMethodsSummary.h"
#include "drivers/SelconInput.h"
#include "engines/selcon3/SelconTestSupport.h"

namespace tavrelion::engines::selcon::testing {
namespace {

using testing_support::TemporaryFolder;

constexpr const char* Prefix = " Self Selcon3    Method ";

ProgramRun RunSelcon3(const TemporaryFolder& folder, const std::string& leaveOut = "") {
    return RunSelcon(SELCON3_PROGRAM, folder.path(), "protein.ssc", leaveOut);
}

// The summary line the main program cuts from protein.ssc.
std::string SummaryOf(const TemporaryFolder& folder) {
    const auto report = folder.path() / "protein.ssc";
    return std::filesystem::exists(report) ? analysis::Selcon3SummaryLine(report) : Prefix;
}

double FieldValue(const std::string& summary, const SummaryField& field) {
    return std::atof(Columns(summary, field.first, field.last).c_str());
}

struct LeftOutCase {
    const char* code;
    int first;
    int last;
};

class Selcon3LeftOutProtein : public ::testing::TestWithParam<LeftOutCase> {};

TEST_P(Selcon3LeftOutProtein, EstimatesItsKnownStructureWithinTheTargets) {
    const LeftOutCase c = GetParam();
    TemporaryFolder folder;
    CopyData(folder.path(), ReferenceFileName);
    drivers::WriteSelcon3Input(*ReferenceSpectrum(c.code, c.first, c.last), folder.path());

    const ProgramRun run = RunSelcon3(folder, c.code);

    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const std::string summary = SummaryOf(folder);
    const int protein = ProteinIndex(c.code);
    EXPECT_NEAR(FieldValue(summary, SummaryFields[0]),
                Sp175().fractions(ReferenceSet::HelixClass, protein), 0.065)
        << summary;
    EXPECT_NEAR(FieldValue(summary, SummaryFields[1]),
                Sp175().fractions(ReferenceSet::SheetClass, protein), 0.080)
        << summary;
    const std::string used = " Wavelengths used: 240 - " + std::to_string(std::max(c.first, 175));
    EXPECT_NE(run.report.find(used), std::string::npos) << run.report;
    EXPECT_NE(run.report.find("Left out of the references for this check: " + std::string(c.code)),
              std::string::npos);
    EXPECT_NE(run.report.find("70 proteins"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(DriverRanges, Selcon3LeftOutProtein,
                         ::testing::Values(LeftOutCase{"MBH", 178, 260},
                                           LeftOutCase{"LLEC", 190, 260},
                                           LeftOutCase{"PGEN", 175, 240}));

TEST(Selcon3Program, SummaryValuesStandUnderTheirHeadings) {
    TemporaryFolder folder;
    CopyData(folder.path(), ReferenceFileName);
    drivers::WriteSelcon3Input(*ReferenceSpectrum("HAL", 180, 250), folder.path());

    const ProgramRun run = RunSelcon3(folder);

    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const std::string summary = SummaryOf(folder);
    const std::string header = SummaryHeader;
    ASSERT_EQ(summary.size(), 72u) << summary;  // ends with CDRMS
    for (const SummaryField& field : SummaryFields) {
        const std::string value = Columns(summary, field.first, field.last);
        EXPECT_EQ(value.find(' '), std::string::npos) << field.name << " in\n" << summary;
        EXPECT_NE(header[static_cast<std::size_t>(field.last - 1)], ' ') << field.name;
        const auto after = static_cast<std::size_t>(field.last);
        EXPECT_TRUE(after == header.size() || header[after] == ' ') << field.name;
        EXPECT_EQ(summary[static_cast<std::size_t>(field.first - 2)], ' ') << field.name;
    }
    EXPECT_EQ(Columns(summary, 44, 54), std::string(11, ' ')) << "PP2 must stay blank";
    double total = 0.0;
    for (int c = 0; c < 4; ++c)
        total += FieldValue(summary, SummaryFields[c]);
    EXPECT_NEAR(FieldValue(summary, SummaryFields[4]), total, 0.003);
    EXPECT_GT(FieldValue(summary, SummaryFields[5]), 0.0);
    EXPECT_LT(FieldValue(summary, SummaryFields[5]), 0.5);
    int fractionLines = 0;
    for (const std::string& line : Lines(run.report))
        fractionLines += line.find("Fractions:") != std::string::npos;
    EXPECT_EQ(fractionLines, 1);
}

TEST(Selcon3Program, ReportLinesEndWithCrLfAndNameMethodDataAndCitations) {
    TemporaryFolder folder;
    CopyData(folder.path(), ReferenceFileName);
    drivers::WriteSelcon3Input(*ReferenceSpectrum("LYS", 190, 260), folder.path());

    const ProgramRun run = RunSelcon3(folder);

    ASSERT_EQ(run.exitCode, 0) << run.errors;
    for (const char* expected :
         {"SP175", "71 proteins", "DSSP", "C:\\DATA\\LYS.ASC", "Spectrum received: 260 - 190 nm",
          "Wavelengths used: 240 - 190 nm", "Accepted solutions:", "Spread:", "209:32-44",
          "8:370-380", "Bioinformatics 22", "(PP2)"}) {
        EXPECT_NE(run.report.find(expected), std::string::npos) << expected;
    }
    EXPECT_TRUE(EveryLineEndsCrLf(run.report));
}

TEST(Selcon3Program, SpectrumTooShortGivesExplainedReportWithoutNumbers) {
    for (const auto& [first, last] : {std::pair{200, 260}, std::pair{178, 230}}) {
        TemporaryFolder folder;
        CopyData(folder.path(), ReferenceFileName);
        drivers::WriteSelcon3Input(*ReferenceSpectrum("MBH", first, last), folder.path());

        const ProgramRun run = RunSelcon3(folder);

        EXPECT_EQ(run.exitCode, 0) << run.errors;
        EXPECT_NE(run.report.find("no estimate was made"), std::string::npos) << run.report;
        EXPECT_NE(run.report.find(std::to_string(first)), std::string::npos);
        const std::string summary = SummaryOf(folder);
        EXPECT_FALSE(HasDigit(summary.substr(24))) << summary;
        EXPECT_NE(summary.find("no estimate"), std::string::npos) << summary;
    }
}

struct BrokenInput {
    const char* name;
    const char* bytes;  // nullptr: no INPUT at all
};

class Selcon3BrokenInput : public ::testing::TestWithParam<BrokenInput> {};

TEST_P(Selcon3BrokenInput, FailsWithAMessageAndAReportWithoutNumbers) {
    TemporaryFolder folder;
    CopyData(folder.path(), ReferenceFileName);
    if (GetParam().bytes)
        folder.write("INPUT", GetParam().bytes);

    const ProgramRun run = RunSelcon3(folder);

    EXPECT_GT(run.exitCode, 0);
    EXPECT_NE(run.errors.find("selcon3:"), std::string::npos);
    EXPECT_FALSE(HasDigit(SummaryOf(folder).substr(24))) << run.report;
}

INSTANTIATE_TEST_SUITE_P(
    Files, Selcon3BrokenInput,
    ::testing::Values(
        BrokenInput{"Missing", nullptr}, BrokenInput{"Empty", ""},
        BrokenInput{"OnlySeparators", "#\r\n#\r\n#\r\n"},
        BrokenInput{"EndsBeforeData",
                    "#\r\n#\r\n       0        5      0       0       1 \r\n#\r\n#\r\n SAMPLE "
                    "INPUT:  X.ASC\r\n#\r\n#\r\n     244.00000    240.00000    1\r\n"},
        BrokenInput{"TruncatedBlock",
                    "#\r\n#\r\n       0        5      0       0       1 \r\n#\r\n"
                    "#\r\n SAMPLE INPUT:  X.ASC\r\n#\r\n#\r\n     244.00000    "
                    "240.00000    1\r\n#\r\n#\r\n -1.00 -2.00 -3.0"},
        BrokenInput{"NotANumber",
                    "#\r\n#\r\n       0        5      0       0       1 \r\n#\r\n#\r\n"
                    " SAMPLE INPUT:  X.ASC\r\n#\r\n#\r\n     242.00000    240.00000"
                    "    1\r\n#\r\n#\r\n -1.00 -2,00 -3.00\r\n#\r\n#\r\n        0\r\n"},
        BrokenInput{"WavelengthsReversed",
                    "#\r\n#\r\n       0        5      0       0       1 \r\n#\r\n#\r\n SAMPLE "
                    "INPUT:  X.ASC\r\n#\r\n#\r\n     240.00000    242.00000    1\r\n#\r\n#\r\n "
                    "-1.00 -2.00 -3.00\r\n#\r\n#\r\n        0\r\n"},
        BrokenInput{"BinaryNoise", "\x01\x02\xff\xfe\r\n\x7f"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Selcon3Program, MissingReferenceFileIsReportedNotCrashed) {
    TemporaryFolder folder;
    drivers::WriteSelcon3Input(*ReferenceSpectrum("MBH", 178, 260), folder.path());
    const auto installed = testing_support::InstallCopy(SELCON3_PROGRAM, folder);

    const ProgramRun run = RunSelcon(installed.string(), folder.path(), "protein.ssc");

    EXPECT_GT(run.exitCode, 0);
    EXPECT_NE(run.errors.find("SP175.REF"), std::string::npos) << run.errors;
    EXPECT_NE(run.report.find("SP175.REF"), std::string::npos);
}

TEST(Selcon3Program, UnknownProteinToLeaveOutIsRefused) {
    TemporaryFolder folder;
    CopyData(folder.path(), ReferenceFileName);
    drivers::WriteSelcon3Input(*ReferenceSpectrum("MBH", 178, 260), folder.path());

    const ProgramRun run = RunSelcon3(folder, "NOSUCH");

    EXPECT_GT(run.exitCode, 0);
    EXPECT_NE(run.errors.find("NOSUCH"), std::string::npos);
}

}  // namespace
}  // namespace tavrelion::engines::selcon::testing
