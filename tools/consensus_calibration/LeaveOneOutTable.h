#pragma once

#include <Eigen/Dense>
#include <filesystem>
#include <string>
#include <vector>

namespace tavrelion::tools {

// Every method's leave-one-out estimates of the reference proteins cut at one wavelength: each
// protein estimated by each method with that protein left out of the method's references.
struct LeaveOneOutTable {
    static constexpr int ClassCount = 4;  // helix, sheet, turn, other

    int lowestWavelength = 175;  // the spectra run from 240 nm down to here
    std::vector<std::string> proteins;
    Eigen::MatrixXd known;  // ClassCount x proteins, from the crystal structures
    // The methods' names as the program's results carry them ("SELCON3", "K2D", ...).
    std::vector<std::string> methods;
    // One per method, ClassCount x proteins; NaN where the method made no estimate or does not
    // give the class (K2D and the three-class basis sets give no separate turn and other).
    std::vector<Eigen::MatrixXd> estimates;

    int proteinCount() const { return static_cast<int>(proteins.size()); }
    int methodCount() const { return static_cast<int>(methods.size()); }
};

// The tables as plain text, one line per range, protein and method (the known fractions under
// the method name "Known"), "-" for no value; the reader throws std::runtime_error on a damaged
// file, naming its line.
void WriteLeaveOneOutTables(const std::vector<LeaveOneOutTable>& tables,
                            const std::vector<std::string>& header,
                            const std::filesystem::path& file);
std::vector<LeaveOneOutTable> ReadLeaveOneOutTables(const std::filesystem::path& file);

}  // namespace tavrelion::tools
