#pragma once

#include <span>
#include <string>

#include "varselec/SubsetFitter.h"

namespace tavrelion::engines::varselec {

// Columns (counted from 1) of a solution line of COMB2.OP, where the result analysis reads them:
// the fractions of helix, antiparallel sheet, parallel sheet, turn and other in six characters
// each from column 10, the total in five characters from column 42, and the numbers of the
// reference proteins used in two characters each from column 63, three columns apart.
inline constexpr int FirstFractionColumn = 10;
inline constexpr int FractionWidth = 6;
inline constexpr int TotalColumn = 42;
inline constexpr int TotalWidth = 5;
inline constexpr int RmsColumn = 49;
inline constexpr int FirstProteinColumn = 63;
inline constexpr int ProteinStep = 3;
// The analysis reads protein numbers up to column 161; the coefficients of the proteins used
// follow from here, beyond what it reads, each a blank and a number with five decimals.
inline constexpr int CoefficientColumn = 163;

// A value in exactly five characters: "0.352", "1.012", "-.052", "12.35", "-1.05", "-12.3";
// "*****" when it does not fit or is not a number. Zero is "0.000", never "-.000".
std::string FiveCharacters(double value);

// Appends one solution line, ended by CR LF: the combination number right-aligned in columns 1
// to 8 (so the first line starts with seven blanks, "1" and two blanks), the fractions (the
// reference data's single sheet class as antiparallel sheet, 0 as parallel sheet), the total, the
// rms deviation of the fit at column 49, the protein numbers and, from CoefficientColumn, the fit
// coefficient of each of those proteins ("-0.03125"), with which the result analysis rebuilds the
// fitted spectrum.
void AppendSolutionLine(std::string& out, long number, const SubsetSolution& solution,
                        std::span<const int> proteinNumbers, std::span<const double> coefficients);

}  // namespace tavrelion::engines::varselec
