#pragma once

#include <functional>
#include <string>
#include <vector>

#include "corrections/CorrectionModels.h"
#include "corrections/SpectrumCorrections.h"
#include "platform/MessageService.h"
#include "store/SpectrumStore.h"

namespace tavrelion::corrections {

// The items of the Corrections menu, by their index in it.
enum CorrectionEntry : int {
    BaselineEntry = 1,
    MultiplicationEntry = 2,
    SubtractionEntry = 3,
    AdditionEntry = 4,
    SmoothEntry = 5,
    AverageEntry = 6,
};

// The Corrections menu's commands. Each works on the current spectrum, slot SpectrumCount (an
// average on the slots chosen), puts its result into a new slot labelled with what was done, and
// makes that slot the current spectrum; the spectra it read stay as they were. Like Open, a 16th
// slot is taken only after the question, and then starts again at slot 1.
class CorrectionCommands {
  public:
    static constexpr const char* ClearQuestion = "Loading a new spectrum will clear the screen";
    static constexpr const char* NoOtherSpectrum =
        "Open the other spectrum first: only the current one is loaded.";
    static constexpr const char* NothingShared = "The spectra share no wavelength.";

    CorrectionCommands(store::SpectrumStore& store, platform::MessageService& messages,
                       CorrectionDialogs& dialogs, std::function<void()> redraw)
        : store_(store), messages_(messages), dialogs_(dialogs), redraw_(std::move(redraw)) {}

    // Runs the menu item; returns the new slot, or 0 when nothing was added.
    int Run(int entry);

  private:
    int Baseline();
    int Multiplication();
    int Combination(double sign);
    int Smooth();
    int Average();
    // Stores the result in the next slot, asking first when all 15 are used; returns the slot.
    int AddSlot(const Spectrum& result, const std::string& label, const std::string& chain,
                const std::vector<double>& deviation = {});
    // The current spectrum as its slot holds it: the file's own values, without the grid point
    // an instrument file's 1-nm grid has past its last value, which reads 0 and would enter a
    // baseline mean or a smoothing window.
    Spectrum Source() const;
    std::string ChainWith(const std::string& step) const;

    store::SpectrumStore& store_;
    platform::MessageService& messages_;
    CorrectionDialogs& dialogs_;
    std::function<void()> redraw_;
};

}  // namespace tavrelion::corrections
