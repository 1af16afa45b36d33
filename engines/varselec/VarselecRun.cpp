#include "varselec/VarselecRun.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "common/DataLimits.h"
#include "common/FitQuality.h"
#include "varselec/AlignedData.h"
#include "varselec/BasisFile.h"
#include "varselec/CombinationWalker.h"
#include "varselec/ControlFiles.h"
#include "varselec/ExchangeText.h"
#include "varselec/ResultReport.h"
#include "varselec/SolutionLine.h"

namespace tavrelion::engines::varselec {
namespace {

// Solution lines are gathered and written in pieces of about this size.
constexpr std::size_t WriteChunk = 1u << 20;

struct Inputs {
    SampleSpectrum sample;
    BasisSpectra basis;
    CombinationChoice choice;
};

// The number of data lines per protein the driver writes into s.dta for this range: those of
// 178..260 nm from the first wavelength up to the one before the last.
int ExpectedBasisLines(const WavelengthRange& range) {
    const int low = std::max(range.firstWavelength, BasisFirstWavelength);
    const int high = std::min(range.lastWavelength - 1, BasisLastWavelength);
    return std::max(0, high - low + 1);
}

Inputs ReadInputs(const std::filesystem::path& folder) {
    const WavelengthRange range = ParseRange(ReadTextLines(folder / "n.dta"));
    Inputs inputs;
    inputs.sample = ParseSample(ReadTextLines(folder / "b.dta"), range);
    inputs.basis = ParseBasis(ReadTextLines(folder / "s.dta"), range.proteinCount,
                              std::max(range.firstWavelength, BasisFirstWavelength), "s.dta");
    const int expected = ExpectedBasisLines(range);
    if (inputs.basis.wavelengthCount() != expected) {
        throw InputError("s.dta holds " + std::to_string(inputs.basis.wavelengthCount()) +
                         " data lines per protein, but the range " +
                         std::to_string(range.firstWavelength) + " to " +
                         std::to_string(range.lastWavelength) + " nm in n.dta calls for " +
                         std::to_string(expected));
    }
    inputs.choice = ParseChoice(ReadTextLines(folder / "comctl.dta"), range.proteinCount);
    return inputs;
}

// A solution that is not a finite number: the run gives no estimate.
struct NonFiniteSolution {};

// Writes text to the result file at once (the short reports without solutions).
bool WriteWhole(const std::filesystem::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out);
}

// The checks of b.dta against the reference proteins, from its highest wavelength down: whether
// it is a protein's spectrum at all, and whether it is one of the reference proteins' own.
void CheckSpectrum(const SampleSpectrum& sample, const BasisOrigin& origin, RunDescription& run) {
    if (origin.references == nullptr || sample.values.size() < 2)
        return;
    const Eigen::VectorXd descending =
        Eigen::Map<const Eigen::VectorXd>(sample.values.data(),
                                          static_cast<Eigen::Index>(sample.values.size()))
            .reverse();
    const int highest = sample.firstWavelength + static_cast<int>(sample.values.size()) - 1;
    run.inputCheck = SpectrumFlag(*origin.references, highest, descending);
    run.nearDuplicate = NearDuplicateLine(*origin.references, highest, descending);
}

bool WriteSolutions(const std::filesystem::path& file, const Inputs& inputs,
                    const AlignedData& data, const FitSettings& settings,
                    const BasisOrigin& origin) {
    const CombinationChoice& choice = inputs.choice;
    const int n = static_cast<int>(choice.proteins.size());
    const SubsetFitter fitter(data, settings, choice.removedCount());

    RunDescription run;
    run.spectrumName = inputs.sample.fileName;
    run.wavelengths = data.wavelengths;
    run.chosenCount = n;
    run.removedCount = choice.removedCount();
    run.combinationCount = choice.combinationCount;
    run.singularVectors = fitter.singularVectorsUsed();
    run.sumRuleWeight = settings.sumRuleWeight;
    run.allChosen = fitter.solve({});
    run.referenceSet = origin.set;
    run.fitted = data.sample;
    CheckSpectrum(inputs.sample, origin, run);

    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    std::string text = SolutionsHeader(run);
    const auto write = [&out, &text] {
        if (PrintsNonFinite(text)) {
            throw NonFiniteSolution();
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    };
    text.reserve(WriteChunk + 1024);
    CombinationWalker walker(n, choice.keptCount);
    std::vector<int> numbers(static_cast<std::size_t>(choice.keptCount));
    std::vector<double> coefficients(numbers.size());
    long number = 0;
    do {
        const auto kept = walker.kept();
        const SubsetSolution solution = fitter.solve(walker.removed());
        for (std::size_t j = 0; j < kept.size(); ++j) {
            numbers[j] = choice.proteins[static_cast<std::size_t>(kept[j])];
            coefficients[j] = solution.coefficients(kept[j]);
        }
        AppendSolutionLine(text, ++number, solution, numbers, coefficients);
        if (text.size() >= WriteChunk) {
            write();
            text.clear();
        }
    } while (walker.next());
    write();
    return static_cast<bool>(out);
}

}  // namespace

RunStatus RunVarselec(const std::filesystem::path& folder, std::ostream& messages,
                      const FitSettings& settings, const BasisOrigin& origin) {
    const auto result = folder / ResultFileName;
    Inputs inputs;
    try {
        inputs = ReadInputs(folder);
    } catch (const InputError& error) {
        messages << "varslc1: " << error.what() << "\n";
        const std::string reason =
            std::string("The exchange files are not usable: ") + error.what() + ".";
        if (!WriteWhole(result, NoEstimateReport("(not known)", reason, origin.set))) {
            messages << "varslc1: cannot write " << result.string() << "\n";
            return RunCannotWrite;
        }
        return RunBadInput;
    }
    const AlignedData data = AlignWithBasis(inputs.basis, inputs.sample, inputs.choice.proteins);
    const std::string missing = MissingCoverage(data);
    bool written = false;
    try {
        written =
            missing.empty()
                ? WriteSolutions(result, inputs, data, settings, origin)
                : WriteWhole(result, NoEstimateReport(inputs.sample.fileName, missing, origin.set));
    } catch (const NonFiniteSolution&) {
        messages << "varslc1: " << NonFiniteResult << "\n";
        WriteWhole(result, NoEstimateReport(inputs.sample.fileName, NonFiniteResult, origin.set));
        return RunBadInput;
    }
    if (!written) {
        messages << "varslc1: cannot write " << result.string() << "\n";
        return RunCannotWrite;
    }
    if (!missing.empty()) {
        messages << "varslc1: no estimate: " << missing << "\n";
    }
    return RunDone;
}

}  // namespace tavrelion::engines::varselec
