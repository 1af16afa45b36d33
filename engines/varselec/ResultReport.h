#pragma once

#include <Eigen/Dense>
#include <string>
#include <vector>

#include "common/ReferenceSet.h"
#include "varselec/SubsetFitter.h"

namespace tavrelion::engines::varselec {

inline constexpr const char* ResultFileName = "COMB2.OP";

inline constexpr const char* MethodCitation =
    "Manavalan P, Johnson WC Jr (1987) Variable selection method improves the prediction of "
    "protein secondary structure from circular dichroism spectra. Anal Biochem 167:76-85.";
inline constexpr const char* ReviewCitation =
    "Johnson WC (1999) Analyzing protein circular dichroism spectra for accurate secondary "
    "structures. Proteins 35:307-312.";
inline constexpr const char* SingularValueCitation =
    "Hennessey JP Jr, Johnson WC Jr (1981) Information content in the circular dichroism of "
    "proteins. Biochemistry 20:1085-1094.";

// What one run did, for the header of COMB2.OP.
struct RunDescription {
    std::string spectrumName;
    std::vector<int> wavelengths;  // used, descending
    int chosenCount = 0;
    int removedCount = 0;
    long combinationCount = 0;
    int singularVectors = 0;
    double sumRuleWeight = 0.0;
    SubsetSolution allChosen;                        // the fit with every chosen protein
    std::string referenceSet = DefaultReferenceSet;  // the set the basis was taken from
    std::string nearDuplicate;  // the line that says the spectrum is a reference protein's
    std::string inputCheck;     // the line that says the spectrum is unfit for any estimate
    Eigen::VectorXd fitted;     // the spectrum at the wavelengths used, delta epsilon
};

// The header line that gives the spectrum as fitted, from which the result analysis grades the
// average of the accepted fits: this lead, the highest and lowest wavelength ("240 to 178 nm:")
// and one value per nanometre from the highest down. Written only when the wavelengths used
// follow each other in 1-nm steps.
inline constexpr const char* FittedSpectrumLead = " Spectrum fitted (delta epsilon per residue), ";

// The header lines of COMB2.OP before the solutions (CR LF ended): the method, the reference data,
// the wavelengths, the fit with all chosen proteins, what to cite and the column headings. No
// line starts like a solution line.
std::string SolutionsHeader(const RunDescription& run);

// The whole of COMB2.OP when no estimate could be made: the reason, the method and the citations,
// and no solution line.
std::string NoEstimateReport(const std::string& spectrumName, const std::string& reason,
                             const std::string& referenceSet = DefaultReferenceSet);

}  // namespace tavrelion::engines::varselec
