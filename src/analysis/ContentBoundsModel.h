#pragma once

#include <string>
#include <string_view>

#include "store/Int16.h"

namespace tavrelion::analysis {

// The whole number a dialog's text box gives: its leading number rounded half to even, clamped
// to the 16-bit range (a number too large even for a double included) instead of failing.
store::Int16 ClampedWholeOf(std::string_view text);

// The bounds of the total content within which the Varselec result analysis accepts a solution,
// in percent, kept for the whole run. 0 means "not chosen yet": the analysis then starts from 10
// and 110.
struct ContentBounds {
    store::Int16 ContentMin = 0;
    store::Int16 ContentMax = 0;
};

// The rules of frmfenet, "Window width".
class ContentBoundsModel {
  public:
    static constexpr const char* Caption = "Window width";
    static constexpr const char* OkCaption = "&Ok";
    static constexpr const char* CancelCaption = "&Cancel";
    static constexpr int MinSliderLow = 0;
    static constexpr int MinSliderHigh = 100;
    static constexpr int MaxSliderLow = 100;
    static constexpr int MaxSliderHigh = 300;

    // Opening: the sliders take the bounds (clamped to their ranges: a bound typed outside them
    // is kept, only the slider cannot show it), the boxes show them right-aligned in 4.
    explicit ContentBoundsModel(ContentBounds& bounds);

    std::string minLabel() const;  // "The total content must be greater than " + ContentMin
    std::string maxLabel() const;  // "The total content must be lower than " + ContentMax
    std::string minText() const { return minText_; }
    std::string maxText() const { return maxText_; }
    int minSlider() const { return minSlider_; }
    int maxSlider() const { return maxSlider_; }

    void minSliderMoved(int value);  // slider and bound := value, text := plain digits
    void maxSliderMoved(int value);
    // A typed bound: its leading number rounded, clamped to 16 bits; the slider stays.
    void minTextChanged(const std::string& text);
    void maxTextChanged(const std::string& text);

    // Neither restores the bounds: they change as the user moves and types.
    void ok();
    void cancel();
    bool accepted() const { return accepted_; }
    bool closed() const { return closed_; }

  private:
    ContentBounds& bounds_;
    std::string minText_;
    std::string maxText_;
    int minSlider_ = 0;
    int maxSlider_ = 100;
    bool accepted_ = false;
    bool closed_ = false;
};

}  // namespace tavrelion::analysis
