#pragma once

#include <Eigen/Dense>
#include <vector>

// The self-consistent method (Sreerama & Woody 1993, Anal Biochem 209:32): the unknown spectrum q
// joins the reference spectra C as one more column, with a guess f of its structure joining the
// reference fractions F. With the singular value decomposition [C q] = U S V^T kept to h terms,
// the new estimate is f' = [F f] V_h S_h^-1 U_h^T q; f' replaces the guess until it no longer
// changes. Repeated over reference subsets of the proteins closest to q (Sreerama, Venyaminov &
// Woody 1999, Protein Sci 8:370) and over h, this gives the candidate solutions that the
// selection rules then sift.
namespace tavrelion::engines::selcon {

struct SelfConsistentSettings {
    int maxIterations = 50;      // self-consistent cycles at most for one solution
    double convergence = 0.002;  // largest change of any fraction that counts as unchanged
    int fewestBasis = 2;         // singular values kept, from fewest ...
    int mostBasis = 8;           // ... to most
    int smallestSubset = 20;     // proteins in the smallest reference subset
    int subsetStep = 1;          // proteins added from one subset to the next (all last)
    double localWidth = 0.0;     // > 0: references weighted by closeness (see SolveSubsets)
};

struct Solution {
    Eigen::VectorXd fractions;  // one per structure class
    double refitNrmsd = 0.0;    // spectrum rebuilt from fractions, against the measured one
    Eigen::VectorXd spectrum;   // that spectrum: the references combined as for the fractions
    int referenceCount = 0;     // proteins of the subset
    int basisCount = 0;         // singular values kept
    int iterations = 0;
    bool converged = false;
};

// The reference proteins ordered from the closest spectrum to the query to the farthest
// (root-mean-square difference over the rows given).
std::vector<int> OrderByDistance(const Eigen::MatrixXd& spectra, const Eigen::VectorXd& query);

// All candidate solutions: for each subset of the n closest proteins (n from the smallest subset
// up to all of them) and each number of singular values, the self-consistent estimate started
// from the structure of the closest protein. spectra: wavelengths x proteins; fractions:
// classes x proteins; query: the measured spectrum on the same wavelengths.
std::vector<Solution> SolveSubsets(const Eigen::MatrixXd& spectra, const Eigen::MatrixXd& fractions,
                                   const Eigen::VectorXd& query,
                                   const SelfConsistentSettings& settings);

}  // namespace tavrelion::engines::selcon
