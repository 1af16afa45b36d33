#include "corrections/CorrectionCommands.h"

#include "corrections/SlotSpectra.h"
#include "store/BasicError.h"
#include "store/NumberText.h"

namespace tavrelion::corrections {
namespace {

std::string Trimmed(const std::string& label) {
    return !label.empty() && label.front() == ' ' ? label.substr(1) : label;
}

// A number as the chain and the labels write it: the general form without its leading blank.
std::string Bare(double value) {
    return Trimmed(store::GeneralForm(value));
}

}  // namespace

int CorrectionCommands::Run(int entry) {
    if (store_.SpectrumCount < 1 || Source().values.empty()) {
        return 0;
    }
    try {
        switch (entry) {
            case BaselineEntry:
                return Baseline();
            case MultiplicationEntry:
                return Multiplication();
            case SubtractionEntry:
                return Combination(-1);
            case AdditionEntry:
                return Combination(+1);
            case SmoothEntry:
                return Smooth();
            case AverageEntry:
                return Average();
            default:
                return 0;
        }
    } catch (const store::BasicError& error) {
        messages_.showMessage("Error " + store::GeneralForm(error.number()) + " in the correction",
                              platform::MessageIcon::Critical);
        return 0;
    }
}

int CorrectionCommands::Baseline() {
    const Spectrum current = Source();
    BaselineModel model(current.wavelengths.front(), current.wavelengths.back());
    dialogs_.showBaseline(model);
    if (!model.accepted()) {
        return 0;
    }
    double baseline = model.constant();
    std::string step = "baseline " + Bare(baseline);
    if (model.fromRange) {
        baseline = RangeMean(current, model.range()).value_or(0.0);
        step = "baseline " + Bare(baseline) + " (" + Bare(model.range().from) + "-" +
               Bare(model.range().to) + " nm)";
    }
    const int slot = AddSlot(SubtractBaseline(current, baseline),
                             SlotName(store_, store_.SpectrumCount) + ", " + step, ChainWith(step));
    if (slot != 0) {
        store_.BaselineCorrection += baseline;
    }
    return slot;
}

int CorrectionCommands::Multiplication() {
    MultiplyModel model;
    dialogs_.showMultiply(model);
    if (!model.accepted()) {
        return 0;
    }
    const std::string step = "x " + Bare(model.factor());
    const int slot = AddSlot(Multiply(Source(), model.factor()),
                             SlotName(store_, store_.SpectrumCount) + ", " + step, ChainWith(step));
    if (slot != 0) {
        store_.MultiplyFactor *= model.factor();
    }
    return slot;
}

int CorrectionCommands::Combination(double sign) {
    std::vector<int> slots;
    std::vector<std::string> labels;
    for (int k = 1; k <= store_.SpectrumCount; ++k) {
        if (k != store_.SpectrumCount) {
            slots.push_back(k);
            labels.push_back(Trimmed(store_.SlotLabel(k)));
        }
    }
    if (slots.empty()) {
        messages_.showMessage(NoOtherSpectrum, platform::MessageIcon::Information);
        return 0;
    }
    SlotChoiceModel model(sign < 0 ? "Spectrum subtraction" : "Spectrum addition", slots, labels,
                          false);
    dialogs_.showSlotChoice(model);
    if (!model.accepted()) {
        return 0;
    }
    const int other = model.chosenSlots().front();
    const Spectrum result = Combine(Source(), SlotSpectrum(store_, other), sign);
    if (result.values.empty()) {
        messages_.showMessage(NothingShared, platform::MessageIcon::Information);
        return 0;
    }
    const std::string label = SlotName(store_, store_.SpectrumCount) + (sign < 0 ? " - " : " + ") +
                              SlotName(store_, other);
    const std::string step = (sign < 0 ? "minus " : "plus ") + Trimmed(store_.SlotLabel(other));
    return AddSlot(result, label, ChainWith(step));
}

int CorrectionCommands::Smooth() {
    const Spectrum current = Source();
    SmoothModel model(static_cast<int>(current.values.size()));
    dialogs_.showSmooth(model);
    if (!model.accepted()) {
        return 0;
    }
    std::string step = "smoothed " + Bare(model.width()) + " nm";
    if (model.order != 2) {
        step += " (order " + Bare(model.order) + ")";
    }
    return AddSlot(corrections::Smooth(current, model.width(), model.order),
                   SlotName(store_, store_.SpectrumCount) + ", " + step, ChainWith(step));
}

int CorrectionCommands::Average() {
    std::vector<int> slots;
    std::vector<std::string> labels;
    for (int k = 1; k <= store_.SpectrumCount; ++k) {
        slots.push_back(k);
        labels.push_back(Trimmed(store_.SlotLabel(k)));
    }
    if (slots.size() < 2) {
        messages_.showMessage(NoOtherSpectrum, platform::MessageIcon::Information);
        return 0;
    }
    SlotChoiceModel model("Average", slots, labels, true);
    dialogs_.showSlotChoice(model);
    if (!model.accepted()) {
        return 0;
    }
    std::vector<Spectrum> spectra;
    std::string names;
    std::string numbers;
    for (int slot : model.chosenSlots()) {
        spectra.push_back(SlotSpectrum(store_, slot));
        names += (names.empty() ? "" : ", ") + Trimmed(store_.SlotLabel(slot));
        numbers += (numbers.empty() ? "" : ", ") + Bare(slot);
    }
    const AveragedSpectrum average = corrections::Average(spectra);
    if (average.mean.values.empty()) {
        messages_.showMessage(NothingShared, platform::MessageIcon::Information);
        return 0;
    }
    const int slot =
        AddSlot(average.mean, "mean of " + numbers, "mean of " + names, average.deviation);
    if (slot != 0) {
        store_.BaselineCorrection = 0;  // a new spectrum, made of others with their own chains
        store_.MultiplyFactor = 1;
    }
    return slot;
}

int CorrectionCommands::AddSlot(const Spectrum& result, const std::string& label,
                                const std::string& chain, const std::vector<double>& deviation) {
    int slot = store_.SpectrumCount + 1;
    if (store_.SpectrumCount >= store::MaxSlots) {
        if (!messages_.askYesNo(ClearQuestion, true)) {
            return 0;
        }
        slot = 1;
    }
    StoreCorrectedSpectrum(store_, slot, result, label, chain, deviation);
    store_.SpectrumCount = static_cast<store::Int16>(slot);
    store_.CurrentSlot = store_.SpectrumCount;
    store_.ResultFilePath = store_.SlotLabel(slot);
    if (redraw_) {
        redraw_();
    }
    return slot;
}

Spectrum CorrectionCommands::Source() const {
    return SlotSpectrum(store_, store_.SpectrumCount);
}

std::string CorrectionCommands::ChainWith(const std::string& step) const {
    const std::string chain = CurrentCorrectionChain(store_);
    return chain.empty() ? step : chain + "; " + step;
}

}  // namespace tavrelion::corrections
