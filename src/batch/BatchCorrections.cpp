#include "batch/BatchCorrections.h"

#include "corrections/CorrectionCommands.h"
#include "spectrumio/LoadSpectrum.h"
#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextRoutines.h"

namespace tavrelion::batch {
namespace {

using namespace corrections;

// Answers the correction dialogs from the options; a value the dialog would refuse is told and
// the dialog cancelled.
class BatchCorrectionDialogs : public CorrectionDialogs {
  public:
    BatchCorrectionDialogs(const BatchOptions& options, BatchAnswers& answers)
        : options_(options), answers_(answers) {}

    void showBaseline(BaselineModel& model) override {
        const std::size_t dash = options_.baseline.find('-', 1);
        model.fromRange = dash != std::string::npos;
        if (model.fromRange) {
            model.fromText = options_.baseline.substr(0, dash);
            model.toText = options_.baseline.substr(dash + 1);
        } else {
            model.constantText = options_.baseline;
        }
        answer("--baseline", model.ok());
    }
    void showMultiply(MultiplyModel& model) override {
        model.factorText = options_.multiply;
        answer("--multiply", model.ok());
    }
    void showSmooth(SmoothModel& model) override {
        model.widthText = options_.smooth;
        answer("--smooth", model.ok());
    }
    void showSlotChoice(SlotChoiceModel& model) override {
        model.chosenRows = {0};  // slot 1, the file to subtract
        answer("--subtract", model.ok());
    }

    bool refused = false;

  private:
    void answer(const char* option, const std::string& message) {
        if (!message.empty()) {
            answers_.showMessage(std::string(option) + ": " + message,
                                 platform::MessageIcon::Critical);
            refused = true;
        }
    }

    const BatchOptions& options_;
    BatchAnswers& answers_;
};

bool LoadInto(store::SpectrumStore& store, int slot, const std::string& file,
              BatchAnswers& answers) {
    store.SpectrumCount = static_cast<store::Int16>(slot);
    store.SpectrumFileName = file;
    spectrumio::LoadServices load{answers, answers, answers};
    try {
        if (!spectrumio::LoadSpectrum(store, slot, load)) {
            return false;
        }
    } catch (const store::BasicError&) {
        return false;
    }
    store.SlotLabel(slot) = store::GeneralForm(slot) + ")" + store::FileNameOf(file);
    return true;
}

}  // namespace

bool ApplyBatchCorrections(store::SpectrumStore& store, const BatchOptions& options,
                           BatchAnswers& answers) {
    if (!options.corrects()) {
        return true;
    }
    const std::string spectrum = store.SpectrumFileName;
    if (!options.subtract.empty()) {
        if (!LoadInto(store, 1, options.subtract, answers)) {
            answers.showMessage(options.subtract + " (--subtract) not loaded",
                                platform::MessageIcon::Critical);
            return false;
        }
        if (!LoadInto(store, 2, spectrum, answers)) {
            return false;
        }
    }
    BatchCorrectionDialogs dialogs(options, answers);
    CorrectionCommands commands(store, answers, dialogs, nullptr);
    const struct {
        const std::string& value;
        int entry;
    } steps[] = {{options.baseline, BaselineEntry},
                 {options.multiply, MultiplicationEntry},
                 {options.subtract, SubtractionEntry},
                 {options.smooth, SmoothEntry}};
    for (const auto& step : steps) {
        if (!step.value.empty() && commands.Run(step.entry) == 0) {
            return false;
        }
    }
    store.ResultFilePath = store.SlotLabel(store.SpectrumCount);
    return true;
}

}  // namespace tavrelion::batch
