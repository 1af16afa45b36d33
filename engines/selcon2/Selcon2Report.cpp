#include "selcon2/Selcon2Report.h"

#include "selcon3/ReportFile.h"
#include "selcon3/Selcon3Report.h"
#include "selcon3/SummaryLine.h"

namespace tavrelion::engines::selcon {
namespace {

constexpr const char* Title =
    " SELCON2 - protein secondary structure by the self-consistent method";
const std::string ValuesLead(9, ' ');  // the summary drops these characters
const std::string SolutionHeads = " refs  h  cycles  helix sheet  turn  other    sum";

std::string Range(int high, int low) {
    return std::to_string(high) + " - " + std::to_string(low) + " nm";
}

std::string Padded(int value, std::size_t width) {
    std::string text = std::to_string(value);
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

std::vector<std::string> SettingsLines(const ReferenceSet& references,
                                       const Selcon2Context& context,
                                       const SelconOptions& options) {
    const Selcon2Input& input = *context.input;
    std::vector<std::string> lines = {
        " Title: " + input.title,
        " Spectrum received: " +
            Range(input.spectrum.highestWavelength, input.spectrum.lowestWavelength) +
            ", delta epsilon per residue (M-1 cm-1)",
        " Structure classification (ssdata): " + context.structure->classification};
    for (const std::string& note : context.structure->notes)
        lines.push_back(" " + note);
    lines.push_back(" Reference spectra: " + references.name + ", " +
                    std::to_string(references.proteinCount()) + " proteins, " +
                    Range(references.highestWavelength, references.lowestWavelength));
    if (!context.leftOut.empty())
        lines.push_back(" Left out of the references for this check: " + context.leftOut);
    lines.push_back(" At most " + std::to_string(options.method.maxIterations) +
                    " self-consistent iterations; total rule: the fractions add up to 100 +- " +
                    Fixed(100.0 * options.rules.sumTolerance, 1) + " %.");
    for (const std::string& line :
         Wrapped("Method (Sreerama & Woody 1993, 1994): the measured spectrum joins the reference "
                 "spectra with the structure of the closest reference as first guess; a singular "
                 "value decomposition kept to h terms maps spectra to structure and the estimate "
                 "replaces the guess until it changes by less than " +
                     Fixed(options.method.convergence, 3) +
                     " or the iterations run out. Repeated over reference subsets of the closest "
                     "proteins (weighted by closeness) and over h = " +
                     std::to_string(options.method.fewestBasis) + " to " +
                     std::to_string(options.method.mostBasis) +
                     "; solutions pass when they meet the total rule and have no fraction below " +
                     Fixed(options.rules.fractionFloor, 3) +
                     "; each is scaled to sum 1 and the passing ones are averaged.",
                 " "))
        lines.push_back(line);
    return lines;
}

std::string SolutionLine(const Solution& solution) {
    const Eigen::VectorXd scaled = solution.fractions / solution.fractions.sum();
    std::string line = " " + Padded(solution.referenceCount, 4) + Padded(solution.basisCount, 3) +
                       Padded(solution.iterations, 8) + " ";
    for (int c = 0; c < ReferenceSet::ClassCount; ++c)
        line += " " + FiveCharacters(scaled(c));
    return line + "  " + FiveCharacters(solution.fractions.sum());
}

std::vector<std::string> AverageBlock(const Estimate& estimate) {
    return {"", ValuesLead + SummaryTailHeads, AverageMarker, AverageValuesLine(estimate)};
}

}  // namespace

std::string AverageValuesLine(const Estimate& estimate) {
    return ValuesLead + SummaryTail(SummaryValuesOf(estimate));
}

std::vector<std::string> Selcon2Report(const ReferenceSet& references,
                                       const Selcon2Context& context, const Estimate& estimate,
                                       const SelconOptions& options) {
    std::vector<std::string> lines = {Title, ""};
    for (const std::string& line : SettingsLines(references, context, options))
        lines.push_back(line);
    if (estimate.used.highest > 0)
        lines.push_back(" Wavelengths used: " + Range(estimate.used.highest, estimate.used.lowest));
    lines.push_back("");
    if (estimate.made) {
        lines.push_back(
            " Accepted solutions: " + std::to_string(estimate.selection.accepted.size()) + " of " +
            std::to_string(estimate.candidates) +
            " (fractions scaled to sum 1; sum before scaling)");
        lines.push_back(SolutionHeads);
        for (int index : estimate.selection.accepted)
            lines.push_back(SolutionLine(estimate.solutions[static_cast<std::size_t>(index)]));
    } else {
        for (const std::string& line : Wrapped("No estimate: " + estimate.reason, " "))
            lines.push_back(line);
    }
    for (const std::string& line : AverageBlock(estimate))
        lines.push_back(line);
    if (estimate.made) {
        lines.push_back(
            " NRMSD: the weighted mean of the accepted solutions' refits against the measured "
            "one.");
        lines.push_back(" Polyproline II (PP2) stays blank.");
    }
    lines.push_back("");
    for (const std::string& line :
         CitationLines({SelfConsistentPaper, Selcon2Paper}, references.name))
        lines.push_back(line);
    AppendFitLines(references, estimate, lines);
    return lines;
}

std::vector<std::string> Selcon2FailureReport(const std::string& reason,
                                              const std::string& referenceSet) {
    std::vector<std::string> lines = {Title, ""};
    for (const std::string& line : Wrapped("No estimate: " + reason, " "))
        lines.push_back(line);
    for (const std::string& line : AverageBlock(Estimate{}))
        lines.push_back(line);
    lines.push_back("");
    for (const std::string& line : CitationLines({SelfConsistentPaper, Selcon2Paper}, referenceSet))
        lines.push_back(line);
    return lines;
}

}  // namespace tavrelion::engines::selcon
