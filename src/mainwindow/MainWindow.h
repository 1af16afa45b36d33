#pragma once

#include <QMainWindow>

namespace tavrelion::mainwindow {

// frmeditor, the program's central window.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace tavrelion::mainwindow
