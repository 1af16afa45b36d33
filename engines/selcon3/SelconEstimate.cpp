#include "selcon3/SelconEstimate.h"

#include "common/FitQuality.h"

#include <algorithm>
#include <cmath>

namespace tavrelion::engines::selcon {

SelconOptions DefaultOptions() {
    SelconOptions options;
    options.method.localWidth = 2.0;
    options.method.smallestSubset = 10;
    options.method.fewestBasis = 2;
    options.method.mostBasis = 15;
    options.method.subsetStep = 3;
    options.rules.sumTolerance = 0.45;
    options.rules.sumWidth = 0.15;
    return options;
}

std::optional<WavelengthRange> CommonRange(const ReferenceSet& references,
                                           const MeasuredSpectrum& spectrum, std::string& reason) {
    const WavelengthRange common{std::min(references.highestWavelength, spectrum.highestWavelength),
                                 std::max(references.lowestWavelength, spectrum.lowestWavelength)};
    if (common.highest >= RequiredHighest && common.lowest <= RequiredLowest)
        return common;
    reason = "The spectrum covers " + std::to_string(spectrum.highestWavelength) + " down to " +
             std::to_string(spectrum.lowestWavelength) + " nm and the reference spectra " +
             std::to_string(references.highestWavelength) + " down to " +
             std::to_string(references.lowestWavelength) +
             " nm. This method needs the range they share to reach from " +
             std::to_string(RequiredHighest) + " nm down to " + std::to_string(RequiredLowest) +
             " nm at least, so no estimate was made.";
    return std::nullopt;
}

int ProteinIndex(const ReferenceSet& references, const std::string& code) {
    const auto found = std::find(references.codes.begin(), references.codes.end(), code);
    return found == references.codes.end() ? -1
                                           : static_cast<int>(found - references.codes.begin());
}

namespace {

Eigen::VectorXd SpectrumOnRange(const MeasuredSpectrum& spectrum, const WavelengthRange& range) {
    Eigen::VectorXd query(range.highest - range.lowest + 1);
    for (int nm = range.highest; nm >= range.lowest; --nm)
        query(range.highest - nm) = spectrum.at(nm);
    return query;
}

void Average(const std::vector<Solution>& solutions, Estimate& estimate) {
    const Selection& selection = estimate.selection;
    estimate.fractions = WeightedMean(solutions, selection);
    estimate.spread = Eigen::VectorXd::Zero(estimate.fractions.size());
    estimate.backCalculated = Eigen::VectorXd::Zero(estimate.measured.size());
    double total = 0.0;
    for (std::size_t i = 0; i < selection.accepted.size(); ++i) {
        const Solution& solution = solutions[static_cast<std::size_t>(selection.accepted[i])];
        const Eigen::VectorXd off =
            solution.fractions / solution.fractions.sum() - estimate.fractions;
        estimate.spread += selection.weights[i] * off.cwiseAbs2();
        estimate.backCalculated += selection.weights[i] * solution.spectrum;
        total += selection.weights[i];
    }
    estimate.spread = (estimate.spread / total).cwiseSqrt();
    estimate.backCalculated /= total;
}

}  // namespace

Estimate EstimateStructure(const ReferenceSet& references, const MeasuredSpectrum& spectrum,
                           const SelconOptions& options) {
    Estimate estimate;
    const auto range = CommonRange(references, spectrum, estimate.reason);
    if (!range)
        return estimate;
    estimate.used = *range;
    const Eigen::VectorXd query = SpectrumOnRange(spectrum, *range);
    estimate.measured = query;
    if (query.cwiseAbs().maxCoeff() < 0.005) {
        estimate.reason = "The spectrum is zero at every wavelength used, so no estimate was made.";
        return estimate;
    }
    const Eigen::MatrixXd spectra = references.spectraBetween(range->highest, range->lowest);
    estimate.solutions = SolveSubsets(spectra, references.fractions, query, options.method);
    const std::vector<Solution>& solutions = estimate.solutions;
    estimate.candidates = static_cast<int>(solutions.size());
    estimate.selection = SelectSolutions(solutions, options.rules);
    if (estimate.selection.accepted.empty()) {
        estimate.reason =
            "None of the " + std::to_string(solutions.size()) +
            " candidate solutions passed the selection rules; the spectrum is not "
            "like those of the reference proteins (check its units: delta epsilon per residue), "
            "so no estimate was made.";
        return estimate;
    }
    Average(solutions, estimate);
    estimate.refitNrmsd = Nrmsd(query, estimate.backCalculated);
    estimate.made = true;
    return estimate;
}

}  // namespace tavrelion::engines::selcon
