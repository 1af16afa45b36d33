#pragma once

#include <Eigen/Dense>
#include <filesystem>
#include <string>
#include <vector>

namespace tavrelion::tools {

// A published reference set of protein CD spectra with the proteins' secondary structure:
// spectra (rows: wavelengths from 240 nm down in 1-nm steps; columns: proteins; delta epsilon per
// residue) and fractions (rows: helix, sheet, turn, disorder; columns: the same proteins).
struct ReferenceData {
    Eigen::MatrixXd spectra;
    Eigen::MatrixXd fractions;
    std::vector<std::string> proteins;
    int highestWavelength = 240;

    int wavelengthOfRow(int row) const { return highestWavelength - row; }
};

// Reads A.txt, F.txt and lbl2.txt of one reference set folder (e.g. .../SP175).
ReferenceData ReadReferenceData(const std::filesystem::path& folder);

}  // namespace tavrelion::tools
