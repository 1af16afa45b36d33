#pragma once

#include <optional>
#include <string>

namespace tavrelion::platform {

enum class MessageIcon { None, Critical, Question, Information, Exclamation };

// Modal message boxes, all titled "TAVRELION 2000". Tests answer them with a scripted fake.
class MessageService {
  public:
    virtual ~MessageService() = default;

    virtual void showMessage(const std::string& text, MessageIcon icon) = 0;

    // A Yes/No question with the question icon; returns true for Yes.
    virtual bool askYesNo(const std::string& text, bool noIsDefault) = 0;

    // An input box with a prompt and a proposed answer; returns the text typed, or nothing when
    // the user cancels (the Cancel button, Escape or the title bar's close).
    virtual std::optional<std::string> askText(const std::string& prompt,
                                               const std::string& proposedAnswer) = 0;
};

}  // namespace tavrelion::platform
