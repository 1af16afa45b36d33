#pragma once

#include <string>
#include <vector>

#include "analysis/ContentBoundsModel.h"
#include "analysis/ReferenceSetChoice.h"
#include "drivers/SelconInput.h"

namespace tavrelion::analysis {

// The analysis choices kept for the whole run of the program.
struct AnalysisSettings {
    drivers::SelconSettings selcon{0, 10, 10, 1, 0};
    ContentBounds bounds;
    std::vector<std::string> ReferenceName;  // the Varselec basis proteins, read at each run
    ReferenceSetChoice referenceSet = ReferenceSetChoice::Sp175;  // of every analysis program
};

}  // namespace tavrelion::analysis
