// tavrelion-batch: the analysis methods of TAVRELION 2000 without windows, for scripts and
// many files at once.
#include <QCoreApplication>
#include <iostream>
#include <stdexcept>

#include "ProgramVersion.h"
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "drivers/ProgramRunner.h"
#include "mainwindow/ProgramFolder.h"

int main(int argc, char* argv[]) {
    using namespace tavrelion;
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName("tavrelion");
    std::vector<std::string> arguments(argv + 1, argv + argc);
    batch::BatchOptions options;
    try {
        options = batch::ParseBatchOptions(arguments);
    } catch (const std::invalid_argument& mistake) {
        std::cerr << "tavrelion-batch: " << mistake.what() << "\n(see tavrelion-batch --help)\n";
        return 2;
    }
    if (options.help) {
        std::cout << batch::BatchHelpText();
        return 0;
    }
    if (options.version) {
        std::cout << "tavrelion-batch " << VersionText << "\n";
        return 0;
    }
    const std::string programDir = options.programDir.empty()
                                       ? mainwindow::ProgramFolder().toLocal8Bit().toStdString()
                                       : options.programDir;
    return batch::RunBatch(options, programDir, {drivers::RunAndWait, std::cout, std::cerr});
}
