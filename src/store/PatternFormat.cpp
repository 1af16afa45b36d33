#include <charconv>
#include <cmath>
#include <string>

#include "store/NumberText.h"

namespace tavrelion::store {
namespace {

struct DigitPattern {
    int minimumIntegerDigits = 0;
    int minimumDecimals = 0;
    int maximumDecimals = 0;
};

DigitPattern ParsePattern(std::string_view pattern) {
    DigitPattern parsed;
    const std::size_t point = pattern.find('.');
    const std::string_view integerPart = pattern.substr(0, point);
    for (char c : integerPart) {
        parsed.minimumIntegerDigits += (c == '0');
    }
    if (point != std::string_view::npos) {
        for (char c : pattern.substr(point + 1)) {
            if (c == '0' || c == '#') {
                ++parsed.maximumDecimals;
                if (c == '0') {
                    parsed.minimumDecimals = parsed.maximumDecimals;
                }
            }
        }
    }
    return parsed;
}

// |value| at 15 significant digits as an integer part and a fraction part of decimal digits.
void SplitDecimal(double magnitude, std::string& integerDigits, std::string& fractionDigits) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    const std::string scientific(buffer, result.ptr);
    const std::size_t exponentAt = scientific.find('e');
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, exponentAt - 2);
    const int exponent = std::stoi(scientific.substr(exponentAt + 1));
    if (exponent >= 0) {
        const auto integerLength = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() < integerLength) {
            digits.append(integerLength - digits.size(), '0');
        }
        integerDigits = digits.substr(0, integerLength);
        fractionDigits = digits.substr(integerLength);
    } else {
        integerDigits = "0";
        fractionDigits = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
}

// Adds one unit in the last place of integerDigits.fractionDigits.
void IncrementLastDigit(std::string& integerDigits, std::string& fractionDigits) {
    for (auto it = fractionDigits.rbegin(); it != fractionDigits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    for (auto it = integerDigits.rbegin(); it != integerDigits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    integerDigits.insert(0, 1, '1');
}

}  // namespace

std::string FormatPattern(double value, std::string_view pattern) {
    const DigitPattern layout = ParsePattern(pattern);
    if (!std::isfinite(value)) {
        return GeneralForm(value);
    }
    std::string integerDigits;
    std::string fractionDigits;
    SplitDecimal(std::fabs(value), integerDigits, fractionDigits);

    const auto kept = static_cast<std::size_t>(layout.maximumDecimals);
    if (fractionDigits.size() > kept) {
        const bool roundUp = fractionDigits[kept] >= '5';  // half away from zero on the magnitude
        fractionDigits.resize(kept);
        if (roundUp) {
            IncrementLastDigit(integerDigits, fractionDigits);
        }
    }
    while (static_cast<int>(fractionDigits.size()) > layout.minimumDecimals &&
           !fractionDigits.empty() && fractionDigits.back() == '0') {
        fractionDigits.pop_back();
    }
    fractionDigits.resize(std::max<std::size_t>(fractionDigits.size(), layout.minimumDecimals),
                          '0');

    const std::size_t firstNonZero = integerDigits.find_first_not_of('0');
    integerDigits = firstNonZero == std::string::npos ? "" : integerDigits.substr(firstNonZero);
    if (static_cast<int>(integerDigits.size()) < layout.minimumIntegerDigits) {
        integerDigits.insert(0, layout.minimumIntegerDigits - integerDigits.size(), '0');
    }

    const bool isZero =
        (integerDigits + fractionDigits).find_first_not_of('0') == std::string::npos;
    std::string text = (value < 0 && !isZero) ? "-" : "";
    text += integerDigits;
    if (pattern.find('.') != std::string_view::npos) {
        text += '.' + fractionDigits;
    }
    return text;
}

}  // namespace tavrelion::store
