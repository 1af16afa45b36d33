#pragma once

#include "spectrumio/DialogPresenter.h"

class QWidget;

namespace tavrelion::spectrumio {

// Shows each dialog model in its Qt dialog, modally.
class QtDialogPresenter : public DialogPresenter {
  public:
    explicit QtDialogPresenter(QWidget* parent = nullptr) : parent_(parent) {}

    void showUnitDialog(UnitDialogModel& model) override;
    void showConversionDialog(ConversionDialogModel& model) override;

  private:
    QWidget* parent_;
};

}  // namespace tavrelion::spectrumio
