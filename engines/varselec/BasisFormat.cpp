#include "varselec/BasisFormat.h"

#include <cstdio>
#include <sstream>

#include "varselec/ExchangeText.h"

namespace tavrelion::engines::varselec {
namespace {

constexpr std::array<char, ClassCount> ClassLetters = {'H', 'S', 'T', 'O'};

}  // namespace

std::string FormatNameLine(const std::string& code, const StructureFractions& fractions) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%-5s H %.2f S %.2f T %.2f O %.2f", code.c_str(),
                  fractions[0], fractions[1], fractions[2], fractions[3]);
    return buffer;
}

std::optional<StructureFractions> ParseNameLine(std::string_view line) {
    std::istringstream words{std::string(line)};
    std::string code;
    words >> code;
    StructureFractions fractions{};
    for (int c = 0; c < ClassCount; ++c) {
        std::string letter;
        std::string number;
        if (!(words >> letter >> number) || letter.size() != 1 ||
            letter[0] != ClassLetters[static_cast<std::size_t>(c)]) {
            return std::nullopt;
        }
        const auto value = ParseDecimal(number);
        if (!value) {
            return std::nullopt;
        }
        fractions[static_cast<std::size_t>(c)] = *value;
    }
    return fractions;
}

std::string FormatBasisValue(double deltaEpsilon) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%10.4f", deltaEpsilon);
    return buffer;
}

}  // namespace tavrelion::engines::varselec
