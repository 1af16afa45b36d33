#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tavrelion::drivers {

// Writes an exchange file whose last line has no line end: each of lines ended by CR LF, then
// openLine as it is (nothing when it is empty). A file that cannot be written raises error 75.
void WriteWithOpenLastLine(const std::filesystem::path& file, const std::vector<std::string>& lines,
                           const std::string& openLine);

}  // namespace tavrelion::drivers
