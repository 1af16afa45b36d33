#include "corrections/CorrectionModels.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "store/NumberText.h"

namespace tavrelion::corrections {
namespace {

std::string Whole(int value) {
    return std::to_string(value);
}

// The number of a box that must hold one number and nothing else.
bool ReadNumber(const std::string& text, double& value) {
    if (!store::ReadsAsNumber(text)) {
        return false;
    }
    value = store::NumberOf(text);
    return std::isfinite(value);
}

bool ReadWhole(const std::string& text, int& value) {
    double number = 0;
    if (!ReadNumber(text, number) || number != std::floor(number) || std::fabs(number) > 32767) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

}  // namespace

BaselineModel::BaselineModel(int firstWavelength, int lastWavelength)
    : first_(firstWavelength), last_(lastWavelength) {
    const WavelengthRange proposed = DefaultBaselineRange(firstWavelength, lastWavelength);
    fromText = Whole(proposed.from);
    toText = Whole(proposed.to);
}

std::string BaselineModel::ok() {
    if (!fromRange) {
        if (!ReadNumber(constantText, constant_)) {
            return "The baseline must be a number.";
        }
        accepted_ = true;
        return {};
    }
    int from = 0;
    int to = 0;
    if (!ReadWhole(fromText, from) || !ReadWhole(toText, to) || from > to || from < first_ ||
        to > last_) {
        return "Choose whole wavelengths from " + Whole(first_) + " to " + Whole(last_) +
               " nm, the first not above the second.";
    }
    range_ = {from, to};
    accepted_ = true;
    return {};
}

std::string MultiplyModel::ok() {
    if (!ReadNumber(factorText, factor_) || factor_ == 0) {
        return "The factor must be a number other than 0.";
    }
    accepted_ = true;
    return {};
}

std::string SmoothModel::ok() {
    const int largest = std::min(LargestWidth, pointCount_ - 1);
    const int smallest = order + 2;
    if (largest < smallest) {
        return "The spectrum is too short to be smoothed.";
    }
    if (!ReadWhole(widthText, width_) || width_ < smallest || width_ > largest) {
        return "The window must be a whole number of nm from " + Whole(smallest) + " to " +
               Whole(largest) + ".";
    }
    accepted_ = true;
    return {};
}

SlotChoiceModel::SlotChoiceModel(std::string caption, std::vector<int> slots,
                                 std::vector<std::string> labels, bool several)
    : caption_(std::move(caption)),
      slots_(std::move(slots)),
      labels_(std::move(labels)),
      several_(several) {}

std::string SlotChoiceModel::ok() {
    std::sort(chosenRows.begin(), chosenRows.end());
    chosenRows.erase(std::unique(chosenRows.begin(), chosenRows.end()), chosenRows.end());
    std::erase_if(chosenRows,
                  [this](int row) { return row < 0 || row >= static_cast<int>(slots_.size()); });
    if (several_ && chosenRows.size() < 2) {
        return "Choose at least two spectra.";
    }
    if (!several_ && chosenRows.size() != 1) {
        return "Choose one spectrum.";
    }
    accepted_ = true;
    return {};
}

std::vector<int> SlotChoiceModel::chosenSlots() const {
    std::vector<int> chosen;
    for (int row : chosenRows) {
        chosen.push_back(slots_[static_cast<std::size_t>(row)]);
    }
    return chosen;
}

}  // namespace tavrelion::corrections
