#pragma once

#include "store/Int16.h"

namespace tavrelion::spectrumio {

// One value of a spectrum file in mean residue ellipticity (deg.cm2/dmol), by the unit of the file:
//   Delta A:          v * 3300 / (cellWidth * concentration)
//   theta in degrees: v * 100 / (cellWidth * concentration)
//   Delta epsilon:    v * 3300
//   molar ellipticity, TVR spectra, unrecognised units: v unchanged.
// 3300 is the customary rounding of 3298.2 = 100 ln(10) 180 / (4 pi) (Kelly, Jess & Price 2005,
// Biochim. Biophys. Acta 1751:119).
// A result too large for a double raises error 6.
double ToMeanResidueEllipticity(double value, store::Int16 dataUnit, double cellWidth,
                                double concentration);

// No protein's far-UV spectrum comes near this size: a pure helix gives about -40000
// deg.cm2/dmol at 222 nm and the strongest bands below 200 nm stay under 10^5.
inline constexpr double LargestEllipticity = 1e7;

// A value of a spectrum file as ToMeanResidueEllipticity gives it; a value beyond
// LargestEllipticity is damage, not data, and raises error 5 saying so.
double ReadEllipticity(double value, store::Int16 dataUnit, double cellWidth, double concentration);

}  // namespace tavrelion::spectrumio
