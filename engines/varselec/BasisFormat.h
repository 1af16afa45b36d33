#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tavrelion::engines::varselec {

// The basis file s.ori: for each reference protein a name line, then one data line per wavelength
// from 178 to 260 nm (delta epsilon per residue, M-1 cm-1). The driver copies the data lines of
// the spectrum's wavelengths into s.dta unchanged, so both files share this layout.
inline constexpr int BasisFirstWavelength = 178;
inline constexpr int BasisLastWavelength = 260;
inline constexpr int BasisLineCount = BasisLastWavelength - BasisFirstWavelength + 1;
inline constexpr int ClassCount = 4;  // helix, sheet, turn, other

// Where the reference data have no value (they stop at 240 nm) the data line says so instead of
// holding a number.
inline constexpr std::string_view MissingValueText = "  no data";

// The list file of the result analysis pads the name to 37 characters.
inline constexpr std::size_t MaximumNameLength = 37;

using StructureFractions = std::array<double, ClassCount>;

// "ALDO  H 0.46 S 0.14 T 0.16 O 0.24": the protein's code and its structure content, so that the
// reference choice dialog shows what each protein is and the engine knows its fractions.
std::string FormatNameLine(const std::string& code, const StructureFractions& fractions);

// The fractions written after H, S, T and O; nothing when the line does not give all four.
std::optional<StructureFractions> ParseNameLine(std::string_view line);

// One data line: the value right-aligned in ten characters with four decimals.
std::string FormatBasisValue(double deltaEpsilon);

}  // namespace tavrelion::engines::varselec
