#include "selcon3/SelectionRules.h"

#include <cmath>

namespace tavrelion::engines::selcon {
namespace {

constexpr double LowHelixLimit = 0.25;
constexpr double HighHelixLimit = 0.65;
constexpr double SmallestSum = 0.2;

struct HelixBand {
    double low;
    double high;
    const char* text;
};

HelixBand BandOf(double helix) {
    if (helix > HighHelixLimit)
        return {HighHelixLimit, 2.0, "above 0.65"};
    if (helix >= LowHelixLimit)
        return {LowHelixLimit, HighHelixLimit, "0.25 to 0.65"};
    return {-1.0, LowHelixLimit, "below 0.25"};
}

Eigen::VectorXd Scaled(const Solution& solution) {
    return solution.fractions / solution.fractions.sum();
}

double SumWeight(const Solution& solution, const SelectionRules& rules) {
    if (rules.sumWidth <= 0.0)
        return 1.0;
    const double off = (solution.fractions.sum() - 1.0) / rules.sumWidth;
    return std::exp(-0.5 * off * off);
}

double TotalWeight(const Selection& selection) {
    double total = 0.0;
    for (double weight : selection.weights)
        total += weight;
    return total;
}

// Keeps the accepted candidates for which keep() holds.
template <typename Keep>
Selection Filtered(const std::vector<Solution>& solutions, const Selection& selection, Keep keep) {
    Selection kept = selection;
    kept.accepted.clear();
    kept.weights.clear();
    for (std::size_t i = 0; i < selection.accepted.size(); ++i) {
        if (keep(solutions[static_cast<std::size_t>(selection.accepted[i])])) {
            kept.accepted.push_back(selection.accepted[i]);
            kept.weights.push_back(selection.weights[i]);
        }
    }
    return kept;
}

Selection ApplyRefitRule(const std::vector<Solution>& solutions, const Selection& selection,
                         double limit) {
    Selection kept =
        Filtered(solutions, selection, [&](const Solution& s) { return s.refitNrmsd <= limit; });
    if (TotalWeight(kept) < 0.5 * TotalWeight(selection))
        return selection;
    kept.refitRuleApplied = true;
    return kept;
}

// Keeps the candidates whose helix lies in the band of the mean helix; all of them when none
// does (the mean can fall in a band that no single candidate reaches).
Selection ApplyHelixRule(const std::vector<Solution>& solutions, const Selection& selection,
                         int helixClass) {
    const double helix = WeightedMean(solutions, selection)(helixClass);
    const HelixBand band = BandOf(helix);
    Selection kept = Filtered(solutions, selection, [&](const Solution& s) {
        const double h = Scaled(s)(helixClass);
        return h >= band.low && h <= band.high;
    });
    if (kept.accepted.empty())
        return selection;
    kept.helixBand = band.text;
    return kept;
}

}  // namespace

SelectionRules Relaxed(const SelectionRules& rules, int step) {
    SelectionRules relaxed = rules;
    relaxed.sumTolerance *= 1 + step;
    relaxed.fractionFloor *= 1 + step;
    return relaxed;
}

bool PassesSumAndFractionRules(const Solution& solution, const SelectionRules& rules) {
    const double sum = solution.fractions.sum();
    // A sum near zero or below would turn the scaled fractions upside down.
    if (!std::isfinite(sum) || sum < SmallestSum || std::fabs(sum - 1.0) > rules.sumTolerance)
        return false;
    return Scaled(solution).minCoeff() >= rules.fractionFloor;
}

Selection SelectSolutions(const std::vector<Solution>& solutions, const SelectionRules& rules) {
    Selection selection;
    for (int step = 0; step <= RelaxationSteps; ++step) {
        selection.relaxation = step;
        selection.applied = Relaxed(rules, step);
        for (std::size_t i = 0; i < solutions.size(); ++i) {
            if (PassesSumAndFractionRules(solutions[i], selection.applied)) {
                selection.accepted.push_back(static_cast<int>(i));
                selection.weights.push_back(SumWeight(solutions[i], selection.applied));
            }
        }
        if (!selection.accepted.empty() || !rules.allowRelaxation)
            break;
    }
    if (selection.accepted.empty())
        return selection;
    if (rules.useRefitRule)
        selection = ApplyRefitRule(solutions, selection, rules.refitLimit);
    if (rules.useHelixRule)
        selection = ApplyHelixRule(solutions, selection, rules.helixClass);
    return selection;
}

Eigen::VectorXd WeightedMean(const std::vector<Solution>& solutions, const Selection& selection) {
    Eigen::VectorXd mean = Eigen::VectorXd::Zero(solutions.front().fractions.size());
    double total = 0.0;
    for (std::size_t i = 0; i < selection.accepted.size(); ++i) {
        mean += selection.weights[i] *
                Scaled(solutions[static_cast<std::size_t>(selection.accepted[i])]);
        total += selection.weights[i];
    }
    return total > 0.0 ? Eigen::VectorXd(mean / total) : mean;
}

}  // namespace tavrelion::engines::selcon
