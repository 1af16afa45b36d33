#include "results/QtFindDialogPresenter.h"

#include "results/FindDialog.h"

namespace tavrelion::results {

void QtFindDialogPresenter::showFindDialog(FindDialogModel& model) {
    FindDialog dialog(model, parent_);
    dialog.exec();
}

}  // namespace tavrelion::results
