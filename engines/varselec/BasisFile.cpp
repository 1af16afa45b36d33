#include "varselec/BasisFile.h"

#include <cmath>

#include "common/DataLimits.h"
#include "varselec/ExchangeText.h"

namespace tavrelion::engines::varselec {
namespace {

std::string Where(const std::string& fileName, int protein, std::size_t line) {
    return fileName + ", protein " + std::to_string(protein) + " (line " + std::to_string(line) +
           ")";
}

// The value of a data line; the error names the file, the protein (counted from 1) and the line
// (counted from 1).
std::optional<double> DataValue(const std::string& text, const std::string& fileName, int protein,
                                std::size_t line) {
    if (SaysNoValue(text)) {
        return std::nullopt;
    }
    const auto value = ParseDecimal(text);
    if (!value || !WithinLimit(*value, LargestDeltaEpsilon)) {
        throw InputError(Where(fileName, protein, line) + ": \"" + std::string(Trimmed(text)) +
                         "\" is neither a delta epsilon value nor \"no data\"");
    }
    return value;
}

}  // namespace

BasisSpectra ParseBasis(const std::vector<std::string>& lines, int proteinCount,
                        int firstWavelength, const std::string& fileName) {
    const auto count = static_cast<std::size_t>(proteinCount);
    if (proteinCount < 1 || lines.size() < count || lines.size() % count != 0) {
        throw InputError(fileName + ": its " + std::to_string(lines.size()) + " lines are not " +
                         std::to_string(proteinCount) +
                         " blocks of a name line and equally many data lines");
    }
    const std::size_t blockLength = lines.size() / count;
    BasisSpectra basis;
    basis.firstWavelength = firstWavelength;
    for (std::size_t p = 0; p < count; ++p) {
        const std::size_t first = p * blockLength;
        const int number = static_cast<int>(p) + 1;
        BasisProtein protein;
        protein.name = lines[first];
        const auto fractions = ParseNameLine(protein.name);
        if (!fractions) {
            throw InputError(Where(fileName, number, first + 1) + ": the name line \"" +
                             protein.name +
                             "\" does not give the structure content (H .. S .. T .. O ..)");
        }
        protein.fractions = *fractions;
        const std::string problem = FractionsProblem(protein.fractions.data(), ClassCount);
        if (!problem.empty()) {
            throw InputError(Where(fileName, number, first + 1) + ": " + problem);
        }
        for (std::size_t line = first + 1; line < first + blockLength; ++line) {
            protein.values.push_back(DataValue(lines[line], fileName, number, line + 1));
        }
        basis.proteins.push_back(std::move(protein));
    }
    return basis;
}

}  // namespace tavrelion::engines::varselec
