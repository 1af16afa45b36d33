#pragma once

#include <string>
#include <string_view>

// The sizes real data stay within. A data file or an exchange file with a number beyond them is
// damaged, and no estimate is made from it: such numbers overflow the least-squares arithmetic
// into results that are not numbers at all.
namespace tavrelion::engines {

// No protein's far-UV spectrum comes near this: a pure helix gives about -40000 deg.cm2/dmol at
// 222 nm, and the strongest bands below 200 nm stay under 10^5.
inline constexpr double LargestEllipticity = 1e7;  // deg.cm2/dmol
// The same limit per residue in M-1 cm-1 (ellipticity = 3300 x delta epsilon).
inline constexpr double LargestDeltaEpsilon = LargestEllipticity / 3300.0;

// How far the structure fractions of one protein may sum away from 1 (their rounding).
inline constexpr double FractionSumTolerance = 0.02;

// Whether value is a finite number no larger than limit either way.
bool WithinLimit(double value, double limit);

// What is wrong with one protein's structure fractions (each within 0..1, summing to 1 within
// FractionSumTolerance); empty when nothing is.
std::string FractionsProblem(const double* fractions, int count);

// Whether a report prints a number that is not finite ("nan", "-inf", "INF", ...).
bool PrintsNonFinite(std::string_view report);

// What an analysis program says, instead of its report, when a result is not a finite number.
inline constexpr const char* NonFiniteResult =
    "the computation met a number that is not finite, so no estimate can be given; the spectrum "
    "or the reference data hold values no CD spectrum has";

}  // namespace tavrelion::engines
