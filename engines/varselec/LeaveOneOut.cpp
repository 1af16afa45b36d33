#include "varselec/LeaveOneOut.h"

#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "drivers/VarselecInput.h"
#include "store/SpectrumStore.h"
#include "varselec/SolutionAverage.h"
#include "varselec/VarselecRun.h"

namespace tavrelion::engines::varselec {
namespace {

constexpr double MeanResidueEllipticityPerDeltaEpsilon = 3300.0;

std::string ReadAll(const std::filesystem::path& file) {
    std::string bytes(static_cast<std::size_t>(std::filesystem::file_size(file)), '\0');
    std::ifstream(file, std::ios::binary)
        .read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// The first word of each name line of s.ori: the reference protein's code.
std::vector<std::string> BasisCodes(const std::filesystem::path& basisFile) {
    std::ifstream in(basisFile, std::ios::binary);
    std::vector<std::string> codes;
    std::string line;
    for (int i = 0; std::getline(in, line); ++i) {
        if (i % (drivers::VarselecBasisLines + 1) == 0) {
            std::istringstream words(line);
            std::string code;
            words >> code;
            codes.push_back(code);
        }
    }
    if (codes.size() != static_cast<std::size_t>(drivers::VarselecProteinCount)) {
        throw std::runtime_error(basisFile.string() + " does not hold 33 proteins");
    }
    return codes;
}

// The spectrum as the program holds it after loading: mean residue ellipticity on a 1-nm grid
// from the low wavelength to one past the high one (the driver never sends the last point).
store::SpectrumStore SpectrumOf(const ReferenceSet& set, int protein,
                                const CrossValidationSettings& settings) {
    store::SpectrumStore store;
    store.SpectrumFileName = "LOO_" + set.codes[static_cast<std::size_t>(protein)] + ".ASC";
    store.FirstWavelength = static_cast<store::Int16>(settings.lowWavelength);
    store.LastWavelength = static_cast<store::Int16>(settings.highWavelength + 1);
    store.PointCount =
        static_cast<store::Int16>(settings.highWavelength - settings.lowWavelength + 2);
    for (int i = 1; i <= store.PointCount; ++i) {
        const int nm = settings.lowWavelength + i - 1;
        store.SpectrumWavelength(i) = static_cast<store::Int16>(nm);
        store.SpectrumValue(i) = set.covers(nm) ? set.spectra(set.rowOfWavelength(nm), protein) *
                                                      MeanResidueEllipticityPerDeltaEpsilon
                                                : 0.0;
    }
    return store;
}

ClassScore Score(const std::vector<ProteinEstimate>& proteins, int c) {
    double squares = 0.0;
    double meanKnown = 0.0;
    double meanEstimated = 0.0;
    int count = 0;
    for (const auto& p : proteins) {
        if (p.accepted > 0) {
            const double d =
                p.estimated[static_cast<std::size_t>(c)] - p.known[static_cast<std::size_t>(c)];
            squares += d * d;
            meanKnown += p.known[static_cast<std::size_t>(c)];
            meanEstimated += p.estimated[static_cast<std::size_t>(c)];
            ++count;
        }
    }
    if (count == 0) {
        return {};
    }
    meanKnown /= count;
    meanEstimated /= count;
    double cross = 0.0;
    double varKnown = 0.0;
    double varEstimated = 0.0;
    for (const auto& p : proteins) {
        if (p.accepted > 0) {
            const double a = p.known[static_cast<std::size_t>(c)] - meanKnown;
            const double b = p.estimated[static_cast<std::size_t>(c)] - meanEstimated;
            cross += a * b;
            varKnown += a * a;
            varEstimated += b * b;
        }
    }
    ClassScore score;
    score.rmsd = std::sqrt(squares / count);
    score.correlation =
        varKnown > 0 && varEstimated > 0 ? cross / std::sqrt(varKnown * varEstimated) : 0.0;
    return score;
}

}  // namespace

CrossValidation LeaveOneOut(const ReferenceSet& set, const std::filesystem::path& basisFile,
                            const std::filesystem::path& workFolder,
                            const CrossValidationSettings& settings) {
    const auto codes = BasisCodes(basisFile);
    std::filesystem::copy_file(basisFile, workFolder / "s.ori",
                               std::filesystem::copy_options::overwrite_existing);
    CrossValidation result;
    for (int p = 0; p < set.proteinCount(); ++p) {
        ProteinEstimate estimate;
        estimate.code = set.codes[static_cast<std::size_t>(p)];
        drivers::VarselecChoice choice;
        choice.RemoveCount = static_cast<store::Int16>(settings.removed);
        for (int i = 0; i < static_cast<int>(codes.size()); ++i) {
            if (codes[static_cast<std::size_t>(i)] == estimate.code) {
                estimate.inBasis = true;
            } else {
                choice.SelectedIndex.push_back(static_cast<store::Int16>(i + 1));
            }
        }
        const auto store = SpectrumOf(set, p, settings);
        drivers::WriteVarselecBasis(store, workFolder, workFolder);
        drivers::WriteVarselecInput(store, choice, workFolder);
        std::ostringstream messages;
        if (RunVarselec(workFolder, messages, settings.fit) != RunDone) {
            throw std::runtime_error("the run for " + estimate.code + " failed: " + messages.str());
        }
        const auto average = AverageSolutions(ReadAll(workFolder / "COMB2.OP"), settings.lowPercent,
                                              settings.highPercent);
        estimate.accepted = average.accepted;
        // The analysis's columns: helix, antiparallel sheet, parallel sheet, turn, other.
        estimate.estimated = {average.mean[0], average.mean[1] + average.mean[2], average.mean[3],
                              average.mean[4]};
        for (int c = 0; c < ReferenceSet::ClassCount; ++c) {
            estimate.known[static_cast<std::size_t>(c)] = set.fractions(c, p);
        }
        result.withoutEstimate += estimate.accepted == 0 ? 1 : 0;
        result.proteins.push_back(estimate);
    }
    for (int c = 0; c < ReferenceSet::ClassCount; ++c) {
        result.scores[static_cast<std::size_t>(c)] = Score(result.proteins, c);
    }
    return result;
}

}  // namespace tavrelion::engines::varselec
