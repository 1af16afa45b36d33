#include "varselec/SolutionAverage.h"

#include <cstdlib>
#include <string>

#include "varselec/SolutionLine.h"

namespace tavrelion::engines::varselec {
namespace {

constexpr std::string_view FirstSolutionStart = "       1  ";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string_view FieldOf(std::string_view line, int column, int width) {
    const auto start = static_cast<std::size_t>(column - 1);
    if (start >= line.size()) {
        return {};
    }
    return line.substr(start, static_cast<std::size_t>(width));
}

double LeadingNumber(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') {
        ++i;
    }
    std::string number;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) {
        number += field[i++];
    }
    bool point = false;
    while (i < field.size() && (IsDigit(field[i]) || (field[i] == '.' && !point))) {
        point = point || field[i] == '.';
        number += field[i++];
    }
    return number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
}

SolutionAverage AverageSolutions(std::string_view resultText, double lowPercent,
                                 double highPercent) {
    SolutionAverage average;
    bool started = false;
    std::size_t start = 0;
    while (start < resultText.size()) {
        std::size_t end = resultText.find('\n', start);
        if (end == std::string_view::npos) {
            end = resultText.size();
        }
        std::string_view line = resultText.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        started = started || line.substr(0, FirstSolutionStart.size()) == FirstSolutionStart;
        if (!started) {
            continue;
        }
        ++average.candidates;
        const double percent = 100.0 * LeadingNumber(FieldOf(line, TotalColumn, TotalWidth));
        if (percent < lowPercent || percent > highPercent) {
            continue;
        }
        ++average.accepted;
        for (int k = 0; k < 5; ++k) {
            average.mean[static_cast<std::size_t>(k)] += LeadingNumber(
                FieldOf(line, FirstFractionColumn + k * FractionWidth, FractionWidth));
        }
    }
    for (double& value : average.mean) {
        value = average.accepted > 0 ? value / static_cast<double>(average.accepted) : 0.0;
    }
    return average;
}

}  // namespace tavrelion::engines::varselec
