#include "drivers/VarselecInput.h"

#include <cmath>

#include "drivers/ExchangeFile.h"
#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextFile.h"

namespace tavrelion::drivers {

namespace {

constexpr double DeltaEpsilonDivisor = 3300.0;
constexpr int FirstBasisWavelength = 178;
constexpr int IndicesOnFirstLine = 25;

double Factorial(int n) {
    double product = 1.0;
    for (int i = 2; i <= n; ++i) {
        product *= i;
    }
    return product;
}

void CheckChoice(const VarselecChoice& choice) {
    const int n = static_cast<int>(choice.SelectedIndex.size());
    bool sound =
        n >= 1 && n <= VarselecProteinCount && choice.RemoveCount >= 0 && choice.RemoveCount < n;
    for (const auto protein : choice.SelectedIndex) {
        sound = sound && protein >= 1 && protein <= VarselecProteinCount;
    }
    if (!sound) {
        throw store::BasicError(store::InvalidArgument);
    }
}

void WriteRange(const store::SpectrumStore& store, const std::filesystem::path& folder) {
    store::TextFileWriter file(folder / "n.dta");
    file.writeLine("  " + store::GeneralForm(VarselecProteinCount) + " " +
                   store::GeneralForm(store.FirstWavelength) + ".0" +
                   store::GeneralForm(store.LastWavelength) + ".0" + "   1.0  " +
                   store::GeneralForm(store.LastWavelength - store.FirstWavelength) + " " + "  5");
}

void WriteSpectrum(const store::SpectrumStore& store, const std::filesystem::path& folder) {
    store::TextFileWriter file(folder / "b.dta");
    file.writeLine(ExchangeFileName(store.SpectrumFileName, VarselecTitleWidth));
    for (int i = 1; i <= store.PointCount - 1; ++i) {
        file.writeLine(
            store::FormatPattern(store.SpectrumValue(i) / DeltaEpsilonDivisor, "##.#####"));
    }
}

void WriteCombinations(const VarselecChoice& choice, const std::filesystem::path& folder) {
    const int n = static_cast<int>(choice.SelectedIndex.size());
    const int k = choice.RemoveCount;
    std::vector<std::string> lines = {
        store::RightAlignNumber(n, 4) + store::RightAlignNumber(n - k, 4) +
        store::RightAlignNumber(1, 6) +
        store::RightAlignNumber(static_cast<double>(VarselecCombinationCount(n, k)), 6)};
    std::string line;
    for (int j = 1; j <= n; ++j) {
        line += store::RightAlignNumber(choice.SelectedIndex[static_cast<std::size_t>(j - 1)], 2);
        if (j == IndicesOnFirstLine) {
            lines.push_back(line + " ");
            line.clear();
        }
    }
    WriteWithOpenLastLine(folder / "comctl.dta", lines, line);
}

}  // namespace

long VarselecCombinationCount(int n, int k) {
    return std::lround(Factorial(n) / (Factorial(k) * Factorial(n - k)));
}

std::vector<std::string> WriteVarselecBasis(const store::SpectrumStore& store,
                                            const std::filesystem::path& programFolder,
                                            const std::filesystem::path& workFolder) {
    store::TextFileReader basis(programFolder / "s.ori");
    store::TextFileWriter file(workFolder / "s.dta");
    const int first = store.FirstWavelength;
    const int last = store.FirstWavelength + store.PointCount - 2;
    std::vector<std::string> names;
    for (int protein = 1; protein <= VarselecProteinCount; ++protein) {
        names.push_back(basis.readLine());
        file.writeLine(names.back());
        for (int w = 1; w <= VarselecBasisLines; ++w) {
            const std::string line = basis.readLine();
            const int wavelength = FirstBasisWavelength - 1 + w;
            if (wavelength >= first && wavelength <= last) {
                file.writeLine(line);
            }
        }
    }
    return names;
}

void WriteVarselecInput(const store::SpectrumStore& store, const VarselecChoice& choice,
                        const std::filesystem::path& folder) {
    CheckChoice(choice);
    WriteRange(store, folder);
    WriteSpectrum(store, folder);
    WriteCombinations(choice, folder);
}

}  // namespace tavrelion::drivers
