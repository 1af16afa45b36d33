#pragma once

#include <string>
#include <vector>

#include "analysis/MethodResult.h"

namespace tavrelion::analysis {

struct FractionInterval {
    double low = 0;
    double high = 0;
};

// The weighted mean of the methods that are most accurate in leave-one-out over the reference
// proteins, with intervals calibrated there to hold the true fraction for 68 % and 95 % of them.
struct ConsensusResult {
    // False when too few of the chosen methods gave a result; `reason` then says why.
    bool available = false;
    std::string reason;
    double helix = 0;
    double sheet = 0;
    double turn = 0;
    double other = 0;
    double total = 0;
    FractionInterval helix68;
    FractionInterval sheet68;
    FractionInterval helix95;
    FractionInterval sheet95;
};

// `shortestWavelength`: the short end of the analysed range in nm (175 for a full spectrum);
// `referenceSet`: the set the methods were built on ("SP175", "IDP175"), whose calibration is used.
ConsensusResult ConsensusOf(const std::vector<MethodResult>& methods, int shortestWavelength,
                            const std::string& referenceSet);

}  // namespace tavrelion::analysis
