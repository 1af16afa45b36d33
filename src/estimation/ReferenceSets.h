#pragma once

#include <memory>
#include <string>

#include "platform/MessageService.h"
#include "store/CheckedArray.h"
#include "store/Int16.h"

namespace tavrelion::estimation {

constexpr int ReferenceSetCount = 5;
constexpr int MaxReferenceRows = 1000;
constexpr int MaxComponents = 4;

// Set numbers, as the fit and the report count them.
enum SetNumber : int { Fasman = 1, Chen = 2, Bolotina = 3, Chang = 4, Yang = 5 };

// One basis set: a basis spectrum per structure type (columns) at whole-nanometre wavelengths
// (rows, in the order of the file). Columns: helix, sheet, coil for Fasman, Chen and Yang;
// helix, sheet, turn, coil for Bolotina and Chang.
struct ReferenceSet {
    store::Int16 ComponentCount = 0;
    store::Int16 RowCount = 0;
    store::CheckedArray<store::Int16, MaxReferenceRows> RefWavelength;
    store::CheckedMatrix<double, MaxReferenceRows, MaxComponents> RefBasis;
};

// The five sets by set number (element 0 unused).
using ReferenceSets = store::CheckedArray<ReferenceSet, ReferenceSetCount>;

// The name the report prints for a set, nine characters ("Fasman   ").
std::string ReferenceSetName(int setNumber);

// Reads DATA.CD of the program folder: five blocks (component count, row count, then per row the
// wavelength and one value per component), numbers separated by commas, blanks or line ends,
// filling the sets Bolotina, Chen, Chang, Yang, Fasman in that order. On any failure the user is
// told once (that the file is missing, or where it is damaged) and false is returned; what was
// read before the failure stays in the sets.
bool LoadReferenceSets(const std::string& programDir, ReferenceSets& sets,
                       platform::MessageService& messages);

}  // namespace tavrelion::estimation
