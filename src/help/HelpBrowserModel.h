#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/FileDialogService.h"

namespace tavrelion::help {

// The rules of one help window (frmBrowser): the address it opens on, its home (the manual's
// start page), the list of addresses it was given, and its "&Open" command.
class HelpBrowserModel {
  public:
    static constexpr const char* BusyCaption = "In progress...";
    static constexpr const char* OpenFilters =
        "HTML files(*.html)|*.htm*|Image files GIF (*.gif)|*.gif|Image files JPEG (*.jpg)|*.jpg|"
        "Image files PNG (*.png)|*.png|Image files BMP (*.bmp)|*.bmp|Text files (*.txt)|*.txt|"
        "All files (*.*)|*.*|";

    explicit HelpBrowserModel(std::string homeAddress) : homeAddress_(std::move(homeAddress)) {}

    const std::string& homeAddress() const { return homeAddress_; }

    // The address to show when the window opens; empty opens it blank.
    const std::string& startingAddress() const { return startingAddress_; }
    void setStartingAddress(std::string address) { startingAddress_ = std::move(address); }

    // The addresses this window was given, newest last; each is listed once.
    const std::vector<std::string>& addressList() const { return addresses_; }
    void addAddress(const std::string& address);

    // "&Open": the open dialog on local pages, images and text files. The chosen file becomes
    // the starting address; the dialog does not report Cancel, which keeps the name it last
    // held in this window (none until a file was chosen). Returns the address to go to and adds
    // it to the list, or nothing when the name is empty.
    std::optional<std::string> chooseFileToOpen(platform::FileDialogService& files);

  private:
    std::string homeAddress_;
    std::string startingAddress_;
    std::vector<std::string> addresses_;
    std::string dialogFileName_;
};

}  // namespace tavrelion::help
