#include "platform/QtDialogPresenter.h"

#include "spectrumio/UnitDialog.h"

namespace tavrelion::platform {

void QtDialogPresenter::showUnitDialog(spectrumio::UnitDialogModel& model) {
    spectrumio::UnitDialog dialog(model, parent_);
    dialog.exec();
}

}  // namespace tavrelion::platform
