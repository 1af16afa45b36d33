#pragma once

namespace tavrelion::spectrumio {

class UnitDialogModel;
class ConversionDialogModel;

// Shows the reader's modal dialogs. Each dialog keeps its rules in a core model; the presenter
// only shows the model and forwards the user's presses to it, returning once it has closed.
class DialogPresenter {
  public:
    virtual ~DialogPresenter() = default;

    virtual void showUnitDialog(UnitDialogModel& model) = 0;
    // The conversion dialog of today's file kinds.
    virtual void showConversionDialog(ConversionDialogModel& model) = 0;
};

}  // namespace tavrelion::spectrumio
