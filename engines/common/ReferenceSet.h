#pragma once

#include <Eigen/Dense>
#include <filesystem>
#include <string>
#include <vector>

namespace tavrelion::engines {

// The reference proteins every analysis program is built on: their far-UV CD spectra (delta
// epsilon per residue, M-1 cm-1, one column per protein, rows from the highest wavelength down in
// 1-nm steps) and their secondary structure from the crystal structures (DSSP classes).
struct ReferenceSet {
    static constexpr int HelixClass = 0;
    static constexpr int SheetClass = 1;
    static constexpr int TurnClass = 2;
    static constexpr int OtherClass = 3;
    static constexpr int ClassCount = 4;

    std::string name;                 // "SP175"
    std::vector<std::string> codes;   // one per protein, e.g. "LYS"
    std::vector<std::string> titles;  // readable protein names where the file gives them
    int highestWavelength = 240;
    int lowestWavelength = 175;
    Eigen::MatrixXd spectra;    // (highest - lowest + 1) x proteins
    Eigen::MatrixXd fractions;  // ClassCount x proteins

    int proteinCount() const { return static_cast<int>(codes.size()); }
    int wavelengthCount() const { return highestWavelength - lowestWavelength + 1; }
    int rowOfWavelength(int nm) const { return highestWavelength - nm; }
    bool covers(int nm) const { return nm >= lowestWavelength && nm <= highestWavelength; }

    // The same set without one protein (for leave-one-out checks).
    ReferenceSet without(int protein) const;
    // Rows of the wavelengths from high down to low (both inclusive) of every protein.
    Eigen::MatrixXd spectraBetween(int high, int low) const;
};

// Reads the engines' reference file (SP175.REF in the program folder). Throws
// std::runtime_error with a readable text when the file is missing or malformed.
ReferenceSet LoadReferenceSet(const std::filesystem::path& file);

// Writes the reference file; the header lines (each written after "# ") say where the data come
// from. The inverse of LoadReferenceSet up to the printed precision.
void WriteReferenceSet(const ReferenceSet& set, const std::vector<std::string>& header,
                       const std::filesystem::path& file);

inline constexpr const char* ReferenceFileName = "SP175.REF";

// What every report cites for the reference data.
inline constexpr const char* ReferenceCitation =
    "Lees JG, Miles AJ, Wien F, Wallace BA (2006) A reference database for circular dichroism "
    "spectroscopy covering fold and secondary structure space. Bioinformatics 22:1955-1962.";

}  // namespace tavrelion::engines
