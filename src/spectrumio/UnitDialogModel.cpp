#include "spectrumio/UnitDialogModel.h"

#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextRoutines.h"

namespace tavrelion::spectrumio {
namespace {

// A number too large to hold is taken as no number at all: the dialog stays open.
double NumberOfBox(const std::string& text) {
    try {
        return store::NumberOf(store::UpperCase(text));
    } catch (const store::BasicError&) {
        return 0.0;
    }
}

}  // namespace

std::string UnitDialogModel::initialConcentrationText() const {
    return store::GeneralForm(store_.ResidueConcentration);
}

std::string UnitDialogModel::initialCellWidthText() const {
    return store::GeneralForm(store_.CellWidth);
}

void UnitDialogModel::valid(const std::string& concentrationText,
                            const std::string& cellWidthText) {
    store_.ResidueConcentration = NumberOfBox(concentrationText);
    store_.CellWidth = NumberOfBox(cellWidthText);
    if (store_.ResidueConcentration != 0.0 && store_.CellWidth != 0.0) {
        store_.DialogAccepted = 1;
        closed_ = true;
    }
}

void UnitDialogModel::cancel() {
    store_.DialogAccepted = 0;
    closed_ = true;
}

}  // namespace tavrelion::spectrumio
