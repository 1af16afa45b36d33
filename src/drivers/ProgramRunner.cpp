#include "drivers/ProgramRunner.h"

#include <QEventLoop>
#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <system_error>

#include "store/BasicError.h"

namespace tavrelion::drivers {

bool CheckProgramPresent(const std::string& programDir, const std::string& fileName,
                         const std::string& absentText, platform::MessageService& messages) {
    std::error_code error;
    if (std::filesystem::is_regular_file(std::filesystem::path(programDir) / fileName, error)) {
        return true;
    }
    messages.showMessage(absentText + programDir + " directory",
                         platform::MessageIcon::Information);
    return false;
}

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

void CopyProgramOutput(const std::string& outputPath, const std::string& resultPath) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(outputPath, error)) {
        throw store::BasicError(store::FileNotFound);
    }
    std::filesystem::copy_file(outputPath, resultPath,
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error) {
        throw store::BasicError(store::PathFileAccessError);
    }
}

}  // namespace tavrelion::drivers
