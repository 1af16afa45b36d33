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

// The reference sets the programs can be built on, by the name of their SET line: SP175 (the
// default) and IDP175 (SP175 with five proteins replaced by intrinsically disordered ones).
inline constexpr const char* DefaultReferenceSet = "SP175";
inline constexpr const char* DisorderedReferenceSet = "IDP175";

// The set's name in capitals when the word (any letter case) names a known set, else "".
std::string KnownReferenceSet(const std::string& word);

// A set's reference file in the data folder: "SP175.REF", "IDP175.REF".
std::filesystem::path ReferenceFileOf(const std::filesystem::path& data, const std::string& set);

// Where the data the methods derived from a set lie (the K2D map weights.dat, the Varselec basis
// s.ori, the SELCON2 structure data ssdata.*), under the same names for every set: SP175's in
// the data folder itself, another set's in a subfolder named after it in small letters.
std::filesystem::path TrainedDataFolder(const std::filesystem::path& data, const std::string& set);

// What every report cites for the reference data.
inline constexpr const char* ReferenceCitation =
    "Lees JG, Miles AJ, Wien F, Wallace BA (2006) A reference database for circular dichroism "
    "spectroscopy covering fold and secondary structure space. Bioinformatics 22:1955-1962.";
inline constexpr const char* DisorderedReferenceCitation =
    "Miles AJ, Drew ED, Wallace BA (2023) DichroIDP: a method for analyses of intrinsically "
    "disordered proteins using circular dichroism spectroscopy. Communications Biology 6:823, "
    "doi:10.1038/s42003-023-05178-2.";

// The papers a report cites for the set: SP175's, and for IDP175 also the disordered proteins'.
std::vector<std::string> ReferenceCitations(const std::string& set);

}  // namespace tavrelion::engines
