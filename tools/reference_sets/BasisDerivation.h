#pragma once

#include <Eigen/Dense>
#include <string>

#include "ReferenceData.h"
#include "estimation/LeastSquaresFit.h"
#include "estimation/ReferenceSets.h"

// The five basis sets of DATA.CD, derived from published reference spectra, and the program's own
// least-squares fit of a reference protein on them.
namespace tavrelion::tools {

inline constexpr double DeltaEpsilonToEllipticity = 3300.0;

struct BlockDesign {
    int setNumber;
    int calibrationRank;              // 0: A ~= B F; r > 0: B reproduces a rank-r SVD regression
    bool disorderedProteinsIncluded;  // IDP175 instead of SP175
    int components;                   // 3: helix, sheet, coil; 4: helix, sheet, turn, coil
    int lowestWavelength;             // the block runs from 240 nm down to here
};

// In the order of the blocks in DATA.CD. The ordinary least-squares fit uses only the wavelengths
// a set shares with the spectrum; a calibration basis cut short is no longer a calibration, so
// every block stops at a wavelength that nearly every laboratory spectrum reaches, and a spectrum
// that goes further meets the same estimator whatever its lowest wavelength. Rank 7 gave the
// smallest leave-one-out errors (ranks 3 to 12 tried).
inline constexpr BlockDesign Designs[] = {
    {estimation::Bolotina, 7, true, 4, 200}, {estimation::Chen, 7, false, 3, 205},
    {estimation::Chang, 7, false, 4, 200},   {estimation::Yang, 7, false, 3, 200},
    {estimation::Fasman, 7, true, 3, 200},
};

// The basis (rows 240 nm down to the block's lowest wavelength, one column per class), in
// deg.cm2/dmol rounded to 0.1 as written into DATA.CD, derived without the named protein.
Eigen::MatrixXd DeriveBasis(const ReferenceData& data, const BlockDesign& design,
                            const std::string& leftOut);

void FillReferenceSet(const Eigen::MatrixXd& basis, estimation::ReferenceSet& set,
                      int highestWavelength);

// Fits one protein, measured from 240 nm down to the given wavelength as a TVR spectrum would
// hold it, on the sets.
estimation::FitResults FitProtein(const ReferenceData& data, Eigen::Index protein, int lowest,
                                  const estimation::ReferenceSets& sets);

}  // namespace tavrelion::tools
