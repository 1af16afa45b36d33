#pragma once

#include <Eigen/Dense>
#include <string>
#include <vector>

#include "varselec/BasisFile.h"
#include "varselec/ControlFiles.h"

namespace tavrelion::engines::varselec {

// The chosen reference proteins and the spectrum on the wavelengths where all of them have values.
struct AlignedData {
    std::vector<int> wavelengths;  // descending, nm
    Eigen::MatrixXd spectra;       // wavelengths x chosen proteins, delta epsilon
    Eigen::MatrixXd fractions;     // ClassCount x chosen proteins
    Eigen::VectorXd sample;        // delta epsilon at the wavelengths
};

// Keeps the wavelengths where the spectrum and every chosen protein (numbers counted from 1)
// have a value.
AlignedData AlignWithBasis(const BasisSpectra& basis, const SampleSpectrum& sample,
                           const std::vector<int>& chosenProteins);

// The band the method needs: every wavelength from 200 to 230 nm, where the helix and sheet bands
// lie. Returns why the data do not suffice, or an empty text when they do.
std::string MissingCoverage(const AlignedData& data);

inline constexpr int RequiredLowWavelength = 200;
inline constexpr int RequiredHighWavelength = 230;

}  // namespace tavrelion::engines::varselec
