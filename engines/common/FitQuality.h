#pragma once

#include <Eigen/Dense>
#include <string>
#include <vector>

#include "common/ReferenceSet.h"

// How well an estimate's back-calculated spectrum matches the measured one, and whether the
// measured spectrum looks like a protein's far-UV spectrum at all. Every analysis program grades
// its fit and checks its input with these routines, so that the reports use the same words.
namespace tavrelion::engines {

// Normalised root-mean-square deviation (Mao, Wachter & Wallace 1982):
// sqrt(sum (measured - calculated)^2 / sum measured^2); 0 for an all-zero measured spectrum.
double Nrmsd(const Eigen::VectorXd& measured, const Eigen::VectorXd& calculated);

// Grading limits: the 50th and 90th percentiles of the NRMSD of SELCON3's refit in leave-one-out
// over SP175 at 240-175 nm (selcon_crossvalidate prints them: 0.041 and 0.092).
inline constexpr double GoodFitNrmsd = 0.041;
inline constexpr double FairFitNrmsd = 0.092;

// "good", "fair" or "poor".
std::string FitQualityWord(double nrmsd);

// The report lines after the existing ones: the rule, the NRMSD with its grade and the
// back-calculated spectrum (one line per wavelength from highest down in 1-nm steps).
std::vector<std::string> BackCalculatedLines(int highest, const Eigen::VectorXd& measured,
                                             const Eigen::VectorXd& calculated);

// What is wrong with a spectrum (delta epsilon per residue from highest down in 1-nm steps)
// compared with the reference proteins' spectra on the same wavelengths: an empty text when
// nothing is, otherwise one line starting with SpectrumFlagLead.
std::string SpectrumFlag(const ReferenceSet& references, int highest,
                         const Eigen::VectorXd& spectrum);

inline constexpr const char* SpectrumFlagLead = " Input check: ";

// A spectrum (as for SpectrumFlag) that is almost one reference protein's own, unscaled, is
// estimated as that protein's structure over again: an empty text when no protein lies within
// NearDuplicateNrmsd of it, otherwise one line starting with NearDuplicateLead that names the
// nearest protein, its NRMSD and the set.
std::string NearDuplicateLine(const ReferenceSet& references, int highest,
                              const Eigen::VectorXd& spectrum);

inline constexpr const char* NearDuplicateLead = " Reference check: ";
inline constexpr double NearDuplicateNrmsd = 0.02;

// The intensity window around the best-matching reference spectrum's scale. A small margin
// takes up the rounding of exchange files, so that exactly half or twice the intensity is flagged.
inline constexpr double LowestScale = 0.5;
inline constexpr double HighestScale = 2.0;

}  // namespace tavrelion::engines
