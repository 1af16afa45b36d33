#pragma once

#include <string>

#include "store/SpectrumStore.h"

namespace tavrelion::spectrumio {

// The rules of the dialog that asks for the residue concentration and the cell width needed to
// convert a file's values into mean residue ellipticity.
class UnitDialogModel {
  public:
    static constexpr const char* Caption =
        "Parameter settings to convert data in mean residue molecular ellipticity";
    static constexpr const char* ConcentrationLabel = "Residue molecular concentration (M):";
    static constexpr const char* CellWidthLabel = "Cell width (cm) :";
    static constexpr const char* ValidCaption = "&Valid";
    static constexpr const char* CancelCaption = "&Cancel";

    explicit UnitDialogModel(store::SpectrumStore& store) : store_(store) {}

    // The texts the two boxes open with: the stored values in the general form.
    std::string initialConcentrationText() const;
    std::string initialCellWidthText() const;

    // &Valid stores both numbers whatever they are; the dialog closes only when neither is 0.
    void valid(const std::string& concentrationText, const std::string& cellWidthText);
    // &Cancel, and closing the window any other way, closes it without accepting.
    void cancel();

    bool closed() const { return closed_; }
    // Delta epsilon converts without the two numbers.
    bool parametersUsed() const { return store_.DataUnit != store::UnitDeltaEpsilon; }

  private:
    store::SpectrumStore& store_;
    bool closed_ = false;
};

}  // namespace tavrelion::spectrumio
