#pragma once

namespace tavrelion::platform {

// The title of every message box and the main window's caption when no file is open.
inline constexpr const char* ProgramName = "TAVRELION 2000";

}  // namespace tavrelion::platform
