#include "analysis/AnalysisCommands.h"

#include <gtest/gtest.h>

#include "AnalysisTestFiles.h"
#include "fakes/FakeAnalysis.h"
#include "fakes/FakeServices.h"
#include "fakes/TemporaryFolder.h"

namespace tavrelion::analysis {
namespace {

namespace fs = std::filesystem;
using results::ResultWindowKind;
using testing_support::BasisFile;
using testing_support::CrLf;
using testing_support::FakeAnalysisDialogs;
using testing_support::FakeAnalysisHost;
using testing_support::FakeMessages;
using testing_support::ReadBytes;
using testing_support::SolutionLine;
using testing_support::TemporaryFolder;

const fs::path SourceFolder = TAVRELION_SOURCE_DIR;

class AnalysisCommandsTest : public ::testing::Test {
  protected:
    AnalysisCommandsTest() {
        store_.ProgramDir = programFolder_.path().string();
        store_.WorkDir = workFolder_.path().string();
        store::SetStartupTables(store_);
        for (const char* file : {"selcon2.exe", "selcon3_mod.exe", "K2D.EXE", "weights.dat",
                                 "CONTIN.EXE", "varslc1.exe", "ssdata.p2", "ssdata.ks"}) {
            programFolder_.write(file, std::string("data of ") + file);
        }
        programFolder_.write("s.ori", BasisFile());
        FakeMessages quiet;
        estimation::LoadReferenceSets((SourceFolder / "data").string(), sets_, quiet);
        loadSpectrum("LYSO.ASC");
        host_.engines = testing_support::FakeEngines();
    }

    // A lysozyme-like spectrum from 178 to 260 nm in the data folder.
    void loadSpectrum(const std::string& name) {
        store_.SpectrumFileName = (dataFolder_.path() / name).string();
        store_.FirstWavelength = 178;
        store_.LastWavelength = 260;
        store_.PointCount = 83;
        store_.RawPointCount = 83;
        for (int i = 1; i <= store_.PointCount; ++i) {
            const int w = 177 + i;
            store_.SpectrumWavelength(i) = static_cast<store::Int16>(w);
            store_.SpectrumValue(i) = w > 240 ? 0.0 : -8000.0 + 300.0 * std::abs(w - 200);
        }
    }

    void click(int index) { commands_.AnalysisMenuClick(index); }
    fs::path result(const char* extension) const {
        return dataFolder_.path() / (std::string("LYSO") + extension);
    }

    TemporaryFolder programFolder_;
    TemporaryFolder workFolder_;
    TemporaryFolder dataFolder_;
    store::SpectrumStore store_;
    estimation::ReferenceSets sets_;
    estimation::FitResults fit_;
    store::Int16 residues_ = 0;
    AnalysisSettings settings_;
    FakeMessages messages_;
    FakeAnalysisDialogs dialogs_;
    FakeAnalysisHost host_;
    AnalysisCommands commands_{
        {store_, sets_, fit_, residues_, settings_, messages_, dialogs_, host_}};
};

TEST_F(AnalysisCommandsTest, AllMethodsRunsEveryProgramAndWritesTheSummary) {
    click(AllMethodsEntry);

    EXPECT_EQ(host_.programsRun(),
              (std::vector<std::string>{"selcon2.exe", "selcon3_mod.exe", "K2D.EXE", "CONTIN.EXE",
                                        "varslc1.exe"}));
    for (const auto& run : host_.runs) {
        EXPECT_TRUE(run.menuClosed) << run.program;
        EXPECT_EQ(run.folder, store_.WorkDir);
        EXPECT_EQ(fs::path(run.program).parent_path(), programFolder_.path());
    }
    EXPECT_EQ(host_.runs[0].arguments, std::vector<std::string>{"CON"});
    EXPECT_TRUE(host_.runs[2].arguments.empty());
    EXPECT_FALSE(host_.running);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_TRUE(commands_.completed());

    const std::string summary = ReadBytes(result(".SUM"));
    const std::string header =
        std::string(26, ' ') + "HELIX  BETA  TURN   PP2    OTHERS  F-Sum CDRMS\r\n";
    ASSERT_EQ(summary.rfind(header, 0), 0u);
    EXPECT_NE(summary.find("\r\n Fasman"), std::string::npos);
    EXPECT_NE(summary.find("\r\n Self Consistent Method  0.30 0.20 0.10 0.40 1.00 0.03\r\n"
                           " Self Selcon3    Method  0.31 0.21 0.11 0.37 1.00 0.03\r\n"
                           " K2D method " +
                           std::string(14, ' ') + "0.45   0.12" + std::string(17, ' ') +
                           "0.43\r\n CONTIN method            0.333  0.222" + std::string(16, ' ') +
                           " 0.444\r\n Varselec              35.00  20.0 0.00 10.0" +
                           std::string(9, ' ') + " 35.00 : 100 "),
              std::string::npos)
        << summary;
    EXPECT_EQ(summary.substr(summary.size() - 2), "0 ");  // the Varselec line has no line end

    // The SELCON2 result names its model; the list and the summary are shown.
    EXPECT_NE(ReadBytes(result(".SCM")).find("Original data (pp2)\r\n"), std::string::npos);
    ASSERT_EQ(host_.shown.size(), 2u);
    EXPECT_EQ(host_.shown[0].path, result(".LST").string());
    EXPECT_EQ(host_.shown[0].window, ResultWindowKind::VarselecList);
    EXPECT_EQ(host_.shown[1].path, result(".SUM").string());
    EXPECT_EQ(host_.shown[1].window, ResultWindowKind::AnalysisResults);
    EXPECT_EQ(store_.ResultFilePath, result(".SUM").string());
    EXPECT_EQ(commands_.resultFiles(),
              (std::vector<std::string>{
                  result(".FIT").string(), result(".SCM").string(), result(".SC3").string(),
                  result(".K2D").string(), result(".CNT").string(), result(".OUT").string(),
                  result(".LST").string(), result(".SUM").string(), result(".CSV").string()}));

    // The table: a row for each method, read from its result, and the consensus; the window
    // shows it above the summary.
    const std::string table = ReadBytes(result(".CSV"));
    EXPECT_EQ(table.rfind(std::string(ResultTableHeader) + "\r\n", 0), 0u);
    const std::string rowStart = store_.SpectrumFileName + "," + TodayText() + ",SP175,260-178,";
    for (const char* row :
         {"Fasman,", "Chang,", "SELCON2,0.300,0.200,0.100,0.400,1.000,0.030,good,", "SELCON3,",
          "K2D,0.450,0.120,,0.430,1.000,,good,", "CONTIN,0.333,0.222,0.200,0.244,0.999,0.030,good,",
          "Varselec,", "Consensus,"}) {
        EXPECT_NE(table.find("\r\n" + rowStart + row), std::string::npos) << row << table;
    }
    EXPECT_TRUE(commands_.tableProblems().empty());
    ASSERT_EQ(commands_.methodResults().size(), 10u);
    EXPECT_EQ(commands_.methodResults()[5].calculated,
              (std::vector<double>{-0.99 * 3300, -1.95 * 3300, -2.9 * 3300}));
    EXPECT_EQ(host_.preface.rfind(" Results table: 260-178 nm", 0), 0u) << host_.preface;
    EXPECT_NE(
        host_.preface.find("\r\n SELCON2      0.300  0.200  0.100  0.400  1.000  0.030  good"),
        std::string::npos)
        << host_.preface;
}

TEST_F(AnalysisCommandsTest, AllMethodsStopsAfterTheLeastSquaresPart) {
    // selcon2.exe missing: its message, nothing else runs, the summary is not shown.
    fs::remove(programFolder_.path() / "selcon2.exe");
    click(AllMethodsEntry);
    EXPECT_EQ(messages_.texts(),
              std::vector<std::string>{"Self consistent program (selcon2.exe) is absent in the " +
                                       store_.ProgramDir + " directory"});
    EXPECT_TRUE(host_.runs.empty());
    EXPECT_TRUE(host_.shown.empty());
    EXPECT_FALSE(commands_.completed());
    const std::string summary = ReadBytes(result(".SUM"));
    EXPECT_NE(summary.find("Yang"), std::string::npos);
    EXPECT_EQ(summary.find("Self"), std::string::npos);

    // The SELCON2 dialog cancelled: the same end, without a message.
    programFolder_.write("selcon2.exe", "back");
    messages_.shown.clear();
    dialogs_.acceptSelcon = false;
    click(AllMethodsEntry);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_TRUE(host_.runs.empty());
    EXPECT_EQ(ReadBytes(result(".SUM")), summary);
}

TEST_F(AnalysisCommandsTest, SummaryIsWrittenAndShownWhenTheVarselecAnalysisEndsSilently) {
    dialogs_.acceptBounds = false;
    click(AllMethodsEntry);
    EXPECT_TRUE(commands_.completed());
    ASSERT_FALSE(host_.shown.empty());
    EXPECT_EQ(host_.shown.back().path, result(".SUM").string());
    const std::string summary = ReadBytes(result(".SUM"));
    EXPECT_NE(summary.find("\r\n CONTIN method"), std::string::npos);
    EXPECT_EQ(summary.substr(summary.size() - 24), "\r\n Varselec             ");
    const std::vector<std::string>& files = commands_.resultFiles();
    EXPECT_EQ(std::vector<std::string>(files.end() - 2, files.end()),
              (std::vector<std::string>{result(".SUM").string(), result(".CSV").string()}));
}

TEST_F(AnalysisCommandsTest, ProgramLeavingNoOutputIsToldByEntry) {
    host_.engines.erase("K2D.EXE");
    host_.engines.erase("selcon3_mod.exe");
    host_.engines.erase("CONTIN.EXE");
    // An earlier run's output must not pass for this run's.
    workFolder_.write("protein.ssc", "  Fractions: old result #\r\n");
    click(Selcon3Entry);
    EXPECT_EQ(messages_.texts(),
              std::vector<std::string>{"Error in Self consistent program\n"
                                       "selcon3_mod.exe left no output file protein.ssc"});
    EXPECT_FALSE(fs::exists(result(".SC3")));
    click(K2dEntry);
    EXPECT_EQ(messages_.texts().back(),
              "Error in the K2D.exe program\nK2D.EXE left no output file TAUX.TXT");
    // Entries without a message of their own tell the reason alone.
    click(ContinEntry);
    EXPECT_EQ(messages_.texts().back(), "CONTIN.EXE left no output file CONTIN.CNT");
    EXPECT_TRUE(host_.shown.empty());

    // Within All methods the failure ends the command before CONTIN and Varselec.
    messages_.shown.clear();
    click(AllMethodsEntry);
    EXPECT_EQ(messages_.texts(),
              std::vector<std::string>{"selcon3_mod.exe left no output file protein.ssc"});
    EXPECT_EQ(host_.programsRun().back(), "selcon3_mod.exe");
    EXPECT_TRUE(host_.shown.empty());
    EXPECT_FALSE(commands_.completed());
}

TEST_F(AnalysisCommandsTest, SingleMethodsShowTheirResultBesideTheSpectrum) {
    click(Selcon2Entry);
    click(K2dEntry);
    click(ContinEntry);
    // Each method's result as the fits window takes it.
    ASSERT_EQ(commands_.methodResults().size(), 1u);
    EXPECT_EQ(commands_.methodResults()[0].method, "CONTIN");
    click(LeastSquaresEntry);
    ASSERT_EQ(commands_.methodResults().size(), 5u);
    EXPECT_EQ(commands_.methodResults()[4].method, "Yang");
    ASSERT_EQ(host_.shown.size(), 4u);
    EXPECT_EQ(host_.shown[0].path, result(".SCM").string());
    EXPECT_EQ(host_.shown[1].path, result(".K2D").string());
    EXPECT_EQ(host_.shown[2].path, result(".CNT").string());
    // The fit's report is kept beside the spectrum, and that copy is shown.
    EXPECT_EQ(host_.shown[3].path, result(".FIT").string());
    EXPECT_EQ(ReadBytes(result(".FIT")), ReadBytes(workFolder_.path() / "FIT.VAL"));
    EXPECT_EQ(ReadBytes(result(".K2D")), ReadBytes(workFolder_.path() / "TAUX.TXT"));
    EXPECT_EQ(store_.ResultFilePath, result(".CNT").string());
    EXPECT_TRUE(fs::exists(workFolder_.path() / "GD.DAT"));
    EXPECT_TRUE(fs::exists(workFolder_.path() / "CONTIN.IN"));
    EXPECT_EQ(ReadBytes(workFolder_.path() / "ssdata"), "data of ssdata.p2");
    // The program folder is only read.
    EXPECT_FALSE(fs::exists(programFolder_.path() / "FIT.VAL"));
    EXPECT_FALSE(fs::exists(programFolder_.path() / "GD.DAT"));
}

TEST_F(AnalysisCommandsTest, ResultsLandBesideTheSpectrumTheCommandStartedOn) {
    host_.duringRun = [this] { loadSpectrum("OTHER.ASC"); };
    click(AllMethodsEntry);
    EXPECT_TRUE(fs::exists(result(".SUM")));
    EXPECT_TRUE(fs::exists(result(".CNT")));
    EXPECT_TRUE(fs::exists(result(".LST")));
    EXPECT_FALSE(fs::exists(dataFolder_.path() / "OTHER.SUM"));
    EXPECT_FALSE(fs::exists(dataFolder_.path() / "OTHER.SC3"));
}

TEST_F(AnalysisCommandsTest, ModelWithoutItsStructureDataCannotBeChosen) {
    workFolder_.write("ssdata", "left over from another model");
    dialogs_.changeSelcon = [](SelconSettingsModel& model) { model.chooseModel(3); };
    click(Selcon2Entry);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(ReadBytes(workFolder_.path() / "ssdata"), "data of ssdata.p2");

    dialogs_.changeSelcon = [](SelconSettingsModel& model) { model.chooseModel(2); };
    click(Selcon2Entry);
    EXPECT_EQ(ReadBytes(workFolder_.path() / "ssdata"), "data of ssdata.ks");
    const std::string scm = ReadBytes(result(".SCM"));
    EXPECT_EQ(scm.substr(scm.size() - 22), "Kabsch & Sander data\r\n");
}

// With IDP175 chosen every program gets the option after its usual arguments, and the drivers
// take the data derived from IDP175 from its folder; where they are missing the entry says so
// rather than running on SP175's.
TEST_F(AnalysisCommandsTest, Idp175ReachesEveryProgramWithItsOwnData) {
    settings_.referenceSet = ReferenceSetChoice::Idp175;
    fs::create_directory(programFolder_.path() / "idp175");
    click(K2dEntry);
    EXPECT_TRUE(host_.runs.empty());
    EXPECT_EQ(messages_.texts(),
              std::vector<std::string>{"Neural Network file (weights.dat) is absent in the " +
                                       (programFolder_.path() / "idp175").string() + " directory"});

    for (const char* file : {"weights.dat", "ssdata.p2"})
        programFolder_.write(std::string("idp175/") + file, std::string("IDP175 ") + file);
    programFolder_.write("idp175/s.ori", BasisFile());
    click(AllMethodsEntry);
    ASSERT_EQ(host_.runs.size(), 5u);
    for (const auto& run : host_.runs) {
        ASSERT_GE(run.arguments.size(), 2u) << run.program;
        EXPECT_EQ(std::vector<std::string>(run.arguments.end() - 2, run.arguments.end()),
                  (std::vector<std::string>{"--reference", "idp175"}))
            << run.program;
    }
    EXPECT_EQ(host_.runs[0].arguments.front(), "CON");
    EXPECT_EQ(ReadBytes(workFolder_.path() / "ssdata"), "IDP175 ssdata.p2");
    EXPECT_TRUE(commands_.completed());
}

TEST_F(AnalysisCommandsTest, VarselecShowsItsSolutionsAndAnalyzeWritesTheList) {
    click(VarselecEntry);
    EXPECT_EQ(dialogs_.referenceChoices, 1);
    ASSERT_EQ(host_.shown.size(), 1u);
    EXPECT_EQ(host_.shown[0].path, result(".OUT").string());
    EXPECT_EQ(settings_.ReferenceName.size(), 33u);
    EXPECT_EQ(settings_.ReferenceName[32], "Protein number 33");
    EXPECT_TRUE(fs::exists(workFolder_.path() / "comctl.dta"));

    EXPECT_TRUE(commands_.VarselecAnalysis());
    EXPECT_EQ(settings_.bounds.ContentMin, 10);
    EXPECT_EQ(settings_.bounds.ContentMax, 110);
    EXPECT_EQ(host_.shown.back().path, result(".LST").string());
    EXPECT_NE(ReadBytes(result(".LST")).find("Number of points : 2\r\n"), std::string::npos);

    // Cancelled bounds touch nothing.
    fs::remove(result(".LST"));
    dialogs_.acceptBounds = false;
    EXPECT_FALSE(commands_.VarselecAnalysis());
    EXPECT_FALSE(fs::exists(result(".LST")));
}

TEST_F(AnalysisCommandsTest, VarselecStopsWithoutASpectrumOrWithTooFewProteins) {
    store_.PointCount = 0;
    click(VarselecEntry);
    EXPECT_EQ(dialogs_.referenceChoices, 1);
    EXPECT_TRUE(host_.runs.empty());
    EXPECT_TRUE(messages_.shown.empty());

    loadSpectrum("LYSO.ASC");
    dialogs_.changeReferences = [](ReferenceChoiceModel& model) {
        std::vector<bool> two(33, false);
        two[0] = two[1] = true;
        model.selectionChanged(two);
        model.removeTextChanged("2");
    };
    click(VarselecEntry);
    EXPECT_TRUE(host_.runs.empty());
    EXPECT_EQ(messages_.shown.size(), 1u);

    // Without s.ori the program is reported as failed.
    dialogs_.changeReferences = nullptr;
    messages_.shown.clear();
    fs::remove(programFolder_.path() / "s.ori");
    click(VarselecEntry);
    EXPECT_EQ(messages_.texts(), std::vector<std::string>{"Error in R.Tamsin program Varselec"});
}

TEST_F(AnalysisCommandsTest, AFailedProgramIsToldWithItsReasonAndLeavesTheEarlierResult) {
    using End = drivers::ProgramOutcome::End;
    // The program wrote an output, but its exit status says it failed.
    drivers::ProgramOutcome failed;
    failed.exitCode = 1;
    failed.errors = "K2D: weights.dat: ends before the map\n";
    host_.outcomes["K2D.EXE"] = failed;
    const auto earlier = dataFolder_.write("LYSO.K2D", "earlier result\r\n");
    click(K2dEntry);
    EXPECT_EQ(messages_.texts(),
              std::vector<std::string>{"Error in the K2D.exe program\nK2D.EXE ended with exit "
                                       "status 1: K2D: weights.dat: ends before the map"});
    EXPECT_EQ(ReadBytes(earlier), "earlier result\r\n");
    EXPECT_TRUE(host_.shown.empty());

    // Cancelled by the user: no message, the rest of All methods skipped, no summary.
    messages_.shown.clear();
    host_.outcomes["K2D.EXE"].end = End::Cancelled;
    click(AllMethodsEntry);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(host_.programsRun().back(), "K2D.EXE");
    EXPECT_FALSE(fs::exists(result(".SUM")));
    EXPECT_EQ(commands_.failureReason(), "cancelled");
}

TEST_F(AnalysisCommandsTest, FilesThatCannotBeWrittenFailTheEntryWithTheFileAndTheReason) {
    // A result in a link's place: refused, the link's target untouched.
    const auto target = programFolder_.write("elsewhere.txt", "keep");
    fs::create_symlink(target, result(".SC3"));
    click(Selcon3Entry);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.texts()[0], "Error in Self consistent program\n" + result(".SC3").string() +
                                        " is a symbolic link: results are not written through "
                                        "links");
    EXPECT_EQ(ReadBytes(target), "keep");

    // A work folder that cannot be written (a file in its place): nothing runs.
    messages_.shown.clear();
    host_.runs.clear();
    store_.WorkDir = workFolder_.write("blocked", "not a folder").string();
    click(ContinEntry);
    EXPECT_TRUE(host_.runs.empty());
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(
        messages_.texts()[0].rfind(
            "the exchange files cannot be written in " + store_.WorkDir + ": Not a directory", 0),
        0u)
        << messages_.texts()[0];

    // Nor can the least-squares report: no stale report is shown.
    messages_.shown.clear();
    click(LeastSquaresEntry);
    EXPECT_TRUE(host_.shown.empty());
    EXPECT_EQ(messages_.texts(),
              std::vector<std::string>{store_.WorkDir + "/FIT.VAL cannot be removed: Not a "
                                                        "directory"});
}

}  // namespace
}  // namespace tavrelion::analysis
