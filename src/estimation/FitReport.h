#pragma once

#include <string>

#include "estimation/LeastSquaresFit.h"
#include "store/SpectrumStore.h"

namespace tavrelion::estimation {

// The row of one set in the report: name, then helix, sheet, [turn,] coil with two decimals and
// their total with at least two integer digits, at fixed gaps; the turn column only for the
// four-column sets. A set without coefficients reads "no solution".
std::string FitReportRow(const FitResults& results, int setNumber);

// Writes FIT.VAL into the work folder: title, file, the corrections applied, column heads and
// one row per set. A file that cannot be written is passed over, and one written only in part is
// removed, so that the caller finds no report.
void WriteFitReport(const store::SpectrumStore& store, const FitResults& results);

}  // namespace tavrelion::estimation
