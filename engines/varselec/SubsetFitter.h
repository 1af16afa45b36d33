#pragma once

#include <Eigen/Dense>
#include <span>

#include "varselec/AlignedData.h"
#include "varselec/BasisFormat.h"

namespace tavrelion::engines::varselec {

// How each subset of the reference proteins is fitted.
struct FitSettings {
    // Singular vectors kept (Hennessey & Johnson 1981): 9 gave the smallest leave-one-out errors
    // on SP175 from 240 to 178 nm and from 240 to 190 nm.
    int singularVectors = 9;
    // Weight, in delta epsilon, of the sum rule "the coefficients of the reference proteins add
    // up to 1", fitted as one more data point. The SP175 spectra scatter in intensity: without
    // the rule the totals of their leave-one-out fits range from 0.3 to 1.8 and many fall outside
    // the analysis's 10-110 % window; with it they stay near 1 and the sheet error falls from
    // 0.13 to 0.08.
    double sumRuleWeight = 10.0;
};

// One subset's solution: the structure fractions (the reference proteins' fractions weighted by
// the fit coefficients), their total, and the root-mean-square deviation of the fitted spectrum
// from the measured one over the wavelengths used (delta epsilon), and the fit coefficients of
// the chosen proteins in their order (0 for those left out), which rebuild the fitted spectrum.
struct SubsetSolution {
    StructureFractions fractions{};
    double total = 0.0;
    double rmsDeviation = 0.0;
    Eigen::VectorXd coefficients;
};

// Fits the spectrum on subsets of the chosen reference proteins (variable selection, Manavalan &
// Johnson 1987). The spectra A (with the sum-rule row appended) are reduced once to their r leading
// singular vectors, A ~ U S V^T; a subset S fits the spectrum b with the coefficients of least norm
// that reproduce U^T b exactly, x_S = Z_S^T (Z_S Z_S^T)^-1 U^T b with Z = S V^T. With H = V V^T,
// g = V S^-1 U^T b and E = F (I - H), leaving out the proteins R gives the fractions
//   F_S x_S = F g - E_R (I - H_RR)^-1 g_R,
// a solve of size |R| instead of a decomposition per subset.
class SubsetFitter {
  public:
    // removedAtMost: the largest number of proteins any subset will leave out; r is kept below
    // the number of proteins each subset keeps.
    SubsetFitter(const AlignedData& data, const FitSettings& settings, int removedAtMost);

    int proteinCount() const { return static_cast<int>(fractions_.cols()); }
    int wavelengthCount() const { return wavelengthCount_; }
    int singularVectorsUsed() const { return singularVectors_; }

    // The solution without the proteins at the given positions (0-based among the chosen
    // proteins, ascending, at most 5 of them).
    SubsetSolution solve(std::span<const int> removed) const;

  private:
    int singularVectors_ = 0;
    int wavelengthCount_ = 0;
    Eigen::VectorXd fullCoefficients_;     // g
    Eigen::MatrixXd projection_;           // H
    Eigen::MatrixXd complement_;           // E
    Eigen::Vector4d fullFractions_;        // F g
    Eigen::MatrixXd fractions_;            // F
    Eigen::MatrixXd gram_;                 // A^T A over the wavelengths
    Eigen::VectorXd gramTimesFull_;        // A^T A g
    Eigen::MatrixXd gramTimesProjection_;  // A^T A H
    Eigen::VectorXd sampleGram_;           // A^T b
    double sampleNorm2_ = 0.0;             // b^T b
};

}  // namespace tavrelion::engines::varselec
