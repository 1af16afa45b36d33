#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileDialogService.h"
#include "platform/PrintService.h"
#include "results/FindDialogModel.h"
#include "results/FindDialogPresenter.h"

namespace tavrelion::testing_support {

// Answers the open and save dialogs from a script: a path is the user's choice, nothing is
// Cancel (also when the script is empty). Records every request.
class FakeFileDialogs : public platform::FileDialogService {
  public:
    std::optional<std::string> chooseFileToOpen(
        const platform::FileDialogRequest& request) override {
        openRequests.push_back(request);
        return next();
    }
    std::optional<std::string> chooseFileToSave(
        const platform::FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return next();
    }

    std::deque<std::optional<std::string>> answers;
    std::vector<platform::FileDialogRequest> openRequests;
    std::vector<platform::FileDialogRequest> saveRequests;

  private:
    std::optional<std::string> next() {
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Keeps each print job instead of printing it.
class FakePrinter : public platform::PrintService {
  public:
    struct Job {
        std::string documentPath;
        std::vector<std::string> lines;
    };
    bool printText(const std::string& documentPath,
                   const std::vector<std::string>& lines) override {
        jobs.push_back({documentPath, lines});
        return true;
    }
    std::vector<Job> jobs;
};

// Plays the user's part in the find dialog: each opening takes one press from the script, a
// text for "&Search" with that text typed, nothing for "&Cancel" (also when the script is
// empty). Records the text each opening showed.
class FakeFindDialog : public results::FindDialogPresenter {
  public:
    void showFindDialog(results::FindDialogModel& model) override {
        shownTexts.push_back(model.initialText());
        std::optional<std::string> press;
        if (!presses.empty()) {
            press = presses.front();
            presses.pop_front();
        }
        if (press) {
            model.search(*press);
        } else {
            model.cancel();
        }
    }
    std::deque<std::optional<std::string>> presses;
    std::vector<std::string> shownTexts;
};

}  // namespace tavrelion::testing_support
