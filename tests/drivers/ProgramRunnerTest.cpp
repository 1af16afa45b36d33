#include "drivers/ProgramRunner.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "fakes/FakeServices.h"
#include "fakes/TemporaryFolder.h"
#include "store/BasicError.h"

namespace tavrelion::drivers {
namespace {

using platform::MessageIcon;
using testing_support::FakeMessages;
using testing_support::ReadBytes;
using testing_support::TemporaryFolder;

// A stand-in for an analysis program: a shell script the runner starts by its path.
std::string FakeEngine(const TemporaryFolder& folder, const std::string& name,
                       const std::string& script) {
    const auto path = folder.write(name, "#!/bin/sh\n" + script);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add);
    return path.string();
}

int ErrorNumberOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const store::BasicError& error) {
        return error.number();
    }
    return 0;
}

TEST(ProgramRunnerPresence, LooksForTheExactFileInTheProgramFolder) {
    TemporaryFolder programDir;
    const std::string dir = programDir.path().string();
    programDir.write("K2D.EXE", "engine");
    std::filesystem::create_directory(programDir.path() / "CONTIN.EXE");
    FakeMessages messages;

    EXPECT_TRUE(CheckProgramPresent(dir, "K2D.EXE", K2dAbsentText, messages));
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_FALSE(CheckProgramPresent(dir, "weights.dat", K2dWeightsAbsentText, messages));
    // A folder of the program's name is not the program.
    EXPECT_FALSE(CheckProgramPresent(dir, "CONTIN.EXE", ContinAbsentText, messages));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text,
              "Neural Network file (weights.dat) is absent in the " + dir + " directory");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages.shown[1].text,
              "CONTIN program (CONTIN.EXE) is absent in the " + dir + " directory");
}

TEST(ProgramRunnerPresence, NamesEachMissingProgramAndTheFolderToPutItIn) {
    TemporaryFolder programDir;
    const std::string dir = programDir.path().string();
    const struct {
        const char* fileName;
        const char* absentText;
        std::string message;
    } programs[] = {
        {"varslc1.exe", VarselecAbsentText,
         "Varselec program (varslc1.exe) is absent in the " + dir + " directory"},
        {"selcon2.exe", Selcon2AbsentText,
         "Self consistent program (selcon2.exe) is absent in the " + dir + " directory"},
        {"selcon3_mod.exe", Selcon3AbsentText,
         "Self consistent program (selcon3_mod.exe) is absent in the " + dir + " directory"},
        {"K2D.EXE", K2dAbsentText,
         "Neural Network program (K2D.exe) is absent in the " + dir + " directory"},
        {"weights.dat", K2dWeightsAbsentText,
         "Neural Network file (weights.dat) is absent in the " + dir + " directory"},
        {"CONTIN.EXE", ContinAbsentText,
         "CONTIN program (CONTIN.EXE) is absent in the " + dir + " directory"},
    };
    for (const auto& program : programs) {
        FakeMessages messages;
        EXPECT_FALSE(CheckProgramPresent(dir, program.fileName, program.absentText, messages));
        ASSERT_EQ(messages.shown.size(), 1u) << program.fileName;
        EXPECT_EQ(messages.shown[0].text, program.message);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    }
}

TEST(ProgramRunnerWait, ReturnsOnceTheProgramHasWrittenItsOutputAndTheWindowStaysLive) {
    TemporaryFolder programDir;
    const auto engine = FakeEngine(programDir, "selcon2.exe", "sleep 0.5\necho done > output\n");
    const auto output = programDir.path() / "output";

    bool timerFired = false;
    bool outputWasThereWhenTimerFired = true;
    QTimer::singleShot(50, [&] {
        timerFired = true;
        outputWasThereWhenTimerFired = std::filesystem::exists(output);
    });
    const std::clock_t cpuBefore = std::clock();
    RunAndWait(engine, {"CON"}, programDir.path().string());
    const double cpuSeconds = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;

    EXPECT_EQ(ReadBytes(output), "done\n");
    EXPECT_TRUE(timerFired);
    EXPECT_FALSE(outputWasThereWhenTimerFired);
    // Waiting half a second must not keep a core busy for that time.
    EXPECT_LT(cpuSeconds, 0.25);
}

TEST(ProgramRunnerWait, HandsTheArgumentsOverAsTheyAreInTheGivenFolder) {
    TemporaryFolder programDir;
    const auto engine = FakeEngine(programDir, "varslc1.exe",
                                   "for argument in \"$@\"; do echo \"$argument\"; done > args\n");
    std::filesystem::create_directory(programDir.path() / "work");

    RunAndWait(engine, {"CON", "two words", "$HOME;touch shell"},
               (programDir.path() / "work").string());
    EXPECT_EQ(ReadBytes(programDir.path() / "work" / "args"),
              "CON\ntwo words\n$HOME;touch shell\n");
    EXPECT_FALSE(std::filesystem::exists(programDir.path() / "work" / "shell"));

    // Without a folder the program runs in the current one, as the Varselec driver needs.
    TemporaryFolder current;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(current.path());
    RunAndWait(engine, {"CON"}, "");
    std::filesystem::current_path(previous);
    EXPECT_EQ(ReadBytes(current.path() / "args"), "CON\n");
}

TEST(ProgramRunnerWait, GivesTheProgramNoConsoleInputToWaitFor) {
    TemporaryFolder programDir;
    const auto engine = FakeEngine(programDir, "K2D.EXE",
                                   "if timeout 5 cat > typed; then echo ended > input; fi\n");
    RunAndWait(engine, {}, programDir.path().string());
    EXPECT_EQ(ReadBytes(programDir.path() / "input"), "ended\n");
    EXPECT_EQ(ReadBytes(programDir.path() / "typed"), "");
}

TEST(ProgramRunnerFailure, AProgramThatWritesNothingShowsAsAMissingOutputFile) {
    TemporaryFolder programDir;
    const auto engine = FakeEngine(programDir, "CONTIN.EXE", "exit 3\n");
    const auto result = programDir.write("LYSO.CNT", "earlier result");

    RunAndWait(engine, {}, programDir.path().string());
    EXPECT_EQ(ErrorNumberOf([&] {
                  CopyProgramOutput((programDir.path() / "CONTIN.CNT").string(), result.string());
              }),
              store::FileNotFound);
    EXPECT_EQ(ReadBytes(result), "earlier result");
}

TEST(ProgramRunnerFailure, AProgramThatCannotStartEndsTheWaitAtOnce) {
    TemporaryFolder programDir;
    const auto notExecutable = programDir.write("selcon3_mod.exe", "#!/bin/sh\necho ran > ran\n");
    std::filesystem::permissions(notExecutable,
                                 std::filesystem::perms::owner_exec |
                                     std::filesystem::perms::group_exec |
                                     std::filesystem::perms::others_exec,
                                 std::filesystem::perm_options::remove);
    std::filesystem::create_directory(programDir.path() / "folder.exe");
    const std::string dir = programDir.path().string();

    RunAndWait((programDir.path() / "missing.exe").string(), {"CON"}, dir);
    RunAndWait(notExecutable.string(), {"CON"}, dir);
    RunAndWait((programDir.path() / "folder.exe").string(), {"CON"}, dir);
    RunAndWait((programDir.path() / "missing.exe").string(), {"CON"}, dir + "/no-such-folder");
    EXPECT_FALSE(std::filesystem::exists(programDir.path() / "ran"));
}

TEST(ProgramRunnerCopy, ReplacesTheResultWithTheOutputByteForByte) {
    TemporaryFolder programDir;
    TemporaryFolder spectra;
    const std::string bytes("helix 0.31\r\nsheet 0.22\r\n\0\x1a", 26);
    const auto output = programDir.write("TAUX.TXT", bytes);
    const auto result = spectra.write("LYSO.K2D", "a longer result of an earlier run\r\n");

    CopyProgramOutput(output.string(), result.string());
    EXPECT_EQ(ReadBytes(result), bytes);
    EXPECT_EQ(ReadBytes(output), bytes);

    // A result that cannot be written is not mistaken for the program's failure.
    EXPECT_EQ(ErrorNumberOf([&] {
                  CopyProgramOutput(output.string(),
                                    (spectra.path() / "gone" / "LYSO.K2D").string());
              }),
              store::PathFileAccessError);
}

}  // namespace
}  // namespace tavrelion::drivers
