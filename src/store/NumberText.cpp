#include "store/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "store/BasicError.h"

namespace tavrelion::store {
namespace {

bool IsSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The leading decimal number of text, blanks removed, exponent letter turned into 'e';
// also how many integer digits (after leading zeros) and what exponent it has, to tell
// an overflow from an underflow.
struct LeadingNumber {
    std::string text;
    int significantIntegerDigits = 0;
    long exponent = 0;
    bool hasDigits = false;
    bool isWholeText = false;  // nothing but the number, blanks aside
};

LeadingNumber ScanLeadingNumber(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!IsSkipped(c)) {
            compact.push_back(c);
        }
    }
    LeadingNumber number;
    std::size_t pos = 0;
    if (pos < compact.size() && (compact[pos] == '-' || compact[pos] == '+')) {
        if (compact[pos] == '-') {
            number.text.push_back('-');
        }
        ++pos;
    }
    bool leadingZeros = true;
    while (pos < compact.size() && IsDigit(compact[pos])) {
        if (compact[pos] != '0' || !leadingZeros) {
            leadingZeros = false;
            ++number.significantIntegerDigits;
        }
        number.text.push_back(compact[pos++]);
        number.hasDigits = true;
    }
    if (pos < compact.size() && compact[pos] == '.') {
        number.text.push_back('.');
        ++pos;
        while (pos < compact.size() && IsDigit(compact[pos])) {
            number.text.push_back(compact[pos++]);
            number.hasDigits = true;
        }
    }
    if (!number.hasDigits) {
        return number;
    }
    if (pos < compact.size() && std::string_view("EeDd").find(compact[pos]) != std::string::npos) {
        std::size_t exponentPos = pos + 1;
        std::string exponentText;
        if (exponentPos < compact.size() &&
            (compact[exponentPos] == '-' || compact[exponentPos] == '+')) {
            exponentText.push_back(compact[exponentPos++]);
        }
        bool exponentDigits = false;
        while (exponentPos < compact.size() && IsDigit(compact[exponentPos])) {
            // Exponents beyond any double's range only need to stay beyond it.
            if (exponentText.size() < 8) {
                exponentText.push_back(compact[exponentPos]);
            }
            ++exponentPos;
            exponentDigits = true;
        }
        if (exponentDigits) {
            number.text += 'e' + exponentText;
            number.exponent = std::stol(exponentText);
            pos = exponentPos;
        }
    }
    number.isWholeText = pos == compact.size();
    return number;
}

std::string WithoutZeroBeforePoint(std::string digits) {
    if (digits.rfind("0.", 0) == 0) {
        digits.erase(0, 1);
    }
    return digits;
}

}  // namespace

double NumberOf(std::string_view text) {
    const LeadingNumber number = ScanLeadingNumber(text);
    if (!number.hasDigits) {
        return 0.0;
    }
    double value = 0.0;
    const char* first = number.text.data();
    const char* last = first + number.text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        if (number.significantIntegerDigits + number.exponent > 0) {
            throw BasicError(Overflow);
        }
        return 0.0;
    }
    if (error != std::errc() || end != last) {
        return 0.0;
    }
    return value;
}

bool ReadsAsNumber(std::string_view text) {
    const LeadingNumber number = ScanLeadingNumber(text);
    return number.hasDigits && number.isWholeText;
}

Int16 WholeOf(std::string_view text) {
    return RoundToInt16(NumberOf(text));
}

std::string GeneralForm(double value) {
    if (std::isnan(value)) {
        return " NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Inf" : " Inf";
    }
    if (value == 0.0) {
        return " 0";
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::general, 15);
    std::string digits(buffer, result.ptr);
    for (char& c : digits) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return (value < 0 ? "-" : " ") + WithoutZeroBeforePoint(digits);
}

std::string ExactForm(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string RightAlignNumber(double value, int width) {
    std::string text = GeneralForm(value);
    const int padding = width - static_cast<int>(text.size()) + 1;
    if (padding > 0) {
        text.insert(0, static_cast<std::size_t>(padding), ' ');
    }
    return text;
}

std::string RoundTo3(double value) {
    return GeneralForm(std::floor(value * 1000.0 + 0.5) / 1000.0);
}

std::optional<std::vector<double>> BlankSeparatedNumbers(std::string_view text) {
    std::vector<double> values;
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    while (true) {
        while (at < end && *at == ' ') {
            ++at;
        }
        if (at == end) {
            return values;
        }
        double value = 0;
        const auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc() || !std::isfinite(value) || (next < end && *next != ' ')) {
            return std::nullopt;
        }
        values.push_back(value);
        at = next;
    }
}

}  // namespace tavrelion::store
