#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "common/ProgramFolders.h"

namespace tavrelion::engines::contin {

// The whole program: reads CONTIN.IN from the working folder and SP175.REF from the data folder,
// analyses the spectrum and writes CONTIN.CNT in the working folder. Returns the exit code: 0 when
// a report with an estimate or with the reason for none was written; 1 when an input could not be
// read (the report and errors say why).
struct ProgramOptions {
    // A reference protein (its code, e.g. "MBH") left out of the reference set, so that the
    // program can be checked on a protein whose structure it has not been given.
    std::string leaveOut;
};

// The spectrum must reach below 200 nm, to this wavelength at least, and up to the next.
inline constexpr int LowestWavelengthNeeded = 195;
inline constexpr int HighestWavelengthNeeded = 230;

int RunContinProgram(const ProgramFolders& folders, const ProgramOptions& options,
                     std::ostream& errors);

}  // namespace tavrelion::engines::contin
