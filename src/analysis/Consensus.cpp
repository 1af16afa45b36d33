#include "analysis/Consensus.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "analysis/ConsensusCalibration.h"

namespace tavrelion::analysis {

namespace {

// A consensus needs methods carrying at least this share of each class's weight; the others'
// weights are scaled up to make 1. The intervals were calibrated with every method present.
constexpr double LeastPresentWeight = 0.5;

// The calibration of the shortest range the spectrum reaches in full: a spectrum to 180 nm is
// judged by the 240-190 nm figures, where the methods had less of it to go on.
std::optional<int> CalibratedRange(int shortestWavelength, const std::string& referenceSet) {
    std::optional<int> chosen;
    for (const ConsensusHalfWidths& range : ConsensusIntervals) {
        if (range.referenceSet == referenceSet && range.lowestWavelength >= shortestWavelength &&
            (!chosen || range.lowestWavelength < *chosen)) {
            chosen = range.lowestWavelength;
        }
    }
    return chosen;
}

// The first result of the method; a second run of the same method is not counted twice.
const MethodResult* ResultOf(const std::vector<MethodResult>& methods, const std::string& name) {
    const auto found = std::find_if(methods.begin(), methods.end(),
                                    [&](const MethodResult& m) { return m.method == name; });
    return found == methods.end() ? nullptr : &*found;
}

FractionInterval Around(double value, double halfWidth) {
    return {std::clamp(value - halfWidth, 0.0, 1.0), std::clamp(value + halfWidth, 0.0, 1.0)};
}

std::string Listed(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    }
    return text;
}

}  // namespace

ConsensusResult ConsensusOf(const std::vector<MethodResult>& methods, int shortestWavelength,
                            const std::string& referenceSet) {
    ConsensusResult result;
    const bool calibrated =
        std::any_of(std::begin(ConsensusIntervals), std::end(ConsensusIntervals),
                    [&](const ConsensusHalfWidths& h) { return h.referenceSet == referenceSet; });
    if (!calibrated) {
        result.reason = "the consensus is not calibrated with the reference set " + referenceSet;
        return result;
    }
    const std::optional<int> range = CalibratedRange(shortestWavelength, referenceSet);
    if (!range) {
        result.reason = "the spectrum stops at " + std::to_string(shortestWavelength) +
                        " nm; the consensus needs it down to 200 nm at least";
        return result;
    }
    double sum[4] = {}, present[4] = {}, total[4] = {};
    std::vector<std::string> missing;
    for (const ConsensusWeight& weight : ConsensusWeights) {
        if (weight.referenceSet != referenceSet || weight.lowestWavelength != *range) {
            continue;
        }
        const double w[4] = {weight.helix, weight.sheet, weight.turn, weight.other};
        const MethodResult* m = ResultOf(methods, weight.method);
        // Only the fractions taken from a method need be given (K2D gives no separate turn).
        bool complete = m != nullptr;
        const double given[4] = {m ? m->helix : NAN, m ? m->sheet : NAN, m ? m->turn : NAN,
                                 m ? m->other : NAN};
        for (int c = 0; c < 4; ++c) {
            total[c] += w[c];
            if (w[c] > 0 && std::isfinite(given[c])) {
                sum[c] += w[c] * given[c];
                present[c] += w[c];
            } else if (w[c] > 0) {
                complete = false;
            }
        }
        if (!complete) {
            missing.push_back(weight.method);
        }
    }
    for (int c = 0; c < 4; ++c) {
        if (total[c] > 0 && present[c] < LeastPresentWeight * total[c]) {
            result.reason = Listed(missing) +
                            " gave no result, and the methods that did carry less than half of "
                            "the consensus's weight";
            return result;
        }
    }
    const auto mean = [&](int c) { return present[c] > 0 ? sum[c] / present[c] : 0.0; };
    result.available = true;
    result.helix = mean(0);
    result.sheet = mean(1);
    result.turn = mean(2);
    result.other = mean(3);
    result.total = result.helix + result.sheet + result.turn + result.other;
    for (const ConsensusHalfWidths& h : ConsensusIntervals) {
        if (h.referenceSet == referenceSet && h.lowestWavelength == *range) {
            result.helix68 = Around(result.helix, h.helix68);
            result.sheet68 = Around(result.sheet, h.sheet68);
            result.helix95 = Around(result.helix, h.helix95);
            result.sheet95 = Around(result.sheet, h.sheet95);
        }
    }
    return result;
}

}  // namespace tavrelion::analysis
