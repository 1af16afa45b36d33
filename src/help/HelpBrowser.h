#pragma once

#include <QMainWindow>
#include <QUrl>
#include <string>

#include "help/HelpBrowserModel.h"

class QComboBox;
class QTimer;
class QToolBar;

namespace tavrelion::platform {
class FileDialogService;
}

namespace tavrelion::help {

class HelpView;

// frmBrowser: a small browser window on the program's manual, with a toolbar (Back, Forward,
// Stop, Refresh, Home, Search), an address box with the list of the addresses it was given, a
// busy indicator in the caption and a File menu to open local files and close the window.
class HelpBrowser : public QMainWindow {
    Q_OBJECT
  public:
    // homeAddress is the manual's start page; the search page looks through its folder.
    HelpBrowser(const std::string& homeAddress, platform::FileDialogService& files,
                QWidget* parent = nullptr);

    void setStartingAddress(const std::string& address) { model_.setStartingAddress(address); }

    // Shows the window, centred on the screen, and goes to the starting address, which becomes
    // the first entry of the address list.
    void open();
    // Goes to an address typed or chosen: a path, a file: URL, or "search:" and words.
    void navigate(const QString& address);

    HelpView& browser() const { return *browser_; }
    QComboBox& addressBox() const { return *address_; }
    const HelpBrowserModel& model() const { return model_; }

    // What an address box text stands for; a relative path is taken from the current page's
    // folder.
    static QUrl AddressUrl(const QString& text, const QUrl& current);

  private:
    void buildToolBar();
    void buildMenu();
    void toolbarPressed(const QString& key);
    void tick();
    void showTitle();
    void openFile();
    void addToAddressList(const std::string& address);

    HelpBrowserModel model_;
    platform::FileDialogService& files_;
    QToolBar* toolBar_ = nullptr;
    QComboBox* address_;
    HelpView* browser_;
    QTimer* timer_;
};

// "&Help" of the main window: a new, independent help window on the manual in the program
// folder's help folder, shown, not modal. The window deletes itself when it is closed.
HelpBrowser* OpenHelpWindow(const std::string& programDir, platform::FileDialogService& files);

}  // namespace tavrelion::help
