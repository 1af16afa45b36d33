#pragma once

#include <string>
#include <vector>

#include "k2d/KohonenMap.h"

namespace tavrelion::engines::k2d {

inline constexpr const char* ReportFileName = "TAUX.TXT";

// What every K2D report cites for the method.
inline constexpr const char* MethodCitation =
    "Andrade MA, Chacon P, Merelo JJ, Moran F (1993) Evaluation of secondary structure of "
    "proteins from UV circular dichroism spectra using an unsupervised learning neural network. "
    "Protein Eng 6:383-390.";

// TAUX.TXT with an estimate (lines end in CR LF). The line holding "ALPHA" is the only one with
// that word and ends in the helix fraction; the next two lines end in the beta and the random
// coil fractions, each as its last four characters ("0.45", "1.00"): the main program's summary
// takes exactly those characters.
// After the existing lines: the reference proteins' own distances to the map as the yardstick for
// the spectrum's (when known), and the input check; a flagged spectrum is not graded.
struct InputCheck {
    std::string flag;                        // empty when the spectrum passed
    std::string nearDuplicate;               // empty unless it is almost a reference protein's
    std::vector<double> referenceDistances;  // one per reference protein
};
std::string EstimateReport(const KohonenMap& map, const MapEstimate& estimate,
                           const InputCheck& check = {});

// TAUX.TXT without an estimate: the reason, no line with "ALPHA", and a last line ending in
// "none", which is what the summary then shows in all three columns.
std::string NoEstimateReport(const std::string& reason);

}  // namespace tavrelion::engines::k2d
