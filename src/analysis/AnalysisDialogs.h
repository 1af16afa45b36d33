#pragma once

namespace tavrelion::analysis {

class ReferenceChoiceModel;
class SelconSettingsModel;
class ContentBoundsModel;

// Shows the analysis commands' modal dialogs: each keeps its rules in its model; the presenter
// shows the model, forwards the user's changes and returns once it has closed. The batch program
// answers them from its options, the tests with fakes.
class AnalysisDialogs {
  public:
    virtual ~AnalysisDialogs() = default;

    virtual void showReferenceChoice(ReferenceChoiceModel& model) = 0;
    virtual void showSelconSettings(SelconSettingsModel& model) = 0;
    virtual void showContentBounds(ContentBoundsModel& model) = 0;
};

}  // namespace tavrelion::analysis
