#pragma once

#include <string>
#include <vector>

#include "selcon3/SelfConsistentMethod.h"

// The rules that sift the candidate solutions (after Sreerama, Venyaminov & Woody 1999):
//   sum rule       the fractions add up to 1 within the tolerance; inside it, a candidate may
//                  count with the weight exp(-((sum - 1) / width)^2 / 2) instead of equally;
//   fraction rule  no fraction (of the candidate scaled to sum 1) below the floor;
//   refit rule     the spectrum of the solution (the reference spectra combined with the weights
//                  that combine their structures into it) deviates from the measured one by a
//                  normalised RMSD at most the limit; the rule stands aside when it would remove
//                  most of the candidates, which happens when the spectrum is unlike any
//                  reference and then leaves only over-fitted solutions;
//   helix rule     the mean helix of the survivors places the protein in a helix band (below
//                  0.25, 0.25 to 0.65, above 0.65); only the survivors inside it stay.
// When no candidate passes the sum and fraction rules, these are relaxed step by step.
namespace tavrelion::engines::selcon {

struct SelectionRules {
    double sumTolerance = 0.05;
    double sumWidth = 0.0;  // 0: every accepted candidate counts equally
    double fractionFloor = -0.025;
    bool allowRelaxation = true;
    bool useRefitRule = true;
    double refitLimit = 0.25;
    bool useHelixRule = true;
    int helixClass = 0;
};

struct Selection {
    std::vector<int> accepted;    // indexes into the candidates
    std::vector<double> weights;  // one per accepted candidate
    int relaxation = 0;           // 0 as given, then the relaxed steps
    SelectionRules applied;       // the sum and fraction rules in force after relaxation
    bool refitRuleApplied = false;
    std::string helixBand;  // e.g. "0.25 to 0.65"; empty when the helix rule kept all
};

// The relaxed form of the sum and fraction rules at a step (0 gives the rules themselves).
SelectionRules Relaxed(const SelectionRules& rules, int step);
inline constexpr int RelaxationSteps = 2;

// Whether a candidate passes the sum and fraction rules.
bool PassesSumAndFractionRules(const Solution& solution, const SelectionRules& rules);

// The accepted candidates with their weights; none accepted means that no step of relaxation let
// any through.
Selection SelectSolutions(const std::vector<Solution>& solutions, const SelectionRules& rules);

// The weighted mean of the accepted candidates, each scaled to sum 1 first.
Eigen::VectorXd WeightedMean(const std::vector<Solution>& solutions, const Selection& selection);

}  // namespace tavrelion::engines::selcon
