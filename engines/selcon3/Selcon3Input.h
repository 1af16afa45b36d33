#pragma once

#include <filesystem>
#include <string>

#include "selcon3/MeasuredSpectrum.h"

// The input file INPUT as the main program writes it: '#' lines between the items; a control line
// (read past); the sample line " SAMPLE INPUT:  <spectrum file>"; the wavelength line
// "<last>.00000   <first>.00000    1"; the data block (delta epsilon from the last wavelength
// down to the first, 1-nm steps, any number of values a line); and the end line "        0".
namespace tavrelion::engines::selcon {

struct Selcon3Input {
    std::string sample;  // the text after "SAMPLE INPUT:", or the whole sample line
    MeasuredSpectrum spectrum;
};

inline constexpr const char* Selcon3InputFileName = "INPUT";

// Throws InputError saying what is missing or wrong.
Selcon3Input ReadSelcon3Input(const std::filesystem::path& file);

// Reads all lines of a text file, without their CR LF, up to a NUL character. Throws InputError
// when the file cannot be opened.
std::vector<std::string> ReadLines(const std::filesystem::path& file);

}  // namespace tavrelion::engines::selcon
