#pragma once

namespace tavrelion::results {
class FindDialogModel;
}

namespace tavrelion::platform {

// Shows the find dialog of the result windows modally and returns once it has closed; the
// dialog's rules live in its model.
class FindDialogPresenter {
  public:
    virtual ~FindDialogPresenter() = default;

    virtual void showFindDialog(results::FindDialogModel& model) = 0;
};

}  // namespace tavrelion::platform
