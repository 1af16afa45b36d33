#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

// selcon3_mod.exe as a whole: reads INPUT and the reference set from the folder, estimates and
// writes protein.ssc there. Returns the exit code: 0 with an estimate or an explained report of
// why none was made; non-zero (with a message on err) when an input could not be read or the
// report not written.
namespace tavrelion::engines::selcon {

// The environment variable naming a reference protein (by code) to leave out of the references,
// so that a check can estimate a protein of known structure; unset in normal use.
inline constexpr const char* LeaveOutVariable = "TAVRELION_SELCON_LEAVE_OUT";

int RunSelcon3(const std::filesystem::path& folder, const std::string& leaveOut, std::ostream& err);

}  // namespace tavrelion::engines::selcon
