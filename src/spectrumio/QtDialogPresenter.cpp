#include "spectrumio/QtDialogPresenter.h"

#include "spectrumio/ConversionDialog.h"
#include "spectrumio/UnitDialog.h"

namespace tavrelion::spectrumio {

void QtDialogPresenter::showUnitDialog(UnitDialogModel& model) {
    UnitDialog dialog(model, parent_);
    dialog.exec();
}

void QtDialogPresenter::showConversionDialog(ConversionDialogModel& model) {
    ConversionDialog dialog(model, parent_);
    dialog.exec();
}

}  // namespace tavrelion::spectrumio
