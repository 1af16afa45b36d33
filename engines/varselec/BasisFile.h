#pragma once

#include <optional>
#include <string>
#include <vector>

#include "varselec/BasisFormat.h"

namespace tavrelion::engines::varselec {

// One reference protein of the basis: its name line, its structure fractions (from the name line)
// and its delta epsilon per wavelength, empty where the basis has no value.
struct BasisProtein {
    std::string name;
    StructureFractions fractions{};
    std::vector<std::optional<double>> values;
};

// The reference proteins with their values from firstWavelength up in 1-nm steps.
struct BasisSpectra {
    int firstWavelength = BasisFirstWavelength;
    std::vector<BasisProtein> proteins;

    int wavelengthCount() const {
        return proteins.empty() ? 0 : static_cast<int>(proteins.front().values.size());
    }
};

// Reads the lines of s.dta or s.ori: proteinCount blocks of one name line and the same number of
// data lines each. Raises InputError (naming fileName, the protein and the line) when the lines do
// not form such blocks, a name line lacks the structure content or a data line is neither a
// number nor "no data".
BasisSpectra ParseBasis(const std::vector<std::string>& lines, int proteinCount,
                        int firstWavelength, const std::string& fileName);

}  // namespace tavrelion::engines::varselec
