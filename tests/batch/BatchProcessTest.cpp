// tavrelion-batch as scripts run it: the real program, the real analysis programs, processes side
// by side on one program folder, failing programs and signals.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "fakes/TemporaryFolder.h"

namespace tavrelion::batch {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::TemporaryFolder;

const fs::path ProgramFolder = TAVRELION_PROGRAM_DIR;
const fs::path Samples = fs::path(TAVRELION_SOURCE_DIR) / "samples";
const char* const ResultExtensions[] = {"FIT", "SCM", "SC3", "K2D", "CNT", "OUT", "LST", "SUM"};

struct BatchCall {
    int status = -1;  // the exit status, or 128 + the signal that ended it
    std::string out;
    std::string err;
};

std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

// The shell line that runs the batch with its output into files beside log.
std::string BatchLine(const fs::path& programFolder, const std::string& arguments,
                      const fs::path& log) {
    return Quoted(ProgramFolder / "tavrelion-batch") + " --program-dir " + Quoted(programFolder) +
           " " + arguments + " > " + Quoted(log.string() + ".out") + " 2> " +
           Quoted(log.string() + ".err");
}

BatchCall Finished(int status, const fs::path& log) {
    BatchCall call;
    call.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    call.out = ReadBytes(log.string() + ".out");
    call.err = ReadBytes(log.string() + ".err");
    return call;
}

BatchCall RunBatch(const fs::path& programFolder, const std::string& arguments,
                   const fs::path& log) {
    return Finished(std::system(BatchLine(programFolder, arguments, log).c_str()), log);
}

// A copy of the program folder in which a test may damage or replace files.
fs::path CopyOfProgramFolder(const TemporaryFolder& folder) {
    const fs::path copy = folder.path() / "program";
    fs::copy(ProgramFolder, copy, fs::copy_options::recursive);
    return copy;
}

// A stand-in analysis program: a shell script in the program folder.
void ReplaceProgram(const fs::path& programFolder, const std::string& name,
                    const std::string& script) {
    const fs::path file = programFolder / name;
    fs::remove(file);
    std::ofstream(file, std::ios::binary) << "#!/bin/sh\n" << script;
    fs::permissions(file, fs::perms::owner_all, fs::perm_options::add);
}

std::string Results(const fs::path& folder, const std::string& base) {
    std::string all;
    for (const char* extension : ResultExtensions) {
        all += std::string(extension) + ":" + ReadBytes(folder / (base + "." + extension)) + "\n";
    }
    return all;
}

void RemoveResults(const fs::path& folder, const std::string& base) {
    for (const char* extension : ResultExtensions) {
        fs::remove(folder / (base + "." + extension));
    }
}

TEST(BatchProcesses, TwoBatchesOnOneProgramFolderGiveTheResultsOfSoloRuns) {
    TemporaryFolder data;
    fs::copy_file(Samples / "LYSO.ASC", data.path() / "LYSO.ASC");
    fs::copy_file(Samples / "CYTC.JCD", data.path() / "CYTC.JCD");
    const fs::path log = data.path() / "log";
    ASSERT_EQ(RunBatch(ProgramFolder, Quoted(data.path() / "LYSO.ASC"), log).status, 0);
    ASSERT_EQ(RunBatch(ProgramFolder, Quoted(data.path() / "CYTC.JCD"), log).status, 0);
    const std::string soloLyso = Results(data.path(), "LYSO");
    const std::string soloCytc = Results(data.path(), "CYTC");
    ASSERT_NE(soloLyso.find("Self Selcon3"), std::string::npos);

    int mismatches = 0;
    for (int round = 0; round < 20; ++round) {
        RemoveResults(data.path(), "LYSO");
        RemoveResults(data.path(), "CYTC");
        const std::string both =
            "(" + BatchLine(ProgramFolder, Quoted(data.path() / "LYSO.ASC"), data.path() / "a") +
            " & " + BatchLine(ProgramFolder, Quoted(data.path() / "CYTC.JCD"), data.path() / "b") +
            " & wait)";
        ASSERT_EQ(std::system(both.c_str()), 0);
        mismatches += Results(data.path(), "LYSO") != soloLyso;
        mismatches += Results(data.path(), "CYTC") != soloCytc;
    }
    EXPECT_EQ(mismatches, 0);
}

// A damaged data file in the program folder fails the program that reads it, with its reason.
struct DamagedData {
    const char* file;
    const char* method;
    const char* says;
};

class BatchWithDamagedData : public ::testing::TestWithParam<DamagedData> {};

TEST_P(BatchWithDamagedData, FailsTheFileWithTheProgramsReasonAndNoResult) {
    TemporaryFolder folder;
    const fs::path program = CopyOfProgramFolder(folder);
    const std::string bytes = ReadBytes(program / GetParam().file);
    std::ofstream(program / GetParam().file, std::ios::binary | std::ios::trunc)
        << bytes.substr(0, bytes.size() / 3);
    fs::copy_file(Samples / "LYSO.ASC", folder.path() / "LYSO.ASC");

    const BatchCall call = RunBatch(
        program,
        std::string("--method ") + GetParam().method + " " + Quoted(folder.path() / "LYSO.ASC"),
        folder.path() / "log");
    EXPECT_EQ(call.status, 1);
    EXPECT_NE(call.err.find((folder.path() / "LYSO.ASC").string() + ": " + GetParam().says),
              std::string::npos)
        << call.err;
    // Only results of methods that succeeded before the failure are listed (All methods' .FIT).
    const std::string listed = std::string(GetParam().method) == "all"
                                   ? (folder.path() / "LYSO.FIT").string() + "\n"
                                   : std::string();
    EXPECT_EQ(call.out, listed);
    EXPECT_FALSE(fs::exists(folder.path() / "LYSO.SUM"));
}

INSTANTIATE_TEST_SUITE_P(
    EachProgram, BatchWithDamagedData,
    ::testing::Values(DamagedData{"SP175.REF", "all", "selcon2.exe ended with exit status 2"},
                      DamagedData{"SP175.REF", "selcon3", "selcon3_mod.exe ended with exit status"},
                      DamagedData{"SP175.REF", "contin", "CONTIN.EXE ended with exit status 1"},
                      DamagedData{"weights.dat", "k2d", "K2D.EXE ended with exit status 1"}),
    [](const auto& testCase) { return std::string(testCase.param.method); });

TEST(BatchProcesses, AHungProgramIsStoppedAfterTheTimeout) {
    TemporaryFolder folder;
    const fs::path program = CopyOfProgramFolder(folder);
    ReplaceProgram(program, "K2D.EXE", "echo thinking >&2\nsleep 60\n");
    fs::copy_file(Samples / "LYSO.ASC", folder.path() / "LYSO.ASC");
    const auto started = std::chrono::steady_clock::now();
    const BatchCall call =
        RunBatch(program, "--method k2d --timeout 1 " + Quoted(folder.path() / "LYSO.ASC"),
                 folder.path() / "log");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
    EXPECT_EQ(call.status, 1);
    EXPECT_NE(call.err.find("K2D.EXE did not end within 1 s and was stopped: thinking"),
              std::string::npos)
        << call.err;
    EXPECT_FALSE(fs::exists(folder.path() / "LYSO.K2D"));
}

TEST(BatchProcesses, AKilledBatchEndsItsProgramAndLeavesTheEarlierResult) {
    TemporaryFolder folder;
    const fs::path program = CopyOfProgramFolder(folder);
    const fs::path pidFile = folder.path() / "contin.pid";
    ReplaceProgram(program, "CONTIN.EXE",
                   "echo $$ > " + Quoted(pidFile) + "\necho partial > CONTIN.CNT\nsleep 60\n");
    fs::copy_file(Samples / "LYSO.ASC", folder.path() / "LYSO.ASC");
    const auto summary = folder.write("LYSO.SUM", "a complete earlier summary\r\n");
    const fs::path log = folder.path() / "log";
    const std::string line = BatchLine(program, Quoted(folder.path() / "LYSO.ASC"), log) +
                             " & echo $! > " + Quoted(folder.path() / "batch.pid") + "; wait $!";
    std::thread killer([&] {
        for (int i = 0; i < 200 && !fs::exists(pidFile); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ::kill(std::stoi(ReadBytes(folder.path() / "batch.pid")), SIGTERM);
    });
    const BatchCall call = Finished(std::system(line.c_str()), log);
    killer.join();

    EXPECT_EQ(call.status, 128 + SIGTERM) << call.err;
    EXPECT_EQ(ReadBytes(summary), "a complete earlier summary\r\n");
    EXPECT_FALSE(fs::exists(folder.path() / "LYSO.CNT"));
    const int contin = std::stoi(ReadBytes(pidFile));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_NE(::kill(contin, 0), 0) << "CONTIN.EXE still runs";
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        EXPECT_EQ(entry.path().filename().string().find(".part"), std::string::npos);
    }
}

TEST(BatchProcesses, FilesWithTheSameResultNamesAreRefusedBeforeAnythingRuns) {
    TemporaryFolder folder;
    fs::copy_file(Samples / "LYSO.ASC", folder.path() / "LYSO.ASC");
    fs::copy_file(Samples / "LYSO.TVR", folder.path() / "LYSO.TVR");
    const BatchCall call =
        RunBatch(ProgramFolder,
                 Quoted(folder.path() / "LYSO.ASC") + " " + Quoted(folder.path() / "LYSO.TVR"),
                 folder.path() / "log");
    EXPECT_EQ(call.status, 2);
    EXPECT_NE(call.err.find("LYSO.ASC and " + (folder.path() / "LYSO.TVR").string() +
                            " both give the result files"),
              std::string::npos)
        << call.err;
    EXPECT_FALSE(fs::exists(folder.path() / "LYSO.FIT"));
}

}  // namespace
}  // namespace tavrelion::batch
