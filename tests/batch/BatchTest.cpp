#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <thread>

#include "analysis/AnalysisTestFiles.h"
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "fakes/TemporaryFolder.h"

namespace tavrelion::batch {
namespace {

namespace fs = std::filesystem;
using testing_support::BasisFile;
using testing_support::FakeEngines;
using testing_support::TemporaryFolder;

const fs::path SourceFolder = TAVRELION_SOURCE_DIR;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// The options as the command line gives them, "--name value" and files, without Qt's parser.
BatchOptions Options(const std::vector<std::string>& arguments) {
    BatchOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i].rfind("--", 0) == 0) {
            SetBatchOption(options, arguments[i].substr(2), arguments.at(i + 1));
            ++i;
        } else {
            options.files.push_back(arguments[i]);
        }
    }
    CheckBatchOptions(options);
    return options;
}

class BatchRunTest : public ::testing::Test {
  protected:
    BatchRunTest() {
        for (const char* file : {"selcon2.exe", "selcon3_mod.exe", "K2D.EXE", "weights.dat",
                                 "CONTIN.EXE", "varslc1.exe", "ssdata.p2"}) {
            program_.write(file, "stand-in");
        }
        program_.write("s.ori", BasisFile());
        fs::copy_file(SourceFolder / "data" / "DATA.CD", program_.path() / "DATA.CD");
        for (const char* sample : {"LYSO.ASC", "MYOG_DA.ASC", "CYTC.JCD", "HSA_DE.ASC",
                                   "RIBA_JASCO.txt", "PK_PLAIN.txt"}) {
            fs::copy_file(SourceFolder / "samples" / sample, data_.path() / sample);
        }
    }

    int run(std::vector<std::string> arguments) {
        const BatchOptions options = Options(arguments);
        const auto engines = FakeEngines();
        BatchServices services{
            [&](const std::string& program, const std::vector<std::string>&,
                const std::string& folder) {
                const std::string name = fs::path(program).filename().string();
                const auto engine = engines.find(name);
                if (engine != engines.end())
                    engine->second(folder);
                if (name == "K2D.EXE")
                    std::ofstream(fs::path(folder) / "TAUX.TXT", std::ios::app) << k2dTail_;
                if (slowPrograms_)
                    std::this_thread::sleep_for(std::chrono::milliseconds(50));
                const std::lock_guard lock(mutex_);
                folders_.insert(folder);
                if (name == "varslc1.exe")
                    comctl_ = testing_support::ReadBytes(fs::path(folder) / "comctl.dta");
                const auto outcome = outcomes_.find(name);
                return outcome != outcomes_.end() ? outcome->second : drivers::ProgramOutcome{};
            },
            out_,
            err_,
            (work_.path() / "jobs").string(),
            nullptr,
            ""};
        return RunBatch(options, program_.path().string(), services);
    }
    std::string file(const char* name) const { return (data_.path() / name).string(); }

    TemporaryFolder program_;
    TemporaryFolder data_;
    TemporaryFolder work_;
    std::string k2dTail_;        // lines K2D's stand-in adds to its report
    bool slowPrograms_ = false;  // long enough for every job to take a file
    std::mutex mutex_;
    std::set<std::string> folders_;
    std::string comctl_;
    std::map<std::string, drivers::ProgramOutcome> outcomes_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(BatchRunTest, AllMethodsListsEveryResultFileBesideTheSpectrum) {
    EXPECT_EQ(run({file("LYSO.ASC")}), 0) << err_.str();
    std::vector<std::string> expected;
    for (const char* extension : {".FIT", ".SCM", ".SC3", ".K2D", ".CNT", ".OUT", ".LST", ".SUM"}) {
        expected.push_back(file("LYSO") + extension);
        EXPECT_TRUE(fs::exists(expected.back())) << extension;
    }
    EXPECT_EQ(Lines(out_.str()), expected);
    EXPECT_EQ(err_.str(), "");
}

TEST_F(BatchRunTest, EachMethodAndItsAnswers) {
    EXPECT_EQ(run({"--method", "lsq", file("LYSO.ASC")}), 0);
    EXPECT_EQ(Lines(out_.str()), std::vector<std::string>{file("LYSO.FIT")});
    EXPECT_EQ(testing_support::ReadBytes(file("LYSO.FIT"))
                  .rfind(" TAVRELION results\r\n File: " + file("LYSO.ASC") + "\r\n", 0),
              0u);

    out_.str("");
    EXPECT_EQ(run({"--method", "varselec", "--varselec-proteins", "1-30", "--varselec-remove", "1",
                   file("LYSO.ASC")}),
              0);
    EXPECT_EQ(Lines(out_.str()), (std::vector<std::string>{file("LYSO.OUT"), file("LYSO.LST")}));
    EXPECT_NE(comctl_.find("   30   29      1     30"), std::string::npos);

    out_.str("");
    EXPECT_EQ(run({"--method", "helix", "--residues", "129", file("LYSO.ASC")}), 0);
    EXPECT_EQ(out_.str(), "");
    EXPECT_NE(err_.str().find(file("LYSO.ASC") + ": Alpha helix content in LYSO.ASC "),
              std::string::npos);
}

TEST_F(BatchRunTest, AnInputCheckInAReportIsRepeatedOnStandardError) {
    k2dTail_ = "\r\n Input check: the spectrum is zero or flat; the estimate means nothing.\r\n";
    EXPECT_EQ(run({"--method", "k2d", file("LYSO.ASC")}), 0);
    EXPECT_EQ(err_.str(), file("LYSO.ASC") +
                              ": Input check: the spectrum is zero or flat; the estimate means "
                              "nothing.\n");
}

TEST_F(BatchRunTest, CorrectionsRunBeforeTheMethodsAndTheReportsStateThem) {
    fs::copy_file(SourceFolder / "samples" / "LYSO.TVR", data_.path() / "LYSO.TVR");
    ASSERT_EQ(run({"--baseline", "230-240", "--multiply", "1.05", "--subtract", file("LYSO.TVR"),
                   "--smooth", "5", file("LYSO.ASC")}),
              0)
        << err_.str();
    const std::string chain =
        "Corrections: baseline -3872.7 (230-240 nm); x 1.05; minus "
        "1)LYSO.TVR; smoothed 5 nm\r\n";
    const std::string fit = testing_support::ReadBytes(file("LYSO.FIT"));
    EXPECT_EQ(fit.substr(0, chain.size()), chain);
    EXPECT_NE(fit.find("\r\nCorrection of data for baseline -3872.7 \r\n"
                       "Your spectrum data are multiplied by  1.05 \r\n"),
              std::string::npos);
    const std::string summary = testing_support::ReadBytes(file("LYSO.SUM"));
    EXPECT_EQ(
        summary.substr(0, chain.size() + 74),
        chain + "                          HELIX  BETA  TURN   PP2    OTHERS  F-Sum CDRMS\r\n");
    EXPECT_EQ(testing_support::ReadBytes(file("LYSO.K2D")).substr(0, chain.size()), chain);

    EXPECT_EQ(run({"--multiply", "0", file("LYSO.ASC")}), 1);
    EXPECT_NE(err_.str().find("--multiply: The factor must be a number other than 0."),
              std::string::npos);
}

TEST_F(BatchRunTest, FailuresAreToldPerFileAndSetTheExitStatus) {
    // Delta epsilon needs neither the cell width nor the concentration.
    EXPECT_EQ(run({"--method", "k2d", file("HSA_DE.ASC")}), 0) << err_.str();
    out_.str("");

    // Myoglobin in Delta A needs the cell and the concentration; cytochrome c loads.
    EXPECT_EQ(run({"--method", "k2d", file("MYOG_DA.ASC"), file("CYTC.JCD")}), 1);
    const std::string messages = err_.str();
    EXPECT_NE(messages.find("[1/2] " + file("MYOG_DA.ASC")), std::string::npos);
    EXPECT_NE(messages.find(file("MYOG_DA.ASC") + ": the values of this file must be converted"),
              std::string::npos);
    EXPECT_NE(messages.find("[2/2] " + file("CYTC.JCD")), std::string::npos);
    EXPECT_EQ(Lines(out_.str()), std::vector<std::string>{file("CYTC.K2D")});

    err_.str("");
    out_.str("");
    EXPECT_EQ(run({"--method", "k2d", "--cell-width", "1", "--concentration", "0.0005",
                   file("MYOG_DA.ASC")}),
              0)
        << err_.str();

    // A missing program: its message, the files written before it, exit status 1.
    fs::remove(program_.path() / "CONTIN.EXE");
    err_.str("");
    out_.str("");
    EXPECT_EQ(run({file("LYSO.ASC")}), 1);
    EXPECT_NE(err_.str().find("CONTIN program (CONTIN.EXE) is absent in the "), std::string::npos);
    EXPECT_NE(err_.str().find(": the analysis did not complete"), std::string::npos);
    EXPECT_EQ(Lines(out_.str()), (std::vector<std::string>{file("LYSO.FIT"), file("LYSO.SCM"),
                                                           file("LYSO.SC3"), file("LYSO.K2D")}));
    EXPECT_EQ(run({file("NOSUCH.ASC")}), 1);
}

TEST_F(BatchRunTest, LineBreaksInANameAreEscapedInEveryPrintedPath) {
    fs::copy_file(file("LYSO.ASC"), file("LY\nSO.ASC"));
    EXPECT_EQ(run({"--method", "k2d", file("LY\nSO.ASC"), file("LYSO.ASC")}), 0);
    EXPECT_EQ(Lines(out_.str()),
              (std::vector<std::string>{file("LY") + "\\nSO.K2D", file("LYSO.K2D")}));
    EXPECT_NE(err_.str().find("[1/2] " + file("LY") + "\\nSO.ASC\n"), std::string::npos);

    // Each line of a message carries the file's name.
    std::ofstream(file("CUT.TVR"), std::ios::binary) << "title\r\n3,unit\r\n";
    err_.str("");
    EXPECT_EQ(run({"--method", "k2d", file("CUT.TVR")}), 1);
    EXPECT_NE(err_.str().find(file("CUT.TVR") + ": Error  62 in format\n" + file("CUT.TVR") +
                              ": CUT.TVR, line 3\n"),
              std::string::npos);
}

TEST_F(BatchRunTest, ConvertToWritesTheGridInMeanResidueEllipticity) {
    // The JASCO file is in mdeg and states no concentration; the plain file states no unit.
    EXPECT_EQ(run({"--convert-to", "tvr", file("RIBA_JASCO.txt")}), 1);
    EXPECT_NE(err_.str().find("RIBA_JASCO.txt: the values of this file must be converted to mean "
                              "residue ellipticity: Please give the path length (cm)."),
              std::string::npos)
        << err_.str();

    out_.str("");
    err_.str("");
    // 0.0005 M of residues is 0.055 mg/mL at an MRW of 110 Da.
    EXPECT_EQ(run({"--convert-to", "tvr", "--cell-width", "0.1", "--mg-per-ml", "0.055", "--mrw",
                   "110", file("RIBA_JASCO.txt")}),
              0)
        << err_.str();
    EXPECT_EQ(Lines(out_.str()), std::vector<std::string>{file("RIBA_JASCO.TVR")});
    EXPECT_NE(err_.str().find("HT above 600 V at the short wavelengths: 2 point(s) left out, the "
                              "spectrum starts at 177 nm."),
              std::string::npos);
    EXPECT_NE(testing_support::ReadBytes(file("RIBA_JASCO.TVR")).find("\r\n222,-8405."),
              std::string::npos);

    out_.str("");
    EXPECT_EQ(run({"--convert-to", "csv", "--unit", "mre", "--ht-max", "0", file("PK_PLAIN.txt")}),
              0);
    EXPECT_EQ(Lines(out_.str()), std::vector<std::string>{file("PK_PLAIN.csv")});
    out_.str("");
    EXPECT_EQ(run({"--convert-to", "csv", file("PK_PLAIN.csv")}), 0);  // not over itself
    EXPECT_EQ(Lines(out_.str()), std::vector<std::string>{file("PK_PLAIN_MRE.csv")});
    EXPECT_TRUE(
        testing_support::ReadBytes(file("PK_PLAIN.csv"))
            .starts_with("wavelength (nm),Mean residue ellipticity (deg.cm2/dmol)\r\n175,"));
}

TEST_F(BatchRunTest, ParallelJobsTellTheFilesInTheirOrderEachJobInAFolderOfItsOwn) {
    for (const char* name : {"A.ASC", "B.ASC", "C.ASC", "D.ASC"})
        fs::copy_file(data_.path() / "LYSO.ASC", data_.path() / name);
    slowPrograms_ = true;
    EXPECT_EQ(run({"--jobs", "2", "--method", "k2d", file("A.ASC"), file("NOSUCH.ASC"),
                   file("B.ASC"), file("C.ASC"), file("D.ASC")}),
              1);
    EXPECT_EQ(Lines(out_.str()), (std::vector<std::string>{file("A.K2D"), file("B.K2D"),
                                                           file("C.K2D"), file("D.K2D")}));
    const std::vector<std::string> progress = Lines(err_.str());
    ASSERT_GE(progress.size(), 6u);
    EXPECT_EQ(progress[0], "[1/5] " + file("A.ASC"));
    EXPECT_EQ(progress[1], "[2/5] " + file("NOSUCH.ASC"));
    EXPECT_EQ(progress.back(), "[5/5] " + file("D.ASC"));
    EXPECT_EQ(folders_.size(), 2u);
    EXPECT_TRUE(fs::is_empty(work_.path() / "jobs"));
}

}  // namespace
}  // namespace tavrelion::batch
