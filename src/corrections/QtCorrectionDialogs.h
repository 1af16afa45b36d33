#pragma once

#include "corrections/CorrectionModels.h"

class QWidget;

namespace tavrelion::corrections {

// The Corrections menu's dialogs as small Qt forms over their models: "&Ok" hands the boxes to
// the model and closes only when the model accepts them (otherwise its message is shown);
// "&Cancel" and the window frame cancel.
class QtCorrectionDialogs : public CorrectionDialogs {
  public:
    explicit QtCorrectionDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    void showBaseline(BaselineModel& model) override;
    void showMultiply(MultiplyModel& model) override;
    void showSmooth(SmoothModel& model) override;
    void showSlotChoice(SlotChoiceModel& model) override;

  private:
    QWidget* parent_;
};

}  // namespace tavrelion::corrections
