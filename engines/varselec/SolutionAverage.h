#pragma once

#include <array>
#include <string_view>

namespace tavrelion::engines::varselec {

// The average the main program's Varselec analysis makes of COMB2.OP: from the first line that
// starts with seven blanks, "1" and two blanks, every line is a candidate; one whose total
// (columns 42-46) times 100 lies within the bounds (percent, both inclusive) is accepted, and the
// five fractions (columns 10, 16, 22, 28, 34, six characters each) of the accepted lines are
// averaged.
struct SolutionAverage {
    long candidates = 0;
    long accepted = 0;
    std::array<double, 5> mean{};  // helix, antiparallel sheet, parallel sheet, turn, other
};

SolutionAverage AverageSolutions(std::string_view resultText, double lowPercent = 10.0,
                                 double highPercent = 110.0);

// The number a field starts with, as the analysis reads it: blanks skipped, then the longest
// leading decimal number; 0 for a blank field or text.
double LeadingNumber(std::string_view field);

// Characters column..column+width-1 (counted from 1) of a line, cut at its end.
std::string_view FieldOf(std::string_view line, int column, int width);

}  // namespace tavrelion::engines::varselec
