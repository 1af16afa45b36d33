#pragma once

#include <string>
#include <vector>

#include "drivers/ProgramFiles.h"

namespace tavrelion::drivers {

// Starts the program at programPath (a path, not looked up on the search path) with the arguments
// as they are, never through a shell, with an empty standard input and its output discarded. An
// empty workingDirectory keeps the current one. Returns when the program has ended, at once when
// it cannot start; meanwhile the user interface processes its events, so a further command may
// run inside the wait. Needs the application object. A failed run is not reported here: it shows
// as a missing output file when CopyProgramOutput is called.
void RunAndWait(const std::string& programPath, const std::vector<std::string>& arguments,
                const std::string& workingDirectory);

}  // namespace tavrelion::drivers
