#include "analysis/QtAnalysisDialogs.h"

#include "analysis/ContentBoundsDialog.h"
#include "analysis/ReferenceChoiceDialog.h"
#include "analysis/SelconSettingsDialog.h"

namespace tavrelion::analysis {

void QtAnalysisDialogs::showReferenceChoice(ReferenceChoiceModel& model) {
    ReferenceChoiceDialog dialog(model, parent_);
    dialog.exec();
}

void QtAnalysisDialogs::showSelconSettings(SelconSettingsModel& model) {
    SelconSettingsDialog dialog(model, parent_);
    dialog.exec();
}

void QtAnalysisDialogs::showContentBounds(ContentBoundsModel& model) {
    ContentBoundsDialog dialog(model, parent_);
    dialog.exec();
}

}  // namespace tavrelion::analysis
