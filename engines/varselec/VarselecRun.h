#pragma once

#include <filesystem>
#include <ostream>

#include "common/ReferenceSet.h"
#include "varselec/SubsetFitter.h"

namespace tavrelion::engines::varselec {

// Exit statuses of the program.
enum RunStatus : int {
    RunDone = 0,         // COMB2.OP holds the solutions, or says why the spectrum allows none
    RunBadInput = 1,     // an exchange file is missing or malformed; COMB2.OP says which
    RunCannotWrite = 2,  // COMB2.OP could not be written
};

// The reference set the driver's basis s.dta was taken from: its name for the report and, when
// they could be read, its proteins, against which the spectrum is checked for a near duplicate.
struct BasisOrigin {
    std::string set = DefaultReferenceSet;
    const ReferenceSet* references = nullptr;
};

// One analysis in `folder` (the program folder): reads s.dta, n.dta, b.dta and comctl.dta, fits
// every combination and writes COMB2.OP there. Problems are also told on `messages`.
RunStatus RunVarselec(const std::filesystem::path& folder, std::ostream& messages,
                      const FitSettings& settings = {}, const BasisOrigin& origin = {});

}  // namespace tavrelion::engines::varselec
