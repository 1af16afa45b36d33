#include "platform/QtDialogPresenter.h"

#include "spectrumio/ConversionDialog.h"
#include "spectrumio/UnitDialog.h"

namespace tavrelion::platform {

void QtDialogPresenter::showUnitDialog(spectrumio::UnitDialogModel& model) {
    spectrumio::UnitDialog dialog(model, parent_);
    dialog.exec();
}

void QtDialogPresenter::showConversionDialog(spectrumio::ConversionDialogModel& model) {
    spectrumio::ConversionDialog dialog(model, parent_);
    dialog.exec();
}

}  // namespace tavrelion::platform
