// selcon2.exe run as the main program runs it: test.dat written by the driver's own writer, the
// structure data file copied to ssdata, SP175.REF beside them, "output" read back as the
// All-methods summary reads it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "analysis/AllMethodsSummary.h"
#include "drivers/SelconInput.h"
#include "engines/selcon3/SelconTestSupport.h"
#include "selcon2/StructureData.h"
#include "selcon3/MeasuredSpectrum.h"

namespace tavrelion::engines::selcon::testing {
namespace {

using testing_support::TemporaryFolder;

constexpr const char* Prefix = " Self Consistent Method ";

drivers::SelconSettings StartSettings() {
    drivers::SelconSettings settings;
    settings.SelconClassCount = 5;  // as the dialog leaves it
    return settings;
}

// A folder with the reference spectra, ssdata copied from the given file, and test.dat.
void Prepare(const TemporaryFolder& folder, const std::string& code, int first, int last,
             const drivers::SelconSettings& settings, const std::string& ssdata = "ssdata.ks") {
    CopyData(folder.path(), ReferenceFileName);
    if (!ssdata.empty())
        CopyData(folder.path(), ssdata, "ssdata");
    drivers::WriteSelcon2Input(*ReferenceSpectrum(code, first, last), settings, folder.path());
}

ProgramRun RunSelcon2(const TemporaryFolder& folder, const std::string& leaveOut = "") {
    return RunSelcon(SELCON2_PROGRAM, folder.path(), "output", leaveOut);
}

// The summary line the main program cuts from the report.
std::string SummaryOf(const TemporaryFolder& folder) {
    const auto report = folder.path() / "output";
    return std::filesystem::exists(report) ? analysis::Selcon2SummaryLine(report) : Prefix;
}

double FieldValue(const std::string& summary, int field) {
    const SummaryField& f = SummaryFields[field];
    return std::stod(Columns(summary, f.first, f.last));
}

// The accepted solutions listed before the average: cycles and the sum before scaling.
struct ListedSolution {
    int cycles;
    double sum;
};

std::vector<ListedSolution> ListedSolutions(const std::string& report) {
    std::vector<ListedSolution> listed;
    bool inTable = false;
    for (const std::string& line : Lines(report)) {
        if (line.find(" refs  h  cycles") == 0) {
            inTable = true;
        } else if (inTable && line.empty()) {
            break;
        } else if (inTable) {
            listed.push_back(
                {std::stoi(line.substr(8, 8)), std::stod(line.substr(line.size() - 5))});
        }
    }
    return listed;
}

TEST(Selcon2Program, LeftOutProteinsAreEstimatedWithinTheTargets) {
    for (const auto& [code, first] : {std::pair{"MBH", 178}, std::pair{"LLEC", 190}}) {
        TemporaryFolder folder;
        Prepare(folder, code, first, 260, StartSettings());

        const ProgramRun run = RunSelcon2(folder, code);

        ASSERT_EQ(run.exitCode, 0) << run.errors;
        const std::string summary = SummaryOf(folder);
        const int protein = ProteinIndex(code);
        EXPECT_NEAR(FieldValue(summary, 0), Sp175().fractions(0, protein), 0.08) << summary;
        EXPECT_NEAR(FieldValue(summary, 1), Sp175().fractions(1, protein), 0.095) << summary;
        EXPECT_NE(run.report.find("DSSP (Kabsch & Sander 1983)"), std::string::npos);
        EXPECT_NE(run.report.find("Wavelengths used: 240 - " + std::to_string(first)),
                  std::string::npos);
    }
}

TEST(Selcon2Program, SummaryValuesStandUnderTheirHeadingsWithPp2Blank) {
    TemporaryFolder folder;
    Prepare(folder, "HAL", 180, 250, StartSettings(), "ssdata.p2");

    const ProgramRun run = RunSelcon2(folder);

    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const std::string summary = SummaryOf(folder);
    ASSERT_EQ(summary.size(), 72u) << summary;
    for (const SummaryField& field : SummaryFields) {
        EXPECT_EQ(Columns(summary, field.first, field.last).find(' '), std::string::npos)
            << field.name << " in\n"
            << summary;
        EXPECT_EQ(summary[static_cast<std::size_t>(field.first - 2)], ' ') << field.name;
    }
    EXPECT_EQ(Columns(summary, 44, 54), std::string(11, ' '));
    EXPECT_NE(run.report.find("(PP2) is NOT available"), std::string::npos) << run.report;
}

TEST(Selcon2Program, HonoursIterationCountAndTotalRule) {
    drivers::SelconSettings settings = StartSettings();
    settings.SelconIterations = 2;
    settings.SelconTolerance = 3;
    TemporaryFolder folder;
    Prepare(folder, "LYS", 178, 260, settings);

    const ProgramRun run = RunSelcon2(folder);

    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const auto listed = ListedSolutions(run.report);
    ASSERT_FALSE(listed.empty()) << run.report;
    for (const ListedSolution& solution : listed) {
        EXPECT_LE(solution.cycles, 2);
        EXPECT_GE(solution.sum, 0.97);
        EXPECT_LE(solution.sum, 1.03);
    }
    EXPECT_NE(run.report.find("At most 2 self-consistent iterations"), std::string::npos);
    EXPECT_NE(run.report.find("100 +- 3.0 %"), std::string::npos);
}

TEST(Selcon2Program, SpectrumTooShortGivesExplainedReportWithoutNumbers) {
    TemporaryFolder folder;
    Prepare(folder, "MBH", 205, 260, StartSettings());

    const ProgramRun run = RunSelcon2(folder);

    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_NE(run.report.find("no estimate was made"), std::string::npos) << run.report;
    const std::string summary = SummaryOf(folder);
    EXPECT_FALSE(HasDigit(summary.substr(24))) << summary;
}

TEST(Selcon2Program, MissingOrBrokenFilesFailWithAMessage) {
    struct Case {
        const char* what;
        const char* ssdata;   // file copied to ssdata, or "" for none
        const char* testDat;  // replaces test.dat when not null
        const char* inMessage;
    };
    for (const Case& c :
         {Case{"no ssdata", "", nullptr, "ssdata"},
          Case{"empty test.dat", "ssdata.ks", "", "empty"},
          Case{"truncated test.dat", "ssdata.ks",
               " TEST\r\n 71  5   1.000    .1      .000 10    .002    .250     .150\r\n 260.00000 "
               "190.00000    1    0\r\n TEST\r\n  0.01  0.02",
               "71"},
          Case{"no control line", "ssdata.ks", " TEST\r\n", "control line"}}) {
        TemporaryFolder folder;
        Prepare(folder, "MBH", 178, 260, StartSettings(), c.ssdata);
        if (c.testDat)
            folder.write("test.dat", c.testDat);

        const ProgramRun run = RunSelcon2(folder);

        EXPECT_GT(run.exitCode, 0) << c.what;
        EXPECT_NE(run.errors.find(c.inMessage), std::string::npos) << c.what << ": " << run.errors;
        EXPECT_FALSE(HasDigit(SummaryOf(folder).substr(24))) << c.what;
    }
}

// SP175's structure data and IDP175's (in the folder of the data derived from it), each exactly
// what the generator writes from its set.
TEST(StructureData, ShippedFilesHoldTheDsspClassesOfEveryReferenceProtein) {
    TemporaryFolder written;
    for (const char* set : {DefaultReferenceSet, DisorderedReferenceSet}) {
        const ReferenceSet references = LoadReferenceSet(ReferenceFileOf(DataFolder(), set));
        for (const StructureModel model :
             {StructureModel::KabschSander, StructureModel::PolyprolineP2}) {
            const std::string name = StructureDataFileName(model);
            const auto shipped = TrainedDataFolder(DataFolder(), set) / name;
            const StructureData data = ReadStructureData(shipped);
            EXPECT_EQ(data.codes, references.codes) << shipped;
            EXPECT_TRUE(data.fractions.isApprox(references.fractions, 1e-4)) << shipped;
            EXPECT_NE(data.classification.find("DSSP"), std::string::npos);
            WriteStructureData(references, model, written.path());
            EXPECT_EQ(testing_support::ReadBytes(written.path() / name),
                      testing_support::ReadBytes(shipped));
        }
    }
    EXPECT_TRUE(ReadStructureData(DataFolder() / "ssdata.ks").notes.empty());
    EXPECT_FALSE(std::filesystem::exists(DataFolder() / "ssdata.hj"));
    EXPECT_FALSE(std::filesystem::exists(DataFolder() / "ssdata.lg"));
}

TEST(StructureData, RefusesFilesThatDoNotMatchTheReferences) {
    TemporaryFolder folder;
    const std::string good = testing_support::ReadBytes(DataFolder() / "ssdata.ks");
    std::string unknownCode = good;
    unknownCode.replace(unknownCode.find("\nALDO "), 6, "\nXXXX ");
    folder.write("unknown", unknownCode);
    EXPECT_THROW(MatchReferences(Sp175(), ReadStructureData(folder.path() / "unknown")),
                 InputError);
    std::string otherClasses = good;
    otherClasses.replace(otherClasses.find("TURN OTHER"), 10, "PP2 OTHER ");
    folder.write("classes", otherClasses);
    EXPECT_THROW(ReadStructureData(folder.path() / "classes"), InputError);
    folder.write("short", good.substr(0, good.size() / 2));
    EXPECT_THROW(ReadStructureData(folder.path() / "short"), InputError);
}

}  // namespace
}  // namespace tavrelion::engines::selcon::testing
