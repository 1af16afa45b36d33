#pragma once

#include <filesystem>
#include <ostream>

namespace tavrelion::engines::k2d {

// One run of K2D in folder: reads GD.DAT and weights.dat, writes TAUX.TXT. Every problem is
// explained in TAUX.TXT; broken or missing input files are also reported on errors and give a
// non-zero result. A spectrum with the wrong number of values is a valid input without an
// estimate (result 0).
int RunK2d(const std::filesystem::path& folder, std::ostream& errors);

}  // namespace tavrelion::engines::k2d
