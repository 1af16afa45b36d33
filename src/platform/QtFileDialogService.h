#pragma once

#include "platform/FileDialogService.h"

class QWidget;

namespace tavrelion::platform {

// File dialogs on screen. Paths cross as the file system's own bytes.
class QtFileDialogService : public FileDialogService {
  public:
    explicit QtFileDialogService(QWidget* parent = nullptr) : parent_(parent) {}

    std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;

  private:
    QWidget* parent_;
};

}  // namespace tavrelion::platform
