#pragma once

#include "analysis/AnalysisDialogs.h"

class QWidget;

namespace tavrelion::analysis {

// Shows each analysis dialog modally over the parent window; closing a dialog by its window
// frame cancels it.
class QtAnalysisDialogs : public AnalysisDialogs {
  public:
    explicit QtAnalysisDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    void showReferenceChoice(ReferenceChoiceModel& model) override;
    void showSelconSettings(SelconSettingsModel& model) override;
    void showContentBounds(ContentBoundsModel& model) override;

  private:
    QWidget* parent_;
};

}  // namespace tavrelion::analysis
