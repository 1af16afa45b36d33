#pragma once

#include <filesystem>
#include <ostream>

#include "common/ProgramFolders.h"
#include "common/ReferenceSet.h"
#include "k2d/K2dReport.h"

namespace tavrelion::engines::k2d {

// One run of K2D: reads GD.DAT from the working folder and weights.dat from the data folder,
// writes TAUX.TXT in the working folder. Every problem is
// explained in TAUX.TXT; broken or missing input files are also reported on errors and give a
// non-zero result. A spectrum with the wrong number of values is a valid input without an
// estimate (result 0).
int RunK2d(const ProgramFolders& folders, std::ostream& errors);

// The input check of GD.DAT's values (200 nm up, ellipticity / 1000) against the reference
// proteins, and their own distances to the map as the yardstick.
InputCheck CheckInput(const ReferenceSet& set, const KohonenMap& map,
                      const Eigen::VectorXd& values);

}  // namespace tavrelion::engines::k2d
