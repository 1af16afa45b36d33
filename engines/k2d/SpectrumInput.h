#pragma once

#include <Eigen/Dense>
#include <filesystem>
#include <string>

namespace tavrelion::engines::k2d {

inline constexpr const char* SpectrumFileName = "GD.DAT";

// GD.DAT as the main program writes it: one value per line (mean residue ellipticity / 1000),
// ascending wavelength, nothing else. Only the number of lines tells which wavelengths are there.
struct SpectrumInput {
    enum class Status {
        Read,       // values holds the numbers (InputCount of them for a usable spectrum)
        Missing,    // the file does not exist or cannot be opened
        Malformed,  // a line is not a number; problem says which
    };
    Status status = Status::Read;
    Eigen::VectorXd values;
    std::string problem;
};

SpectrumInput ReadSpectrumInput(const std::filesystem::path& file);

}  // namespace tavrelion::engines::k2d
