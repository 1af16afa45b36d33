#pragma once

#include <vector>

#include "estimation/LeastSquaresFit.h"
#include "estimation/ReferenceSets.h"
#include "store/SpectrumStore.h"

namespace tavrelion::estimation {

// A spectrum rebuilt from a fit, beside the measured values it was fitted to (mean residue
// ellipticity), at the fit's wavelengths from highest down.
struct BackCalculatedSpectrum {
    std::vector<double> wavelengths;
    std::vector<double> measured;
    std::vector<double> calculated;
};

// The least-squares fit of one set rebuilt: calculated(w) = sum over the set's columns c of
// coefficient(c) * basis(w, c), at every wavelength the fit used. Empty when the set has no
// coefficients (never fitted, or singular).
BackCalculatedSpectrum BackCalculate(const store::SpectrumStore& store, const ReferenceSet& set,
                                     const FitResults& results, int setNumber);

}  // namespace tavrelion::estimation
