#include "corrections/SavitzkyGolay.h"

#include <Eigen/Dense>
#include <cstddef>

namespace tavrelion::corrections {
namespace {

// The weights that give the fitted polynomial's value at window position `at` (0..points-1) from
// the window's values.
Eigen::VectorXd Weights(int points, int order, int at) {
    Eigen::MatrixXd design(points, order + 1);
    for (int j = 0; j < points; ++j) {
        double power = 1;
        for (int k = 0; k <= order; ++k) {
            design(j, k) = power;
            power *= j - at;  // centred on the point, so the value there is the constant term
        }
    }
    // Row 0 of the pseudo-inverse, through QR: stable for the wide windows of fine grids.
    const Eigen::MatrixXd inverse =
        design.colPivHouseholderQr().solve(Eigen::MatrixXd::Identity(points, points));
    return inverse.row(0).transpose();
}

}  // namespace

int WindowPoints(int widthNm) {
    return widthNm % 2 == 0 ? widthNm + 1 : widthNm;
}

std::vector<double> SmoothSavitzkyGolay(const std::vector<double>& values, int points, int order) {
    const int count = static_cast<int>(values.size());
    if (points > count) {
        points = count % 2 == 0 ? count - 1 : count;
    }
    if (points <= order || points < 3) {
        return values;
    }
    const int half = points / 2;
    std::vector<double> smoothed(values.size());
    const auto apply = [&](const Eigen::VectorXd& weights, int target, int windowStart) {
        double sum = 0;
        for (int j = 0; j < points; ++j) {
            sum += weights(j) *
                   values[static_cast<std::size_t>(windowStart) + static_cast<std::size_t>(j)];
        }
        smoothed[static_cast<std::size_t>(target)] = sum;
    };
    const Eigen::VectorXd centre = Weights(points, order, half);
    for (int i = half; i < count - half; ++i) {
        apply(centre, i, i - half);
    }
    for (int at = 0; at < half; ++at) {
        apply(Weights(points, order, at), at, 0);
        const int end = points - 1 - at;
        apply(Weights(points, order, end), count - points + end, count - points);
    }
    return smoothed;
}

}  // namespace tavrelion::corrections
