#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tavrelion::drivers {

// Writes an exchange file whose last line has no line end: each of lines ended by CR LF, then
// openLine as it is (nothing when it is empty). A file that cannot be written raises error 75.
void WriteWithOpenLastLine(const std::filesystem::path& file, const std::vector<std::string>& lines,
                           const std::string& openLine);

// A spectrum's path as one field of an exchange file: every control character (a line break
// would start a new line of the file) becomes "?", and a path longer than width keeps its last
// width bytes (where the file's own name stands), less the rest of a UTF-8 character cut there.
std::string ExchangeFileName(const std::string& path, std::size_t width);

// The widths of the name fields: the sample line of INPUT and the title line of b.dta fill
// 80 columns.
inline constexpr std::size_t SelconSampleNameWidth = 64;
inline constexpr std::size_t VarselecTitleWidth = 80;

}  // namespace tavrelion::drivers
