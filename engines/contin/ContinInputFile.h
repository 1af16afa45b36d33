#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tavrelion::engines::contin {

// CONTIN.IN carries mean residue ellipticity (deg.cm2/dmol); the references are in delta epsilon.
inline constexpr double EllipticityPerDeltaEpsilon = 3300.0;

inline constexpr const char* InputFileName = "CONTIN.IN";

// What CONTIN.IN holds: control lines (read past), the count line
//   " NSTEND  " n "  240.  190."
// and n values, seven to a line, from the highest wavelength down. The count line always names
// 240 and 190 nm; a spectrum covering less sends fewer values, so the first value's wavelength is
// read from where the line breaks fall: a line ends after 234, 227, ... 192 nm. The breaks fix the
// start only up to multiples of 7 nm; 240 is taken when it fits, then the start that ends at
// 190 nm, then the highest start that fits (spectra rarely begin below 240 nm).
struct ContinInput {
    int count = 0;
    int countLineHigh = 240;  // the wavelengths the count line names
    int countLineLow = 190;
    int highestWavelength = 0;        // of the first value
    int lowestWavelength = 0;         // of the last value
    std::vector<double> ellipticity;  // deg.cm2/dmol, highest wavelength first
    bool layoutRecognised = true;     // false: the line breaks fit no start; 240 nm assumed
    int otherStart = 0;               // another start the line breaks fit (7 nm apart), 0 when none
};

struct ContinInputReading {
    bool ok = false;
    std::string error;  // why the file could not be read, for the report and the console
    ContinInput input;
};

ContinInputReading ReadContinInput(const std::string& bytes);
ContinInputReading ReadContinInputFile(const std::filesystem::path& file);

// The wavelength a line ends after: (241 - w) divisible by seven.
bool EndsDataLine(int wavelength);

}  // namespace tavrelion::engines::contin
