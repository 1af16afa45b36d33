#include "contin/ContinReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <vector>

#include "common/FitQuality.h"

namespace tavrelion::engines::contin {
namespace {

constexpr double ShownWeight = 0.005;  // smaller weights are left out of the protein list

const char* const MethodCitations[] = {
    "Provencher SW, Gloeckner J (1981) Estimation of globular protein secondary structure from "
    "circular dichroism. Biochemistry 20:33-37.",
    "Sreerama N, Woody RW (2000) Estimation of protein secondary structure from circular "
    "dichroism spectra: comparison of CONTIN, SELCON, and CDSSTR methods with an expanded "
    "reference set. Anal Biochem 287:252-260.",
};
const char* const ClassCitation =
    "Kabsch W, Sander C (1983) Dictionary of protein secondary structure: pattern recognition of "
    "hydrogen-bonded and geometrical features. Biopolymers 22:2577-2637.";

std::string Fixed(double value, int width, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    return text;
}

std::string Whole(long long value, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%*lld", width, value);
    return text;
}

// text padded with blanks so that the next character lands in the 1-based column.
std::string PadTo(std::string text, std::size_t column) {
    if (text.size() + 1 < column) {
        text.append(column - 1 - text.size(), ' ');
    }
    return text;
}

class Lines {
  public:
    void add(const std::string& line = "") { lines_.push_back(line); }
    // A paragraph wrapped at 92 characters, each line indented.
    void paragraph(const std::string& text, const std::string& indent = "   ") {
        std::string line = indent;
        std::size_t at = 0;
        while (at < text.size()) {
            const std::size_t space = text.find(' ', at);
            const std::string word =
                text.substr(at, space == std::string::npos ? space : space - at);
            if (line.size() > indent.size() && line.size() + 1 + word.size() > 92) {
                add(line);
                line = indent;
            }
            line += (line.size() > indent.size() ? " " : "") + word;
            at = space == std::string::npos ? text.size() : space + 1;
        }
        add(line);
    }
    std::string text() const {
        std::string all;
        for (const auto& line : lines_) {
            all += line + "\r\n";
        }
        return all;
    }

  private:
    std::vector<std::string> lines_;
};

void Title(Lines& out) {
    out.add(" CONTIN - secondary structure from a far-UV CD spectrum");
    out.add(" constrained regularised linear combination of reference spectra, locally linearised");
    out.add();
}

void Method(Lines& out) {
    out.add(" METHOD");
    out.paragraph(
        "The spectrum is fitted as a linear combination of the CD spectra of reference proteins "
        "of known structure. The weights are non-negative and sum to one, and a regulariser "
        "alpha^2 |w - 1/k|^2 pulls them towards equal shares (Provencher & Gloeckner 1981). Its "
        "strength alpha is chosen by the probability rule: among fits with alpha from 1E-6 to 10 "
        "times the largest singular value of the reference matrix, the one whose PROB1 (the "
        "F-test probability that it fits worse than the least regularised fit) is closest to "
        "0.5.");
    out.paragraph(
        "Locally linearised (Sreerama & Woody 2000): the reference proteins are ranked by the "
        "closeness of their spectra to this one, and the fit is repeated on the closest 8, 16, "
        "24, ... proteins and on all of them. The chosen solution is the mean of these fits' "
        "weights; the structure of each class is the weights times the reference proteins' "
        "crystal-structure shares.");
    out.add();
}

void References(Lines& out, const ReportSubject& subject) {
    const ReferenceSet& set = *subject.references;
    out.add(" REFERENCE DATA");
    out.paragraph(set.name + ": " + std::to_string(set.proteinCount()) +
                  " proteins used, spectra " + std::to_string(set.highestWavelength) + "-" +
                  std::to_string(set.lowestWavelength) +
                  " nm (delta epsilon per residue). Classes from the crystal structures by DSSP: "
                  "helix, sheet (beta strand), turn, other (everything else, disorder).");
    if (!subject.leftOut.empty()) {
        out.paragraph("Reference protein " + subject.leftOut +
                      " was left out of the reference set for this analysis.");
    }
    out.add();
}

void InputSection(Lines& out, const ContinInput& input) {
    out.add(" INPUT");
    out.paragraph("CONTIN.IN: " + std::to_string(input.count) +
                  " values of mean residue ellipticity (deg.cm2/dmol), read as " +
                  std::to_string(input.highestWavelength) + "-" +
                  std::to_string(input.lowestWavelength) + " nm in 1-nm steps.");
    if (!input.layoutRecognised) {
        out.paragraph("The data lines do not break where a spectrum from " +
                      std::to_string(input.countLineHigh) +
                      " nm downwards would; the first value was taken to be at " +
                      std::to_string(input.countLineHigh) + " nm.");
    }
    if (input.otherStart != 0) {
        out.paragraph("The spectrum reaches neither " + std::to_string(input.countLineHigh) +
                      " nor " + std::to_string(input.countLineLow) +
                      " nm, and the line breaks of CONTIN.IN would also fit a first value at " +
                      std::to_string(input.otherStart) + " nm; the higher start was taken.");
    }
    out.add();
}

void SubsetTable(Lines& out, const ReferenceSet& set, const ContinEstimate& estimate) {
    out.add(" FITS ON THE CLOSEST REFERENCE PROTEINS");
    out.add("   PROTEINS  ALPHA/S1    PROB1  DEG.FREEDOM  RMSD(DE)   HELIX  SHEET   TURN  OTHER");
    for (const auto& subset : estimate.subsets) {
        char alpha[32];
        std::snprintf(alpha, sizeof alpha, "%10.2E", subset.solution.relativeAlpha);
        out.add("   " + Whole(subset.size, 8) + alpha + Fixed(subset.solution.probability, 9, 3) +
                Fixed(subset.solution.degreesOfFreedom, 13, 2) + Fixed(subset.rmsd, 10, 3) +
                Fixed(subset.fractions(0), 8, 3) + Fixed(subset.fractions(1), 7, 3) +
                Fixed(subset.fractions(2), 7, 3) + Fixed(subset.fractions(3), 7, 3));
    }
    out.paragraph("Closest reference spectra: " + [&] {
        std::string names;
        for (std::size_t i = 0; i < std::min<std::size_t>(8, estimate.ranking.size()); ++i) {
            names += (i ? ", " : "") + set.codes[static_cast<std::size_t>(estimate.ranking[i])];
        }
        return names;
    }() + ".");
    out.add();
}

void ChosenSolution(Lines& out, const ContinEstimate& estimate) {
    const Eigen::Vector4d& f = estimate.fractions;
    out.add(std::string(" ") + ChosenSolutionMarker + "++  mean of the fits above");
    out.add(PadTo(PadTo(PadTo("", 25) + "HELIX", 38) + "SHEET", 51) + "TURN+OTHER");
    out.add(FractionLine(Eigen::Vector2d(f(0), f(1))));
    out.add();
    out.add("   helix " + Fixed(f(0), 5, 3) + "   sheet " + Fixed(f(1), 5, 3) + "   turn " +
            Fixed(f(2), 5, 3) + "   other " + Fixed(f(3), 5, 3) + "   sum " + Fixed(f.sum(), 5, 3));
    out.paragraph("Fit to the spectrum: RMSD " + Fixed(estimate.rmsd, 0, 3) + " delta epsilon (" +
                  Fixed(estimate.rmsd * EllipticityPerDeltaEpsilon, 0, 0) +
                  " deg.cm2/dmol), NRMSD " + Fixed(estimate.nrmsd, 0, 3) + ".");
    // The same limit as the grade under "Fit quality" at the end of the report.
    if (estimate.nrmsd > FairFitNrmsd) {
        out.paragraph("The fit is poor (NRMSD above " + Fixed(FairFitNrmsd, 0, 3) +
                      "): no mixture of the reference spectra matches this spectrum. Check the "
                      "units, the protein concentration and the path length before trusting the "
                      "numbers.");
    }
    out.add();
}

void ProteinWeights(Lines& out, const ReferenceSet& set, const ContinEstimate& estimate) {
    out.add(" REFERENCE PROTEINS IN THE SOLUTION");
    out.add("   PROTEIN   WEIGHT    HELIX  SHEET   TURN  OTHER");
    std::vector<int> order(static_cast<std::size_t>(estimate.weights.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return estimate.weights(a) > estimate.weights(b); });
    for (int p : order) {
        if (estimate.weights(p) < ShownWeight) {
            break;
        }
        out.add("   " + PadTo(set.codes[static_cast<std::size_t>(p)], 8) +
                Fixed(estimate.weights(p), 8, 3) + Fixed(set.fractions(0, p), 9, 3) +
                Fixed(set.fractions(1, p), 7, 3) + Fixed(set.fractions(2, p), 7, 3) +
                Fixed(set.fractions(3, p), 7, 3));
    }
    out.add();
}

void Spectra(Lines& out, const ContinEstimate& estimate) {
    const Eigen::VectorXd& measured = estimate.spectrum;
    out.add(" MEASURED AND FITTED SPECTRUM (mean residue ellipticity, deg.cm2/dmol)");
    out.add("     NM   MEASURED     FITTED   RESIDUAL");
    for (Eigen::Index i = 0; i < measured.size(); ++i) {
        const double m = measured(i) * EllipticityPerDeltaEpsilon;
        const double f = estimate.fitted(i) * EllipticityPerDeltaEpsilon;
        out.add("   " + Whole(estimate.highestWavelength - i, 4) + Fixed(m, 11, 0) +
                Fixed(f, 11, 0) + Fixed(m - f, 11, 0));
    }
    out.add();
}

void Citations(Lines& out, const std::string& referenceSet) {
    out.add(" PLEASE CITE");
    for (const char* citation : MethodCitations) {
        out.paragraph(citation);
    }
    for (const std::string& citation : ReferenceCitations(referenceSet))
        out.paragraph(citation);
    out.paragraph(ClassCitation);
}

}  // namespace

std::string FractionLine(std::optional<Eigen::Vector2d> helixAndSheet) {
    std::string line = PadTo(" FRACTION", 24);
    if (!helixAndSheet) {
        return PadTo(line, 57);
    }
    const double helix = (*helixAndSheet)(0);
    const double sheet = (*helixAndSheet)(1);
    const double rest = std::max(0.0, 1.0 - helix - sheet);
    line += Fixed(helix, 6, 3);
    line = PadTo(line, 38) + Fixed(sheet, 4, 2) + " ";
    return PadTo(line, 51) + Fixed(rest, 5, 3) + " ";
}

std::string EstimateReport(const ContinInput& input, const ReportSubject& subject,
                           const ContinEstimate& estimate) {
    const ReferenceSet& set = *subject.references;
    Lines out;
    Title(out);
    Method(out);
    References(out, subject);
    InputSection(out, input);
    out.add(" WAVELENGTHS USED: " + std::to_string(estimate.highestWavelength) + "-" +
            std::to_string(estimate.lowestWavelength) + " nm, " +
            std::to_string(estimate.fitted.size()) + " points");
    out.add();
    SubsetTable(out, set, estimate);
    ChosenSolution(out, estimate);
    ProteinWeights(out, set, estimate);
    Spectra(out, estimate);
    Citations(out, set.name);
    for (const std::string& line :
         BackCalculatedLines(estimate.highestWavelength, estimate.spectrum, estimate.fitted))
        out.add(line);
    const std::string flag = SpectrumFlag(set, estimate.highestWavelength, estimate.spectrum);
    const std::string duplicate =
        NearDuplicateLine(set, estimate.highestWavelength, estimate.spectrum);
    if (!flag.empty() || !duplicate.empty())
        out.add();
    for (const std::string& line : {flag, duplicate})
        if (!line.empty())
            out.add(line);
    return out.text();
}

std::string NoEstimateReport(const std::string& reason, const ContinInput* input) {
    Lines out;
    Title(out);
    if (input != nullptr) {
        InputSection(out, *input);
    }
    out.add(" NO ESTIMATE WAS MADE");
    out.paragraph(reason);
    out.add();
    out.add(std::string(" ") + ChosenSolutionMarker + "++  none (see above)");
    out.add(FractionLine(std::nullopt));
    out.add();
    Method(out);
    Citations(out, DefaultReferenceSet);
    return out.text();
}

}  // namespace tavrelion::engines::contin
