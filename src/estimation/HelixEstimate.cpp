#include "estimation/HelixEstimate.h"

#include <cmath>
#include <optional>

#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextRoutines.h"

namespace tavrelion::estimation {
namespace {

// The slot's value at 222 nm, or nothing when the slot holds no point there.
std::optional<double> SlotValueAt222(const store::SpectrumStore& store, int slot) {
    if (slot < 1 || slot > store::MaxSlots || !(store.SlotStep(slot) > 0.0)) {
        return std::nullopt;
    }
    const double position =
        std::nearbyint((222 - store.SlotFirstWavelength(slot)) / store.SlotStep(slot) + 1);
    if (position < 1 || position > store.SlotRawCount(slot)) {
        return std::nullopt;
    }
    return store.SlotValue(static_cast<int>(position), slot);
}

// Asks until a count other than 0 is given, proposing the count last typed (nothing at first).
// Cancel leaves without a count.
bool AskResidueCount(store::Int16& residueCount, platform::MessageService& messages) {
    std::string proposed = residueCount == 0 ? std::string() : std::to_string(residueCount);
    for (;;) {
        const std::optional<std::string> answer =
            messages.askText("Enter the number of AA into your protein)", proposed);
        if (!answer) {
            return false;
        }
        store::Int16 typed = 0;
        try {
            typed = store::RoundToInt16(store::NumberOf(*answer));
        } catch (const store::BasicError&) {
            // too large for a residue count: asked again
        }
        if (typed != 0) {
            residueCount = typed;
            return true;
        }
        proposed = *answer;
    }
}

}  // namespace

double HelixPercentage(double theta222, int residues) {
    const double fullHelix = -39500.0 * (1.0 - 2.57 / residues);
    return 100.0 * theta222 / fullHelix;
}

void CalculateFromEllipticity(const store::SpectrumStore& store, store::Int16& residueCount,
                              platform::MessageService& messages) {
    const int slot = store.SpectrumCount;
    const std::optional<double> theta222 = SlotValueAt222(store, slot);
    const std::string fileName = slot >= 1 && slot <= store::MaxSlots
                                     ? store::TextAfterLast(store.SlotLabel(slot), ')')
                                     : "";
    if (!theta222) {
        messages.showMessage(
            fileName.empty()
                ? "No spectrum is loaded: the helix content needs the ellipticity at 222 nm"
                : "The spectrum " + fileName +
                      " has no value at 222 nm: its helix content cannot be estimated",
            platform::MessageIcon::Information);
        return;
    }
    if (!AskResidueCount(residueCount, messages)) {
        return;
    }
    messages.showMessage("Alpha helix content in " + fileName +
                             store::RoundTo3(HelixPercentage(*theta222, residueCount)) + " %",
                         platform::MessageIcon::None);
}

}  // namespace tavrelion::estimation
