#pragma once

#include "platform/DialogPresenter.h"

class QWidget;

namespace tavrelion::platform {

// Shows each dialog model in its Qt dialog, modally.
class QtDialogPresenter : public DialogPresenter {
  public:
    explicit QtDialogPresenter(QWidget* parent = nullptr) : parent_(parent) {}

    void showUnitDialog(spectrumio::UnitDialogModel& model) override;
    void showConversionDialog(spectrumio::ConversionDialogModel& model) override;

  private:
    QWidget* parent_;
};

}  // namespace tavrelion::platform
