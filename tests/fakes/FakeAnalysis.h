#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "analysis/AnalysisDialogs.h"
#include "analysis/AnalysisHost.h"
#include "analysis/ContentBoundsModel.h"
#include "analysis/ReferenceChoiceModel.h"
#include "analysis/SelconSettingsModel.h"

namespace tavrelion::testing_support {

// Plays the analysis programs: each program name maps to what it leaves in its working folder.
// Records the runs, the files shown and whether the F&it menu was closed during each run.
class FakeAnalysisHost : public analysis::AnalysisHost {
  public:
    using Engine = std::function<void(const std::filesystem::path& folder)>;

    struct Run {
        std::string program;
        std::vector<std::string> arguments;
        std::string folder;
        bool menuClosed;
    };
    struct Shown {
        std::string path;
        results::ResultWindowKind window;
    };

    drivers::ProgramOutcome runProgram(const std::string& program,
                                       const std::vector<std::string>& arguments,
                                       const std::string& workingFolder) override {
        runs.push_back({program, arguments, workingFolder, running});
        const std::string name = std::filesystem::path(program).filename().string();
        if (const auto engine = engines.find(name); engine != engines.end()) {
            engine->second(workingFolder);
        }
        if (duringRun) {
            duringRun();
        }
        const auto outcome = outcomes.find(name);
        return outcome != outcomes.end() ? outcome->second : drivers::ProgramOutcome{};
    }
    void showResult(const std::string& path, results::ResultWindowKind window) override {
        shown.push_back({path, window});
    }
    void showResultWithPreface(const std::string& path, results::ResultWindowKind window,
                               const std::string& shownAbove) override {
        shown.push_back({path, window});
        preface = shownAbove;
    }
    void closeResult(results::ResultWindowKind window) override { closed.push_back(window); }
    void analysisRunning(bool isRunning) override { running = isRunning; }

    std::vector<std::string> programsRun() const {
        std::vector<std::string> names;
        for (const auto& run : runs) {
            names.push_back(std::filesystem::path(run.program).filename().string());
        }
        return names;
    }

    std::map<std::string, Engine> engines;
    std::map<std::string, drivers::ProgramOutcome> outcomes;  // how a program ends; default: well
    std::function<void()> duringRun;  // what the user does while a program runs
    std::vector<Run> runs;
    std::vector<Shown> shown;
    std::vector<results::ResultWindowKind> closed;
    std::string preface;  // shown above the last file shown with one
    bool running = false;
};

// Answers the analysis dialogs: accepts or cancels each, after an optional change.
class FakeAnalysisDialogs : public analysis::AnalysisDialogs {
  public:
    void showReferenceChoice(analysis::ReferenceChoiceModel& model) override {
        ++referenceChoices;
        if (changeReferences)
            changeReferences(model);
        acceptReferences ? model.ok() : model.cancel();
    }
    void showSelconSettings(analysis::SelconSettingsModel& model) override {
        ++selconSettings;
        if (changeSelcon)
            changeSelcon(model);
        acceptSelcon ? model.valid() : model.cancel();
    }
    void showContentBounds(analysis::ContentBoundsModel& model) override {
        ++contentBounds;
        if (changeBounds)
            changeBounds(model);
        acceptBounds ? model.ok() : model.cancel();
    }

    bool acceptReferences = true;
    bool acceptSelcon = true;
    bool acceptBounds = true;
    std::function<void(analysis::ReferenceChoiceModel&)> changeReferences;
    std::function<void(analysis::SelconSettingsModel&)> changeSelcon;
    std::function<void(analysis::ContentBoundsModel&)> changeBounds;
    int referenceChoices = 0;
    int selconSettings = 0;
    int contentBounds = 0;
};

}  // namespace tavrelion::testing_support
