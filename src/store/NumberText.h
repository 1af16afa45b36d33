#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/Int16.h"

// The one place where numbers become text and text becomes numbers, for files and screens.
namespace tavrelion::store {

// The number of a text: the value of its longest leading part that reads as a decimal number.
// Blanks, tabs and line feeds are skipped wherever they stand, the point is the decimal separator,
// an exponent may start with E or D (either case); a text that does not start with a number gives
// 0. A number too large for a double raises error 6; a tiny one reads as 0.
double NumberOf(std::string_view text);

// Whether the text, blanks aside, is one decimal number and nothing else.
bool ReadsAsNumber(std::string_view text);

// The numbers of a text of decimal numbers separated by blanks, as the analysis programs write
// them; none when a field is anything but a finite number.
std::optional<std::vector<double>> BlankSeparatedNumbers(std::string_view text);

// The whole of a text: its number rounded half to even into 16 bits (error 6 when it does not fit).
Int16 WholeOf(std::string_view text);

// The general form: a blank before a value that is not negative (a minus otherwise), the shortest
// decimal form with at most 15 significant digits, no 0 before the point of a value between -1
// and 1, no trailing zeros. Magnitudes from 1E+15 up and below 1E-04 take the exponent form
// (" 1E+15", "-2.5E-07"). Negative zero is written " 0".
std::string GeneralForm(double value);

// The shortest decimal text that reads back to the same double ("-7292.999999999999", "175"),
// with a point and no leading blank, for files that must keep every bit of a value.
std::string ExactForm(double value);

// The general form padded on the left with blanks to width + 1 characters (never cut).
std::string RightAlignNumber(double value, int width);

// The general form of value rounded half up to three decimals: Int(value * 1000 + 0.5) / 1000.
std::string RoundTo3(double value);

// A digit pattern such as "0.00", "00.00" or "##.#####": each 0 is a digit always written, each #
// a digit written only when needed; the integer part is never cut. The value is taken at 15
// significant digits (as the general form shows it) and then rounded half away from zero.
// A result that rounds to zero carries no minus sign.
std::string FormatPattern(double value, std::string_view pattern);

}  // namespace tavrelion::store
