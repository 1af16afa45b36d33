#include "mainwindow/MainWindow.h"

#include "platform/ProgramName.h"

namespace tavrelion::mainwindow {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmeditor");
    setWindowTitle(QString::fromLatin1(platform::ProgramName));
    resize(900, 600);
}

}  // namespace tavrelion::mainwindow
