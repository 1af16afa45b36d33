#pragma once

#include <filesystem>
#include <string>

#include "store/SpectrumStore.h"

namespace tavrelion::drivers {

// The nine-character data field of one value: two blanks, the value rounded to a whole number
// and right-aligned in six characters (a longer one written whole), then a point, so that
// CONTIN's (7F9.0) reads it.
std::string ContinValueField(double value);

// Writes CONTIN.IN into folder: the fixed control lines, the count line naming 240 and 190 nm,
// and the values from 240 down to 190 nm, seven to a 76-character line; the last data line has
// no line end unless it ends at 192, 199, ... 234 nm.
void WriteContinInput(const store::SpectrumStore& store, const std::filesystem::path& folder);

}  // namespace tavrelion::drivers
