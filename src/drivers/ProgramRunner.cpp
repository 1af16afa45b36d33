#include "drivers/ProgramRunner.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <memory>

#ifdef __linux__
#include <sys/prctl.h>

#include <csignal>
#endif

namespace tavrelion::drivers {
namespace {

constexpr int ProgressDelayMs = 1000;
constexpr int GraceBeforeKillMs = 2000;
constexpr qsizetype KeptErrorBytes = 16 * 1024;

// Asks the program to end, and ends it for good if it does not within a grace time.
void Stop(QProcess& process) {
    process.terminate();
    QTimer::singleShot(GraceBeforeKillMs, &process, [&process] { process.kill(); });
}

}  // namespace

ProgramOutcome RunAndWait(const std::string& programPath, const std::vector<std::string>& arguments,
                          const std::string& workingDirectory, const RunLimits& limits) {
    QStringList argumentList;
    for (const auto& argument : arguments) {
        argumentList.append(QString::fromStdString(argument));
    }
    const QString name = QFileInfo(QString::fromStdString(programPath)).fileName();
    QProcess process;
    process.setProgram(QString::fromStdString(programPath));
    process.setArguments(argumentList);
    if (!workingDirectory.empty()) {
        process.setWorkingDirectory(QString::fromStdString(workingDirectory));
    }
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
#ifdef __linux__
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif

    ProgramOutcome outcome;
    outcome.timeoutSeconds = limits.timeoutSeconds;
    QByteArray errors;
    QObject::connect(&process, &QProcess::readyReadStandardError, [&] {
        errors += process.readAllStandardError();
        if (errors.size() > KeptErrorBytes) {
            errors = errors.right(KeptErrorBytes);
        }
    });

    QEventLoop wait;
    QObject::connect(&process, &QProcess::stateChanged, &wait,
                     [&wait](QProcess::ProcessState state) {
                         if (state == QProcess::NotRunning) {
                             wait.quit();
                         }
                     });
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &process, [&] {
        outcome.end = ProgramOutcome::End::TimedOut;
        Stop(process);
    });
    std::unique_ptr<RunningNotice> notice;
    QTimer progressDelay;
    progressDelay.setSingleShot(true);
    if (limits.showRunning) {
        QObject::connect(&progressDelay, &QTimer::timeout, &process, [&] {
            notice = limits.showRunning(name.toStdString(), [&] {
                outcome.end = ProgramOutcome::End::Cancelled;
                Stop(process);
            });
        });
    }

    process.start();
    if (process.waitForStarted(-1)) {
        if (limits.running) {
            limits.running(process.processId());
        }
        if (limits.timeoutSeconds > 0) {
            timeout.start(limits.timeoutSeconds * 1000);
        }
        progressDelay.start(ProgressDelayMs);
    }
    // The loop sleeps until the process or the user has something to say. Leaving the
    // application's loops (the user closing the program) does not abandon the program half way.
    while (process.state() != QProcess::NotRunning) {
        wait.exec();
    }
    if (limits.running) {
        limits.running(0);
    }
    errors += process.readAllStandardError();
    outcome.errors = QString::fromLocal8Bit(errors.right(KeptErrorBytes)).toStdString();
    if (process.error() == QProcess::FailedToStart) {
        outcome.end = ProgramOutcome::End::NotStarted;
        outcome.startError = process.errorString().toStdString();
    } else if (outcome.end == ProgramOutcome::End::Exited) {
        if (process.exitStatus() == QProcess::CrashExit) {
            outcome.end = ProgramOutcome::End::Crashed;
        } else {
            outcome.exitCode = process.exitCode();
        }
    }
    return outcome;
}

}  // namespace tavrelion::drivers
