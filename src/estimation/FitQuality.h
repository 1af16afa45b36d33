#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tavrelion::estimation {

// Normalised root-mean-square deviation of a back-calculated spectrum from the measured one
// (Mao, Wachter & Wallace 1982, Biopolymers 21:1245): sqrt(sum (d - d_calc)^2 / sum d^2). The
// analysis programs grade their fits with the same definition. None for an all-zero measured
// spectrum, against which no fit can be judged, or spectra of different lengths.
std::optional<double> Nrmsd(const std::vector<double>& measured,
                            const std::vector<double>& calculated);

// The analysis programs' grading limits: the median and 90th percentile of SELCON3's refit NRMSD
// in leave-one-out over SP175 at 240-175 nm.
inline constexpr double GoodFitNrmsd = 0.041;
inline constexpr double FairFitNrmsd = 0.092;

// "good" up to GoodFitNrmsd, "fair" up to FairFitNrmsd, "poor" beyond.
std::string FitQualityWord(double nrmsd);

// The section the analysis programs end their reports with, in their words, for a result the
// main program rebuilds itself (Varselec's average fit): a blank line, the NRMSD with its grade and
// limits, and the measured and back-calculated values (delta epsilon per residue) from highest
// down in 1-nm steps. Nothing when no NRMSD can be given.
std::vector<std::string> BackCalculatedLines(int highest, const std::vector<double>& measured,
                                             const std::vector<double>& calculated);

}  // namespace tavrelion::estimation
