#include "drivers/ProgramRunner.h"

#include <QEventLoop>
#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <system_error>

namespace tavrelion::drivers {

void RunAndWait(const std::string& programPath, const std::vector<std::string>& arguments,
                const std::string& workingDirectory) {
    QStringList argumentList;
    for (const auto& argument : arguments) {
        argumentList.append(QString::fromStdString(argument));
    }
    QProcess process;
    process.setProgram(QString::fromStdString(programPath));
    process.setArguments(argumentList);
    if (!workingDirectory.empty()) {
        process.setWorkingDirectory(QString::fromStdString(workingDirectory));
    }
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());

    QEventLoop wait;
    QObject::connect(&process, &QProcess::stateChanged, &wait,
                     [&wait](QProcess::ProcessState state) {
                         if (state == QProcess::NotRunning) {
                             wait.quit();
                         }
                     });
    process.start();
    // The loop sleeps until the process or the user has something to say. Leaving the
    // application's loops (the user closing the program) does not abandon the program half way.
    while (process.state() != QProcess::NotRunning) {
        wait.exec();
    }
}

}  // namespace tavrelion::drivers
