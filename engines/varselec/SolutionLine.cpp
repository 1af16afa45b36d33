#include "varselec/SolutionLine.h"

#include <array>
#include <cmath>
#include <cstring>

namespace tavrelion::engines::varselec {
namespace {

constexpr std::size_t Five = 5;
constexpr double Unrepresentable = 1e6;

// Writes the digits of a non-negative whole number right-aligned, ending before `end`.
char* WriteDigitsBackwards(char* end, long long value, int minimumDigits) {
    int written = 0;
    do {
        *--end = static_cast<char>('0' + value % 10);
        value /= 10;
        ++written;
    } while (value > 0 || written < minimumDigits);
    return end;
}

// Writes "I.fff" with `decimals` decimals of |scaled| (the value times 10^decimals), optionally
// after a minus, into exactly five characters at `at`; no digit before the point when the
// integer part is 0 and a minus leaves no room for it.
void WriteFixed(char* at, long long scaled, int decimals, bool negative) {
    char buffer[24];
    char* end = buffer + sizeof buffer;
    long long divisor = 1;
    for (int i = 0; i < decimals; ++i) {
        divisor *= 10;
    }
    char* start = WriteDigitsBackwards(end, scaled % divisor, decimals);
    *--start = '.';
    const long long whole = scaled / divisor;
    if (whole > 0 || !negative) {
        start = WriteDigitsBackwards(start, whole, 1);
    }
    if (negative) {
        *--start = '-';
    }
    std::memcpy(at, start, Five);
}

void WriteFive(char* at, double value) {
    if (!std::isfinite(value) || std::fabs(value) >= Unrepresentable) {
        std::memcpy(at, "*****", Five);
        return;
    }
    const bool negative = value < 0.0;
    const double magnitude = std::fabs(value);
    // The most decimals that still fit: 3 below 10 (below 1 with a minus), then 2, then 1.
    const std::array<double, 3> limits = negative ? std::array<double, 3>{1.0, 10.0, 100.0}
                                                  : std::array<double, 3>{10.0, 100.0, 1000.0};
    for (int decimals = 3; decimals >= 1; --decimals) {
        const double scale = std::pow(10.0, decimals);
        const auto scaled = static_cast<long long>(std::llround(magnitude * scale));
        if (scaled <
            static_cast<long long>(limits[static_cast<std::size_t>(3 - decimals)] * scale)) {
            WriteFixed(at, scaled, decimals, negative && scaled != 0);
            return;
        }
    }
    std::memcpy(at, "*****", Five);
}

// A six-character field at the given column index: a blank, then the value in five characters.
void WriteField(char* line, int columnIndex, double value) {
    WriteFive(line + columnIndex + 1, value);
}

// Appends a blank and the value with five decimals ("-0.03125", "0.21400"); "*" when it is no
// finite number of a sensible size, which the analysis then does not take for a coefficient.
void AppendCoefficient(std::string& out, double value) {
    out += ' ';
    if (!std::isfinite(value) || std::fabs(value) >= Unrepresentable) {
        out += '*';
        return;
    }
    const auto scaled = std::llround(std::fabs(value) * 1e5);
    char buffer[24];
    char* end = buffer + sizeof buffer;
    char* start = WriteDigitsBackwards(end, scaled % 100000, 5);
    *--start = '.';
    start = WriteDigitsBackwards(start, scaled / 100000, 1);
    if (value < 0.0 && scaled != 0) {
        *--start = '-';
    }
    out.append(start, static_cast<std::size_t>(end - start));
}

}  // namespace

std::string FiveCharacters(double value) {
    char text[Five];
    WriteFive(text, value);
    return std::string(text, Five);
}

void AppendSolutionLine(std::string& out, long number, const SubsetSolution& solution,
                        std::span<const int> proteinNumbers, std::span<const double> coefficients) {
    std::array<char, 512> line;
    line.fill(' ');
    WriteDigitsBackwards(line.data() + 8, number, 1);
    const std::array<double, 5> fractions = {solution.fractions[0], solution.fractions[1], 0.0,
                                             solution.fractions[2], solution.fractions[3]};
    for (std::size_t k = 0; k < fractions.size(); ++k) {
        WriteField(line.data(), FirstFractionColumn - 1 + static_cast<int>(k) * FractionWidth,
                   fractions[k]);
    }
    WriteFive(line.data() + TotalColumn - 1, solution.total);
    WriteFive(line.data() + RmsColumn - 1, solution.rmsDeviation);
    std::size_t length = RmsColumn - 1 + Five;
    for (std::size_t j = 0; j < proteinNumbers.size() && length + ProteinStep < line.size(); ++j) {
        char* end = line.data() + FirstProteinColumn - 1 + ProteinStep * j + 2;
        WriteDigitsBackwards(end, proteinNumbers[j] % 100, 1);
        length = static_cast<std::size_t>(end - line.data());
    }
    out.append(line.data(), length);
    // Beyond 33 proteins the numbers would reach the coefficients: none are written then.
    if (!coefficients.empty() && length < CoefficientColumn - 1) {
        out.append(CoefficientColumn - 1 - length, ' ');
        for (const double coefficient : coefficients) {
            AppendCoefficient(out, coefficient);
        }
    }
    out.append("\r\n");
}

}  // namespace tavrelion::engines::varselec
