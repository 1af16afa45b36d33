#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tavrelion::engines::selcon {

// Writes the lines of a report, each ended by CR LF like every text file of the program.
// Returns false when the file cannot be written.
bool WriteReportFile(const std::filesystem::path& file, const std::vector<std::string>& lines);

// A number with a fixed count of decimals, e.g. Fixed(0.1234, 3) = "0.123".
std::string Fixed(double value, int decimals);

// The lines of a text broken at blanks to at most width characters, each starting with indent.
std::vector<std::string> Wrapped(const std::string& text, const std::string& indent,
                                 int width = 78);

}  // namespace tavrelion::engines::selcon
