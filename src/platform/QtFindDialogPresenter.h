#pragma once

#include "platform/FindDialogPresenter.h"

class QWidget;

namespace tavrelion::platform {

// Shows the find dialog on screen, modally.
class QtFindDialogPresenter : public FindDialogPresenter {
  public:
    explicit QtFindDialogPresenter(QWidget* parent = nullptr) : parent_(parent) {}

    void showFindDialog(results::FindDialogModel& model) override;

  private:
    QWidget* parent_;
};

}  // namespace tavrelion::platform
