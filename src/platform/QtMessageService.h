#pragma once

#include "platform/MessageService.h"

class QWidget;

namespace tavrelion::platform {

// Message boxes on screen, titled with the program's name.
class QtMessageService : public MessageService {
  public:
    explicit QtMessageService(QWidget* parent = nullptr) : parent_(parent) {}

    void showMessage(const std::string& text, MessageIcon icon) override;
    bool askYesNo(const std::string& text, bool noIsDefault) override;
    std::optional<std::string> askText(const std::string& prompt,
                                       const std::string& proposedAnswer) override;

  private:
    QWidget* parent_;
};

}  // namespace tavrelion::platform
