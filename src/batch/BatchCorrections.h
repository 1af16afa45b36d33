#pragma once

#include "batch/BatchAnswers.h"
#include "batch/BatchOptions.h"
#include "store/SpectrumStore.h"

namespace tavrelion::batch {

// Applies the corrections the options ask for to the spectrum loaded in slot 1, through the
// Corrections menu's own commands and dialog rules, so that the reports carry the same
// bookkeeping: baseline, multiplication, subtraction (the file is loaded first into slot 1 and the
// spectrum again into slot 2), smoothing. Returns false, with the reason told, when a value is
// refused or a file cannot be loaded.
bool ApplyBatchCorrections(store::SpectrumStore& store, const BatchOptions& options,
                           BatchAnswers& answers);

}  // namespace tavrelion::batch
