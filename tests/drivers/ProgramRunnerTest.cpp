#include "drivers/ProgramRunner.h"
#include "drivers/RunningProgramWindow.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "drivers/ProgramFiles.h"
#include "fakes/FakeServices.h"
#include "fakes/TemporaryFolder.h"
#include "store/BasicError.h"
#include "store/FileReplacement.h"
#include "store/TextFile.h"

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

TEST(ProgramRunnerFailure, HowTheProgramEndedAndItsOwnReasonAreReturned) {
    TemporaryFolder programDir;
    const std::string dir = programDir.path().string();
    const struct {
        const char* what;
        std::string script;
        int timeoutSeconds;
        ProgramOutcome::End end;
        std::string reason;
    } cases[] = {
        {"success", "echo chatter >&2\nexit 0\n", 0, ProgramOutcome::End::Exited, ""},
        {"exit status", "echo 'SP175.REF: line 7 is not a number' >&2\nexit 1\n", 0,
         ProgramOutcome::End::Exited,
         "K2D.EXE ended with exit status 1: SP175.REF: line 7 is not a number"},
        {"killed", "kill -9 $$\n", 0, ProgramOutcome::End::Crashed,
         "K2D.EXE stopped abnormally (it crashed or was killed)"},
        {"hung", "echo working >&2\nsleep 30\n", 1, ProgramOutcome::End::TimedOut,
         "K2D.EXE did not end within 1 s and was stopped: working"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto engine = FakeEngine(programDir, "K2D.EXE", c.script);
        const auto started = std::chrono::steady_clock::now();
        RunLimits limits;
        limits.timeoutSeconds = c.timeoutSeconds;
        const ProgramOutcome outcome = RunAndWait(engine, {}, dir, limits);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
        EXPECT_EQ(outcome.end, c.end);
        EXPECT_EQ(FailureReason("K2D.EXE", outcome), c.reason);
    }
    const ProgramOutcome missing = RunAndWait(dir + "/missing.exe", {}, dir);
    EXPECT_EQ(missing.end, ProgramOutcome::End::NotStarted);
    EXPECT_EQ(FailureReason("missing.exe", missing).rfind("missing.exe could not be started: ", 0),
              0u);
}

TEST(ProgramRunnerFailure, CancelInTheProgressWindowEndsTheProgram) {
    TemporaryFolder programDir;
    const auto engine = FakeEngine(programDir, "CONTIN.EXE", "sleep 30\necho late > CONTIN.CNT\n");
    QWidget window;
    bool progressShown = false;
    // The window appears after a second, names the program and offers Cancel.
    QTimer::singleShot(1500, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* progress = qobject_cast<QProgressDialog*>(widget);
            if (progress != nullptr && progress->isVisible()) {
                progressShown = progress->labelText().contains("CONTIN.EXE");
                progress->findChild<QPushButton*>()->click();
            }
        }
    });
    const auto started = std::chrono::steady_clock::now();
    RunLimits limits;
    limits.showRunning = [&window](const std::string& name, std::function<void()> cancel) {
        return ShowRunningProgram(&window, name, std::move(cancel));
    };
    const ProgramOutcome outcome = RunAndWait(engine, {}, programDir.path().string(), limits);
    EXPECT_TRUE(progressShown);
    EXPECT_EQ(outcome.end, ProgramOutcome::End::Cancelled);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    EXPECT_FALSE(std::filesystem::exists(programDir.path() / "CONTIN.CNT"));
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

TEST(ProgramRunnerCopy, ReplacesTheResultWholeOrRefusesWithTheReason) {
    TemporaryFolder programDir;
    TemporaryFolder spectra;
    const std::string bytes("helix 0.31\r\nsheet 0.22\r\n\0\x1a", 26);
    const auto output = programDir.write("TAUX.TXT", bytes);
    const auto result = spectra.write("LYSO.K2D", "a longer result of an earlier run\r\n");

    CopyProgramOutput(output.string(), result.string());
    EXPECT_EQ(ReadBytes(result), bytes);
    EXPECT_EQ(ReadBytes(output), bytes);

    // A link in the result's place is not followed; a folder there is not replaced.
    const auto elsewhere = programDir.write("precious.txt", "keep me");
    std::filesystem::create_symlink(elsewhere, spectra.path() / "LINK.K2D");
    std::filesystem::create_directory(spectra.path() / "DIR.K2D");
    const struct {
        std::filesystem::path target;
        int number;
        std::string says;
    } refused[] = {
        {spectra.path() / "LINK.K2D", store::PathFileAccessError, "is a symbolic link"},
        {spectra.path() / "DIR.K2D", store::PathFileAccessError, "it is not a file"},
        {spectra.path() / "gone" / "LYSO.K2D", store::PathFileAccessError, "cannot be written"},
    };
    for (const auto& r : refused) {
        try {
            CopyProgramOutput(output.string(), r.target.string());
            ADD_FAILURE() << r.target << " was written";
        } catch (const store::ExplainedError& error) {
            EXPECT_EQ(error.number(), r.number);
            EXPECT_NE(error.reason().find(r.target.string() + " "), std::string::npos);
            EXPECT_NE(error.reason().find(r.says), std::string::npos) << error.reason();
        }
    }
    EXPECT_EQ(ReadBytes(elsewhere), "keep me");
    EXPECT_EQ(ErrorNumberOf([&] {
                  CopyProgramOutput((programDir.path() / "CONTIN.CNT").string(), result.string());
              }),
              store::FileNotFound);
    EXPECT_EQ(ReadBytes(result), bytes);
}

// A full disk, played by a limit on the size of the files this process writes.
TEST(ProgramRunnerCopy, AFullDiskLeavesTheEarlierResultAndNoPartFile) {
    TemporaryFolder spectra;
    const auto result = spectra.write("LYSO.SUM", "complete earlier summary\r\n");
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    std::string reason;
    try {
        store::ReplaceFile(result, std::string(4096, 'x'));
    } catch (const store::ExplainedError& error) {
        reason = error.reason();
    }
    int writerError = 0;
    try {
        store::TextFileWriter(spectra.path() / "FIT.VAL").writeText(std::string(1000, 'y'));
    } catch (const store::BasicError& error) {
        writerError = error.number();
    }
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_NE(reason.find("LYSO.SUM cannot be written: File too large"), std::string::npos)
        << reason;
    EXPECT_EQ(writerError, store::PathFileAccessError);
    EXPECT_EQ(ReadBytes(result), "complete earlier summary\r\n");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(spectra.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"FIT.VAL", "LYSO.SUM"}));
}

}  // namespace
}  // namespace tavrelion::drivers
