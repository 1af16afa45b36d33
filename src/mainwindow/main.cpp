#include <QApplication>

#include "mainwindow/AboutBox.h"
#include "mainwindow/DesktopDialogs.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/WorkFolder.h"
#include "platform/QtDialogPresenter.h"
#include "platform/QtFileDialogService.h"
#include "platform/QtFindDialogPresenter.h"
#include "platform/QtMessageService.h"
#include "platform/QtPrintService.h"
#include "results/ResultWindows.h"

int main(int argc, char* argv[]) {
    using namespace tavrelion;
    QApplication application(argc, argv);
    QApplication::setApplicationName("tavrelion");
    QApplication::setQuitOnLastWindowClosed(true);

    mainwindow::ProgramState state;
    platform::QtMessageService messages;
    mainwindow::RemoveAbandonedWorkFolders(mainwindow::PrivateWorkRoot());
    const auto workFolder =
        mainwindow::WorkFolder::Take(mainwindow::SharedWorkFolder(), mainwindow::PrivateWorkRoot());
    if (workFolder == nullptr) {
        messages.showMessage(
            "No work folder can be made in " + mainwindow::PrivateWorkRoot().toStdString(),
            platform::MessageIcon::Critical);
        return 1;
    }
    state.store->WorkDir = workFolder->path().toLocal8Bit().toStdString();
    platform::QtFileDialogService fileDialogs;
    platform::QtDialogPresenter dialogs;
    mainwindow::QtDesktopDialogs desktop(nullptr, fileDialogs);
    platform::QtPrintService printer(fileDialogs);
    platform::QtFindDialogPresenter findDialog;
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
        window.startUp(QCoreApplication::applicationDirPath());
    });
    about.show();
    return QApplication::exec();
}
