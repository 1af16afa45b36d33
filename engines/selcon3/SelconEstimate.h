#pragma once

#include <Eigen/Dense>
#include <optional>
#include <string>

#include "common/ReferenceSet.h"
#include "selcon3/MeasuredSpectrum.h"
#include "selcon3/SelectionRules.h"
#include "selcon3/SelfConsistentMethod.h"

// One structure estimate of a measured spectrum: the wavelengths shared with the references, the
// candidate solutions of the self-consistent method, the selection rules, and the mean of the
// accepted solutions with its spread.
namespace tavrelion::engines::selcon {

struct SelconOptions {
    SelfConsistentSettings method;
    SelectionRules rules;
};

// The options this program ships with; the cross-validation in the README measures them.
SelconOptions DefaultOptions();

struct WavelengthRange {
    int highest = 0;
    int lowest = 0;
};

// The spectrum must cover 240 nm down to at least 190 nm: below 200 nm lies most of what tells
// sheet from turn and other, and the helix bands at 222 and 208 nm must be there in full.
inline constexpr int RequiredHighest = 240;
inline constexpr int RequiredLowest = 190;

// The wavelengths both the spectrum and the reference set cover, or the reason (a sentence for
// the report) why they are not enough.
std::optional<WavelengthRange> CommonRange(const ReferenceSet& references,
                                           const MeasuredSpectrum& spectrum, std::string& reason);

struct Estimate {
    bool made = false;
    std::string reason;         // why no estimate was made
    WavelengthRange used;       // set once the range is known
    Eigen::VectorXd fractions;  // mean of the accepted solutions, one per class
    Eigen::VectorXd spread;     // standard deviation over the accepted solutions
    double refitNrmsd = 0.0;    // of backCalculated against measured
    Eigen::VectorXd measured;   // the spectrum on the wavelengths used
    // The weighted mean of the accepted solutions' refits (the spectra the refit rule judges).
    Eigen::VectorXd backCalculated;
    int candidates = 0;               // solutions tried
    std::vector<Solution> solutions;  // all candidates; the selection indexes into them
    Selection selection;
};

Estimate EstimateStructure(const ReferenceSet& references, const MeasuredSpectrum& spectrum,
                           const SelconOptions& options);

// The index of a protein code in the set, or -1.
int ProteinIndex(const ReferenceSet& references, const std::string& code);

}  // namespace tavrelion::engines::selcon
