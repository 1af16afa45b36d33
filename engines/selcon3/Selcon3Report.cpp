#include "selcon3/Selcon3Report.h"

#include "common/FitQuality.h"
#include "selcon3/ReportFile.h"
#include "selcon3/SummaryLine.h"

namespace tavrelion::engines::selcon {
namespace {

constexpr const char* Title =
    " SELCON3 - protein secondary structure by the self-consistent method";
const std::string ColumnHeads = std::string(12, ' ') + SummaryTailHeads;

std::string Range(int high, int low) {
    return std::to_string(high) + " - " + std::to_string(low) + " nm";
}

std::vector<std::string> MethodLines(const ReferenceSet& references, const SelconOptions& options) {
    const auto& m = options.method;
    const auto& r = options.rules;
    return Wrapped(
        "Method: the measured spectrum joins the reference spectra as one more column, with the "
        "structure of the reference protein of the closest spectrum as its first guess; a singular "
        "value decomposition kept to h terms maps spectra to structure, and the estimate replaces "
        "the guess until it changes by less than " +
            Fixed(m.convergence, 3) +
            " (Sreerama & Woody 1993). This is repeated for reference subsets of the " +
            std::to_string(m.smallestSubset) + ", " +
            std::to_string(m.smallestSubset + m.subsetStep) + ", ... closest proteins up to all " +
            std::to_string(references.proteinCount()) +
            " and for h = " + std::to_string(m.fewestBasis) + " to " + std::to_string(m.mostBasis) +
            ". References are weighted by the closeness of their spectra (Gaussian in the spectral "
            "distance, width " +
            Fixed(m.localWidth, 1) +
            " times the distance of the second closest). "
            "Selection rules (Sreerama, Venyaminov & Woody 1999): sum rule, the fractions add up "
            "to "
            "1 within " +
            Fixed(r.sumTolerance, 2) +
            ", each solution counting with a Gaussian weight "
            "of width " +
            Fixed(r.sumWidth, 2) +
            " around 1 and scaled to sum 1; fraction rule, no "
            "fraction below " +
            Fixed(r.fractionFloor, 3) +
            "; refit rule, the spectrum of the "
            "solution (the reference spectra combined with the weights that give its structure) "
            "within a normalised RMSD of " +
            Fixed(r.refitLimit, 2) +
            " of the measured one; helix "
            "rule, only solutions in the helix band (below 0.25, 0.25 to 0.65, above 0.65) of the "
            "mean helix. The result is the weighted mean of the accepted solutions.",
        " ");
}

std::vector<std::string> SelectionLines(const Estimate& estimate) {
    const Selection& s = estimate.selection;
    std::vector<std::string> lines = {
        " Candidate solutions:  " + std::to_string(estimate.candidates),
        " Accepted solutions:   " + std::to_string(s.accepted.size())};
    if (s.relaxation > 0)
        lines.push_back(
            " No solution passed the sum and fraction rules as given; relaxed to sum "
            "within " +
            Fixed(s.applied.sumTolerance, 2) + ", fractions from " +
            Fixed(s.applied.fractionFloor, 3) + ".");
    if (!s.refitRuleApplied)
        lines.push_back(" The refit rule stood aside: it would have removed most solutions.");
    lines.push_back(s.helixBand.empty() ? " Helix rule: kept all solutions."
                                        : " Helix rule: helix band " + s.helixBand + ".");
    return lines;
}

}  // namespace

std::vector<std::string> CitationLines(const std::vector<std::string>& methodPapers,
                                       const std::string& referenceSet) {
    std::vector<std::string> lines = {" Please cite:"};
    std::vector<std::string> papers = methodPapers;
    for (std::string& paper : ReferenceCitations(referenceSet))
        papers.push_back(std::move(paper));
    for (const std::string& text : papers) {
        for (const std::string& line : Wrapped(text, "   "))
            lines.push_back(line);
    }
    return lines;
}

void AppendFitLines(const ReferenceSet& references, const Estimate& estimate,
                    std::vector<std::string>& lines) {
    if (estimate.made) {
        for (std::string& line :
             BackCalculatedLines(estimate.used.highest, estimate.measured, estimate.backCalculated))
            lines.push_back(std::move(line));
    }
    if (estimate.measured.size() > 0) {
        std::string flag = SpectrumFlag(references, estimate.used.highest, estimate.measured);
        std::string duplicate =
            NearDuplicateLine(references, estimate.used.highest, estimate.measured);
        if (!flag.empty() || !duplicate.empty())
            lines.emplace_back("");
        for (std::string* line : {&flag, &duplicate})
            if (!line->empty())
                lines.push_back(std::move(*line));
    }
}

std::optional<SummaryValues> SummaryValuesOf(const Estimate& estimate) {
    if (!estimate.made) {
        return std::nullopt;
    }
    const Eigen::VectorXd& f = estimate.fractions;
    return SummaryValues{f(ReferenceSet::HelixClass),
                         f(ReferenceSet::SheetClass),
                         f(ReferenceSet::TurnClass),
                         f(ReferenceSet::OtherClass),
                         f.sum(),
                         estimate.refitNrmsd};
}

std::string FractionsLine(const Estimate& estimate) {
    return FractionsLabel + SummaryTail(SummaryValuesOf(estimate));
}

std::vector<std::string> Selcon3Report(const ReferenceSet& references,
                                       const Selcon3Context& context, const Estimate& estimate,
                                       const SelconOptions& options) {
    std::vector<std::string> lines = {
        Title, "", " Sample: " + context.sample,
        " Spectrum received: " + Range(context.receivedHighest, context.receivedLowest) +
            ", delta epsilon per residue (M-1 cm-1)"};
    for (const std::string& line :
         Wrapped("Reference set: " + references.name + ", " +
                     std::to_string(references.proteinCount()) + " proteins, " +
                     Range(references.highestWavelength, references.lowestWavelength) +
                     "; secondary structure from the crystal structures by DSSP (Kabsch & Sander "
                     "1983) in four classes: helix, sheet, turn, other. Polyproline II (PP2) is "
                     "not available in these data and stays blank.",
                 " "))
        lines.push_back(line);
    if (!context.leftOut.empty())
        lines.push_back(" Left out of the references for this check: " + context.leftOut);
    if (estimate.used.highest > 0)
        lines.push_back(" Wavelengths used: " + Range(estimate.used.highest, estimate.used.lowest) +
                        " (" + std::to_string(estimate.used.highest - estimate.used.lowest + 1) +
                        " points, 1 nm apart)");
    lines.push_back("");
    for (const std::string& line : MethodLines(references, options))
        lines.push_back(line);
    lines.push_back("");
    if (!estimate.made) {
        for (const std::string& line : Wrapped("No estimate: " + estimate.reason, " "))
            lines.push_back(line);
        lines.push_back("");
        lines.push_back(ColumnHeads);
        lines.push_back(FractionsLine(estimate));
    } else {
        for (const std::string& line : SelectionLines(estimate))
            lines.push_back(line);
        lines.push_back("");
        lines.push_back(ColumnHeads);
        lines.push_back(FractionsLine(estimate));
        const Eigen::VectorXd& s = estimate.spread;
        lines.push_back(" Spread:      " + FiveCharacters(s(0)) + " " + FiveCharacters(s(1)) + " " +
                        FiveCharacters(s(2)) + std::string(11, ' ') + FiveCharacters(s(3)));
        lines.push_back("");
        for (const std::string& line :
             Wrapped("Spread: standard deviation over the accepted solutions. sum: the sum of "
                     "the fractions. NRMSD: the weighted mean of the accepted solutions' refits "
                     "(the spectra the refit rule judges) against the measured one, "
                     "sqrt(sum (d - d_fit)^2 / sum d^2).",
                     " "))
            lines.push_back(line);
    }
    lines.push_back("");
    for (const std::string& line :
         CitationLines({SelfConsistentPaper, Selcon3Paper}, references.name))
        lines.push_back(line);
    AppendFitLines(references, estimate, lines);
    return lines;
}

std::vector<std::string> Selcon3FailureReport(const std::string& reason,
                                              const std::string& referenceSet) {
    std::vector<std::string> lines = {Title, ""};
    for (const std::string& line : Wrapped("No estimate: " + reason, " "))
        lines.push_back(line);
    lines.push_back("");
    lines.push_back(ColumnHeads);
    lines.push_back(FractionsLabel + SummaryTail(std::nullopt));
    lines.push_back("");
    for (const std::string& line : CitationLines({SelfConsistentPaper, Selcon3Paper}, referenceSet))
        lines.push_back(line);
    return lines;
}

}  // namespace tavrelion::engines::selcon
