#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/MessageService.h"
#include "spectrumio/ConversionDialogModel.h"
#include "spectrumio/DialogPresenter.h"
#include "spectrumio/LoadListener.h"
#include "spectrumio/UnitDialogModel.h"

namespace tavrelion::testing_support {

struct ShownMessage {
    std::string text;
    platform::MessageIcon icon;
};

// Records every message; answers questions from a script (No when the script is empty).
class FakeMessages : public platform::MessageService {
  public:
    void showMessage(const std::string& text, platform::MessageIcon icon) override {
        shown.push_back({text, icon});
    }
    bool askYesNo(const std::string& text, bool) override {
        shown.push_back({text, platform::MessageIcon::Question});
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<std::string> askText(const std::string& prompt,
                                       const std::string& proposedAnswer) override {
        shown.push_back({prompt, platform::MessageIcon::None});
        proposedAnswers.push_back(proposedAnswer);
        if (typedAnswers.empty()) {
            ++unscriptedPrompts;  // a prompt that repeats until answered must not hang a test
            return "1";
        }
        std::optional<std::string> answer = typedAnswers.front();
        typedAnswers.pop_front();
        return answer;
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const auto& message : shown) {
            result.push_back(message.text);
        }
        return result;
    }

    std::vector<ShownMessage> shown;
    std::deque<bool> answers;
    std::deque<std::optional<std::string>> typedAnswers;  // nothing: Cancel
    std::vector<std::string> proposedAnswers;
    int unscriptedPrompts = 0;
};

// Plays the user's part in each dialog: a script of presses per opening. A press acts on the
// model as the Qt dialog would; the dialog stays open until the model closes it.
class FakeDialogs : public spectrumio::DialogPresenter {
  public:
    using UnitPress = std::function<void(spectrumio::UnitDialogModel&)>;

    void showUnitDialog(spectrumio::UnitDialogModel& model) override {
        openings.push_back({model.initialConcentrationText(), model.initialCellWidthText()});
        while (!model.closed()) {
            if (unitPresses.empty()) {
                model.cancel();  // the user closes the window
                break;
            }
            auto press = unitPresses.front();
            unitPresses.pop_front();
            press(model);
        }
    }

    static UnitPress Valid(std::string concentration, std::string cellWidth) {
        return [=](spectrumio::UnitDialogModel& model) { model.valid(concentration, cellWidth); };
    }
    static UnitPress Cancel() {
        return [](spectrumio::UnitDialogModel& model) { model.cancel(); };
    }

    // The conversion dialog of today's kinds: presses as scripted, then the user closes it.
    using ConversionPress = std::function<void(spectrumio::ConversionDialogModel&)>;
    void showConversionDialog(spectrumio::ConversionDialogModel& model) override {
        conversionHeadings.push_back(model.heading());
        while (!model.closed()) {
            if (conversionPresses.empty()) {
                model.cancel();
                break;
            }
            auto press = conversionPresses.front();
            conversionPresses.pop_front();
            press(model);
        }
    }
    static ConversionPress AsOffered() {
        return
            [](spectrumio::ConversionDialogModel& model) { model.valid(model.initialEntries()); };
    }
    std::vector<std::string> conversionHeadings;
    std::deque<ConversionPress> conversionPresses;

    struct Opening {
        std::string concentrationText;
        std::string cellWidthText;
    };
    std::vector<Opening> openings;
    std::deque<UnitPress> unitPresses;
};

class RecordingListener : public spectrumio::LoadListener {
  public:
    void spectrumStored(spectrumio::CorrectionsMenu corrections) override {
        stored.push_back(corrections);
    }
    std::vector<spectrumio::CorrectionsMenu> stored;
};

}  // namespace tavrelion::testing_support
