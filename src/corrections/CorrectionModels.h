#pragma once

#include <string>
#include <vector>

#include "corrections/SpectrumCorrections.h"

namespace tavrelion::corrections {

// The rules of the Corrections menu's dialogs. Each holds what its boxes show; ok() checks them
// and returns the message to show (the dialog then stays open), or an empty text when the
// dialog may close with the choice taken.

// "Baseline": subtract a constant, or the mean over a wavelength range of the spectrum.
class BaselineModel {
  public:
    static constexpr const char* Caption = "Baseline";

    // Proposes the default range of a spectrum from firstWavelength to lastWavelength.
    BaselineModel(int firstWavelength, int lastWavelength);

    bool fromRange = true;
    std::string constantText = "0";
    std::string fromText;
    std::string toText;

    std::string ok();
    void cancel() { accepted_ = false; }
    bool accepted() const { return accepted_; }
    double constant() const { return constant_; }
    WavelengthRange range() const { return range_; }

  private:
    int first_;
    int last_;
    double constant_ = 0;
    WavelengthRange range_;
    bool accepted_ = false;
};

// "Multiplication": a factor other than 0, e.g. the ratio of a corrected concentration.
class MultiplyModel {
  public:
    static constexpr const char* Caption = "Multiplication";

    std::string factorText = "1";

    std::string ok();
    void cancel() { accepted_ = false; }
    bool accepted() const { return accepted_; }
    double factor() const { return factor_; }

  private:
    double factor_ = 1;
    bool accepted_ = false;
};

// "Smooth": the Savitzky-Golay window in nm and the polynomial order (2 or 3).
class SmoothModel {
  public:
    static constexpr const char* Caption = "Smooth";
    static constexpr int DefaultWidth = 5;
    static constexpr int LargestWidth = 51;

    // The window must leave the spectrum of pointCount points more than one window long.
    explicit SmoothModel(int pointCount) : pointCount_(pointCount) {}

    std::string widthText = "5";
    int order = 2;

    std::string ok();
    void cancel() { accepted_ = false; }
    bool accepted() const { return accepted_; }
    int width() const { return width_; }

  private:
    int pointCount_;
    int width_ = DefaultWidth;
    bool accepted_ = false;
};

// The slots a subtraction, an addition or an average may take, listed by label; one is chosen,
// or (for an average) at least two.
class SlotChoiceModel {
  public:
    SlotChoiceModel(std::string caption, std::vector<int> slots, std::vector<std::string> labels,
                    bool several);

    const std::string& caption() const { return caption_; }
    const std::vector<std::string>& labels() const { return labels_; }
    bool several() const { return several_; }

    std::vector<int> chosenRows;  // 0-based rows of the list

    std::string ok();
    void cancel() { accepted_ = false; }
    bool accepted() const { return accepted_; }
    // The slots of the chosen rows, in list order.
    std::vector<int> chosenSlots() const;

  private:
    std::string caption_;
    std::vector<int> slots_;
    std::vector<std::string> labels_;
    bool several_;
    bool accepted_ = false;
};

// Shows the dialogs modally; each returns once its model is accepted or cancelled.
class CorrectionDialogs {
  public:
    virtual ~CorrectionDialogs() = default;
    virtual void showBaseline(BaselineModel& model) = 0;
    virtual void showMultiply(MultiplyModel& model) = 0;
    virtual void showSmooth(SmoothModel& model) = 0;
    virtual void showSlotChoice(SlotChoiceModel& model) = 0;
};

}  // namespace tavrelion::corrections
