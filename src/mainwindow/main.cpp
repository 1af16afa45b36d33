#include <QApplication>

#include "mainwindow/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tavrelion::mainwindow::MainWindow window;
    window.show();
    return QApplication::exec();
}
