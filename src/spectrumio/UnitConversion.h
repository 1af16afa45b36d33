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

}  // namespace tavrelion::spectrumio
