#include "varselec/ResultReport.h"

#include <cstdio>

#include "common/ReferenceSet.h"
#include "varselec/SolutionLine.h"

namespace tavrelion::engines::varselec {
namespace {

const char* const Title = "VARSELEC - protein secondary structure by variable selection";

constexpr std::size_t LineWidth = 92;

class Lines {
  public:
    Lines& add(const std::string& line = {}) {
        text_ += line.empty() ? std::string() : " " + line;
        text_ += "\r\n";
        return *this;
    }
    // Breaks a long text at blanks into lines of at most 92 characters; the lines after the
    // first start with `indent`.
    Lines& paragraph(const std::string& text, const std::string& first = {},
                     const std::string& indent = {}) {
        std::string line = first;
        bool lineHasWord = false;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find(' ', start);
            if (end == std::string::npos) {
                end = text.size();
            }
            const std::string word = text.substr(start, end - start);
            start = end + 1;
            if (word.empty()) {
                continue;
            }
            if (lineHasWord && line.size() + 1 + word.size() > LineWidth) {
                add(line);
                line = indent;
                lineHasWord = false;
            }
            line += (lineHasWord ? " " : "") + word;
            lineHasWord = true;
        }
        if (lineHasWord) {
            add(line);
        }
        return *this;
    }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

std::string Number(double value, const char* format) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

void AddReferenceData(Lines& lines, const std::string& referenceSet) {
    lines.paragraph(
        "Reference data: the " + referenceSet +
        " set (71 proteins; spectra in delta epsilon per residue, "
        "M-1 cm-1; secondary structure of the crystal structures by DSSP in the classes helix, "
        "sheet, turn and other). 33 of them, spread over the range of helix content, form the "
        "basis s.ori.");
    lines.paragraph(
        "The reference data give a single sheet class: it is reported as antiparallel sheet "
        "(AP sh), and the parallel sheet (PP sh) is always 0.");
}

void AddCitations(Lines& lines, const std::string& referenceSet) {
    lines.add("Please cite:");
    std::vector<std::string> citations = {MethodCitation, ReviewCitation, SingularValueCitation};
    for (std::string& citation : ReferenceCitations(referenceSet))
        citations.push_back(std::move(citation));
    for (const std::string& citation : citations) {
        lines.paragraph(citation, "  ", "    ");
    }
}

std::string ColumnHeadings() {
    std::string line(FirstProteinColumn - 1, ' ');
    const auto place = [&line](int column, const std::string& label) {
        line.replace(static_cast<std::size_t>(column - 1), label.size(), label);
    };
    place(3, "Number");
    const char* labels[] = {"Helix", "AP sh", "PP sh", " Turn", "Other"};
    for (int k = 0; k < 5; ++k) {
        place(FirstFractionColumn + 1 + k * FractionWidth, labels[k]);
    }
    place(TotalColumn, "Total");
    place(RmsColumn, "  Rms");
    return line + "Reference proteins used";
}

// The spectrum as fitted, on one line; nothing when the wavelengths used have a gap.
std::string FittedSpectrumLine(const RunDescription& run) {
    const std::vector<int>& nm = run.wavelengths;
    if (nm.empty() || static_cast<Eigen::Index>(nm.size()) != run.fitted.size() ||
        nm.front() - nm.back() + 1 != static_cast<int>(nm.size())) {
        return {};
    }
    std::string line = FittedSpectrumLead + std::to_string(nm.front()) + " to " +
                       std::to_string(nm.back()) + " nm:";
    for (const double value : run.fitted) {
        line += Number(value, " %.4f");
    }
    return line;
}

}  // namespace

std::string SolutionsHeader(const RunDescription& run) {
    Lines lines;
    lines.add(Title).add("Spectrum: " + run.spectrumName).add();
    lines.paragraph(
        "Method: variable selection (Manavalan & Johnson 1987). Of the " +
        std::to_string(run.chosenCount) + " reference proteins chosen, every combination that " +
        "leaves out " + std::to_string(run.removedCount) + " of them is fitted to the spectrum (" +
        std::to_string(run.combinationCount) + " fits). Each fit keeps the " +
        std::to_string(run.singularVectors) +
        " leading singular vectors of the chosen reference spectra (Hennessey & Johnson 1981) "
        "and the sum rule (the coefficients of the reference proteins add up to 1, weighted as "
        "a data point of " +
        Number(run.sumRuleWeight, "%g") +
        " delta epsilon); the structure fractions of a fit are the fractions of its reference "
        "proteins weighted by the fit coefficients.");
    AddReferenceData(lines, run.referenceSet);
    lines.paragraph("Wavelengths used: " + std::to_string(run.wavelengths.front()) + " to " +
                    std::to_string(run.wavelengths.back()) + " nm, " +
                    std::to_string(run.wavelengths.size()) +
                    " points (where both the spectrum and every chosen reference protein have "
                    "values; the reference spectra stop at 240 nm).");
    lines.add();
    const SubsetSolution& all = run.allChosen;
    lines.paragraph("Fit with all " + std::to_string(run.chosenCount) + " chosen proteins: helix " +
                    Number(all.fractions[0], "%.3f") + ", sheet " +
                    Number(all.fractions[1], "%.3f") + ", turn " +
                    Number(all.fractions[2], "%.3f") + ", other " +
                    Number(all.fractions[3], "%.3f") + ", total " + Number(all.total, "%.3f") +
                    "; rms deviation from the spectrum " + Number(all.rmsDeviation, "%.3f") +
                    " delta epsilon.");
    // The leads' blanks are the lines'.
    if (!run.inputCheck.empty()) {
        lines.add(run.inputCheck.substr(1));
    }
    if (!run.nearDuplicate.empty()) {
        lines.add(run.nearDuplicate.substr(1));
    }
    const std::string fitted = FittedSpectrumLine(run);
    if (!fitted.empty()) {
        lines.add(fitted.substr(1));
    }
    lines.add();
    AddCitations(lines, run.referenceSet);
    lines.add();
    lines.paragraph(
        "Solutions, one line per combination: its number, the fractions of helix, antiparallel "
        "sheet, parallel sheet, turn and other, their total, the rms deviation of the fit (delta "
        "epsilon), the numbers of the reference proteins used and, from column " +
        std::to_string(CoefficientColumn) +
        ", their fit coefficients in the same order. The Analyze command averages the solutions "
        "whose total lies within the bounds it asks for, and grades the average of their fitted "
        "spectra against the spectrum fitted above.");
    lines.add();
    return lines.text() + ColumnHeadings() + "\r\n";
}

std::string NoEstimateReport(const std::string& spectrumName, const std::string& reason,
                             const std::string& referenceSet) {
    Lines lines;
    lines.add(Title).add("Spectrum: " + spectrumName).add();
    lines.paragraph("No estimate was made. " + reason);
    lines.add();
    lines.paragraph(
        "Method: variable selection (Manavalan & Johnson 1987): the spectrum is fitted on every "
        "combination of the chosen reference proteins with some of them left out, and the "
        "structure fractions of the fits are averaged by the Analyze command.");
    AddReferenceData(lines, referenceSet);
    lines.add();
    AddCitations(lines, referenceSet);
    return lines.text();
}

}  // namespace tavrelion::engines::varselec
