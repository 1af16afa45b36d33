#pragma once

#include <Eigen/Dense>
#include <string>
#include <vector>

#include "LeaveOneOutTable.h"

// How the consensus is chosen from the methods' leave-one-out estimates, and how well the choice
// does on proteins it was not fitted on.
namespace tavrelion::tools {

// Share of a class's weight that the methods with a result must carry for a consensus.
inline constexpr double LeastPresentWeight = 0.5;

// For each class, weights >= 0 adding up to 1 over the methods that give that class for at
// least nine proteins in ten: those that minimise the squared error over the proteins used
// (stacking, Breiman 1996), proteins without every candidate's estimate left out of the fit;
// a method repeating an earlier one's estimates counts once.
// ClassCount x methods.
Eigen::MatrixXd FitWeights(const LeaveOneOutTable& table, const std::vector<int>& proteins);

// The weighted mean of the methods with an estimate, their weights scaled up to 1; NaN when
// those carry less than LeastPresentWeight of the class's weight.
double WeightedEstimate(const LeaveOneOutTable& table, const Eigen::MatrixXd& weights, int cls,
                        int protein);

// The half-width that holds at least `level` of the errors of a new protein exchangeable with
// these (the ceil((n + 1) level)-th smallest |error|; split-conformal prediction).
double HalfWidth(std::vector<double> absoluteErrors, double level);

inline constexpr double Levels[] = {0.68, 0.95};

struct NestedResult {
    Eigen::MatrixXd estimates;  // ClassCount x proteins: each with weights fitted without it
    // Helix and sheet (rows), 68 % and 95 % (columns): the share of proteins inside the interval
    // whose weights and half-width were fitted without them.
    Eigen::Matrix2d coverage;
    Eigen::Matrix2d meanHalfWidth;
};

// Leave-one-out of the whole choice: each protein's consensus uses weights fitted on the other
// proteins only, and its interval half-widths come from those proteins' own out-of-fit errors.
NestedResult NestedLeaveOneOut(const LeaveOneOutTable& table);

// Over the proteins where both are finite; the count of those in `used`.
double Rmsd(const Eigen::VectorXd& estimated, const Eigen::VectorXd& known, int* used = nullptr);

}  // namespace tavrelion::tools
