#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

#include "common/ProgramFolders.h"

// selcon3_mod.exe as a whole: reads INPUT from the working folder and the reference set from the
// data folder, estimates and writes protein.ssc in the working folder. Returns the exit code: 0
// with an estimate or an explained report of why none was made; non-zero (with a message on err)
// when an input could not be read or the report not written.
namespace tavrelion::engines::selcon {

// leaveOut names a reference protein (by code) to leave out of the references, so that a check
// can estimate a protein of known structure; empty in normal use.
int RunSelcon3(const ProgramFolders& folders, const std::string& leaveOut, std::ostream& err);

}  // namespace tavrelion::engines::selcon
