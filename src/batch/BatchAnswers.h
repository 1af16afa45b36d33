#pragma once

#include <ostream>
#include <string>

#include "analysis/AnalysisDialogs.h"
#include "batch/BatchOptions.h"
#include "platform/MessageService.h"
#include "spectrumio/ConversionChoices.h"
#include "spectrumio/DialogPresenter.h"
#include "spectrumio/LoadListener.h"

namespace tavrelion::batch {

// Plays the user for a batch run: every message goes to the error stream with the file's name
// in front, every dialog is answered from the options.
class BatchAnswers : public platform::MessageService,
                     public spectrumio::DialogPresenter,
                     public analysis::AnalysisDialogs,
                     public spectrumio::LoadListener {
  public:
    BatchAnswers(const BatchOptions& options, std::ostream& err);

    // The name put before each message.
    void setFileName(const std::string& name) { fileName_ = name; }

    void showMessage(const std::string& text, platform::MessageIcon icon) override;
    bool askYesNo(const std::string& text, bool noIsDefault) override;
    std::optional<std::string> askText(const std::string& prompt,
                                       const std::string& proposedAnswer) override;

    void showUnitDialog(spectrumio::UnitDialogModel& model) override;
    void showConversionDialog(spectrumio::ConversionDialogModel& model) override;

    // The conversion answers of today's file kinds, taken from the options.
    spectrumio::ConversionChoices& conversion() { return conversion_; }

    void showReferenceChoice(analysis::ReferenceChoiceModel& model) override;
    void showSelconSettings(analysis::SelconSettingsModel& model) override;
    void showContentBounds(analysis::ContentBoundsModel& model) override;

    void spectrumStored(spectrumio::CorrectionsMenu) override {}

  private:
    void tell(const std::string& text);

    const BatchOptions& options_;
    std::ostream& err_;
    std::string fileName_;
    spectrumio::ConversionChoices conversion_;
};

}  // namespace tavrelion::batch
