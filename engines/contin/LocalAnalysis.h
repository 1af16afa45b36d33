#pragma once

#include <Eigen/Dense>
#include <vector>

#include "common/ReferenceSet.h"
#include "contin/RegularisedFit.h"

namespace tavrelion::engines::contin {

// The locally linearised analysis (Sreerama & Woody 2000, Anal Biochem 287:252-260): the reference
// proteins are ranked by how closely their spectra match the sample's over the wavelengths used,
// and the constrained regularised fit is run on the closest k proteins for a range of k. Each fit
// gives weights of the reference proteins; the estimate is the mean of these weight vectors over
// all subsets (again non-negative and summing to one), and the structure fractions are the
// reference fractions times the weights. Averaging the local solutions steadies the estimate:
// leave-one-out over SP175 gives lower errors than any single subset size.
struct AnalysisSettings {
    RegularisedFitSettings fit;
    int smallestSubset = 8;  // k = 8, 16, ... and finally all proteins
    int subsetStep = 8;
};

struct SubsetSolution {
    int size = 0;  // the closest proteins used
    RegularisedSolution solution;
    Eigen::Vector4d fractions = Eigen::Vector4d::Zero();  // helix, sheet, turn, other
    double rmsd = 0.0;                                    // of the fit, delta epsilon
};

struct ContinEstimate {
    int highestWavelength = 0;
    int lowestWavelength = 0;
    Eigen::Vector4d fractions = Eigen::Vector4d::Zero();  // helix, sheet, turn, other
    Eigen::VectorXd spectrum;                             // the analysed spectrum, delta epsilon
    Eigen::VectorXd weights;   // one per reference protein: the mean over the subsets
    Eigen::VectorXd fitted;    // the reference spectra times the weights, delta epsilon
    double rmsd = 0.0;         // of the fitted spectrum, delta epsilon
    double nrmsd = 0.0;        // Mao, Wachter & Wallace: rmsd / rms of the spectrum
    std::vector<int> ranking;  // reference proteins, closest spectrum first
    std::vector<SubsetSolution> subsets;
};

// spectrum: delta epsilon from highest down to lowest wavelength in 1-nm steps, a range the
// reference set covers.
ContinEstimate AnalyseSpectrum(const ReferenceSet& set, int highestWavelength, int lowestWavelength,
                               const Eigen::VectorXd& spectrum,
                               const AnalysisSettings& settings = {});

}  // namespace tavrelion::engines::contin
