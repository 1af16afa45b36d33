#include "common/DataLimits.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace tavrelion::engines {
namespace {

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// What a printed number follows: the start of a line, a blank, a sign or a separator. A word
// inside a quoted line of a damaged file ("type_inf", "\"nan\"") is that file's text, no number.
bool OpensNumber(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0 ||
           std::string_view("+-(=,;:").find(c) != std::string_view::npos;
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
    if (text.size() - at < word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != word[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool WithinLimit(double value, double limit) {
    return std::fabs(value) <= limit;  // false for NaN too
}

std::string FractionsProblem(const double* fractions, int count) {
    double sum = 0.0;
    for (int c = 0; c < count; ++c) {
        if (!(fractions[c] >= 0.0 && fractions[c] <= 1.0)) {
            char text[64];
            std::snprintf(text, sizeof text, "the fraction %g lies outside 0 to 1", fractions[c]);
            return text;
        }
        sum += fractions[c];
    }
    if (std::fabs(sum - 1.0) > FractionSumTolerance) {
        char text[80];
        std::snprintf(text, sizeof text, "the fractions sum to %.4g instead of 1", sum);
        return text;
    }
    return {};
}

bool PrintsNonFinite(std::string_view report) {
    for (std::size_t at = 0; at < report.size(); ++at) {
        // Every word starts with n or i: most characters are passed over at once, which counts in
        // Varselec's reports of tens of megabytes.
        const int first = std::tolower(static_cast<unsigned char>(report[at]));
        if (first != 'n' && first != 'i') {
            continue;
        }
        if (at > 0 && !OpensNumber(report[at - 1])) {
            continue;
        }
        for (const std::string_view word : {"nan", "infinity", "inf"}) {
            if (StartsWithNoCase(report, at, word)) {
                const std::size_t end = at + word.size();
                if (end == report.size() || !IsLetter(report[end])) {
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace tavrelion::engines
