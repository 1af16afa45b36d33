#pragma once

#include <string>
#include <vector>

#include "common/ReferenceSet.h"
#include "selcon2/Selcon2Input.h"
#include "selcon2/StructureData.h"
#include "selcon3/SelconEstimate.h"

// The report "output": the settings, the structure data used, the accepted solutions, then the
// line " Average solution from above set" and the values line that the main program's summary
// takes from its 10th character.
namespace tavrelion::engines::selcon {

inline constexpr const char* Selcon2ReportFileName = "output";
inline constexpr const char* AverageMarker = " Average solution from above set";

struct Selcon2Context {
    const Selcon2Input* input = nullptr;
    const StructureData* structure = nullptr;
    std::string leftOut;
};

std::vector<std::string> Selcon2Report(const ReferenceSet& references,
                                       const Selcon2Context& context, const Estimate& estimate,
                                       const SelconOptions& options);

// The report when an input could not be read: the reason, the marker and a values line without
// numbers.
std::vector<std::string> Selcon2FailureReport(const std::string& reason,
                                              const std::string& referenceSet);

// The values line after the marker.
std::string AverageValuesLine(const Estimate& estimate);

}  // namespace tavrelion::engines::selcon
