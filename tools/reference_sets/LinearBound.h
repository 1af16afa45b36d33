#pragma once

#include "ReferenceData.h"

namespace tavrelion::tools {

// How well any estimate linear in the spectrum could do, which is what the program's
// least-squares fit computes whatever the basis: for each measured range, the leave-one-out
// helix and sheet RMSD of ridge regression of the fractions on the spectrum with the best
// ridge constant of a grid (chosen on the same proteins, so a bound), once without and once with
// a constant term. The fit of the program has no constant term. Printed as a Markdown table.
void PrintLinearBound(const ReferenceData& sp175);

}  // namespace tavrelion::tools
