#include <QApplication>
#include <cstdio>
#include <cstring>

#include "ProgramVersion.h"
#include "drivers/WorkFolder.h"
#include "mainwindow/AboutBox.h"
#include "mainwindow/DesktopDialogs.h"
#include "mainwindow/MainWindow.h"
#include "platform/QtFileDialogService.h"
#include "platform/QtMessageService.h"
#include "platform/QtPrintService.h"
#include "results/QtFindDialogPresenter.h"
#include "results/ResultWindows.h"
#include "spectrumio/QtDialogPresenter.h"
#include "store/InstalledFolders.h"

int main(int argc, char* argv[]) {
    using namespace tavrelion;
    // Answered before any window exists, so that it works without a display.
    for (int index = 1; index < argc; ++index) {
        if (std::strcmp(argv[index], "--version") == 0) {
            std::printf("tavrelion %s\n", VersionText);
            return 0;
        }
        if (std::strcmp(argv[index], "--help") == 0) {
            std::printf(
                "Usage: tavrelion\n\nTAVRELION 2000 %s: estimates protein secondary "
                "structure from circular-dichroism spectra.\nThe manual is in its Help "
                "menu; tavrelion-batch runs the analyses without windows.\n",
                VersionText);
            return 0;
        }
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("tavrelion");
    QApplication::setQuitOnLastWindowClosed(true);

    mainwindow::ProgramState state;
    platform::QtMessageService messages;
    drivers::RemoveAbandonedWorkFolders(drivers::PrivateWorkRoot());
    const auto workFolder =
        drivers::WorkFolder::Take(drivers::SharedWorkFolder(), drivers::PrivateWorkRoot());
    if (workFolder == nullptr) {
        messages.showMessage(
            "No work folder can be made in " + drivers::PrivateWorkRoot().toStdString(),
            platform::MessageIcon::Critical);
        return 1;
    }
    state.store->WorkDir = workFolder->path().toLocal8Bit().toStdString();
    platform::QtFileDialogService fileDialogs;
    spectrumio::QtDialogPresenter dialogs;
    mainwindow::QtDesktopDialogs desktop(nullptr, fileDialogs);
    platform::QtPrintService printer(fileDialogs);
    results::QtFindDialogPresenter findDialog;
    results::ResultWindows resultWindows(
        {*state.store, state.search, messages, fileDialogs, printer, findDialog});
    mainwindow::MainWindow window(state, {messages, fileDialogs, dialogs, desktop, resultWindows});

    // The About box comes first; its Ok opens the main window, closing it ends the run.
    mainwindow::AboutBox about(messages);
    QObject::connect(&about, &QDialog::finished, [&](int result) {
        if (result != QDialog::Accepted) {
            QApplication::quit();
            return;
        }
        window.show();
        const store::InstalledFolders folders = store::FindInstalledFolders(
            QCoreApplication::applicationDirPath().toLocal8Bit().toStdString());
        state.store->EngineDir = folders.engines;
        window.startUp(QString::fromLocal8Bit(folders.program.c_str()));
    });
    about.show();
    return QApplication::exec();
}
