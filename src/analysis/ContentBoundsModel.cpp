#include "analysis/ContentBoundsModel.h"

#include <algorithm>
#include <limits>

#include "store/BasicError.h"
#include "store/NumberText.h"

namespace tavrelion::analysis {
namespace {

constexpr double LowestWhole = std::numeric_limits<store::Int16>::min();
constexpr double HighestWhole = std::numeric_limits<store::Int16>::max();

// Whether the text's number, once its leading blanks are skipped, starts with a minus sign.
bool StartsNegative(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && text[first] == '-';
}

std::string Digits(int value) {
    return std::to_string(value);
}

}  // namespace

store::Int16 ClampedWholeOf(std::string_view text) {
    double value = 0.0;
    try {
        value = store::NumberOf(text);
    } catch (const store::BasicError&) {
        value = StartsNegative(text) ? LowestWhole : HighestWhole;
    }
    return store::RoundToInt16(std::clamp(value, LowestWhole, HighestWhole));
}

ContentBoundsModel::ContentBoundsModel(ContentBounds& bounds)
    : bounds_(bounds),
      minText_(store::RightAlignNumber(bounds.ContentMin, 4)),
      maxText_(store::RightAlignNumber(bounds.ContentMax, 4)),
      minSlider_(std::clamp<int>(bounds.ContentMin, MinSliderLow, MinSliderHigh)),
      maxSlider_(std::clamp<int>(bounds.ContentMax, MaxSliderLow, MaxSliderHigh)) {}

std::string ContentBoundsModel::minLabel() const {
    return "The total content must be greater than " + Digits(bounds_.ContentMin);
}

std::string ContentBoundsModel::maxLabel() const {
    return "The total content must be lower than " + Digits(bounds_.ContentMax);
}

void ContentBoundsModel::minSliderMoved(int value) {
    minSlider_ = std::clamp(value, MinSliderLow, MinSliderHigh);
    bounds_.ContentMin = static_cast<store::Int16>(minSlider_);
    minText_ = Digits(minSlider_);
}

void ContentBoundsModel::maxSliderMoved(int value) {
    maxSlider_ = std::clamp(value, MaxSliderLow, MaxSliderHigh);
    bounds_.ContentMax = static_cast<store::Int16>(maxSlider_);
    maxText_ = Digits(maxSlider_);
}

void ContentBoundsModel::minTextChanged(const std::string& text) {
    minText_ = text;
    bounds_.ContentMin = ClampedWholeOf(text);
}

void ContentBoundsModel::maxTextChanged(const std::string& text) {
    maxText_ = text;
    bounds_.ContentMax = ClampedWholeOf(text);
}

void ContentBoundsModel::ok() {
    accepted_ = true;
    closed_ = true;
}

void ContentBoundsModel::cancel() {
    accepted_ = false;
    closed_ = true;
}

}  // namespace tavrelion::analysis
