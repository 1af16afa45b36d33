#pragma once

#include "platform/MessageService.h"
#include "store/SpectrumStore.h"

namespace tavrelion::estimation {

// The helix percentage of a protein of n residues from its mean residue ellipticity at 222 nm:
// 100 * theta222 / thetaH with thetaH = -39500 * (1 - 2.57 / n), the ellipticity of a 100 % helix
// of n residues (Chen, Yang & Chau 1974, Biochemistry 13:3350).
double HelixPercentage(double theta222, int residues);

// Asks for the number of residues (repeated until it is not 0; residueCount is the proposed
// answer and keeps the last one given) and shows the helix content of the most recently loaded
// spectrum. A spectrum without a value at 222 nm is told so instead.
void CalculateFromEllipticity(const store::SpectrumStore& store, store::Int16& residueCount,
                              platform::MessageService& messages);

}  // namespace tavrelion::estimation
