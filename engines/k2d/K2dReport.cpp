#include "k2d/K2dReport.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <vector>

#include "common/ReferenceSet.h"

namespace tavrelion::engines::k2d {
namespace {

constexpr std::size_t LineWidth = 78;
constexpr const char* Indent = "             ";  // under the text after the row titles

const char* const Title = "K2D - secondary structure from a self-organising (Kohonen) map";

// Words of text spread over lines of at most LineWidth characters, every line after the first
// starting with the indent.
std::string Wrapped(const std::string& first, const std::string& text,
                    const std::string& indent = Indent) {
    std::istringstream words(text);
    std::string out;
    std::string line = first;
    std::string word;
    bool lineHasWords = false;
    while (words >> word) {
        if (lineHasWords && line.size() + 1 + word.size() > LineWidth) {
            out += line + "\r\n";
            line = indent;
            lineHasWords = false;
        }
        line += (lineHasWords ? " " : "") + word;
        lineHasWords = true;
    }
    return out + line + "\r\n";
}

std::string Fraction(double value) {
    char text[16];
    std::snprintf(text, sizeof text, "%4.2f", std::clamp(value, 0.0, 1.0));
    return text;
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// A result line: the name, dots to a fixed column, and the fraction as the last four characters.
std::string ResultLine(const std::string& name, double value) {
    std::string line = "  " + name + " ";
    line.resize(44, '.');
    return line + " " + Fraction(value) + "\r\n";
}

std::string MethodSection() {
    return Wrapped("Method:      ",
                   "self-organising (Kohonen) map of far-UV CD spectra after Andrade, Chacon, "
                   "Merelo & Moran (1993). The spectrum is compared with the prototype spectra "
                   "of the map's nodes; the structure is read from the best-matching node and "
                   "the nodes nearly as close to the spectrum (weighted by the inverse square of "
                   "their distance).");
}

std::string CitationSection(const std::string& referenceSet) {
    std::string section = "\r\nPlease cite\r\n" + Wrapped("  ", MethodCitation, "    ");
    for (const std::string& citation : ReferenceCitations(referenceSet))
        section += Wrapped("  ", citation, "    ");
    return section;
}

// In-sample distances of the reference spectra set the scale; a reference protein left out of
// training still lies within a few times that distance, a spectrum in the wrong units far beyond.
std::string FitQuality(double distance, double typical) {
    if (distance <= 3 * typical) {
        return "good: the spectrum resembles the reference spectra.";
    }
    if (distance <= 8 * typical) {
        return "fair: the spectrum lies farther from the map than most reference spectra; the "
               "estimate is less certain.";
    }
    return "poor: the spectrum is unlike every reference spectrum, so the estimate is "
           "unreliable (check the units, the concentration and the path length).";
}

// The spectrum's map distance among the reference proteins' own distances.
std::string YardstickLines(double distance, std::vector<double> distances) {
    if (distances.empty())
        return {};
    std::sort(distances.begin(), distances.end());
    const auto at = [&](double share) {
        const auto rank = static_cast<std::size_t>(share * static_cast<double>(distances.size()));
        return Number(distances[std::min(rank, distances.size() - 1)]);
    };
    const auto closer = std::upper_bound(distances.begin(), distances.end(), distance);
    return "\r\nYardstick:          the " + std::to_string(distances.size()) +
           " reference proteins lie at distances with median " + at(0.5) + ", 90th percentile " +
           at(0.9) + " and 99th percentile " + at(0.99) + "; " +
           std::to_string(closer - distances.begin()) + " of them lie no farther than " +
           Number(distance) + ".\r\n";
}

}  // namespace

std::string EstimateReport(const KohonenMap& map, const MapEstimate& estimate,
                           const InputCheck& check) {
    std::string report = std::string(Title) + "\r\n\r\n";
    report += MethodSection();
    report +=
        Wrapped("Reference:   ", map.trainingSet + ", " + std::to_string(map.trainingProteins) +
                                     " proteins of known structure (crystal structures, "
                                     "DSSP classes); random coil is turn plus other.");
    report += "Map:         " + std::to_string(map.rows) + " x " + std::to_string(map.columns) +
              " nodes (weights.dat)\r\n";
    report += Wrapped("Wavelengths: ",
                      "200-240 nm, 41 values at 1-nm steps (GD.DAT: mean residue ellipticity / "
                      "1000, deg.cm2/dmol).");
    report += "\r\nBest-matching node: row " + std::to_string(estimate.node / map.columns + 1) +
              ", column " + std::to_string(estimate.node % map.columns + 1) + "\r\n";
    report += "Distance to it:     " + Number(estimate.distance) +
              " (root-mean-square per wavelength, deg.cm2/dmol / 1000)\r\n";
    report += "Reference spectra lie at a median distance of " + Number(map.typicalDistance) +
              " from their nodes.\r\n";
    report += Wrapped("Fit quality:        ",
                      check.flag.empty() ? FitQuality(estimate.distance, map.typicalDistance)
                                         : "not graded: see the input check below.",
                      "                    ");
    report += "\r\nSecondary structure (fractions)\r\n";
    report += ResultLine("ALPHA helix", estimate.fractions(HelixLabel));
    report += ResultLine("BETA sheet", estimate.fractions(BetaLabel));
    report += ResultLine("Random coil (turn and other)", estimate.fractions(CoilLabel));
    report += CitationSection(map.trainingSet);
    report += YardstickLines(estimate.distance, check.referenceDistances);
    if (!check.flag.empty() || !check.nearDuplicate.empty())
        report += "\r\n";
    for (const std::string& line : {check.flag, check.nearDuplicate})
        if (!line.empty())
            report += line + "\r\n";
    return report;
}

std::string NoEstimateReport(const std::string& reason) {
    std::string report = std::string(Title) + "\r\n\r\n";
    report += MethodSection();
    report += Wrapped("Reference:   ",
                      "the map in weights.dat, trained on proteins of known structure (the "
                      "shipped map: SP175, 71 proteins, crystal structures, DSSP classes).");
    report += Wrapped("Wavelengths: ",
                      "K2D needs the 41 values from 200 to 240 nm at 1-nm steps (GD.DAT: mean "
                      "residue ellipticity / 1000, deg.cm2/dmol).");
    report += "\r\n" + Wrapped("No estimate was made: ", reason, "  ");
    report += CitationSection(DefaultReferenceSet);
    return report + "\r\nSecondary structure estimate: none\r\n";
}

}  // namespace tavrelion::engines::k2d
