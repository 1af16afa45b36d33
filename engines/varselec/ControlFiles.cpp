#include "varselec/ControlFiles.h"

#include <algorithm>
#include <cmath>

#include "common/DataLimits.h"
#include "varselec/ExchangeText.h"

namespace tavrelion::engines::varselec {
namespace {

// Wavelengths a far-UV CD spectrum can have, in nm.
constexpr int LowestWavelength = 100;
constexpr int HighestWavelength = 1000;
// The result lines give each protein number in two characters.
constexpr int MostBasisProteins = 99;
// About four times the 237 336 combinations of 33 proteins with 5 left out: a larger run would
// write gigabytes.
constexpr long MostCombinations = 1000000;

long WholeWord(const std::vector<std::string>& words, std::size_t index, const std::string& file,
               const std::string& what) {
    if (index >= words.size()) {
        throw InputError(file + " ends before " + what);
    }
    const auto value = ParseWhole(words[index]);
    if (!value) {
        throw InputError(file + ": \"" + words[index] + "\" is not a whole number (" + what + ")");
    }
    return *value;
}

}  // namespace

long CombinationCount(int n, int k) {
    if (k < 0 || k > n) {
        return 0;
    }
    long count = 1;
    for (int i = 1; i <= k; ++i) {
        count = count * (n - k + i) / i;
    }
    return count;
}

WavelengthRange ParseRange(const std::vector<std::string>& lines) {
    const auto words = WordsOf(lines);
    WavelengthRange range;
    range.proteinCount =
        static_cast<int>(WholeWord(words, 0, "n.dta", "the number of basis proteins"));
    const long first = WholeWord(words, 1, "n.dta", "the first wavelength");
    const long last = WholeWord(words, 2, "n.dta", "the last wavelength");
    if (words.size() < 4 || ParseDecimal(words[3]) != 1.0) {
        throw InputError("n.dta: the wavelength step must be 1 nm");
    }
    if (range.proteinCount < 1 || range.proteinCount > MostBasisProteins) {
        throw InputError("n.dta: " + std::to_string(range.proteinCount) +
                         " basis proteins is out of range (1 to 99)");
    }
    if (first < LowestWavelength || last > HighestWavelength || first >= last) {
        throw InputError("n.dta: the wavelength range " + std::to_string(first) + " to " +
                         std::to_string(last) + " nm is not a spectrum's range");
    }
    range.firstWavelength = static_cast<int>(first);
    range.lastWavelength = static_cast<int>(last);
    return range;
}

SampleSpectrum ParseSample(const std::vector<std::string>& lines, const WavelengthRange& range) {
    SampleSpectrum sample;
    sample.fileName = lines.empty() ? std::string() : std::string(Trimmed(lines.front()));
    sample.firstWavelength = range.firstWavelength;
    const auto expected = static_cast<std::size_t>(range.lastWavelength - range.firstWavelength);
    std::size_t used = lines.size();
    while (used > 1 && Trimmed(lines[used - 1]).empty()) {
        --used;  // blank lines after the values are no values
    }
    if (used - 1 != expected) {
        throw InputError("b.dta holds " + std::to_string(used - 1) + " values, but the range " +
                         std::to_string(range.firstWavelength) + " to " +
                         std::to_string(range.lastWavelength) + " nm in n.dta needs " +
                         std::to_string(expected));
    }
    for (std::size_t i = 1; i < used; ++i) {
        const auto value = ParseDecimal(lines[i]);
        if (!value || !WithinLimit(*value, LargestDeltaEpsilon)) {
            throw InputError("b.dta, line " + std::to_string(i + 1) + ": \"" + lines[i] +
                             "\" is not a delta epsilon value");
        }
        sample.values.push_back(*value);
    }
    return sample;
}

CombinationChoice ParseChoice(const std::vector<std::string>& lines, int basisProteinCount) {
    const auto words = WordsOf(lines);
    const long n = WholeWord(words, 0, "comctl.dta", "the number of proteins chosen");
    const long kept = WholeWord(words, 1, "comctl.dta", "the number of proteins kept");
    const long announced = WholeWord(words, 3, "comctl.dta", "the number of combinations");
    if (n < 1 || n > basisProteinCount) {
        throw InputError("comctl.dta: " + std::to_string(n) +
                         " proteins chosen is out of range (1 to " +
                         std::to_string(basisProteinCount) + ")");
    }
    if (kept < 1 || kept > n || n - kept > MaximumRemoved) {
        throw InputError("comctl.dta: keeping " + std::to_string(kept) + " of " +
                         std::to_string(n) +
                         " proteins is out of range (0 to 5 left out, at least 1 kept)");
    }
    CombinationChoice choice;
    choice.keptCount = static_cast<int>(kept);
    choice.combinationCount = CombinationCount(static_cast<int>(n), static_cast<int>(n - kept));
    if (choice.combinationCount > MostCombinations) {
        throw InputError("comctl.dta: " + std::to_string(choice.combinationCount) +
                         " combinations are more than this program writes (1000000)");
    }
    if (announced != choice.combinationCount) {
        throw InputError("comctl.dta announces " + std::to_string(announced) +
                         " combinations, but " + std::to_string(n) + " proteins with " +
                         std::to_string(n - kept) + " left out give " +
                         std::to_string(choice.combinationCount));
    }
    if (words.size() != static_cast<std::size_t>(4 + n)) {
        throw InputError("comctl.dta lists " + std::to_string(words.size() - 4) +
                         " protein numbers instead of " + std::to_string(n));
    }
    for (long j = 0; j < n; ++j) {
        const long protein =
            WholeWord(words, static_cast<std::size_t>(4 + j), "comctl.dta", "a protein number");
        if (protein < 1 || protein > basisProteinCount) {
            throw InputError("comctl.dta: protein number " + std::to_string(protein) +
                             " is out of range (1 to " + std::to_string(basisProteinCount) + ")");
        }
        choice.proteins.push_back(static_cast<int>(protein));
    }
    std::sort(choice.proteins.begin(), choice.proteins.end());
    if (std::adjacent_find(choice.proteins.begin(), choice.proteins.end()) !=
        choice.proteins.end()) {
        throw InputError("comctl.dta lists a protein number twice");
    }
    return choice;
}

}  // namespace tavrelion::engines::varselec
