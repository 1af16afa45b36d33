#include "platform/QtFindDialogPresenter.h"

#include "results/FindDialog.h"

namespace tavrelion::platform {

void QtFindDialogPresenter::showFindDialog(results::FindDialogModel& model) {
    results::FindDialog dialog(model, parent_);
    dialog.exec();
}

}  // namespace tavrelion::platform
