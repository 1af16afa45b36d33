#pragma once

#include <optional>
#include <string>
#include <vector>

#include "estimation/ReferenceSets.h"
#include "platform/MessageService.h"
#include "store/SpectrumStore.h"

namespace tavrelion::estimation {

// The coefficients of the last fit, by set number. A coefficient without a value (a set never
// fitted, the turn of a three-column set, a set whose normal matrix was singular) is empty.
struct FitResults {
    FitResults() {
        for (int setNumber = 1; setNumber <= ReferenceSetCount; ++setNumber) {
            FitSetName(setNumber) = ReferenceSetName(setNumber);
        }
    }

    store::CheckedArray<std::string, ReferenceSetCount + 1> FitSetName;
    store::CheckedArray<std::optional<double>, ReferenceSetCount + 1> FitHelix;
    store::CheckedArray<std::optional<double>, ReferenceSetCount + 1> FitSheet;
    store::CheckedArray<std::optional<double>, ReferenceSetCount + 1> FitTurn;
    store::CheckedArray<std::optional<double>, ReferenceSetCount + 1> FitCoil;
};

// The grid points backed by a value of the file: for a 1-nm file all but the grid's extra last
// point, for other steps those whose raw value was read (never positions past the grid).
int GridPointsWithData(const store::SpectrumStore& store);

// A row of the fit: the spectrum's grid point and the set's row at the same wavelength.
struct MatchedRow {
    int point = 0;
    int row = 0;
};

// The rows a fit of the set uses, in the order it sums them: grid points backed by a value read
// from the file, each with every set row of its wavelength.
std::vector<MatchedRow> MatchedRows(const store::SpectrumStore& store, const ReferenceSet& set);

// Ordinary linear least squares of the current spectrum on each basis set in turn, at the
// wavelengths the two share exactly (no interpolation, no constraints): the normal equations
// X'X c = X'y solved by Gauss-Jordan elimination with full pivoting. Only grid points that hold a
// value read from the file take part. A singular set is reported ("No solution determinant is
// nil") and keeps no coefficients; the other sets go on. A spectrum of more than 1000 values is
// refused.
void LeastSquaresFit(const store::SpectrumStore& store, const ReferenceSets& sets,
                     FitResults& results, platform::MessageService& messages);

}  // namespace tavrelion::estimation
