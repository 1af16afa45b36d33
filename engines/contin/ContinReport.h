#pragma once

#include <optional>
#include <string>

#include "common/ReferenceSet.h"
#include "contin/ContinInputFile.h"
#include "contin/LocalAnalysis.h"

namespace tavrelion::engines::contin {

inline constexpr const char* OutputFileName = "CONTIN.CNT";
inline constexpr const char* ChosenSolutionMarker = "++  CHOSEN SOLUTION  ";

// The line after the chosen-solution marker that the main program cuts for its summary:
// helix in characters 24-29 (" 0.354"), sheet in 38-42 ("0.12 ") and the rest, 1 - helix - sheet,
// in 51-56 ("0.534 "). With the summary's prefix these stand under HELIX, BETA and OTHERS.
// Without values the fields stay blank.
std::string FractionLine(std::optional<Eigen::Vector2d> helixAndSheet);

struct ReportSubject {
    const ReferenceSet* references = nullptr;
    std::string leftOut;  // a reference protein left out of the analysis, if any
};

// The full report of an analysis; lines end CR LF.
std::string EstimateReport(const ContinInput& input, const ReportSubject& subject,
                           const ContinEstimate& estimate);

// The report when no estimate is made: the reason in words, the marker lines with blank fields.
// input is null when CONTIN.IN itself could not be read.
std::string NoEstimateReport(const std::string& reason, const ContinInput* input);

}  // namespace tavrelion::engines::contin
