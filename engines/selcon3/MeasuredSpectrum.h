#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace tavrelion::engines::selcon {

// A spectrum as the SELCON input files carry it: delta epsilon per residue (M-1 cm-1) on a 1-nm
// grid, held from the highest wavelength down to the lowest.
struct MeasuredSpectrum {
    int highestWavelength = 0;
    int lowestWavelength = 0;
    std::vector<double> values;  // values[0] at highestWavelength

    double at(int nm) const { return values[static_cast<std::size_t>(highestWavelength - nm)]; }
};

// An input file that cannot be read as the program expects; the text says what is wrong in
// words a user can act on.
class InputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The numbers of a data block: every blank-separated item of the lines, read as a decimal number.
// Throws InputError naming the first item that is not a number.
std::vector<double> ReadDataValues(const std::vector<std::string>& lines);

// Reads a whole number or a decimal number from one item; throws InputError with what it is.
double ReadNumber(const std::string& item, const std::string& what);
int ReadWavelength(const std::string& item, const std::string& what);

// Splits a line into its blank- or tab-separated items.
std::vector<std::string> SplitItems(const std::string& line);

// Checks the wavelength range against the number of values and builds the spectrum.
MeasuredSpectrum MakeSpectrum(int lastWavelength, int firstWavelength, std::vector<double> values);

}  // namespace tavrelion::engines::selcon
