#include "analysis/SelconSettingsModel.h"

#include <algorithm>
#include <string>

#include "analysis/ContentBoundsModel.h"
#include "store/NumberText.h"

namespace tavrelion::analysis {
namespace {

constexpr store::Int16 DefaultIterations = 10;
constexpr store::Int16 DefaultTolerance = 10;
constexpr store::Int16 ClassCount = 5;
constexpr int SummaryFormat = 1;
constexpr int FirstModel = 1;
constexpr int ModelCount = 4;
constexpr int FormatCount = 2;

int OnBar(int value) {
    return std::clamp(value, SelconSettingsModel::BarMinimum, SelconSettingsModel::BarMaximum);
}

}  // namespace

SelconSettingsModel::SelconSettingsModel(drivers::SelconSettings& settings)
    : settings_(settings),
      iterationText_(store::RightAlignNumber(settings.SelconIterations, 3)),
      toleranceText_(store::RightAlignNumber(settings.SelconTolerance, 3)),
      iterationBar_(OnBar(settings.SelconIterations)),
      toleranceBar_(OnBar(settings.SelconTolerance)),
      modelShown_(std::clamp<int>(settings.SelconModel, FirstModel, ModelCount)) {
    settings_.SelconFormat = SummaryFormat;
    settings_.SelconClassCount = ClassCount;
}

void SelconSettingsModel::iterationBarMoved(int value) {
    iterationBar_ = OnBar(value);
    iterationTextChanged(std::to_string(iterationBar_));
}

void SelconSettingsModel::iterationTextChanged(const std::string& text) {
    iterationText_ = text;
    settings_.SelconIterations = std::max<store::Int16>(ClampedWholeOf(text), 1);
}

void SelconSettingsModel::toleranceBarMoved(int value) {
    toleranceBar_ = OnBar(value);
    settings_.SelconTolerance = static_cast<store::Int16>(toleranceBar_);
    toleranceText_ = std::to_string(toleranceBar_);
}

void SelconSettingsModel::checkModelFiles(const std::filesystem::path& programDir) {
    for (int model = FirstModel; model <= ModelCount; ++model) {
        std::error_code error;
        modelAvailable_[static_cast<std::size_t>(model - 1)] =
            std::filesystem::exists(programDir / ModelFiles[model - 1], error);
    }
}

bool SelconSettingsModel::modelAvailable(int model) const {
    return model >= FirstModel && model <= ModelCount &&
           modelAvailable_[static_cast<std::size_t>(model - 1)];
}

std::string SelconSettingsModel::modelUnavailableReason(int model) const {
    if (model < FirstModel || model > ModelCount || modelAvailable(model)) {
        return {};
    }
    return std::string("not installed: its structure data file ") + ModelFiles[model - 1] +
           " is not in the program folder";
}

void SelconSettingsModel::chooseModel(int model) {
    if (!modelAvailable(model)) {
        return;
    }
    modelShown_ = model;
    settings_.SelconModel = static_cast<store::Int16>(model);
    settings_.SelconClassCount = ClassCount;
}

void SelconSettingsModel::chooseFormat(int format) {
    if (format < 1 || format > FormatCount) {
        return;
    }
    settings_.SelconFormat = static_cast<store::Int16>(format);
}

void SelconSettingsModel::defaults() {
    chooseModel(FirstModel);
    iterationBarMoved(DefaultIterations);
    toleranceBarMoved(DefaultTolerance);
    iterationTextChanged(store::RightAlignNumber(DefaultIterations, 3));
    toleranceText_ = store::RightAlignNumber(DefaultTolerance, 3);
}

void SelconSettingsModel::valid() {
    accepted_ = true;
    closed_ = true;
}

void SelconSettingsModel::cancel() {
    accepted_ = false;
    closed_ = true;
}

}  // namespace tavrelion::analysis
