#pragma once

namespace tavrelion::results {

class FindDialogModel;

// Shows the find dialog of the result windows modally and returns once it has closed; the
// dialog's rules live in its model.
class FindDialogPresenter {
  public:
    virtual ~FindDialogPresenter() = default;

    virtual void showFindDialog(FindDialogModel& model) = 0;
};

}  // namespace tavrelion::results
