#pragma once

#include <string>
#include <vector>

namespace tavrelion::analysis {

// The average of the fits of the Varselec solutions the list accepts, graded against the spectrum
// the program fitted. The program writes that spectrum in a header line ("Spectrum fitted (delta
// epsilon per residue), 240 to 178 nm: -0.1234 ...") and each solution's fit coefficients after
// column 162, beyond the protein numbers the analysis reads, in the order of those numbers; the
// fit of a solution is its proteins' spectra in s.ori weighted by its coefficients. Solutions
// from a program that writes neither give no average.
class VarselecAverageFit {
  public:
    // A line before the first solution.
    void header(const std::string& line);
    // A solution the list accepts.
    void accept(const std::string& line);
    // The section the analysis programs end their reports with (estimation::BackCalculatedLines)
    // for the average fit, from the proteins' spectra (index 1..33, one value per nanometre from
    // 178 nm, NaN where s.ori has none). Nothing when a solution, the header or the spectra lack
    // what it takes, or no solution was accepted.
    std::vector<std::string> lines(const std::vector<std::vector<double>>& spectra) const;

  private:
    std::string fittedSpectrum_;
    std::vector<double> coefficientSums_;  // per protein number
    long accepted_ = 0;
    bool complete_ = true;
};

}  // namespace tavrelion::analysis
