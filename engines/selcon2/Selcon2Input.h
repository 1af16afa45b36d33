#pragma once

#include <filesystem>
#include <string>

#include "selcon3/MeasuredSpectrum.h"

// The input file test.dat as the main program writes it:
//   " TEST"
//   control line: point count, class count, 1.000, the tolerance X/100 of the total rule, .000,
//                 the number of self-consistent iterations, .002, .250, .150
//   wavelength line: "<last>.00000 <first>.00000    1    0"
//   " TEST"
//   the data block (delta epsilon from the last wavelength down to the first, 1-nm steps)
//   a line holding one NUL character
namespace tavrelion::engines::selcon {

struct Selcon2Input {
    std::string title;
    int iterations = 10;         // self-consistent cycles at most
    double totalTolerance = 0;   // solutions must sum to 1 within this
    double convergence = 0.002;  // the first of the three constants closing the control line
    MeasuredSpectrum spectrum;
};

inline constexpr const char* Selcon2InputFileName = "test.dat";

// Throws InputError saying what is missing or wrong.
Selcon2Input ReadSelcon2Input(const std::filesystem::path& file);

}  // namespace tavrelion::engines::selcon
