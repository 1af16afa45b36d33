#pragma once

#include <QDialog>

namespace tavrelion::platform {
class MessageService;
}

namespace tavrelion::mainwindow {

// MBAbout: the program's name and version, the first window of a run. Its version button shows
// the credits.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    AboutBox(platform::MessageService& messages, QWidget* parent = nullptr);

    // "TAVRELION 2000 release 1.0.4", from the program's version number.
    static QString VersionLine();
    // The credits of the version button, one line each, ended by CR LF.
    static QString CreditsText();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    platform::MessageService& messages_;
};

}  // namespace tavrelion::mainwindow
