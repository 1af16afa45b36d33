#pragma once

#include "results/FindDialogPresenter.h"

class QWidget;

namespace tavrelion::results {

// Shows the find dialog on screen, modally.
class QtFindDialogPresenter : public FindDialogPresenter {
  public:
    explicit QtFindDialogPresenter(QWidget* parent = nullptr) : parent_(parent) {}

    void showFindDialog(FindDialogModel& model) override;

  private:
    QWidget* parent_;
};

}  // namespace tavrelion::results
