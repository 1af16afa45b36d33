#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

#include "common/ProgramFolders.h"
#include "selcon2/Selcon2Input.h"
#include "selcon3/SelconEstimate.h"

// selcon2.exe as a whole: reads test.dat and ssdata from the working folder and the reference
// spectra from the data folder, estimates and writes "output" in the working folder. Returns 0 with
// an estimate or an explained report of why none was made; non-zero (with a message on err) when an
// input could not be read or the report not written. leaveOut names a reference protein to leave
// out (checks only).
namespace tavrelion::engines::selcon {

inline constexpr const char* StructureDataFileNameInFolder = "ssdata";

// The self-consistent method as test.dat sets it: its iteration count and convergence limit, its
// total rule as a strict sum rule with equal weights, no relaxation, and no refit or helix rule
// (those came with SELCON3).
SelconOptions Selcon2Options(const Selcon2Input& input);

int RunSelcon2(const ProgramFolders& folders, const std::string& leaveOut, std::ostream& err);

}  // namespace tavrelion::engines::selcon
